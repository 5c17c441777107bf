// update-window: the firmware update's window, one at a time. plc-update starts it when it is
// started without arguments, as the configuration tool does.
#include "help_key.h"
#include "language.h"
#include "single_window.h"
#include "tool_settings_file.h"
#include "tool_update_settings.h"
#include "translation.h"
#include "update_window.h"

#include <QApplication>
#include <QStandardPaths>

using namespace plc;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(toolName());
    QApplication::setStyle(QStringLiteral("Fusion"));
    HelpKey helpKey;  // F1 opens the manual's page of the update window
    // The user's own folder: the lock, the socket's name and the backups are per user.
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    SingleWindow single(userFolder);
    if (!single.claim())
        return 0;  // the window that is open already came to the front
    const StoredPort stored = useToolSettingsFile();
    // The language the tool's window speaks ("View" > "Language" in the settings file just
    // found), before the window is made: its texts are translated as they are made.
    const InstalledTranslation translation(windowLocale(storedLanguage()));
    ToolUpdateSettings settings;
    UpdateWindow window(stored, &settings, userFolder);
    QObject::connect(&single, &SingleWindow::raiseRequested, &window, &UpdateWindow::bringToFront);
    window.show();
    return app.exec();
}
