#include "main_window.h"

#include "about_dialog.h"
#include "config_file.h"
#include "csv_menu.h"
#include "edit_tracker.h"
#include "failure.h"
#include "grid_view.h"
#include "help_key.h"
#include "history_dialog.h"
#include "one_wire_tab.h"
#include "port_settings_dialog.h"
#include "ports_in_use.h"
#include "production_window.h"
#include "progress_window.h"
#include "project_actions.h"
#include "project_file.h"
#include "project_note_dialog.h"
#include "prompts.h"
#include "recent_files.h"
#include "report_actions.h"
#include "settings_store.h"
#include "status_line.h"
#include "status_texts.h"
#include "theme.h"
#include "traffic_monitor.h"
#include "uart_tab.h"
#include "undo_history.h"
#include "window_menus.h"
#include "window_state.h"
#include "write_record.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace plc {

namespace {

// "Save app setting" keeps UART 1's four lists under the keys of the same names.
using settingsfile::LineList;
constexpr LineList kAppSettingLists[] = {LineList::Speed, LineList::Parity, LineList::Bits,
                                         LineList::Stop};

// The size the window first opens with, before any is stored.
constexpr QSize kFirstSize(1240, 700);

// The first line of the question about unkept edits; the second names what would drop them.
QString unkeptEdits()
{
    return QCoreApplication::translate("plc::MainWindow",
                                       "The tables hold changes that are neither saved in a "
                                       "configuration file nor written to the controller.\n");
}

// The one local file a drag carries; the empty text for anything else.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// The available areas of the screens, the primary screen's first.
QList<QRect> screenAreas()
{
    QList<QRect> screens;
    const QList<QScreen *> all = QGuiApplication::screens();
    for (const QScreen *screen : all) {
        if (screen == QGuiApplication::primaryScreen())
            screens.prepend(screen->availableGeometry());
        else
            screens.append(screen->availableGeometry());
    }
    return screens;
}

// A window of the tool's own shown, in front and with the focus.
void showOnTop(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

// The edits a part written to the controller keeps.
ConfigPart editPartOf(ProjectPart part)
{
    switch (part) {
        case ProjectPart::Uart1:
            return ConfigPart::Uart1;
        case ProjectPart::Uart2:
            return ConfigPart::Uart2;
        case ProjectPart::OneWire:
            return ConfigPart::OneWire;
        case ProjectPart::IoMap:
            break;
    }
    return ConfigPart::IoMap;
}

}  // namespace

MainWindow::MainWindow(Prompts &prompts, QWidget *parent)
    : QMainWindow(parent),
      m_prompts(prompts),
      m_progress(new ProgressWindow(this)),
      m_ctx{m_link, prompts, *m_progress, this, false, {}, settingsfile::storedPort}
{
    applyTheme(storedTheme());
    m_tabs = new WindowTabs(m_ctx, prompts, this);
    setCentralWidget(m_tabs);
    applyStoredPortSettings(m_link);
    updateCaption();

    m_status = new StatusLine(*statusBar(), m_link);
    m_ctx.finished = [this](const QString &action, const Outcome &outcome) {
        m_status->showActionOutcome(action, outcome);
        recordWindowReport(action, m_link.port(), m_filePath, outcome);
    };
    m_ctx.note = [this](const QString &text) {
        m_status->showStatus(text);
    };
    m_edits = new EditTracker(*m_tabs, this);
    connect(m_edits, &EditTracker::checked, m_status, &StatusLine::showEdits);
    connect(m_edits, &EditTracker::checked, this, &MainWindow::updateCaption);
    m_history = new UndoHistory(*m_tabs, *m_edits, this);
    connect(m_history, &UndoHistory::restored, m_tabs, &WindowTabs::showPart);
    m_ctx.nameEdit = [this](const QString &name) {
        m_history->nameNextStep(name);
    };
    // The tables' CSV dialogs start where the other file dialogs do.
    setCsvFolders({recentfiles::dialogFolder, recentfiles::rememberFolder});

    m_projectActions = new ProjectActions(
        m_ctx, prompts,
        {[this] { return project(); }, [this](const Project &taken) { applyProject(taken); },
         [this](const ProjectParts &written) {
             for (ProjectPart part : written)
                 m_edits->keep(editPartOf(part));
         }},
        this);

    const WindowState stored = readWindowState(m_tabs->columnWidths().keys());
    m_menus = new WindowMenus(menuBar(), *m_tabs, *m_history, stored.verifyWrites, this);
    m_ctx.verifyWrites = stored.verifyWrites;
    connectMenus();
    restoreWindowState(stored);
    // While a transfer waits for the controller nothing else may start: another transfer would
    // interleave frames, and a dialog opened meanwhile would hold the transfer until it closed.
    connect(&m_link, &PlcLink::busyChanged, this, [this](bool busy) {
        // The production window leaves the port alone meanwhile; one it holds is refused.
        if (busy)
            PortsInUse::instance().claim(m_link.device(), &m_link, tr("the main window"));
        else
            PortsInUse::instance().release(m_link.device(), &m_link);
        menuBar()->setEnabled(!busy);
        m_tabs->setEnabled(!busy);
        m_history->setLocked(busy);
    });
    setAcceptDrops(true);  // a configuration or project file dropped on the window opens
}

void MainWindow::connectMenus()
{
    connect(m_menus, &WindowMenus::newChosen, this, &MainWindow::newProject);
    connect(m_menus, &WindowMenus::openProjectChosen, this, &MainWindow::openProject);
    connect(m_menus, &WindowMenus::saveProjectChosen, this, &MainWindow::saveProject);
    connect(m_menus, &WindowMenus::saveProjectAsChosen, this, &MainWindow::saveProjectAs);
    connect(m_menus, &WindowMenus::projectNoteChosen, this, &MainWindow::editProjectNote);
    connect(m_menus, &WindowMenus::loadConfigChosen, this, &MainWindow::loadConfig);
    connect(m_menus, &WindowMenus::saveConfigChosen, this, &MainWindow::saveConfig);
    connect(m_menus, &WindowMenus::saveAppSettingChosen, this, &MainWindow::saveAppSetting);
    // The report is of the window as it stands; the controller is compared from the PLC menu.
    auto *reports = new ReportActions(
        m_ctx, [this] { return windowReport(m_projectPath, project()); }, this);
    connect(m_menus, &WindowMenus::printChosen, reports, &ReportActions::print);
    connect(m_menus, &WindowMenus::exportReportChosen, reports, &ReportActions::exportPdf);
    connect(m_menus, &WindowMenus::exitChosen, this, &MainWindow::close);
    connect(m_menus, &WindowMenus::recentFileChosen, this, &MainWindow::openRecentFile);
    connect(m_menus, &WindowMenus::commSettingChosen, this, &MainWindow::openPortSettings);
    connect(m_menus, &WindowMenus::checkConfigChosen, this,
            [this] { m_prompts.message(this, tr("Not implemented yet ")); });
    connect(m_menus, &WindowMenus::searchOneWireChosen, &m_tabs->oneWire(),
            &OneWireTab::openBusSearch);
    connect(m_menus, &WindowMenus::uploadFromPlcChosen, this, &MainWindow::uploadFromPlc);
    connect(m_menus, &WindowMenus::loadToPlcChosen, m_projectActions, &ProjectActions::loadToPlc);
    connect(m_menus, &WindowMenus::compareWithControllerChosen, m_projectActions,
            &ProjectActions::compareWithController);
    connect(m_menus, &WindowMenus::compareWithFileChosen, m_projectActions,
            &ProjectActions::compareWithFile);
    connect(m_menus, &WindowMenus::productionChosen, this, [this] { openProductionWindow(); });
    connect(m_menus, &WindowMenus::trafficMonitorChosen, this, [this] { openTrafficMonitor(); });
    connect(m_menus, &WindowMenus::themeChosen, this, [](int theme) {
        applyTheme(Theme(theme));
        storeTheme(Theme(theme));
    });
    connect(m_menus, &WindowMenus::historyChosen, this, [this] { openHistoryDialog(this); });
    connect(m_menus, &WindowMenus::verifyAfterWritingToggled, this,
            [this](bool on) { m_ctx.verifyWrites = on; });
    connect(m_menus, &WindowMenus::manualChosen, this, [this] {
        if (HelpKey *help = HelpKey::installed())
            help->showHelpFor(m_tabs);
    });
    connect(m_menus, &WindowMenus::aboutChosen, this, [this] { AboutDialog(this).exec(); });
}

void MainWindow::updateCaption()
{
    QString caption =
        tr("PLC Tavrix v 467 for  STM32F103C8T6 from firmware G029   //Active port - COM %1")
            .arg(settingsfile::portNumber());
    // The open project after the documented caption, marked while it holds unsaved edits.
    if (!m_projectPath.isEmpty()) {
        caption += QStringLiteral(" - ") + QFileInfo(m_projectPath).fileName();
        if (m_edits && m_edits->hasUnkeptEdits())
            caption += QLatin1Char('*');
    }
    setWindowTitle(caption);
}

void MainWindow::openPortSettings()
{
    PortSettingsDialog dialog(
        m_prompts,
        [this] {
            // The window's own actions go to the port just chosen from now on.
            takeStoredPort(m_ctx);
            updateCaption();
            m_status->showPortStatus();
        },
        this);
    dialog.setActionFinished([this, &dialog](const QString &action, const Outcome &outcome) {
        m_status->showStatus(actionStatusText(action, outcome), dialog.link().portNumber());
    });
    dialog.exec();
}

void MainWindow::uploadFromPlc()
{
    // Each as its own button runs it, with its own messages; but a port that cannot be opened,
    // or a link still busy, is said once rather than once per part, and a Cancel ends them all.
    const auto endsAll = [](const Outcome &outcome) {
        return outcome.kind == Outcome::Kind::PortNotOpened ||
               outcome.kind == Outcome::Kind::Busy || outcome.kind == Outcome::Kind::Cancelled;
    };
    // The three parts read make one step to undo.
    m_history->gatherSteps(tr("upload from PLC"), [this, &endsAll] {
        if (!endsAll(uart(1).uploadFromPlc()) && !endsAll(uart(2).uploadFromPlc()))
            oneWire().uploadFromPlc();
    });
}

TrafficMonitor &MainWindow::openTrafficMonitor()
{
    if (!m_monitor)
        m_monitor = new TrafficMonitor(m_prompts, this);
    showOnTop(*m_monitor);
    return *m_monitor;
}

ProductionWindow &MainWindow::openProductionWindow()
{
    if (!m_production)
        m_production = new ProductionWindow(m_prompts, this);
    showOnTop(*m_production);
    return *m_production;
}

bool MainWindow::saveConfig()
{
    const QString path = plc::saveConfig(m_prompts, this, m_config, windowConfig());
    if (path.isEmpty())
        return false;
    m_edits->keepConfigFileParts();
    m_filePath = path;
    m_status->showStatus(tr("Configuration saved to %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void MainWindow::loadConfig()
{
    const QString path = m_prompts.openFileName(this, loadConfigTitle(),
                                                recentfiles::dialogFolder(), configFilter());
    if (!path.isEmpty())
        openConfigFile(path);
}

void MainWindow::openConfigFile(const QString &path)
{
    ConfigRecord record;
    if (!readToOpen(path, [&] { record = readConfigFile(path); }))
        return;
    m_config = record;
    applyLoaded(m_config.spread(windowConfig()), path);
}

bool MainWindow::readToOpen(const QString &path, const std::function<void()> &read)
{
    try {
        read();
    } catch (const Failure &f) {
        m_prompts.message(this, f.description());
        return false;
    }
    if (!mayDropEditsFor(path))
        return false;
    recentfiles::remember(path);
    return true;
}

void MainWindow::openRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_prompts.message(this, tr("The configuration file %1 no longer exists. It has been taken "
                                   "off the recent configurations.")
                                    .arg(QDir::toNativeSeparators(path)));
        recentfiles::forget(path);
        m_menus->fillRecentMenu();
        return;
    }
    openFile(path);
}

void MainWindow::newProject()
{
    if (!mayDropEdits(unkeptEdits() + tr("Save them before starting a new configuration?")))
        return;
    m_history->nameNextStep(tr("new config"));
    m_tabs->restoreStartUpState();
    m_config = ConfigRecord();
    m_edits->keepAll();
    setProjectPath(QString());
    m_status->showStatus(QString());
}

void MainWindow::openProject()
{
    const QString path = m_prompts.openFileName(this, tr("Open project"),
                                                recentfiles::dialogFolder(), projectFilter());
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::openFile(const QString &path)
{
    if (isProjectFileName(path))
        openProjectFile(path);
    else
        openConfigFile(path);
}

void MainWindow::openProjectFile(const QString &path)
{
    QStringList ignored;
    Project project;
    if (!readToOpen(path, [&] { project = readAnyConfigFile(path, &ignored); }))
        return;
    m_history->nameNextStep(tr("open %1").arg(QFileInfo(path).fileName()));
    m_tabs->applyProject(project);
    // The project is the whole configuration: nothing of a file loaded before stays in the record.
    m_config = ConfigRecord();
    m_edits->keepAll();
    setProjectPath(path);
    QString status = tr("Project loaded from %1").arg(QDir::toNativeSeparators(path));
    if (!ignored.isEmpty())
        status += tr(". Ignored unknown keys: %1").arg(ignored.join(QStringLiteral(", ")));
    m_status->showStatus(status);
}

bool MainWindow::saveProject()
{
    return m_projectPath.isEmpty() ? saveProjectAs() : writeProject(m_projectPath);
}

bool MainWindow::saveProjectAs()
{
    QString path = m_prompts.saveFileName(this, tr("Save project"), recentfiles::dialogFolder(),
                                          projectFilter(), kProjectSuffix);
    if (path.isEmpty())
        return false;
    // Only a name that says so makes a configuration file.
    if (!isProjectFileName(path) && !hasConfigFileSuffix(path))
        path += QLatin1Char('.') + kProjectSuffix;
    return writeProject(path);
}

bool MainWindow::writeProject(const QString &path)
{
    const Project project = m_tabs->project();
    try {
        writeAnyConfigFile(path, project);
    } catch (const Failure &f) {
        m_prompts.message(this, f.description());
        return false;
    }
    recentfiles::remember(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (isProjectFileName(path)) {
        m_edits->keepAll();
        setProjectPath(path);
        m_status->showStatus(tr("Project saved to %1").arg(shown));
        return true;
    }
    // A configuration file named in the dialog: what it cannot hold is said and stays unsaved.
    m_edits->keepConfigFileParts();
    setProjectPath(QString());
    m_filePath = path;
    QStringList status{tr("Configuration saved to %1").arg(shown)};
    status += partsLostInConfigFile(project);
    m_status->showStatus(status.join(QStringLiteral("; ")));
    return true;
}

void MainWindow::editProjectNote()
{
    ProjectNoteDialog dialog(m_tabs->note(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_tabs->setNote(dialog.note());
}

void MainWindow::setProjectPath(const QString &path)
{
    m_projectPath = path;
    m_filePath = path;
    updateCaption();
}

bool MainWindow::mayDropEdits(const QString &question)
{
    if (!m_edits->hasUnkeptEdits())
        return true;
    const Prompts::Keep keep = m_prompts.askKeep(this, question);
    return keep == Prompts::Keep::Discard || (keep == Prompts::Keep::Save && saveToKeep());
}

bool MainWindow::mayDropEditsFor(const QString &path)
{
    return mayDropEdits(unkeptEdits() +
                        tr("Save them before loading %1?").arg(QFileInfo(path).fileName()));
}

bool MainWindow::saveToKeep()
{
    if (!m_projectPath.isEmpty())
        return saveProject();
    return partsLostInConfigFile(project()).isEmpty() ? saveConfig() : saveProjectAs();
}

void MainWindow::applyLoaded(const WindowConfig &loaded, const QString &path)
{
    m_history->nameNextStep(tr("load %1").arg(QFileInfo(path).fileName()));
    applyWindowConfig(loaded);
    uart(1).requestView().setEnabled(true);
    m_edits->keepConfigFileParts();
    // What else the window holds stays, but no project file holds this configuration.
    setProjectPath(QString());
    m_filePath = path;
    m_status->showStatus(tr("Configuration loaded from %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::saveAppSetting()
{
    for (LineList list : kAppSettingLists)
        settingsfile::setAppListIndex(list, uart(1).listIndex(UartTab::List(int(list))));
    m_prompts.message(this,
                      tr("New default application setting was saved in *.ini file successfully "));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing now would cut a transfer off halfway and leave the controller half-configured.
    if (m_link.isBusy()) {
        event->ignore();
        return;
    }
    if (!mayDropEdits(unkeptEdits() + tr("Save them before quitting?"))) {
        event->ignore();
        return;
    }
    writeWindowState(rememberedState());
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    // Not while a transfer runs: the tables it sends must not change under it.
    if (!m_link.isBusy() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (m_link.isBusy() || path.isEmpty())
        return;
    event->acceptProposedAction();
    // Once the drop has ended: the file manager that dragged it waits for the end, and a
    // message about the file would hold it.
    QTimer::singleShot(0, this, [this, path] {
        if (!m_link.isBusy())
            openFile(path);
    });
}

WindowState MainWindow::rememberedState() const
{
    WindowState state;
    state.geometry = normalGeometry();
    state.maximized = isMaximized();
    state.tab = m_tabs->currentIndex();
    state.columnWidths = m_tabs->columnWidths();
    state.verifyWrites = m_ctx.verifyWrites;
    return state;
}

void MainWindow::restoreWindowState(const WindowState &state)
{
    if (state.geometry.isNull())
        resize(kFirstSize);
    else
        setGeometry(placeOnScreens(state.geometry, screenAreas()));
    if (state.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (state.tab >= 0 && state.tab < m_tabs->count())
        m_tabs->setCurrentIndex(state.tab);
    m_tabs->setColumnWidths(state.columnWidths);
}

}  // namespace plc
