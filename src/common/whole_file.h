#pragma once

#include <QByteArray>
#include <QString>

namespace plc {

// Replaces the file at path by bytes, whole or not at all: they go to a new file beside it,
// which is synced to the disk and then renamed over the old one, so a failure at any step (a
// full disk, a folder that cannot be written) leaves the old file as it was. The empty text
// when the file is written, otherwise the reason it is not.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

}  // namespace plc
