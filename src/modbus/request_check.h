#pragma once

#include "csv_table.h"
#include "request_record.h"

#include <QString>
#include <optional>

namespace plc {

// The first fault the table check found: the row (decimal in the message) and its code.
struct GridFault {
    int row = 0;
    // 0 Address, 1 Num word, 2 Address slave, 3 Address master, 4 Function, 5 Timeout,
    // 6 more than 128 requests (row 128).
    int code = 0;
};

// The title of the table check's messages.
QString configErrorTitle();

// Checks the requests of a master table (its data rows, the entry row aside) before they are
// sent, row by row in table order: the first fault, or none. Each row becomes its request once;
// with no fault, `checked` (when given) holds them all, ready to encode. A cell that is not a
// whole number is a Failure naming its row, column and text.
std::optional<GridFault> checkRequestTable(const RequestRows &rows,
                                           QList<ModbusRequest> *checked = nullptr);

// What the download shows for a fault, titled configErrorTitle().
QString gridFaultMessage(const GridFault &fault);

// What the table check demands of a column's cells (the slot column: of the number of requests), as
// the column heading's tool tip says it: "1–4095 ms" for the timeout.
QString requestColumnLimits(int col);

// A request table as CSV: its headings (a file without the Name column still reads), and its
// check: every cell a whole number and every name short enough, then the table check.
const CsvTable &requestCsvTable();

}  // namespace plc
