#include "bench_table.h"

#include "drawn_colours.h"
#include "multi_port.h"

#include <QEvent>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>

namespace plc {

namespace {

QString secondsText(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
}

}  // namespace

// Hands a port's reports to its row on the table's thread, queued in the order they came; each
// carries its row, since the watch ends with the port's run, before they arrive.
class TableRowWatch : public BenchWatch {
public:
    TableRowWatch(BenchTable &table, int row) : m_table(&table), m_row(row) {}

    void cpuTypeRead(const QString &cpuType) override
    {
        post([row = m_row, cpuType](BenchTable &t) { t.showCpuType(row, cpuType); });
    }
    void stepChanged(const QString &step) override
    {
        post([row = m_row, step](BenchTable &t) { t.showStep(row, step); });
    }
    void percentChanged(int percent) override
    {
        post([row = m_row, percent](BenchTable &t) { t.showPercent(row, percent); });
    }

private:
    template <typename Show>
    void post(Show show)
    {
        BenchTable *table = m_table;
        QMetaObject::invokeMethod(
            table, [table, show] { show(*table); }, Qt::QueuedConnection);
    }

    BenchTable *m_table;
    int m_row;
};

BenchTable::BenchTable(QWidget *parent) : QTableWidget(0, RunAgainColumn + 1, parent)
{
    setObjectName(QStringLiteral("benchTable"));
    setHorizontalHeaderLabels({tr("Port"), tr("Device"), tr("CPU type"), tr("Step"), tr("Progress"),
                               tr("Time"), tr("Result"), QString()});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);
}

void BenchTable::setPorts(const QList<PortSetup> &ports)
{
    QSet<QString> ticked;
    QSet<QString> listed;
    for (int row = 0; row < rowCount(); ++row) {
        listed.insert(m_rows.at(row).port.device);
        if (item(row, PortColumn)->checkState() == Qt::Checked)
            ticked.insert(m_rows.at(row).port.device);
    }
    m_rows.clear();
    setRowCount(0);
    setRowCount(int(ports.size()));
    for (int row = 0; row < ports.size(); ++row) {
        const PortSetup &port = ports.at(row);
        m_rows.append({port, std::nullopt, {}});
        auto *name = new QTableWidgetItem(portTag(port));
        const bool tick =
            listed.contains(port.device) ? ticked.contains(port.device) : port.number > 0;
        name->setCheckState(tick ? Qt::Checked : Qt::Unchecked);
        setItem(row, PortColumn, name);
        setText(row, DeviceColumn, port.device);
        auto *bar = new QProgressBar;
        bar->setObjectName(QStringLiteral("progress%1").arg(row));
        bar->setRange(0, 100);
        bar->setValue(0);
        setCellWidget(row, ProgressColumn, bar);
        auto *again = new QPushButton(tr("Run again"));
        again->setObjectName(QStringLiteral("runAgain%1").arg(row));
        again->setEnabled(false);
        connect(again, &QPushButton::clicked, this, [this, row] { Q_EMIT runAgainRequested(row); });
        setCellWidget(row, RunAgainColumn, again);
    }
    setRunning(m_running);
}

QList<int> BenchTable::tickedRows() const
{
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, PortColumn)->checkState() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

void BenchTable::startRow(int row)
{
    Row &r = m_rows[row];
    r.result.reset();
    r.clock.start();
    for (Column column : {CpuColumn, StepColumn, TimeColumn, ResultColumn})
        setText(row, column, QString());
    showPercent(row, 0);
    showRunningTimes();
}

std::unique_ptr<BenchWatch> BenchTable::rowWatch(int row)
{
    return std::make_unique<TableRowWatch>(*this, row);
}

void BenchTable::showResult(int row, const BenchResult &result)
{
    Row &r = m_rows[row];
    r.result = result;
    r.clock.invalidate();
    setText(row, TimeColumn, secondsText(result.ms));
    setText(row, ResultColumn, result.text);
    item(row, ResultColumn)->setToolTip(result.messages.join(QLatin1Char('\n')));
    colourResult(row);
    setRunning(m_running);
}

void BenchTable::showRunningTimes()
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).clock.isValid())
            setText(row, TimeColumn, secondsText(m_rows.at(row).clock.elapsed()));
    }
}

void BenchTable::setRunning(bool running)
{
    m_running = running;
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem *name = item(row, PortColumn);
        name->setFlags(running ? name->flags() & ~Qt::ItemIsUserCheckable
                               : name->flags() | Qt::ItemIsUserCheckable);
        const std::optional<BenchResult> &result = m_rows.at(row).result;
        cellWidget(row, RunAgainColumn)->setEnabled(!running && result && !result->passed);
    }
}

QList<BenchReportRow> BenchTable::reportRows() const
{
    QList<BenchReportRow> rows;
    for (const Row &row : m_rows) {
        if (row.result)
            rows.append({row.port, *row.result});
    }
    return rows;
}

void BenchTable::setText(int row, Column column, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

void BenchTable::showPercent(int row, int percent)
{
    if (auto *bar = qobject_cast<QProgressBar *>(cellWidget(row, ProgressColumn)))
        bar->setValue(percent);
}

// Passed in the palette's text colour, failed in a red that reads on the table's background.
void BenchTable::colourResult(int row)
{
    const std::optional<BenchResult> &result = m_rows.at(row).result;
    if (QTableWidgetItem *shown = item(row, ResultColumn); shown && result)
        shown->setForeground(result->passed ? palette().color(QPalette::Text)
                                            : failureColour(palette()));
}

// A theme chosen meanwhile: the results take its colours.
void BenchTable::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    for (int row = 0; row < rowCount(); ++row)
        colourResult(row);
}

}  // namespace plc
