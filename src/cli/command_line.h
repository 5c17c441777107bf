#pragma once

#include <QStringList>

// Whether the program was started with a command (a first argument that is no option), or with
// --help or --version, rather than for its window.
bool isCommandLine(int argc, char **argv);

// Runs the command of these arguments (the program's name first) and returns the exit code.
// Needs a QCoreApplication; shows no window.
int runCommandLine(const QStringList &arguments);
