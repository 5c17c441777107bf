#include "window_menus.h"

#include "language.h"
#include "theme.h"
#include "undo_history.h"

#include "recent_files.h"
#include "window_tabs.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenuBar>

#include <tuple>

namespace plc {

namespace {

// An entry: caption, objectName, whether the user can choose it, and its shortcut.
QAction *addEntry(QMenu *menu, const QString &caption, const QString &name, bool enabled,
                  const QKeySequence &keys = QKeySequence())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    action->setShortcut(keys);
    return action;
}

QMenu *addMenu(QMenuBar *bar, const QString &title, const QString &name)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

// A CSV entry ("exportCsv" or "importCsv") of the table the current tab shows; none when the
// tab shows no table that has one (a port whose mode hides its table shows none).
QAction *currentTableAction(const QTabWidget &tabs, const QString &name)
{
    const QWidget *tab = tabs.currentWidget();
    if (!tab)
        return nullptr;
    const QList<QAction *> actions = tab->findChildren<QAction *>(name);
    for (QAction *action : actions) {
        const auto *frame = qobject_cast<const QWidget *>(action->parent());
        if (frame && frame->isVisibleTo(tab))
            return action;
    }
    return nullptr;
}

}  // namespace

WindowMenus::WindowMenus(QMenuBar *bar, const WindowTabs &tabs, const UndoHistory &history,
                         bool verifyWrites, QObject *parent)
    : QObject(parent), m_bar(bar), m_tabs(tabs)
{
    buildFileMenu();
    QMenu *edit = addMenu(m_bar, tr("&Edit"), QStringLiteral("editMenu"));
    edit->addAction(history.undoAction());
    edit->addAction(history.redoAction());
    buildViewMenu();
    buildPlcMenu(verifyWrites);
    buildTableMenu();
    buildAboutMenu();
}

void WindowMenus::buildFileMenu()
{
    QMenu *file = addMenu(m_bar, tr("&File"), QStringLiteral("fileMenu"));
    QAction *newConfig = addEntry(file, tr("New config"), QStringLiteral("newConfigAction"), true);
    QAction *load = addEntry(file, tr("Load config"), QStringLiteral("loadConfigAction"), true,
                             Qt::CTRL | Qt::Key_O);
    // Ctrl+S saves the project: the file that holds all of the window.
    QAction *save = addEntry(file, tr("Save config"), QStringLiteral("saveConfigAction"), true);
    addProjectEntries(file);
    m_recent = file->addMenu(tr("Recent configurations"));
    m_recent->setObjectName(QStringLiteral("recentMenu"));
    // Another window of the tool may have changed the list meanwhile: read it on each opening.
    connect(file, &QMenu::aboutToShow, this, &WindowMenus::fillRecentMenu);
    fillRecentMenu();
    QAction *print =
        addEntry(file, tr("Print"), QStringLiteral("printAction"), true, QKeySequence::Print);
    QAction *exportReport =
        addEntry(file, tr("Export report as PDF..."), QStringLiteral("exportReportAction"), true);
    QAction *saveApp =
        addEntry(file, tr("Save app setting"), QStringLiteral("saveAppSettingAction"), false);
    file->addSeparator();
    QAction *exit =
        addEntry(file, tr("Exit"), QStringLiteral("exitAction"), true, Qt::CTRL | Qt::Key_Q);
    connect(newConfig, &QAction::triggered, this, &WindowMenus::newChosen);
    connect(load, &QAction::triggered, this, &WindowMenus::loadConfigChosen);
    connect(save, &QAction::triggered, this, &WindowMenus::saveConfigChosen);
    connect(print, &QAction::triggered, this, &WindowMenus::printChosen);
    connect(exportReport, &QAction::triggered, this, &WindowMenus::exportReportChosen);
    connect(saveApp, &QAction::triggered, this, &WindowMenus::saveAppSettingChosen);
    connect(exit, &QAction::triggered, this, &WindowMenus::exitChosen);
}

void WindowMenus::addProjectEntries(QMenu *file)
{
    file->addSeparator();
    QAction *open =
        addEntry(file, tr("Open project..."), QStringLiteral("openProjectAction"), true);
    QAction *save = addEntry(file, tr("Save project"), QStringLiteral("saveProjectAction"), true,
                             Qt::CTRL | Qt::Key_S);
    QAction *saveAs =
        addEntry(file, tr("Save project as..."), QStringLiteral("saveProjectAsAction"), true,
                 Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QAction *note =
        addEntry(file, tr("Project note..."), QStringLiteral("projectNoteAction"), true);
    file->addSeparator();
    connect(open, &QAction::triggered, this, &WindowMenus::openProjectChosen);
    connect(save, &QAction::triggered, this, &WindowMenus::saveProjectChosen);
    connect(saveAs, &QAction::triggered, this, &WindowMenus::saveProjectAsChosen);
    connect(note, &QAction::triggered, this, &WindowMenus::projectNoteChosen);
}

void WindowMenus::buildViewMenu()
{
    QMenu *view = addMenu(m_bar, tr("&View"), QStringLiteral("viewMenu"));
    QMenu *theme = view->addMenu(tr("Theme"));
    theme->setObjectName(QStringLiteral("themeMenu"));
    auto *choices = new QActionGroup(theme);
    const Theme stored = storedTheme();
    const std::tuple<Theme, QString, QString> themes[] = {
        {Theme::System, tr("System"), QStringLiteral("System")},
        {Theme::Light, tr("Light"), QStringLiteral("Light")},
        {Theme::Dark, tr("Dark"), QStringLiteral("Dark")}};
    for (const auto &[each, title, name] : themes) {
        QAction *action = theme->addAction(title);
        action->setObjectName(QStringLiteral("theme%1Action").arg(name));
        action->setCheckable(true);
        action->setChecked(each == stored);
        choices->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, each = each] { Q_EMIT themeChosen(int(each)); });
    }
    buildLanguageMenu(view);
}

void WindowMenus::buildLanguageMenu(QMenu *view)
{
    QMenu *language = view->addMenu(tr("Language"));
    language->setObjectName(QStringLiteral("languageMenu"));
    auto *choices = new QActionGroup(language);
    const Language stored = storedLanguage();
    // Each language by its own name, so that a user who cannot read the current one finds his.
    const std::tuple<Language, QString, QString> languages[] = {
        {Language::System, tr("System"), QStringLiteral("System")},
        {Language::English, QStringLiteral("English"), QStringLiteral("English")},
        {Language::German, QStringLiteral("Deutsch"), QStringLiteral("German")}};
    for (const auto &[each, title, name] : languages) {
        QAction *action = language->addAction(title);
        action->setObjectName(QStringLiteral("language%1Action").arg(name));
        action->setCheckable(true);
        action->setChecked(each == stored);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [each = each] { storeLanguage(each); });
    }
    // The texts are made once, as each window opens: a new language reaches them at the next
    // start.
    language->addSeparator();
    QAction *note = language->addAction(tr("Takes effect at the next start"));
    note->setObjectName(QStringLiteral("languageNote"));
    note->setEnabled(false);
}

void WindowMenus::buildPlcMenu(bool verifyWrites)
{
    QMenu *plc = addMenu(m_bar, tr("PLC"), QStringLiteral("plcMenu"));
    QAction *comm = addEntry(plc, tr("Comm. setting"), QStringLiteral("commSettingAction"), true);
    QAction *check = addEntry(plc, tr("Check config"), QStringLiteral("checkConfigAction"), false);
    QAction *search =
        addEntry(plc, tr("Search 1-wire"), QStringLiteral("searchOneWireAction"), true);
    QAction *upload = addEntry(plc, tr("Upload from PLC"), QStringLiteral("uploadFromPlcAction"),
                               true, Qt::SHIFT | Qt::Key_F5);
    QAction *load =
        addEntry(plc, tr("Load to PLC"), QStringLiteral("loadToPlcAction"), true, Qt::Key_F5);
    QAction *compare =
        addEntry(plc, tr("Compare with controller"), QStringLiteral("compareWithControllerAction"),
                 true, Qt::CTRL | Qt::Key_D);
    QAction *compareFile =
        addEntry(plc, tr("Compare with file..."), QStringLiteral("compareWithFileAction"), true);
    QAction *production =
        addEntry(plc, tr("Production..."), QStringLiteral("productionAction"), true);
    plc->addSeparator();
    QAction *monitor =
        addEntry(plc, tr("Traffic monitor"), QStringLiteral("trafficMonitorAction"), true);
    QAction *history = addEntry(plc, tr("History..."), QStringLiteral("historyAction"), true);
    plc->addSeparator();
    QAction *verify =
        addEntry(plc, tr("Verify after writing"), QStringLiteral("verifyAfterWritingAction"), true);
    verify->setCheckable(true);
    verify->setToolTip(
        tr("After each successful download, read back what was written and compare"));

    connect(comm, &QAction::triggered, this, &WindowMenus::commSettingChosen);
    connect(check, &QAction::triggered, this, &WindowMenus::checkConfigChosen);
    connect(search, &QAction::triggered, this, &WindowMenus::searchOneWireChosen);
    connect(upload, &QAction::triggered, this, &WindowMenus::uploadFromPlcChosen);
    connect(load, &QAction::triggered, this, &WindowMenus::loadToPlcChosen);
    connect(compare, &QAction::triggered, this, &WindowMenus::compareWithControllerChosen);
    connect(compareFile, &QAction::triggered, this, &WindowMenus::compareWithFileChosen);
    connect(production, &QAction::triggered, this, &WindowMenus::productionChosen);
    connect(monitor, &QAction::triggered, this, &WindowMenus::trafficMonitorChosen);
    connect(history, &QAction::triggered, this, &WindowMenus::historyChosen);
    connect(verify, &QAction::toggled, this, &WindowMenus::verifyAfterWritingToggled);
    verify->setChecked(verifyWrites);
}

void WindowMenus::buildTableMenu()
{
    // The tables' own context-menu entries, reachable from the keyboard too.
    QMenu *table = addMenu(m_bar, tr("&Table"), QStringLiteral("tableMenu"));
    const std::pair<QString, QString> entries[] = {
        {tr("Export CSV..."), QStringLiteral("exportCsv")},
        {tr("Import CSV..."), QStringLiteral("importCsv")}};
    const WindowTabs *tabs = &m_tabs;
    for (const auto &[caption, tableAction] : entries) {
        QAction *action = addEntry(table, caption, tableAction + QStringLiteral("Action"), true);
        connect(action, &QAction::triggered, this, [tabs, tableAction = tableAction] {
            if (QAction *onTable = currentTableAction(*tabs, tableAction))
                onTable->trigger();
        });
    }
    const auto enable = [tabs, table] {
        const QList<QAction *> actions = table->actions();
        for (QAction *action : actions)
            action->setEnabled(currentTableAction(*tabs, QStringLiteral("exportCsv")));
    };
    connect(table, &QMenu::aboutToShow, this, enable);
    connect(tabs, &QTabWidget::currentChanged, this, enable);
    enable();
}

void WindowMenus::buildAboutMenu()
{
    // A menu with entries works on every desktop; a bare menu title with an action does not.
    QMenu *about = addMenu(m_bar, tr("About"), QStringLiteral("aboutMenu"));
    // F1 is the help key of the whole program, dialogs included; the entry only shows it.
    QAction *manual = addEntry(about, tr("Manual") + QStringLiteral("\tF1"),
                               QStringLiteral("manualAction"), true);
    QAction *aboutProgram = addEntry(about, tr("About..."), QStringLiteral("aboutAction"), true);
    connect(manual, &QAction::triggered, this, &WindowMenus::manualChosen);
    connect(aboutProgram, &QAction::triggered, this, &WindowMenus::aboutChosen);
}

void WindowMenus::fillRecentMenu()
{
    m_recent->clear();
    const QStringList files = recentfiles::list();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));  // not a shortcut letter
        QAction *action = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        action->setObjectName(QStringLiteral("recentFile%1Action").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path] { Q_EMIT recentFileChosen(path); });
    }
    m_recent->setEnabled(!files.isEmpty());
}

}  // namespace plc
