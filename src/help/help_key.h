#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace plc {

class HelpWindow;

// F1 anywhere in the program: opens the manual at the page of the dialog or window that has
// the focus, or of the main window's current tab. One filter on the whole application, so no
// dialog needs a line of its own; it keeps the one help window and keeps it usable while a
// modal dialog is open.
class HelpKey : public QObject {
    Q_OBJECT

public:
    // Starts watching every key of the application.
    explicit HelpKey(QObject *parent = nullptr);
    ~HelpKey() override;

    // The one installed; null when none is.
    static HelpKey *installed();

    // The page for what a widget lies in: the nearest dialog or window the manual has a page
    // for, else the main window's current tab, else the start page.
    static QString pageFor(const QWidget *widget);

    // Opens the manual at the page for widget (the start page for none) and brings it forward.
    void showHelpFor(const QWidget *widget);
    // Opens the manual at a page ("uart1.html#table").
    void showPage(const QString &page);
    // The help window; null until F1 first opens it.
    HelpWindow *helpWindow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // While a modal dialog is open every other window is blocked: the help window becomes a
    // window of that dialog, and of the one below when it closes.
    void keepUsableOver(QWidget *modal);

    QPointer<HelpWindow> m_window;
    QPointer<QWidget> m_owner;  // the modal dialog the help window belongs to for now
};

}  // namespace plc
