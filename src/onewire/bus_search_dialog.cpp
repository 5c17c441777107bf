#include "bus_search_dialog.h"

#include "bus_match.h"
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
#include <QListWidget>
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
    setWindowTitle(tr("Search module for 1-wire device"));
    setModal(true);

    m_controls = new QWidget(this);
    auto *form = new QFormLayout;
    m_count = new QLineEdit(QStringLiteral("0"));
    m_count->setObjectName(QStringLiteral("deviceCountBox"));
    m_count->setReadOnly(true);
    form->addRow(tr("Number sensor on the bus"), m_count);
    m_startAddress = new QLineEdit(QStringLiteral("1500"));
    m_startAddress->setObjectName(QStringLiteral("startAddressBox"));
    m_startAddress->setToolTip(foundStartLimits());
    form->addRow(tr("Start address for automatic slave addition in the main table"),
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
    // Beside the grid: where each device stands in the sensor table, kept up with corrections.
    m_places = new QListWidget;
    m_places->setObjectName(QStringLiteral("foundPlaces"));
    m_places->setToolTip(tr("Where each device found stands in the sensor table"));
    m_places->setSelectionMode(QAbstractItemView::NoSelection);
    connect(&m_result, &QAbstractItemModel::dataChanged, this, [this] { showPlaces(); });
    auto *found = new QHBoxLayout;
    found->addWidget(m_view, 3);
    found->addWidget(m_places, 1);

    auto *buttons = new QHBoxLayout;
    auto addButton = [this, buttons](const QString &caption, const char *name,
                                     const std::function<void()> &handler) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        // Enter belongs to the result grid's editor: no button may take it as a click.
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
    };
    addButton(tr("Start search"), "startSearchButton", [this] { startSearch(); });
    addButton(tr("Add new in the table"), "addFoundButton",
              [this] { place(FoundPlacement::Append); });
    addButton(tr("Replace all in the table"), "replaceAllButton",
              [this] { place(FoundPlacement::ReplaceAll); });
    addButton(tr("Close"), "closeButton", [this] { reject(); });

    auto *inner = new QVBoxLayout(m_controls);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(form);
    inner->addLayout(found, 1);
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
    m_ctx.note = owner.note;
    takeStoredPort(m_ctx);
}

void BusSearchDialog::startSearch()
{
    m_found = 0;
    showFoundDevices(m_result, {});
    // The controller needs its time to scan the bus; the user sees how much is left.
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer tick;
    const auto showLeft = [&] {
        const qint64 left = qMax<qint64>(0, kSearchSettleMs - elapsed.elapsed());
        m_searching->setText(tr("Searching the bus: %1 s left").arg(left / 1000.0, 0, 'f', 1));
    };
    connect(&tick, &QTimer::timeout, this, showLeft);
    showLeft();
    tick.start(100);
    Result<QList<RomCode>> found = searchBus(m_ctx);
    tick.stop();
    m_searching->clear();
    if (found.done())
        found.outcome.detail = found.value.size() == 1
                                   ? tr("1 device found")
                                   : tr("%1 devices found").arg(found.value.size());
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "1-wire bus search")),
           found.outcome);
    const QList<RomCode> &devices = found.value;
    showFoundDevices(m_result, devices);
    m_found = int(devices.size());
    m_count->setText(QString::number(m_found));
    showPlaces();
    Q_EMIT busSearched(devices, found.done());
}

QList<RomCode> BusSearchDialog::shownDevices() const
{
    return m_result.dataRows().mid(0, m_found);
}

void BusSearchDialog::showPlaces()
{
    m_places->clear();
    const BusMatch match = matchBus(shownDevices(), m_sensorTable.dataRows());
    for (int j = 0; j < match.devices.size(); ++j)
        m_places->addItem(
            QStringLiteral("%1: %2").arg(j + 1).arg(devicePlaceText(match.devices.at(j))));
}

void BusSearchDialog::place(FoundPlacement placement)
{
    QList<RomCode> found = shownDevices();
    const bool append = placement == FoundPlacement::Append;
    // Appending skips the devices the table holds already, so no sensor gets a second row.
    const int before = int(found.size());
    if (append)
        found = devicesNotIn(found, m_sensorTable.dataRows());
    nameNextEdit(m_ctx,
                 append ? tr("add found devices") : tr("replace sensors with found devices"));
    const QString refusal =
        placeFoundSensors(m_sensorTable, found, m_startAddress->text(), placement);
    if (!refusal.isEmpty()) {
        m_ctx.prompts.message(this, refusal);
        return;
    }
    // With none skipped, the search's own status ("3 devices found") stays: all went in.
    if (append && int(found.size()) < before)
        note(m_ctx, tr("Add new in the table: %1 added, %2 already in the table")
                        .arg(found.size())
                        .arg(before - found.size()));
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
