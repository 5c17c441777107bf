#include "program_info.h"

#include <QStandardPaths>

namespace plc {

namespace programinfo {

QString versionText()
{
    return QStringLiteral("plc-config ") + QStringLiteral(PLC_VERSION);
}

QString licenceText()
{
    return QStringLiteral("All rights reserved.");
}

QString historyFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history.jsonl");
}

}  // namespace programinfo

}  // namespace plc
