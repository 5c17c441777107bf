#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace plc {

// Every message box and file dialog the tool shows goes through here, so tests can
// script the answers and read each text the user would see.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message with an OK button. A null title means the application's own title.
    virtual void message(QWidget *parent, const QString &text,
                         const QString &title = QString()) = 0;
    // A question with OK and Cancel and an empty title; true for OK.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // A question about unkept work, with "Save", "Discard" and "Cancel".
    enum class Keep { Save, Discard, Cancel };
    virtual Keep askKeep(QWidget *parent, const QString &text) = 0;
    // File dialogs; the empty text when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                                 const QString &filter, const QString &defaultSuffix) = 0;

    // For a window that stays usable while a transfer waits (the traffic monitor): a dialog
    // there must not hold the transfer until it closes. The save dialog returns at once and
    // chosen(name) runs when the user accepts, never when the dialog is cancelled; the message
    // returns without waiting for its OK. By default they are the plain ones above.
    virtual void saveFileNameLater(QWidget *parent, const QString &title, const QString &dir,
                                   const QString &filter, const QString &defaultSuffix,
                                   const std::function<void(const QString &)> &chosen)
    {
        const QString name = saveFileName(parent, title, dir, filter, defaultSuffix);
        if (!name.isEmpty())
            chosen(name);
    }
    virtual void messageLater(QWidget *parent, const QString &text) { message(parent, text); }
};

}  // namespace plc
