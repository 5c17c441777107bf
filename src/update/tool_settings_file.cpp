#include "tool_settings_file.h"

#include "ini_file.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace plc {

QString toolName()
{
    return QStringLiteral("PLC Tavrix");
}

StoredPort useToolSettingsFile()
{
    QDir folder(QCoreApplication::applicationDirPath());
    if (folder.dirName() == QLatin1String("update"))
        folder.cdUp();
    const QString toolFolder = folder.absolutePath();
    setSettingsFilePath(chooseSettingsFile(
        toolFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        QFileInfo(toolFolder).isWritable()));
    const int number = settingsfile::portNumber();
    return {number, settingsfile::portDevice(number)};
}

}  // namespace plc
