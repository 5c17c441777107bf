#pragma once

#include "failure.h"

#include <QString>
#include <QStringList>

class Console;
class ConsolePrompts;
class ConsoleProgress;
struct TransferContext;

// How a command ends.
namespace exitcode {
enum : int {
    Done = 0,
    Controller = 1,  // the controller refused or did not answer
    BadInput = 2,    // bad arguments, a bad file, a configuration its own checks refuse
    Port = 3,        // the serial port cannot be opened (or was lost)
};
}

// The one place an action's outcome becomes an exit code.
int exitCodeOf(const Outcome &outcome);

// The parts a configuration file holds, in the order they are transferred.
const QStringList &configParts();  // "uart1", "uart2", "onewire"

// What the commands that talk to the controller work with: the link in ctx has its port and
// line settings, set once for the whole command.
struct CommandEnv {
    Console &console;
    ConsolePrompts &prompts;
    ConsoleProgress &progress;
    TransferContext &ctx;
};

// The connection test: "CPU type N" on success.
int runTest(CommandEnv &env);
// Loads and checks a configuration file, then downloads the chosen parts in order, stopping at
// the first that fails.
int runDownload(CommandEnv &env, const QString &file, const QStringList &parts);
// Uploads every part and saves them as a configuration file; nothing is saved when one fails.
int runUpload(CommandEnv &env, const QString &file);
// Reads the three error buffers and prints them, as text tables or as JSON.
int runBuffers(CommandEnv &env, bool json);
// Prints one table of a configuration file as CSV, or replaces it by a CSV file's rows.
int runCsv(Console &console, const QString &file, const QString &part, const QString &csvFile);
