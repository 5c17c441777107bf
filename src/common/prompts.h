#pragma once

#include <QString>

class QWidget;

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
};
