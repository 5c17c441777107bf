// plc-update: writes new firmware to the controller through its serial loader. Without
// arguments (as the configuration tool starts it) a window; with arguments a command line.
#include "help_key.h"
#include "ini_file.h"
#include "language.h"
#include "loader_switch.h"
#include "settings_store.h"
#include "single_window.h"
#include "tool_update_settings.h"
#include "translation.h"
#include "update_command_line.h"
#include "update_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace plc;

namespace {

// The configuration tool's name: its per-user settings folder is named after it.
const QString kToolName = QStringLiteral("PLC Tavrix");

// Points the settings file at the tool's: the tool's folder is this program's parent folder
// when it lies in the tool's "update" folder, and the per-user file where the tool uses one.
StoredPort toolPort()
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

}  // namespace

int main(int argc, char *argv[])
{
    if (argc > 1) {
        // Qt's own event dispatcher wakes sooner than the GLib one; an update waits for the
        // loader's answer thousands of times.
        if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
            qputenv("QT_NO_GLIB", "1");
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(kToolName);
        // English unless the environment asks for another language, as the tool's command line.
        const InstalledTranslation translation(commandLineLocale());
        const StoredPort stored = toolPort();
        FrameLoaderSwitch loaderSwitch(settingsfile::lineSettings());
        ToolUpdateSettings settings;
        return runUpdateCommandLine(QCoreApplication::arguments(), stored,
                                    &settingsfile::portDevice, &loaderSwitch, &settings);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(kToolName);
    QApplication::setStyle(QStringLiteral("Fusion"));
    HelpKey helpKey;  // F1 opens the manual's page of the update window
    // The user's own folder: the lock, the socket's name and the backups are per user.
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    SingleWindow single(userFolder);
    if (!single.claim())
        return 0;  // the window that is open already came to the front
    const StoredPort stored = toolPort();
    // The language the tool's window speaks ("View" > "Language" in the settings file just
    // found), before the window is made: its texts are translated as they are made.
    const InstalledTranslation translation(windowLocale(storedLanguage()));
    ToolUpdateSettings settings;
    UpdateWindow window(stored, &settings, userFolder);
    QObject::connect(&single, &SingleWindow::raiseRequested, &window, &UpdateWindow::bringToFront);
    window.show();
    return app.exec();
}
