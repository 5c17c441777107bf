#include "csv_file.h"

#include "csv_table.h"
#include "failure.h"
#include "whole_file.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace plc {

namespace csv {

QByteArray line(const QStringList &fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out.append(csvField(f));
    return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray table(const QAbstractItemModel &model)
{
    const int columns = model.columnCount();
    QStringList headings;
    for (int c = 0; c < columns; ++c)
        headings.append(model.headerData(c, Qt::Horizontal).toString());
    QByteArray text = line(headings);
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < columns; ++c)
            fields.append(model.index(r, c).data().toString());
        text += line(fields);
    }
    return text;
}

void save(const QString &path, const QAbstractItemModel &model)
{
    const QString reason = writeWholeFile(path, table(model));
    if (!reason.isNull())
        throw Failure(
            QCoreApplication::translate("plc::CsvFile", "Cannot write %1: %2").arg(path, reason));
}

}  // namespace csv

}  // namespace plc
