// plc-update: writes new firmware to the controller through its serial loader. With arguments a
// command line; without (as the configuration tool starts it) the update window, which is a
// program of its own beside this one, so that a command-line start loads no window libraries.
#include "language.h"
#include "loader_switch.h"
#include "settings_store.h"
#include "tool_settings_file.h"
#include "tool_update_settings.h"
#include "translation.h"
#include "update_command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace plc;

namespace {

// Hands over to the update window: in this same process where the system allows, so that the
// tool's "Start update firmware" sees one program start and end.
int startWindow(char *argv[])
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("update-window.exe");
#else
    const QString name = QStringLiteral("update-window");
#endif
    const QString window = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QString error;
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(window);
    argv[0] = const_cast<char *>(path.constData());
    ::execv(path.constData(), argv);
    error = QString::fromLocal8Bit(std::strerror(errno));
#else
    Q_UNUSED(argv);
    QProcess process;
    process.setProgram(window);
    if (process.startDetached())
        return 0;
    error = process.errorString();
#endif
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("plc::UpdateMain",
                                                        "plc-update: cannot start its window %1: %2")
                                .arg(QDir::toNativeSeparators(window), error)));
    return 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    // Qt's own event dispatcher wakes sooner than the GLib one; an update waits for the loader's
    // answer thousands of times.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(toolName());
    // English unless the environment asks for another language, as the tool's command line.
    const InstalledTranslation translation(commandLineLocale());
    if (argc <= 1)
        return startWindow(argv);
    const StoredPort stored = useToolSettingsFile();
    FrameLoaderSwitch loaderSwitch(settingsfile::lineSettings());
    ToolUpdateSettings settings;
    return runUpdateCommandLine(QCoreApplication::arguments(), stored, &settingsfile::portDevice,
                                &loaderSwitch, &settings);
}
