#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace plc {

// Rows read back from the controller, with the names of the rows they stand for.
struct NamesKept {
    QList<QStringList> rows;  // the rows read, each with its name cell
    int kept = 0;             // rows that took a name from the table
    int added = 0;            // rows whose identity the table did not hold

    NamesKept &operator+=(const NamesKept &other);
};

// What identifies a row whatever its place; rows with equal keys stand for the same thing.
using RowIdentity = std::function<QString(const QStringList &row)>;

// Gives each row read (`read`, which the controller sends without names) the name of the row
// of `table` with the same identity, the name cell at index nameCell. A row of the table lends
// its name once, so of two alike rows each keeps its own in turn. Rows of `read` without a
// match get an empty name and count as added.
NamesKept keepNames(const QList<QStringList> &table, const QList<QStringList> &read, int nameCell,
                    const RowIdentity &identity);

// "12 names kept, 2 rows new", as the status line and the command line say it; the empty text
// when nothing was read.
QString namesKeptText(const NamesKept &names);

}  // namespace plc
