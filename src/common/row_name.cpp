#include "row_name.h"

#include <QCoreApplication>

namespace plc {

// The Name column's heading as the window shows it in another language.
[[maybe_unused]] const char *const kShownNameHeading =
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Name");

QString nameLimits()
{
    return QCoreApplication::translate(
               "plc::RowName", "free text of up to %1 characters, kept in the project file only")
        .arg(kMaxNameLength);
}

QString cutName(const QString &text)
{
    return text.left(kMaxNameLength);
}

QString nameRefusal(const QString &name)
{
    if (name.size() <= kMaxNameLength)
        return QString();
    return QCoreApplication::translate("plc::RowName",
                                       "A name has at most %1 characters; this one has %2.")
        .arg(kMaxNameLength)
        .arg(name.size());
}

QStringList rowNames(const QList<QStringList> &rows, int nameCell)
{
    QStringList names;
    for (const QStringList &row : rows)
        names.append(row.value(nameCell));
    return names;
}

QString namedRowText(int row, const QString &name)
{
    if (name.isEmpty())
        return QString::number(row);
    return QStringLiteral("%1 (%2)").arg(row).arg(name);
}

}  // namespace plc
