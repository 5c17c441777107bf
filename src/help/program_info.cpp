#include "program_info.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace plc {

namespace programinfo {

QString versionText()
{
    return QStringLiteral("plc-config ") + QStringLiteral(PLC_VERSION);
}

QString licenceText()
{
    return QCoreApplication::translate("plc::ProgramInfo", "All rights reserved.");
}

QString historyFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history.jsonl");
}

}  // namespace programinfo

}  // namespace plc
