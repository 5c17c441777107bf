#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <memory>

namespace plc {

// Whether the program was started with a command (a first argument that is no option), or with
// --help or --version, rather than for its window. A lone configuration file (.vqc, .rfp) is no
// command: the window opens with it.
bool isCommandLine(int argc, char **argv);
// The configuration file the window is to load: the only argument after the program's name
// when it names one (as a file manager or the desktop entry passes it); else the empty text.
QString windowFileArgument(const QStringList &arguments);

// A start for the window: the file it is to load (as above), and whether it is a window of its
// own (--new-window, before or after the file) rather than one handing the file to the window
// the user already has open.
struct WindowArguments {
    QString file;
    bool ownWindow = false;
};
WindowArguments windowArguments(const QStringList &arguments);

// The application a command runs in: Qt Core's, or for report, which lays out and draws its
// pages, Qt Gui's on the offscreen platform; no command needs a display.
std::unique_ptr<QCoreApplication> commandApplication(int &argc, char **argv);

// Runs the command of these arguments (the program's name first) and returns the exit code.
// Needs a QCoreApplication; shows no window.
int runCommandLine(const QStringList &arguments);

}  // namespace plc
