#include "bus_search_dialog.h"

#include "bus_search.h"
#include "cell_editor.h"
#include "grid_view.h"
#include "prompts.h"
#include "sensor_editing.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace plc {

BusSearchDialog::BusSearchDialog(const TransferContext &owner, GridModel &sensorTable,
                                 QWidget *parent)
    : QDialog(parent),
      m_ctx{m_link, owner.prompts, owner.progress, this},
      m_sensorTable(sensorTable)
{
    setObjectName(QStringLiteral("busSearchDialog"));
    setWindowTitle(QStringLiteral("Search module for 1-wire device"));
    setModal(true);

    m_controls = new QWidget(this);
    auto *form = new QFormLayout;
    m_count = new QLineEdit(QStringLiteral("0"));
    m_count->setObjectName(QStringLiteral("deviceCountBox"));
    m_count->setReadOnly(true);
    form->addRow(QStringLiteral("Number sensor on the bus"), m_count);
    m_startAddress = new QLineEdit(QStringLiteral("1500"));
    m_startAddress->setObjectName(QStringLiteral("startAddressBox"));
    m_startAddress->setToolTip(foundStartLimits());
    form->addRow(QStringLiteral("Start address for automatic slave addition in the main table"),
                 m_startAddress);

    m_view = new GridView(m_result);
    m_view->setObjectName(QStringLiteral("foundTable"));
    m_view->shareWidthAmongColumns();
    m_view->setCentredHeadingLine(kSearchHeadingLine);
    m_view->setMinimumHeight(260);
    new CellEditor(
        *m_view, QStringLiteral("foundCellEditor"),
        [this](int row, int col, const QString &text) { m_result.setText(row, col, text); },
        CellEditor::DeleteKey::EmptiesCell);

    auto *buttons = new QHBoxLayout;
    auto addButton = [this, buttons](const char *caption, const char *name,
                                     const std::function<void()> &handler) {
        auto *b = new QPushButton(QLatin1String(caption));
        b->setObjectName(QLatin1String(name));
        // Enter belongs to the result grid's editor: no button may take it as a click.
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
    };
    addButton("Start search", "startSearchButton", [this] { startSearch(); });
    addButton("Add new in the table", "addFoundButton", [this] { place(FoundPlacement::Append); });
    addButton("Replace all in the table", "replaceAllButton",
              [this] { place(FoundPlacement::ReplaceAll); });
    addButton("Close", "closeButton", [this] { reject(); });

    auto *inner = new QVBoxLayout(m_controls);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(form);
    inner->addWidget(m_view, 1);
    inner->addLayout(buttons);
    m_searching = new QLabel(this);
    m_searching->setObjectName(QStringLiteral("searching"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_controls);
    layout->addWidget(m_searching);

    // While the controller scans its bus no second search and no closing may start.
    connect(&m_link, &PlcLink::busyChanged, this,
            [this](bool busy) { m_controls->setEnabled(!busy); });
    m_ctx.storedPort = owner.storedPort;
    m_ctx.finished = owner.finished;
    takeStoredPort(m_ctx);
}

void BusSearchDialog::startSearch()
{
    showFoundDevices(m_result, {});
    // The controller needs its time to scan the bus; the user sees how much is left.
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer tick;
    const auto showLeft = [&] {
        const qint64 left = qMax<qint64>(0, kSearchSettleMs - elapsed.elapsed());
        m_searching->setText(
            QStringLiteral("Searching the bus: %1 s left").arg(left / 1000.0, 0, 'f', 1));
    };
    connect(&tick, &QTimer::timeout, this, showLeft);
    showLeft();
    tick.start(100);
    Result<QList<RomCode>> found = searchBus(m_ctx);
    tick.stop();
    m_searching->clear();
    if (found.done())
        found.outcome.detail = found.value.size() == 1
                                   ? QStringLiteral("1 device found")
                                   : QStringLiteral("%1 devices found").arg(found.value.size());
    report(m_ctx, QStringLiteral("1-wire bus search"), found.outcome);
    const QList<RomCode> &devices = found.value;
    showFoundDevices(m_result, devices);
    m_found = int(devices.size());
    m_count->setText(QString::number(m_found));
}

void BusSearchDialog::place(FoundPlacement placement)
{
    // The codes as the result grid shows them, the user's corrections included.
    const QList<QStringList> found = m_result.dataRows().mid(0, m_found);
    const QString refusal =
        placeFoundSensors(m_sensorTable, found, m_startAddress->text(), placement);
    if (!refusal.isEmpty()) {
        m_ctx.prompts.message(this, refusal);
        return;
    }
    accept();
}

void BusSearchDialog::reject()
{
    if (!m_link.isBusy())
        QDialog::reject();
}

void BusSearchDialog::closeEvent(QCloseEvent *event)
{
    if (m_link.isBusy())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

}  // namespace plc
