// plc-config: the configuration tool's main program.
#include "main_window.h"
#include "prompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plc-config"));
    QApplication::setApplicationDisplayName(QStringLiteral("PLC Tavrix"));
    QApplication::setStyle(QStringLiteral("Fusion"));  // the same tidy look on every desktop

    DialogPrompts prompts;
    Main window(prompts);
    window.show();
    return app.exec();
}
