#include "main_window.h"

#include "port_settings_dialog.h"
#include "config_file.h"
#include "converter_tab.h"
#include "general_setting_frame.h"
#include "grid_view.h"
#include "ini_file.h"
#include "io_map_frame.h"
#include "modbus_diag_tab.h"
#include "one_wire_diag_tab.h"
#include "one_wire_tab.h"
#include "progress_window.h"
#include "prompts.h"
#include "recent_files.h"
#include "serial_ports.h"
#include "settings_store.h"
#include "status_line.h"
#include "traffic_monitor.h"
#include "uart_port.h"
#include "uart_tab.h"
#include "window_state.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace plc {

namespace {

// Sits on the I/O map table and hands every event on untouched.
class PassThroughFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *) override { return false; }
};

// "Save app setting" keeps UART 1's four lists under the keys of the same names.
using settingsfile::LineList;
constexpr LineList kAppSettingLists[] = {LineList::Speed, LineList::Parity, LineList::Bits,
                                         LineList::Stop};

UartTab::List tabList(LineList list)
{
    return UartTab::List(int(list));
}

// The size the window first opens with, before any is stored.
constexpr QSize kFirstSize(1240, 700);

// The window's tables whose columns the user sizes (the others share the table's width).
QList<GridView *> resizableTables(const QWidget &window)
{
    QList<GridView *> tables;
    const QList<GridView *> all = window.findChildren<GridView *>();
    for (GridView *table : all) {
        if (table->horizontalHeader()->sectionResizeMode(0) == QHeaderView::Interactive)
            tables.append(table);
    }
    return tables;
}

// The columns of a table the user gives a width: all but a last one that takes the rest.
int userSizedColumns(const GridView &table)
{
    const int columns = table.model()->columnCount();
    return table.horizontalHeader()->stretchLastSection() ? columns - 1 : columns;
}

// The one local file a drag carries; the empty text for anything else.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
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

QStringList resizableTableNames(const QWidget &window)
{
    QStringList names;
    const QList<GridView *> tables = resizableTables(window);
    for (const GridView *table : tables)
        names.append(table->objectName());
    return names;
}

}  // namespace

MainWindow::MainWindow(Prompts &prompts, QWidget *parent)
    : QMainWindow(parent),
      m_prompts(prompts),
      m_progress(new ProgressWindow(this)),
      m_ctx{m_link, prompts, *m_progress, this, false, {}, settingsfile::storedPort},
      m_tableHook(new PassThroughFilter(this))
{
    setWindowTitle(QStringLiteral("PLC Tavrix"));
    buildTabs();
    buildMenus();
    startUp();
    buildStatusBar();
    const WindowState stored = readWindowState(resizableTableNames(*this));
    addMenuComforts(stored.verifyWrites);
    restoreWindowState(stored);
    // While a transfer waits for the controller nothing else may start: another transfer would
    // interleave frames, and a dialog opened meanwhile would hold the transfer until it closed.
    connect(&m_link, &PlcLink::busyChanged, this, [this](bool busy) {
        menuBar()->setEnabled(!busy);
        m_tabs->setEnabled(!busy);
    });
    setAcceptDrops(true);  // a configuration file dropped on the window loads
}

MainWindow::~MainWindow()
{
    removeTableHook();
}

void MainWindow::buildTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setDocumentMode(true);
    setCentralWidget(m_tabs);

    // "HW config" holds frames of two subsystems: the I/O map and the service buttons.
    auto *hwConfig = new QWidget;
    hwConfig->setObjectName(QStringLiteral("hwConfigTab"));
    m_ioMap = new IoMapFrame(m_ctx, hwConfig);
    m_generalSetting = new GeneralSettingFrame(m_ctx, hwConfig);
    auto *side = new QVBoxLayout;
    side->addWidget(m_generalSetting);
    side->addStretch();
    auto *hwLayout = new QHBoxLayout(hwConfig);
    hwLayout->addWidget(m_ioMap);
    hwLayout->addLayout(side);
    hwLayout->addStretch();
    m_tabs->addTab(hwConfig, QStringLiteral("HW config"));

    for (int i = 0; i < 2; ++i) {
        const UartPort &port = i == 0 ? UartPort::uart1() : UartPort::uart2();
        m_uarts[i] = new UartTab(port, m_ctx);
        m_tabs->addTab(m_uarts[i], port.tabCaption);
    }
    m_oneWire = new OneWireTab(m_ctx);
    m_tabs->addTab(m_oneWire, QStringLiteral("1-wire"));
    m_modbusDiag = new ModbusDiagTab(m_ctx);
    m_tabs->addTab(m_modbusDiag, QStringLiteral("Modbus diag"));
    m_oneWireDiag = new OneWireDiagTab(m_ctx);
    m_tabs->addTab(m_oneWireDiag, QStringLiteral("1-wire diag"));
    m_converter = new ConverterTab(m_prompts);
    m_tabs->addTab(m_converter, QStringLiteral("Converter"));
}

void MainWindow::buildMenus()
{
    // An entry: caption, objectName, and whether the user can choose it.
    auto entry = [this](QMenu *menu, const QString &caption, const QString &name, bool enabled) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        return action;
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    entry(file, QStringLiteral("New config"), QStringLiteral("New_config"), false);
    QAction *load = entry(file, QStringLiteral("Load config"), QStringLiteral("Load_config"), true);
    QAction *save = entry(file, QStringLiteral("Save config"), QStringLiteral("Save_config"), true);
    m_recent = file->addMenu(QStringLiteral("Recent configurations"));
    m_recent->setObjectName(QStringLiteral("Recent_configurations"));
    // Another window of the tool may have changed the list meanwhile: read it on each opening.
    connect(file, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();
    entry(file, QStringLiteral("Print"), QStringLiteral("Print"), false);
    QAction *saveApp =
        entry(file, QStringLiteral("Save app setting"), QStringLiteral("Save_app_setting"), false);
    file->addSeparator();
    QAction *exit = entry(file, QStringLiteral("Exit"), QStringLiteral("Exit"), true);
    connect(load, &QAction::triggered, this, &MainWindow::loadConfig);
    connect(save, &QAction::triggered, this, &MainWindow::saveConfig);
    connect(saveApp, &QAction::triggered, this, &MainWindow::saveAppSetting);
    connect(exit, &QAction::triggered, this, &MainWindow::close);

    QMenu *plc = menuBar()->addMenu(QStringLiteral("PLC"));
    plc->setObjectName(QStringLiteral("PLC"));
    QAction *comm =
        entry(plc, QStringLiteral("Comm. setting"), QStringLiteral("Comm_setting"), true);
    QAction *check =
        entry(plc, QStringLiteral("Check config"), QStringLiteral("Check_config"), false);
    QAction *search =
        entry(plc, QStringLiteral("Search 1-wire"), QStringLiteral("Search_1wire"), true);
    QAction *upload =
        entry(plc, QStringLiteral("Upload from PLC"), QStringLiteral("Upload_from_PLC"), true);
    entry(plc, QStringLiteral("Load to PLC"), QStringLiteral("Load_to_PLC"), false);
    plc->addSeparator();
    QAction *monitor =
        entry(plc, QStringLiteral("Traffic monitor"), QStringLiteral("Traffic_monitor"), true);
    connect(comm, &QAction::triggered, this, &MainWindow::openComSetting);
    connect(check, &QAction::triggered, this,
            [this] { m_prompts.message(this, QStringLiteral("Not implemented yet ")); });
    connect(search, &QAction::triggered, m_oneWire, &OneWireTab::openBusSearch);
    connect(upload, &QAction::triggered, this, &MainWindow::uploadFromPlc);
    connect(monitor, &QAction::triggered, this, [this] { openTrafficMonitor(); });

    buildTableMenu();

    QMenu *about = menuBar()->addMenu(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About"));
    about->menuAction()->setEnabled(false);
}

void MainWindow::buildTableMenu()
{
    // The tables' own context-menu entries, reachable from the keyboard too.
    QMenu *table = menuBar()->addMenu(QStringLiteral("&Table"));
    table->setObjectName(QStringLiteral("Table"));
    struct Entry {
        const char *caption;
        const char *name;
        const char *tableAction;
    };
    const Entry entries[] = {{"Export CSV...", "Export_CSV", "exportCsv"},
                             {"Import CSV...", "Import_CSV", "importCsv"}};
    for (const Entry &entry : entries) {
        QAction *action = table->addAction(QLatin1String(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        const QString tableAction = QLatin1String(entry.tableAction);
        connect(action, &QAction::triggered, this, [this, tableAction] {
            if (QAction *onTable = currentTableAction(*m_tabs, tableAction))
                onTable->trigger();
        });
    }
    const auto enable = [this, table] {
        const QList<QAction *> actions = table->actions();
        for (QAction *action : actions)
            action->setEnabled(currentTableAction(*m_tabs, QStringLiteral("exportCsv")));
    };
    connect(table, &QMenu::aboutToShow, this, enable);
    connect(m_tabs, &QTabWidget::currentChanged, this, enable);
    enable();
}

void MainWindow::startUp()
{
    // The same values the command line starts from.
    const WindowConfig defaults = startUpWindowConfig();
    uart(1).setHeadings();
    uart(2).setHeadings();
    m_ioMap->setHeadings();
    m_modbusDiag->setHeadings();
    m_oneWireDiag->setHeadings();

    m_oneWire->selectMode(defaults.auxMode);
    uart(1).applySettings(defaults.uarts[0]);
    uart(2).applySettings(defaults.uarts[1]);
    m_oneWire->selectListDefaults();

    installTableHook();
    m_ioMap->prepare();
    applyStoredPortSettings(m_link);
    updateCaption();
}

void MainWindow::updateCaption()
{
    setWindowTitle(QStringLiteral("PLC Tavrix v 467 for  STM32F103C8T6 from firmware G029 ") +
                   QStringLiteral("  //Active port - COM ") +
                   QString::number(settingsfile::portNumber()));
}

void MainWindow::openComSetting()
{
    PortSettingsDialog dialog(
        m_prompts,
        [this] {
            // The window's own actions go to the port just chosen from now on.
            takeStoredPort(m_ctx);
            updateCaption();
            showPortStatus();
        },
        this);
    dialog.setActionFinished([this, &dialog](const QString &action, const Outcome &outcome) {
        showStatus(actionStatusText(action, outcome), dialog.link().portNumber());
    });
    dialog.exec();
}

void MainWindow::uploadFromPlc()
{
    // Each as its own button runs it, with its own messages.
    uart(1).uploadFromPlc();
    uart(2).uploadFromPlc();
    m_oneWire->uploadFromPlc();
}

TrafficMonitor &MainWindow::openTrafficMonitor()
{
    if (!m_monitor)
        m_monitor = new TrafficMonitor(m_prompts, this);
    m_monitor->show();
    m_monitor->raise();
    m_monitor->activateWindow();
    return *m_monitor;
}

WindowConfig MainWindow::windowConfig() const
{
    WindowConfig config;
    config.uarts = {uart(1).state(), uart(2).state()};
    config.auxMode = m_oneWire->auxModeIndex();
    config.sensors = m_oneWire->sensors().dataRows();
    return config;
}

void MainWindow::applyWindowConfig(const WindowConfig &config)
{
    uart(1).setState(config.uarts[0]);
    uart(2).setState(config.uarts[1]);
    m_oneWire->selectMode(config.auxMode);
    m_oneWire->sensors().setDataRows(config.sensors);
}

bool MainWindow::saveConfig()
{
    const QString path = plc::saveConfig(m_prompts, this, m_config, windowConfig());
    if (path.isEmpty())
        return false;
    keepParts(0, 2);
    showStatus(QStringLiteral("Configuration saved to ") + QDir::toNativeSeparators(path));
    return true;
}

void MainWindow::loadConfig()
{
    QString path;
    const auto loaded = plc::loadConfig(m_prompts, this, m_config, windowConfig(), &path);
    applyLoaded(loaded, path);
}

void MainWindow::openConfigFile(const QString &path)
{
    applyLoaded(plc::loadConfigFile(m_prompts, this, m_config, windowConfig(), path), path);
}

void MainWindow::openRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_prompts.message(this, QStringLiteral("The configuration file %1 no longer exists. It "
                                               "has been taken off the recent configurations.")
                                    .arg(QDir::toNativeSeparators(path)));
        recentfiles::forget(path);
        fillRecentMenu();
        return;
    }
    openConfigFile(path);
}

void MainWindow::applyLoaded(const std::optional<WindowConfig> &loaded, const QString &path)
{
    if (!loaded)
        return;
    applyWindowConfig(*loaded);
    uart(1).requestView().setEnabled(true);
    keepParts(0, 2);
    showStatus(QStringLiteral("Configuration loaded from ") + QDir::toNativeSeparators(path));
}

void MainWindow::fillRecentMenu()
{
    m_recent->clear();
    const QStringList files = recentfiles::list();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));  // not a shortcut letter
        QAction *action = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        action->setObjectName(QStringLiteral("Recent_%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    m_recent->setEnabled(!files.isEmpty());
}

void MainWindow::saveAppSetting()
{
    for (LineList list : kAppSettingLists)
        settingsfile::setAppListIndex(list, uart(1).listIndex(tabList(list)));
    m_prompts.message(
        this,
        QStringLiteral("New default application setting was saved in *.ini file successfully "));
}

void MainWindow::installTableHook()
{
    if (m_hookInstalled)
        return;
    m_ioMap->table().installEventFilter(m_tableHook);
    m_hookInstalled = true;
}

void MainWindow::removeTableHook()
{
    if (!m_hookInstalled)
        return;
    m_ioMap->table().removeEventFilter(m_tableHook);
    m_hookInstalled = false;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing now would cut a transfer off halfway and leave the controller half-configured.
    if (m_link.isBusy()) {
        event->ignore();
        return;
    }
    if (hasUnkeptEdits()) {
        const Prompts::Keep keep = m_prompts.askKeep(
            this, QStringLiteral("The tables hold changes that are neither saved in a "
                                 "configuration file nor written to the controller.\n"
                                 "Save them before quitting?"));
        if (keep == Prompts::Keep::Cancel || (keep == Prompts::Keep::Save && !saveConfig())) {
            event->ignore();
            return;
        }
    }
    removeTableHook();
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
            openConfigFile(path);
    });
}

void MainWindow::addMenuComforts(bool verifyWrites)
{
    struct Shortcut {
        const char *entry;
        QKeySequence keys;
    };
    const Shortcut shortcuts[] = {
        {"Load_config", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Save_config", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Exit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Upload_from_PLC", QKeySequence(Qt::Key_F5)},
    };
    for (const Shortcut &shortcut : shortcuts)
        findChild<QAction *>(QLatin1String(shortcut.entry))->setShortcut(shortcut.keys);

    QMenu *plc = menuBar()->findChild<QMenu *>(QStringLiteral("PLC"));
    plc->addSeparator();
    QAction *verify = plc->addAction(QStringLiteral("Verify after writing"));
    verify->setObjectName(QStringLiteral("Verify_after_writing"));
    verify->setCheckable(true);
    verify->setToolTip(
        QStringLiteral("After each successful download, read back what was written and compare"));
    connect(verify, &QAction::toggled, this, [this](bool on) { m_ctx.verifyWrites = on; });
    verify->setChecked(verifyWrites);
    m_ctx.verifyWrites = verifyWrites;
}

void MainWindow::buildStatusBar()
{
    m_actionStatus = new QLabel(this);
    m_actionStatus->setObjectName(QStringLiteral("actionStatus"));
    // A long failure text must not widen the window.
    m_actionStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_portStatus = new QLabel(this);
    m_portStatus->setObjectName(QStringLiteral("portStatus"));
    m_editStatus = new QLabel(this);
    m_editStatus->setObjectName(QStringLiteral("editStatus"));
    statusBar()->addWidget(m_actionStatus, 1);
    statusBar()->addPermanentWidget(m_editStatus);
    statusBar()->addPermanentWidget(m_portStatus);
    showPortStatus();
    m_ctx.finished = [this](const QString &action, const Outcome &outcome) {
        showActionOutcome(action, outcome);
    };
    m_ctx.note = [this](const QString &text) {
        showStatus(text);
    };
    keepParts(0, 2);
    watchEdits();
}

void MainWindow::showPortStatus()
{
    const PortSetup port = settingsfile::storedPort();
    m_portStatus->setText(
        portStatusText(port.number, port.device, port.line.text(), devicePresent(port.device)));
    // What was said about another port no longer applies.
    if (m_statusPort != 0 && m_statusPort != port.number)
        showStatus(QString());
}

void MainWindow::showStatus(const QString &text, int port)
{
    m_actionStatus->setText(text);
    m_actionStatus->setToolTip(text);
    m_statusPort = text.isEmpty() ? 0 : port;
}

void MainWindow::showActionOutcome(const QString &action, const Outcome &outcome)
{
    QString text = actionStatusText(action, outcome);
    showStatus(text, m_link.portNumber());
    if (outcome.isLinkFailure() && !text.contains(outcome.message))
        m_actionStatus->setToolTip(text + QLatin1Char('\n') + outcome.message);
    // A download that went through keeps its part of the tables in the controller.
    static const QStringList downloads = {QStringLiteral("UART 1 download"),
                                          QStringLiteral("UART 2 download"),
                                          QStringLiteral("1-wire download")};
    const int part = int(downloads.indexOf(action));
    if (outcome.done() && part >= 0)
        keepParts(part, part);
}

namespace {

// One part of what the configuration file holds (UART 1, UART 2, the 1-wire port) as texts.
QStringList partText(const WindowConfig &config, int part)
{
    QStringList texts;
    if (part == 2) {
        texts.append(QString::number(config.auxMode));
        for (const QStringList &row : config.sensors)
            texts.append(row.join(QLatin1Char('|')));
        return texts;
    }
    const UartTabState &s = config.uarts.at(size_t(part));
    texts = QStringList{QString::number(int(s.settings.mode)),
                        QString::number(s.settings.speed),
                        QString::number(s.settings.parity),
                        s.settings.address,
                        s.settings.timeout,
                        QString::number(s.bits),
                        QString::number(s.stop)};
    for (const QStringList &row : s.requests)
        texts.append(row.join(QLatin1Char('|')));
    return texts;
}

}  // namespace

void MainWindow::keepParts(int first, int last)
{
    const WindowConfig config = windowConfig();
    for (int part = first; part <= last; ++part)
        m_kept.at(size_t(part)) = partText(config, part);
    showEditStatus();
}

bool MainWindow::hasUnkeptEdits() const
{
    const WindowConfig config = windowConfig();
    for (int part = 0; part < 3; ++part) {
        if (partText(config, part) != m_kept.at(size_t(part)))
            return true;
    }
    return false;
}

void MainWindow::watchEdits()
{
    // Every change to a table, list, box or mode is looked at once the event loop is free.
    m_editCheck.setSingleShot(true);
    connect(&m_editCheck, &QTimer::timeout, this, &MainWindow::showEditStatus);
    const auto check = [this] {
        m_editCheck.start(0);
    };
    for (GridModel *table : {&uart(1).requests(), &uart(2).requests(), &m_oneWire->sensors()}) {
        connect(table, &QAbstractItemModel::dataChanged, this, check);
        connect(table, &QAbstractItemModel::rowsInserted, this, check);
        connect(table, &QAbstractItemModel::rowsRemoved, this, check);
        connect(table, &QAbstractItemModel::modelReset, this, check);
    }
    for (QWidget *tab : {static_cast<QWidget *>(&uart(1)), static_cast<QWidget *>(&uart(2)),
                         static_cast<QWidget *>(m_oneWire)}) {
        const QList<QComboBox *> lists = tab->findChildren<QComboBox *>();
        for (QComboBox *list : lists)
            connect(list, &QComboBox::currentIndexChanged, this, check);
        const QList<QLineEdit *> boxes = tab->findChildren<QLineEdit *>();
        for (QLineEdit *box : boxes)
            connect(box, &QLineEdit::textChanged, this, check);
        const QList<QAbstractButton *> options = tab->findChildren<QAbstractButton *>();
        for (QAbstractButton *option : options)
            connect(option, &QAbstractButton::toggled, this, check);
    }
}

void MainWindow::showEditStatus()
{
    const bool unkept = hasUnkeptEdits();
    m_editStatus->setText(unkept ? QStringLiteral("Changes not saved or written") : QString());
    m_editStatus->setToolTip(unkept ? QStringLiteral("The tables hold changes that are neither "
                                                     "in the last configuration file loaded or "
                                                     "saved nor written to the controller")
                                    : QString());
}

WindowState MainWindow::rememberedState() const
{
    WindowState state;
    state.geometry = normalGeometry();
    state.maximized = isMaximized();
    state.tab = m_tabs->currentIndex();
    const QList<GridView *> tables = resizableTables(*this);
    for (const GridView *table : tables) {
        QList<int> widths;
        for (int col = 0; col < userSizedColumns(*table); ++col)
            widths.append(table->columnWidth(col));
        state.columnWidths.insert(table->objectName(), widths);
    }
    state.verifyWrites = m_ctx.verifyWrites;
    return state;
}

void MainWindow::restoreWindowState(const WindowState &state)
{
    if (state.geometry.isNull()) {
        resize(kFirstSize);
    } else {
        QList<QRect> screens;
        const QList<QScreen *> all = QGuiApplication::screens();
        for (const QScreen *screen : all) {
            if (screen == QGuiApplication::primaryScreen())
                screens.prepend(screen->availableGeometry());
            else
                screens.append(screen->availableGeometry());
        }
        setGeometry(placeOnScreens(state.geometry, screens));
    }
    if (state.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (state.tab >= 0 && state.tab < m_tabs->count())
        m_tabs->setCurrentIndex(state.tab);
    const QList<GridView *> tables = resizableTables(*this);
    for (GridView *table : tables) {
        const QList<int> widths = state.columnWidths.value(table->objectName());
        for (int col = 0; col < qMin(int(widths.size()), userSizedColumns(*table)); ++col)
            table->setColumnWidth(col, widths.at(col));
    }
}

}  // namespace plc
