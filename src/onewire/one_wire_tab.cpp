#include "one_wire_tab.h"

#include "action_buttons.h"
#include "aux_transfer.h"
#include "bus_match.h"
#include "bus_search_dialog.h"
#include "cell_editor.h"
#include "csv_menu.h"
#include "grid_view.h"
#include "link_action.h"
#include "memory_map.h"
#include "missing_sensor_marks.h"
#include "option_group.h"
#include "prompts.h"
#include "sensor_check.h"
#include "sensor_dialog.h"
#include "sensor_editing.h"
#include "sensor_replace.h"
#include "sensor_replace_dialog.h"
#include "shown_words.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace plc {

OneWireTab::OneWireTab(TransferContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("oneWireTab"));
    QVBoxLayout *left = addPortColumn(*this);
    left->addWidget(buildAuxFrame());
    left->addWidget(buildFieldNetFrame());
    left->addStretch();
    addTableFrame(*this, buildMasterFrame());
    setHeadings();
}

QGroupBox *OneWireTab::buildAuxFrame()
{
    m_modes = new OptionGroup(tr("Auxiliary port setting"), QStringLiteral("auxPortFrame"),
                              QStringLiteral("auxMode"), shownEntries(auxModeEntries()));
    connect(m_modes, &OptionGroup::optionClicked, this, &OneWireTab::modeClicked);

    m_modes->column().addLayout(addButtons(
        new QHBoxLayout,
        {{tr("Write to PLC"), QStringLiteral("oneWireWriteButton"), [this] { writeToPlc(); },
          tr("Writes the port mode (mode word, %1) and, for a 1-wire "
             "master, the sensor table (from %2) into the controller")
              .arg(plcmem::shown(plcmem::kAuxModeWord), plcmem::shown(plcmem::kSensorRecords))},
         {tr("Upload from PLC"), QStringLiteral("oneWireUploadButton"), [this] { uploadFromPlc(); },
          tr("Reads the port mode, the Field Net line settings or the "
             "sensor table from the controller")}},
        this));
    return m_modes;
}

QGroupBox *OneWireTab::buildFieldNetFrame()
{
    m_fieldNetFrame =
        new LineSettingsBox(tr("Field Net port setting"), QStringLiteral("fieldNetFrame"),
                            {{{QStringLiteral("fieldNetSpeedList"), fieldNetEntries().speeds},
                              {QStringLiteral("fieldNetParityList"), fieldNetEntries().parities},
                              {QStringLiteral("fieldNetBitsList"), fieldNetEntries().bits},
                              {QStringLiteral("fieldNetStopList"), fieldNetEntries().stops}}});
    return m_fieldNetFrame;
}

QGroupBox *OneWireTab::buildMasterFrame()
{
    auto *master = new GridFrame(tr("1-wire master configuration"), QStringLiteral("sensorFrame"),
                                 m_sensors, QStringLiteral("sensorTable"));
    m_masterFrame = master;
    m_sensorView = &master->view();
    m_sensorView->shareWidthAmongColumns();
    QStringList tips;
    for (int col = 0; col < sensorcol::TableCount; ++col)
        tips.append(sensorColumnLimits(col));
    m_sensors.setHeadingToolTips(tips);
    m_sensors.setLastColumnOptional(true);  // a sensor's name
    auto addButton = [this, master](const QString &caption, const char *name,
                                    const std::function<void()> &handler) {
        connect(master->addButton(caption, QLatin1String(name)), &QPushButton::clicked, this,
                handler);
    };
    addButton(tr("Add slave"), "addSensorButton",
              [this] { openSensorDialog(SensorDialogMode::Add); });
    addButton(tr("Modify slave"), "modifySensorButton",
              [this] { openSensorDialog(SensorDialogMode::Modify); });
    addButton(tr("Delete slave"), "deleteSensorButton", [this] { deleteClicked(); });
    addButton(tr("Search slave"), "searchSensorsButton", [this] { openBusSearch(); });
    addButton(tr("Delete all slave"), "deleteAllSensorsButton", [this] { deleteAllClicked(); });
    connect(m_sensorView, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &cell) { m_currentSensorRow = cell.row(); });
    // Any text may be typed into a cell; the check before a download judges it.
    new CellEditor(*m_sensorView, QStringLiteral("sensorCellEditor"),
                   [this](int row, int col, const QString &text) {
                       m_sensors.setText(row, col, sensorCellText(col, text));
                   });
    const CsvNotes notes{tr("1-wire sensors"), [this](const QString &text) {
                             note(m_ctx, text);
                         }};
    addCsvMenu(*master, m_ctx.prompts, sensorCsvTable(), notes,
               [this](const QList<QStringList> &rows) {
                   nameNextEdit(m_ctx, tr("import CSV into 1-wire sensors"));
                   m_sensors.setDataRows(rows);
               });
    auto *replace = new QAction(tr("Replace with found device..."), master);
    replace->setObjectName(QStringLiteral("replaceSensorAction"));
    connect(replace, &QAction::triggered, this, [this] { replaceSensorClicked(); });
    master->addAction(replace);
    m_marks = new MissingSensorMarks(*m_sensorView);
    return master;
}

void OneWireTab::setHeadings()
{
    m_sensorView->setCentredHeadingLine(kSensorTableHeadingLine);
}

void OneWireTab::selectMode(int mode)
{
    m_modes->click(mode);
}

void OneWireTab::modeClicked(int mode)
{
    const bool master = mode == int(AuxMode::OneWireMaster);
    m_masterFrame->setVisible(master);
    m_fieldNetFrame->setVisible(mode == int(AuxMode::FieldNet));
    if (master)
        setHeadings();
    m_auxModeIndex = mode;
}

void OneWireTab::selectListDefaults()
{
    showFieldNet(FieldNetSettings{});
}

AuxSettings OneWireTab::settings() const
{
    return {AuxMode(m_auxModeIndex),
            {listIndex(List::Speed), listIndex(List::Parity), listIndex(List::Bits),
             listIndex(List::Stop)}};
}

void OneWireTab::showFieldNet(const FieldNetSettings &fieldNet)
{
    setListIndex(List::Speed, fieldNet.speed);
    setListIndex(List::Parity, fieldNet.parity);
    setListIndex(List::Bits, fieldNet.bits);
    setListIndex(List::Stop, fieldNet.stop);
}

OneWireTabState OneWireTab::state() const
{
    return {settings(), m_sensors.dataRows()};
}

void OneWireTab::setState(const OneWireTabState &state)
{
    m_sensors.setDataRows(state.sensors);
    selectMode(int(state.settings.mode));
    showFieldNet(state.settings.fieldNet);
}

void OneWireTab::openSensorDialog(SensorDialogMode mode)
{
    m_sensorDialogMode = int(mode);
    const int chosenRow = m_currentSensorRow + 1;
    SensorDialog dialog(sensorDialogPreset(m_sensors, chosenRow, mode), this);
    if (dialog.exec() == QDialog::Accepted)
        storeSensor(m_sensors, mode, chosenRow, dialog.cells());
}

void OneWireTab::deleteClicked()
{
    // With no sensor chosen there is nothing to ask about.
    if (!isSensorRow(m_sensors, m_currentSensorRow + 1))
        return;
    if (m_ctx.prompts.confirm(this, deleteSensorQuestion()))
        deleteSensor(m_sensors, m_currentSensorRow + 1);
}

void OneWireTab::deleteAllClicked()
{
    if (m_ctx.prompts.confirm(this, deleteAllQuestion()))
        deleteAllSensors(m_sensors);
}

void OneWireTab::writeToPlc()
{
    // The state is a copy: what goes out is the table as it was when the button was pressed.
    takeStoredPort(m_ctx);
    const Outcome outcome = downloadAuxConfig(m_ctx, state());
    if (outcome.done())
        Q_EMIT configurationWritten();
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "1-wire download")),
           outcome);
}

Outcome OneWireTab::uploadFromPlc()
{
    takeStoredPort(m_ctx);
    Result<AuxConfigUpload> upload = uploadAuxConfig(m_ctx);
    if (upload.done()) {
        nameNextEdit(m_ctx, tr("upload 1-wire"));
        AuxSettings shown = settings();
        setHeadings();
        applyAuxUpload(upload.value, shown);
        upload.outcome.detail = showUploadedSensors(m_sensors, upload.value.sensors);
        selectMode(int(shown.mode));
        showFieldNet(shown.fieldNet);
    }
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "1-wire upload")),
           upload.outcome);
    return upload.outcome;
}

void OneWireTab::openBusSearch()
{
    BusSearchDialog dialog(m_ctx, m_sensors, this);
    connect(&dialog, &BusSearchDialog::busSearched, this, &OneWireTab::showSearched);
    dialog.exec();
}

void OneWireTab::showSearched(const QList<RomCode> &devices, bool done)
{
    // A search that failed tells nothing of the bus: no sensor is called missing.
    m_lastFound = done ? devices : QList<RomCode>();
    if (done)
        m_marks->mark(matchBus(devices, m_sensors.dataRows()).notFound);
    else
        m_marks->clear();
}

QList<int> OneWireTab::notFoundRows() const
{
    return m_marks->rows();
}

void OneWireTab::replaceSensorClicked()
{
    // The row under the context menu is the current one; without one, the row last clicked.
    const int current = m_sensorView->currentGridRow();
    const int row = current > 0 ? current : m_currentSensorRow + 1;
    if (!isSensorRow(m_sensors, row))
        return;
    const QList<SensorCells> sensors = m_sensors.dataRows();
    const SensorCells &sensor = sensors.at(row - 1);
    SensorReplaceDialog dialog(
        sensorRowLabel(row, sensorName(sensor)), sensor.mid(0, kRomBytes),
        devicesNotIn(m_lastFound, sensors),
        [this, row](const RomCode &rom) {
            nameNextEdit(m_ctx, tr("replace sensor %1").arg(row));
            const QString refusal = replaceSensorRom(m_sensors, row, rom);
            if (!refusal.isEmpty())
                m_ctx.prompts.message(this, refusal, sensorErrorTitle());
            return refusal.isEmpty();
        },
        this);
    dialog.exec();
}

}  // namespace plc
