#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace plc {

// Tables as comma-separated text: one heading line, then one line per row, CRLF after each
// line, UTF-8. A field holding a comma, a double quote, CR or LF is enclosed in double quotes,
// its own double quotes doubled.
namespace csv {

QByteArray line(const QStringList &fields);

// The model's headings and every row it shows, as the display texts.
QByteArray table(const QAbstractItemModel &model);

// Writes table(model) to path whole or not at all; a Failure names the file and the reason.
void save(const QString &path, const QAbstractItemModel &model);

}  // namespace csv

}  // namespace plc
