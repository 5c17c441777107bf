#include "keep_names.h"

#include <QCoreApplication>
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

namespace {

// The texts of the names kept, for the translator.
struct KeepNamesTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::KeepNames)
};

}  // namespace

QString namesKeptText(const NamesKept &names)
{
    if (names.rows.isEmpty())
        return QString();
    const QString kept =
        names.kept == 1 ? KeepNamesTexts::tr("%1 name kept") : KeepNamesTexts::tr("%1 names kept");
    const QString added =
        names.added == 1 ? KeepNamesTexts::tr("%1 row new") : KeepNamesTexts::tr("%1 rows new");
    return KeepNamesTexts::tr("%1, %2").arg(kept.arg(names.kept), added.arg(names.added));
}

}  // namespace plc
