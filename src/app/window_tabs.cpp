#include "window_tabs.h"

#include "converter_tab.h"
#include "diag_frames.h"
#include "general_setting_frame.h"
#include "grid_view.h"
#include "io_map_frame.h"
#include "modbus_diag_tab.h"
#include "one_wire_diag_tab.h"
#include "one_wire_state.h"
#include "one_wire_tab.h"
#include "row_name.h"
#include "uart_port.h"
#include "uart_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace plc {

namespace {

// The columns of a table the user gives a width: all but a last one that takes the rest.
int userSizedColumns(const GridView &table)
{
    const int columns = table.model()->columnCount();
    return table.horizontalHeader()->stretchLastSection() ? columns - 1 : columns;
}

}  // namespace

WindowTabs::WindowTabs(TransferContext &ctx, Prompts &prompts, QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("tabs"));
    setDocumentMode(true);
    // "HW config" holds frames of two subsystems: the I/O map and the service buttons.
    auto *hwConfig = new QWidget;
    hwConfig->setObjectName(QStringLiteral("hwConfigTab"));
    m_ioMap = new IoMapFrame(ctx, hwConfig);
    m_generalSetting = new GeneralSettingFrame(ctx, hwConfig);
    auto *side = new QVBoxLayout;
    side->addWidget(m_generalSetting);
    side->addStretch();
    auto *hwLayout = new QHBoxLayout(hwConfig);
    hwLayout->addWidget(m_ioMap);
    hwLayout->addLayout(side);
    hwLayout->addStretch();
    addTab(hwConfig, tr("HW config"));

    for (int i = 0; i < 2; ++i) {
        const UartPort &port = i == 0 ? UartPort::uart1() : UartPort::uart2();
        m_uarts[i] = new UartTab(port, ctx);
        addTab(m_uarts[i], port.tabCaption);
    }
    m_oneWire = new OneWireTab(ctx);
    addTab(m_oneWire, tr("1-wire"));
    m_modbusDiag = new ModbusDiagTab(ctx);
    addTab(m_modbusDiag, tr("Modbus diag"));
    m_oneWireDiag = new OneWireDiagTab(ctx);
    addTab(m_oneWireDiag, tr("1-wire diag"));
    // An error record's number is followed by the name of the row it stands for.
    m_modbusDiag->setRequestNames([this](int number) {
        return rowNames(uart(number).requests().dataRows(), requestcol::Name - 1);
    });
    m_oneWireDiag->setSensorNames(
        [this] { return rowNames(m_oneWire->state().sensors, sensorcol::Name - 1); });
    addTab(new ConverterTab(prompts), tr("Converter"));
    showStartUpState();
}

void WindowTabs::showStartUpState()
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
    m_ioMap->prepare();
}

WindowConfig WindowTabs::windowConfig() const
{
    WindowConfig config;
    config.uarts = {uart(1).state(), uart(2).state()};
    config.auxMode = m_oneWire->auxModeIndex();
    config.sensors = m_oneWire->sensors().dataRows();
    return config;
}

void WindowTabs::applyWindowConfig(const WindowConfig &config)
{
    uart(1).setState(config.uarts[0]);
    uart(2).setState(config.uarts[1]);
    m_oneWire->selectMode(config.auxMode);
    m_oneWire->sensors().setDataRows(config.sensors);
}

Project WindowTabs::project() const
{
    Project project;
    project.note = m_note;
    project.config = windowConfig();
    project.fieldNet = m_oneWire->state().settings.fieldNet;
    project.ioMap = m_ioMap->state();
    return project;
}

void WindowTabs::applyProject(const Project &project)
{
    applyWindowConfig(project.config);
    using List = OneWireTab::List;
    m_oneWire->setListIndex(List::Speed, project.fieldNet.speed);
    m_oneWire->setListIndex(List::Parity, project.fieldNet.parity);
    m_oneWire->setListIndex(List::Bits, project.fieldNet.bits);
    m_oneWire->setListIndex(List::Stop, project.fieldNet.stop);
    m_ioMap->setState(project.ioMap);
    setNote(project.note);
    // The tables a project fills are open for editing, whatever their mode.
    for (int port : {1, 2})
        uart(port).requestView().setEnabled(true);
}

void WindowTabs::restoreStartUpState()
{
    Project startUp;
    startUp.config = startUpWindowConfig();
    applyProject(startUp);
    for (int port : {1, 2})
        uart(port).setCurrentRequestRow(0);
}

void WindowTabs::showPart(ConfigPart part)
{
    switch (part) {
        case ConfigPart::Uart1:
        case ConfigPart::Uart2:
            setCurrentWidget(&uart(part == ConfigPart::Uart1 ? 1 : 2));
            break;
        case ConfigPart::OneWire:
            setCurrentWidget(m_oneWire);
            break;
        case ConfigPart::IoMap:
            setCurrentWidget(m_ioMap->parentWidget());
            break;
        case ConfigPart::Note:
            break;
    }
}

void WindowTabs::setNote(const QString &note)
{
    if (note == m_note)
        return;
    m_note = note;
    Q_EMIT noteChanged();
}

QList<std::pair<QString, GridView *>> WindowTabs::resizableTables() const
{
    // The settings files out there keep the widths under these keys: they stay as they are.
    return {{QStringLiteral("MB_grid"), &m_modbusDiag->buffer(1).view()},
            {QStringLiteral("MB_grid2"), &m_modbusDiag->buffer(2).view()},
            {QStringLiteral("MSFlexGrid1"), &m_ioMap->table()},
            {QStringLiteral("W1_grid"), &m_oneWireDiag->buffer().view()}};
}

QMap<QString, QList<int>> WindowTabs::columnWidths() const
{
    QMap<QString, QList<int>> widths;
    for (const auto &[key, table] : resizableTables()) {
        QList<int> columns;
        for (int col = 0; col < userSizedColumns(*table); ++col)
            columns.append(table->columnWidth(col));
        widths.insert(key, columns);
    }
    return widths;
}

void WindowTabs::setColumnWidths(const QMap<QString, QList<int>> &widths)
{
    for (const auto &[key, table] : resizableTables()) {
        const QList<int> columns = widths.value(key);
        for (int col = 0; col < qMin(int(columns.size()), userSizedColumns(*table)); ++col)
            table->setColumnWidth(col, columns.at(col));
    }
}

}  // namespace plc
