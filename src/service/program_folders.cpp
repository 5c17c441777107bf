#include "program_folders.h"

#include <QDir>

namespace plc {

QStringList programFolders(const QString &programFolder)
{
    QStringList folders{programFolder};
    // Installed, the companions live apart from the programs, at this path from them.
    const QString privateFolder =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(PLC_PRIVATE_LIBDIR));
    if (QDir(privateFolder).exists())
        folders.append(privateFolder);
    return folders;
}

}  // namespace plc
