#pragma once

#include <QStringList>

namespace plc {

// The folders the program's companions (the conv library, the update program) are looked for
// in, in this order: the program's own folder, then the private library folder of an installed
// program when it exists.
QStringList programFolders(const QString &programFolder);

}  // namespace plc
