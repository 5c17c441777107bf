// plc-config: the configuration tool's main program.
#include "command_line.h"
#include "dialog_prompts.h"
#include "help_key.h"
#include "main_window.h"

#include <QApplication>
#include <QTimer>

using namespace plc;

namespace {

// The title of the plain message boxes, and the folder of the per-user settings file, which the
// window and the command line share.
const QString kApplicationName = QStringLiteral("PLC Tavrix");

}  // namespace

int main(int argc, char *argv[])
{
    // A command runs without a window, so it needs no display.
    if (isCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(kApplicationName);
        return runCommandLine(QCoreApplication::arguments());
    }

    QApplication app(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(kApplicationName);
    QApplication::setStyle(QStringLiteral("Fusion"));  // the same tidy look on every desktop
    QGuiApplication::setDesktopFileName(QStringLiteral("plc-config"));  // its menu entry and icon

    HelpKey helpKey;  // F1 in every window and dialog opens the manual
    DialogPrompts prompts;
    MainWindow window(prompts);
    window.show();
    // A file named on the command line (a double click in a file manager) opens once the window
    // is up, so its messages show over it.
    const QString file = windowFileArgument(QCoreApplication::arguments());
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    return app.exec();
}
