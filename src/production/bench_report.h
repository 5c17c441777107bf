#pragma once

#include "bench_run.h"

#include <QByteArray>
#include <QList>

namespace plc {

// One port's row of the production table as the report keeps it.
struct BenchReportRow {
    PortSetup port;
    BenchResult result;
};

// The table as CSV (RFC 4180, lines ending CR LF): a heading line, then one line per port with
// its port, device, CPU type, the steps done, the result, the time in seconds and whether it was
// left with a partial download.
QByteArray benchReportCsv(const QList<BenchReportRow> &rows);

// The same as a JSON array of one object per port.
QByteArray benchReportJson(const QList<BenchReportRow> &rows);

}  // namespace plc
