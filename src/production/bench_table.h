#pragma once

#include "bench_report.h"
#include "bench_run.h"

#include <QElapsedTimer>
#include <QList>
#include <QTableWidget>
#include <memory>
#include <optional>

namespace plc {

// The production window's table: a row per port with its tick, device, CPU type, the step
// running, a progress bar, the time, the result (in red when it failed) and "Run again".
class BenchTable : public QTableWidget {
    Q_OBJECT

public:
    enum Column {
        PortColumn,
        DeviceColumn,
        CpuColumn,
        StepColumn,
        ProgressColumn,
        TimeColumn,
        ResultColumn,
        RunAgainColumn
    };

    explicit BenchTable(QWidget *parent = nullptr);

    // Lists these ports, forgetting every result. A port listed before keeps its tick; a new one
    // is ticked when it is a mapped COM port.
    void setPorts(const QList<PortSetup> &ports);
    const PortSetup &port(int row) const { return m_rows.at(row).port; }
    QList<int> tickedRows() const;

    // The row's run starts: its cells are cleared and its clock starts.
    void startRow(int row);
    // Where a port's run tells how it goes; calls from its thread reach the row in order.
    std::unique_ptr<BenchWatch> rowWatch(int row);
    // The row's result, in the palette's text colour when it passed, in red when not.
    void showResult(int row, const BenchResult &result);
    // The time of every row still running.
    void showRunningTimes();
    // While a run goes, the ticks and "Run again" cannot be used.
    void setRunning(bool running);

    // The rows that ran, in table order.
    QList<BenchReportRow> reportRows() const;

Q_SIGNALS:
    void runAgainRequested(int row);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Row {
        PortSetup port;
        std::optional<BenchResult> result;
        QElapsedTimer clock;  // valid while it runs
    };

    void setText(int row, Column column, const QString &text);
    void showCpuType(int row, const QString &cpuType) { setText(row, CpuColumn, cpuType); }
    void showStep(int row, const QString &step) { setText(row, StepColumn, step); }
    void showPercent(int row, int percent);
    void colourResult(int row);

    QList<Row> m_rows;
    bool m_running = false;

    friend class TableRowWatch;
};

}  // namespace plc
