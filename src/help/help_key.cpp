#include "help_key.h"

#include "help_topics.h"
#include "help_window.h"
#include "manual_pages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>

namespace plc {

namespace {

HelpKey *g_installed = nullptr;

// The page of the tab the main window shows, when the window holds the tabs.
QString currentTabPage(const QWidget *window)
{
    const auto *tabs = window->findChild<const QTabWidget *>(manual::kTabsName);
    return tabs ? manual::tabPage(tabs->currentIndex()) : QString();
}

// The nearest modal window a closing dialog lies over, for the help window to move to.
QWidget *modalBelow(const QWidget *dialog)
{
    for (QWidget *w = dialog->parentWidget(); w; w = w->window()->parentWidget()) {
        QWidget *window = w->window();
        if (window->isModal() && window->isVisible())
            return window;
    }
    return nullptr;
}

}  // namespace

HelpKey::HelpKey(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
    g_installed = this;
}

HelpKey::~HelpKey()
{
    if (g_installed == this)
        g_installed = nullptr;
    delete m_window;
}

HelpKey *HelpKey::installed()
{
    return g_installed;
}

HelpWindow *HelpKey::helpWindow() const
{
    return m_window;
}

QString HelpKey::pageFor(const QWidget *widget)
{
    const QWidget *outermost = widget;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString page =
            manual::windowPage(w->objectName(), QLatin1String(w->metaObject()->className()));
        if (!page.isEmpty())
            return page;
        if (qobject_cast<const QTabWidget *>(w) && w->objectName() == manual::kTabsName)
            return manual::tabPage(static_cast<const QTabWidget *>(w)->currentIndex());
        outermost = w;
    }
    // The main window itself, or a message box over it.
    const QString tab = outermost ? currentTabPage(outermost) : QString();
    return tab.isEmpty() ? manual::kStartPage : tab;
}

void HelpKey::showHelpFor(const QWidget *widget)
{
    showPage(pageFor(widget));
}

void HelpKey::showPage(const QString &page)
{
    if (!m_window)
        m_window = new HelpWindow;
    keepUsableOver(QApplication::activeModalWidget());
    m_window->openPage(page);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HelpKey::keepUsableOver(QWidget *modal)
{
    if (m_window->parentWidget() == modal)
        return;
    const QRect place = m_window->geometry();
    const bool shown = m_window->isVisible();
    m_window->setParent(modal, Qt::Window);
    m_window->setGeometry(place);
    if (shown)
        m_window->show();
    m_owner = modal;
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    // A dialog the help window belongs to is closing: it must not take the window with it.
    if (event->type() == QEvent::Hide && watched == m_owner && m_window) {
        keepUsableOver(modalBelow(m_owner));
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    // The manual itself has no page of its own to open.
    if (!widget || (m_window && widget->window() == m_window))
        return false;
    if (!key->isAutoRepeat())
        showHelpFor(widget);
    return true;
}

}  // namespace plc
