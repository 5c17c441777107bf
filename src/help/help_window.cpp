#include "help_window.h"

#include "manual_language.h"
#include "manual_pages.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace plc {

namespace {

constexpr int kFileRole = Qt::UserRole;

}  // namespace

HelpWindow::HelpWindow(QWidget *parent) : QMainWindow(parent), m_language(manual::shownLanguage())
{
    setObjectName(QStringLiteral("helpWindow"));

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);

    auto *split = new QSplitter;
    split->addWidget(buildContents());
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 660});
    setCentralWidget(split);
    buildToolBar();
    resize(900, 640);
    openPage(manual::kStartPage);
}

QWidget *HelpWindow::buildContents()
{
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(
        tr("Lists the pages that hold every word typed and marks the words in "
           "the page; Enter finds the next place"));
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::searchChanged);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::findNext);

    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("helpContents"));
    for (const manual::Page &page : manual::pages(m_language)) {
        auto *item = new QListWidgetItem(page.title, m_contents);
        item->setData(kFileRole, page.file);
    }
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem *item) { openPage(item->data(kFileRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem *item) { openPage(item->data(kFileRole).toString()); });

    auto *side = new QWidget;
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_search);
    layout->addWidget(m_contents, 1);
    return side;
}

void HelpWindow::buildToolBar()
{
    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setMovable(false);
    const auto addAction = [this, bar](const QString &caption, const QString &name,
                                       QStyle::StandardPixmap icon, const QKeySequence &keys) {
        QAction *action = bar->addAction(style()->standardIcon(icon), caption);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setToolTip(
            QStringLiteral("%1 (%2)").arg(caption, keys.toString(QKeySequence::NativeText)));
        return action;
    };
    QAction *back = addAction(tr("Back"), QStringLiteral("backAction"), QStyle::SP_ArrowBack,
                              QKeySequence(Qt::ALT | Qt::Key_Left));
    QAction *forward = addAction(tr("Forward"), QStringLiteral("forwardAction"),
                                 QStyle::SP_ArrowForward, QKeySequence(Qt::ALT | Qt::Key_Right));
    QAction *home = addAction(tr("Contents"), QStringLiteral("homeAction"), QStyle::SP_DirHomeIcon,
                              QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { openPage(manual::kStartPage); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

void HelpWindow::openPage(const QString &page)
{
    const QUrl url = manual::pageUrl(page, m_language);
    if (url == m_browser->source())
        return;
    m_browser->setSource(url);
}

QString HelpWindow::currentPage() const
{
    return manual::pageOf(m_browser->source());
}

void HelpWindow::pageShown(const QUrl &url)
{
    const QString page = manual::pageOf(url);
    {
        const QSignalBlocker quiet(m_contents);
        for (int i = 0; i < m_contents->count(); ++i) {
            QListWidgetItem *item = m_contents->item(i);
            if (item->data(kFileRole).toString() == page)
                m_contents->setCurrentItem(item);
        }
    }
    setWindowTitle(tr("%1 - Manual").arg(m_browser->documentTitle()));
    markWords();
}

void HelpWindow::searchChanged()
{
    const QStringList words = manual::searchWords(m_search->text());
    const QStringList found = manual::pagesWithWords(words, m_language);
    for (int i = 0; i < m_contents->count(); ++i) {
        QListWidgetItem *item = m_contents->item(i);
        item->setHidden(!found.contains(item->data(kFileRole).toString()));
    }
    markWords();
}

void HelpWindow::markWords()
{
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat mark;
    mark.setBackground(palette().color(QPalette::Highlight));
    mark.setForeground(palette().color(QPalette::HighlightedText));
    const QStringList words = manual::searchWords(m_search->text());
    QTextDocument *page = m_browser->document();
    for (const QString &word : words) {
        for (QTextCursor at = page->find(word); !at.isNull(); at = page->find(word, at))
            marks.append({at, mark});
    }
    m_browser->setExtraSelections(marks);
}

void HelpWindow::findNext()
{
    const QStringList words = manual::searchWords(m_search->text());
    if (words.isEmpty())
        return;
    const QStringList found = manual::pagesWithWords(words, m_language);
    if (!found.isEmpty() && !found.contains(currentPage()))
        openPage(found.constFirst());
    if (m_browser->find(words.constFirst()))
        return;
    // From the top again.
    QTextCursor top = m_browser->textCursor();
    top.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(top);
    m_browser->find(words.constFirst());
}

}  // namespace plc
