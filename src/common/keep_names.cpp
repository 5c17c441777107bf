#include "keep_names.h"

#include <QHash>

namespace plc {

NamesKept &NamesKept::operator+=(const NamesKept &other)
{
    rows += other.rows;
    kept += other.kept;
    added += other.added;
    return *this;
}

NamesKept keepNames(const QList<QStringList> &table, const QList<QStringList> &read, int nameCell,
                    const RowIdentity &identity)
{
    // The table's rows by identity, each list in table order.
    QHash<QString, QList<int>> rowsOf;
    for (int i = 0; i < table.size(); ++i)
        rowsOf[identity(table.at(i))].append(i);

    NamesKept result;
    for (QStringList row : read) {
        QString name;
        QList<int> &alike = rowsOf[identity(row)];
        if (alike.isEmpty()) {
            ++result.added;
        } else {
            name = table.at(alike.takeFirst()).value(nameCell);
            if (!name.isEmpty())
                ++result.kept;
        }
        row.resize(qMax(int(row.size()), nameCell + 1));
        row[nameCell] = name;
        result.rows.append(row);
    }
    return result;
}

QString namesKeptText(const NamesKept &names)
{
    if (names.rows.isEmpty())
        return QString();
    return QStringLiteral("%1 name%2 kept, %3 row%4 new")
        .arg(names.kept)
        .arg(names.kept == 1 ? "" : "s")
        .arg(names.added)
        .arg(names.added == 1 ? "" : "s");
}

}  // namespace plc
