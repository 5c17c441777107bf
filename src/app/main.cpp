// plc-config: the configuration tool's main program.
#include "command_line.h"
#include "dialog_prompts.h"
#include "handover_receiver.h"
#include "help_key.h"
#include "language.h"
#include "main_window.h"
#include "translation.h"
#include "window_handover.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

using namespace plc;

namespace {

// The title of the plain message boxes, and the folder of the per-user settings file, which the
// window and the command line share.
const QString kApplicationName = QStringLiteral("PLC Tavrix");

}  // namespace

int main(int argc, char *argv[])
{
    // A command runs without a window, so it needs no display, and never reaches an open one.
    if (isCommandLine(argc, argv)) {
        const std::unique_ptr<QCoreApplication> app = commandApplication(argc, argv);
        QCoreApplication::setApplicationName(kApplicationName);
        const InstalledTranslation translation(commandLineLocale());
        return runCommandLine(QCoreApplication::arguments());
    }

    QApplication app(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(kApplicationName);
    QApplication::setStyle(QStringLiteral("Fusion"));  // the same tidy look on every desktop
    QGuiApplication::setDesktopFileName(QStringLiteral("plc-config"));  // its menu entry and icon
    // Before any window: every text is translated as it is made. The settings file's place
    // depends on the application's name, set above.
    const InstalledTranslation translation(windowLocale(storedLanguage()));

    const WindowArguments arguments = windowArguments(QCoreApplication::arguments());
    // The window open already may be in another folder: it is given the file's whole path.
    const QString file =
        arguments.file.isEmpty() ? QString() : QFileInfo(arguments.file).absoluteFilePath();
    // One window per user: a later start (a double click in a file manager) hands its file to
    // the window already open, which comes to the front, and ends. A window of its own on
    // purpose (a second controller) neither hands over nor takes hand-overs.
    WindowHandoverServer handovers;
    if (!arguments.ownWindow) {
        if (handOverToWindow(userWindowName(), file))
            return 0;
        handovers.listen(userWindowName());
    }

    HelpKey helpKey;  // F1 in every window and dialog opens the manual
    DialogPrompts prompts;
    MainWindow window(prompts);
    auto *receiver = new HandoverReceiver(window);
    QObject::connect(&handovers, &WindowHandoverServer::handedOver, receiver,
                     &HandoverReceiver::take);
    window.show();
    // A file named on the command line opens once the window is up, so its messages show
    // over it.
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    return app.exec();
}
