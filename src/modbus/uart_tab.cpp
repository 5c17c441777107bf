#include "uart_tab.h"

#include "action_buttons.h"
#include "cell_editor.h"
#include "csv_menu.h"
#include "grid_view.h"
#include "link_action.h"
#include "memory_map.h"
#include "option_group.h"
#include "port_transfer.h"
#include "prompts.h"
#include "request_check.h"
#include "request_dialog.h"
#include "request_editing.h"
#include "uart_port.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

namespace {

QLineEdit *addBox(QFormLayout *form, const QString &label, const QString &name, const QString &text)
{
    auto *box = new QLineEdit(text);
    box->setObjectName(name);
    form->addRow(label, box);
    return box;
}

// The cell editor's refusal is shown with an empty title, not the application's.
const QString kNoTitle = QStringLiteral("");

// Each port's actions by name, in the order of UartTab::Action.
const char *const kActionNames[2][4] = {
    {QT_TRANSLATE_NOOP("plc::ActionNames", "UART 1 download"),
     QT_TRANSLATE_NOOP("plc::ActionNames", "UART 1 upload"),
     QT_TRANSLATE_NOOP("plc::ActionNames", "UART 1 slave settings download"),
     QT_TRANSLATE_NOOP("plc::ActionNames", "UART 1 slave settings upload")},
    {QT_TRANSLATE_NOOP("plc::ActionNames", "UART 2 download"),
     QT_TRANSLATE_NOOP("plc::ActionNames", "UART 2 upload"),
     QT_TRANSLATE_NOOP("plc::ActionNames", "UART 2 slave settings download"),
     QT_TRANSLATE_NOOP("plc::ActionNames", "UART 2 slave settings upload")}};

}  // namespace

UartTab::UartTab(const UartPort &port, TransferContext &ctx, QWidget *parent)
    : QWidget(parent), m_port(port), m_ctx(ctx)
{
    setObjectName(port.controlName("Tab"));

    QVBoxLayout *left = addPortColumn(*this);
    left->addWidget(buildModeOptions());
    left->addWidget(buildGeneralFrame());
    left->addWidget(buildSlaveFrame());
    left->addLayout(addButtons(
        new QHBoxLayout,
        {{tr("Write to PLC"), port.controlName("WriteButton"), [this] { writeClicked(); },
          tr("Writes the mode and line settings (port word, %1) and, for a master, "
             "the request table (from %2) into the controller")
              .arg(plcmem::shown(port.portWordAddress), plcmem::shown(port.tableBase))},
         {tr("Upload from PLC"), port.controlName("UploadButton"), [this] { uploadFromPlc(); },
          tr("Reads the mode, the line settings and the slave address or request "
             "table of %1 from the controller")
              .arg(port.tabCaption)}},
        this));
    left->addStretch();
    addTableFrame(*this, buildMasterFrame());
}

OptionGroup *UartTab::buildModeOptions()
{
    // On screen "Modbus master" comes first; the options are numbered by their mode index.
    m_modes =
        new OptionGroup(QString(), m_port.controlName("ModeFrame"), m_port.controlName("Mode"),
                        {tr("Modbus master"), tr("Modbus slave"), tr("Not use")});
    connect(m_modes, &OptionGroup::optionClicked, this, &UartTab::modeClicked);
    return m_modes;
}

QGroupBox *UartTab::buildGeneralFrame()
{
    m_general =
        new LineSettingsBox(tr("Modbus general setting"), m_port.controlName("GeneralFrame"),
                            {{{m_port.controlName("SpeedList"), speedEntries()},
                              {m_port.controlName("ParityList"), parityEntries()},
                              {m_port.controlName("BitsList"), bitEntries()},
                              {m_port.controlName("StopList"), stopEntries()}}});
    if (m_port.hasSlaveTransfer) {
        m_general->form().addRow(
            addButtons(new QHBoxLayout,
                       {{tr("Download"), m_port.controlName("SlaveDownloadButton"),
                         [this] { slaveDownloadClicked(); },
                         tr("Writes the slave address and line settings (port word, %1) and "
                            "the slave timeout (%2) into the controller")
                             .arg(plcmem::shown(m_port.portWordAddress),
                                  plcmem::shown(m_port.slaveTimeoutAddress))},
                        {tr("Upload"), m_port.controlName("SlaveUploadButton"),
                         [this] { slaveUploadClicked(); },
                         tr("Reads the slave address, line settings and slave timeout from the "
                            "controller")}},
                       this));
    }
    return m_general;
}

QGroupBox *UartTab::buildSlaveFrame()
{
    m_slaveFrame = new QGroupBox(tr("Modbus slave setting"));
    m_slaveFrame->setObjectName(m_port.controlName("SlaveFrame"));
    auto *form = new QFormLayout(m_slaveFrame);
    m_address = addBox(form, tr("MB address"), m_port.controlName("SlaveAddressBox"),
                       m_port.initialAddress);
    m_timeout = addBox(form, tr("Timeout,[msec]"), m_port.controlName("SlaveTimeoutBox"),
                       QStringLiteral("2"));
    m_address->setToolTip(kSlaveAddressRange.text());
    m_timeout->setToolTip(kSlaveTimeoutRange.text(QStringLiteral("ms")));
    return m_slaveFrame;
}

QGroupBox *UartTab::buildMasterFrame()
{
    auto *master =
        new GridFrame(tr("Modbus master configuration"), m_port.controlName("MasterFrame"),
                      m_requests, m_port.controlName("RequestTable"));
    m_masterFrame = master;
    m_requestView = &master->view();
    m_requestView->shareWidthAmongColumns();
    QStringList tips;
    for (int col = 0; col < requestcol::TableCount; ++col)
        tips.append(requestColumnLimits(col));
    m_requests.setHeadingToolTips(tips);
    m_requests.setLastColumnOptional(true);  // a request's name
    connect(master->addButton(tr("Add slave"), m_port.controlName("AddRequestButton")),
            &QPushButton::clicked, this, [this] { openRequestDialog(DialogMode::Add); });
    connect(master->addButton(tr("Modify slave"), m_port.controlName("ModifyRequestButton")),
            &QPushButton::clicked, this, [this] { openRequestDialog(DialogMode::Modify); });
    connect(master->addButton(tr("Delete slave"), m_port.controlName("DeleteRequestButton")),
            &QPushButton::clicked, this, &UartTab::deleteClicked);
    connect(m_requestView, &QAbstractItemView::clicked, this, [this](const QModelIndex &cell) {
        m_currentRequestRow = cell.row() + 1;
        m_currentRequestColumn = cell.column();
    });
    new CellEditor(
        *m_requestView, m_port.controlName("RequestCellEditor"),
        [this](int row, int col, const QString &text) {
            // The check goes by the column of the cell being edited.
            const QString refusal = storeCellEdit(m_requests, m_port, row, col, text);
            if (!refusal.isEmpty())
                m_ctx.prompts.message(this, refusal, kNoTitle);
        },
        CellEditor::DeleteKey::EmptiesCell);
    // An imported table is usable at once, as after an upload.
    const CsvNotes notes{tr("%1 requests").arg(m_port.tabCaption), [this](const QString &text) {
                             note(m_ctx, text);
                         }};
    addCsvMenu(*master, m_ctx.prompts, requestCsvTable(), notes,
               [this](const QList<QStringList> &rows) {
                   nameNextEdit(m_ctx, tr("import CSV into %1 requests").arg(m_port.tabCaption));
                   m_requests.setDataRows(rows);
                   m_requestView->setEnabled(true);
               });
    return master;
}

void UartTab::setHeadings()
{
    m_requestView->setCentredHeadingLine(kRequestTableHeadingLine);
}

void UartTab::selectMode(int index)
{
    m_modes->click(index);
}

void UartTab::modeClicked(int index)
{
    const bool master = index == int(UartMode::ModbusMaster);
    m_masterFrame->setVisible(master);
    m_slaveFrame->setVisible(index == int(UartMode::ModbusSlave));
    // A master without a chosen row keeps its table locked until a request is stored.
    if (master && m_currentRequestRow == 0)
        m_requestView->setEnabled(false);
    m_modeIndex = index;
}

PortSettings UartTab::settings() const
{
    return {UartMode(m_modeIndex), listIndex(List::Speed), listIndex(List::Parity), addressText(),
            timeoutText()};
}

void UartTab::showSettings(const PortSettings &settings)
{
    setListIndex(List::Speed, settings.speed);
    setListIndex(List::Parity, settings.parity);
    setAddressText(settings.address);
    setTimeoutText(settings.timeout);
}

UartTabState UartTab::state() const
{
    return {settings(), listIndex(List::Bits), listIndex(List::Stop), m_requests.dataRows()};
}

void UartTab::setState(const UartTabState &state)
{
    m_requests.setDataRows(state.requests);
    applySettings(state);
}

void UartTab::applySettings(const UartTabState &state)
{
    selectMode(int(state.settings.mode));
    showSettings(state.settings);
    setListIndex(List::Bits, state.bits);
    setListIndex(List::Stop, state.stop);
}

void UartTab::openRequestDialog(DialogMode mode)
{
    m_requestDialogMode = int(mode);
    const DialogPreset preset = requestDialogPreset(m_requests, m_currentRequestRow, mode);
    m_currentRequestRow = preset.currentRow;
    RequestDialog dialog(m_port, m_ctx.prompts, preset.fields, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_currentRequestRow = applyRequestEdit(m_requests, mode, m_currentRequestRow, dialog.request(),
                                           dialog.fields().name);
    m_requestView->setEnabled(true);
}

void UartTab::deleteClicked()
{
    if (m_currentRequestRow == 0)
        return;  // no request chosen yet: nothing to ask about
    if (m_ctx.prompts.confirm(this, deleteQuestion()))
        deleteRequest(m_requests, m_currentRequestRow);
}

void UartTab::report(Action action, const Outcome &outcome)
{
    const char *name = kActionNames[m_port.number == 1 ? 0 : 1][int(action)];
    plc::report(m_ctx, QString::fromLatin1(name), outcome);
}

void UartTab::writeClicked()
{
    // What goes out is the table as it was when the button was pressed.
    takeStoredPort(m_ctx);
    const Outcome outcome = downloadPortConfig(m_ctx, m_port, settings(), m_requests.dataRows());
    if (outcome.done())
        Q_EMIT configurationWritten();
    report(Action::Download, outcome);
}

Outcome UartTab::uploadFromPlc()
{
    takeStoredPort(m_ctx);
    Result<PortConfigUpload> upload = uploadPortConfig(m_ctx, m_port);
    if (upload.done()) {
        nameNextEdit(m_ctx, tr("upload %1").arg(m_port.tabCaption));
        PortSettings shown = settings();
        if (applyPortUpload(upload.value, shown))
            upload.outcome.detail = showUploadedRequests(m_requests, upload.value.requests);
        if (upload.value.word.mode)
            selectMode(int(shown.mode));
        showSettings(shown);
        m_requestView->setEnabled(true);
    }
    report(Action::Upload, upload.outcome);
    return upload.outcome;
}

void UartTab::slaveDownloadClicked()
{
    // The link keeps the line settings it has.
    report(Action::SlaveDownload, downloadSlaveSettings(m_ctx, m_port, settings()));
}

void UartTab::slaveUploadClicked()
{
    takeStoredPort(m_ctx);
    const Result<SlaveSettingsUpload> upload = uploadSlaveSettings(m_ctx, m_port);
    if (upload.done()) {
        PortSettings shown = settings();
        applySlaveUpload(upload.value, shown);
        showSettings(shown);
    }
    report(Action::SlaveUpload, upload.outcome);
}

}  // namespace plc
