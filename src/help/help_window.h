#pragma once

#include <QMainWindow>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace plc {

// The manual's window: the contents on the left, the open page on the right, a search box that
// narrows the contents to the pages holding its words and marks them in the open page, and
// back and forward through the pages read (Alt+Left, Alt+Right). Modeless. Its pages are in the
// language the program speaks as the window opens, where the manual has them.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows a page by its file name, with an anchor after "#" ("uart1.html#table").
    void openPage(const QString &page);
    // The file name of the page shown ("uart1.html").
    QString currentPage() const;

private:
    QWidget *buildContents();
    void buildToolBar();
    // The page now shown: its entry chosen in the contents, its title in the caption, the words
    // searched for marked.
    void pageShown(const QUrl &url);
    // The search box changed: the contents narrowed, the words marked in the page.
    void searchChanged();
    // Enter in the search box: the next place in the page that holds the first word; a page
    // that holds them all is opened first when this one does not.
    void findNext();
    void markWords();

    const QString m_language;
    QListWidget *m_contents = nullptr;
    QLineEdit *m_search = nullptr;
    QTextBrowser *m_browser = nullptr;
};

}  // namespace plc
