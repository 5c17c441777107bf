#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace plc {

// One CSV field as RFC 4180 writes it: quoted, with doubled quotes, when it holds a comma, a
// quote or a line break.
QString csvField(const QString &cell);

// A table of the window as a CSV file (RFC 4180): one header line with the table's column
// headings, then one line per data row with the cells as the table shows them, the number
// column first. Lines end in CR LF; cells holding a comma, a quote or a line end are quoted.

// The first cell of a table's rows that the table's own check refuses.
struct TableFault {
    int row = 0;     // table row, from 1
    int col = 0;     // table column, the number column being 0; -1 for the rows as a whole
    QString reason;  // the check's own text
};

// What the CSV files of one table look like and how its rows are checked.
struct CsvTable {
    QStringList headings;  // every column, the number column first
    // Files written before the last column existed lack it: they import with it empty.
    bool lastColumnOptional = false;
    // The first fault of these rows (cells from column 1 on), or none.
    std::function<std::optional<TableFault>(const QList<QStringList> &rows)> check;
};

// The CSV text of a table's data rows (cells from column 1 on); rows are numbered from 1.
QByteArray tableToCsv(const CsvTable &table, const QList<QStringList> &rows);

// The data rows of a CSV text, every row checked before any comes back: the header must name the
// table's columns, each line must have as many cells, and the table's check must pass. The
// number column is not read: the table numbers its rows itself. Anything wrong is a Failure
// naming the first bad line and column.
QList<QStringList> tableFromCsv(const CsvTable &table, const QByteArray &csv);

// The file filter and suffix of the CSV dialogs.
QString csvFilter();
inline const QString kCsvSuffix = QStringLiteral("csv");

}  // namespace plc
