#pragma once

#include "config_record.h"
#include "failure.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace plc {

class Console;
class ConsolePrompts;
class ConsoleProgress;
struct TransferContext;

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

// What a command did on one port: how it ended and what it found.
struct PortRun {
    Outcome outcome;
    bool differs = false;      // verify: the controller holds something other than the file
    bool interrupted = false;  // Ctrl-C stopped it
    QString summary = QStringLiteral("done");  // of a command that ended done: "done", "equal"
    QStringList lines;                         // the results, as standard output shows them
    QJsonValue json;                           // the same for --json
    QStringList partsDone;                     // the parts written or read before the end
    QString part;                              // the part it ended in when it did not end done
    bool writes = false;  // a download: stopped midway, it may leave a partial configuration

    // Takes how it ended.
    void end(const Outcome &how);
    // Ctrl-C raised before the run ended stopped it when the run ended cancelled: the link met
    // the stop flag before an exchange.
    void takeCtrlC(bool raised);
    int code() const;  // its exit code
};

// The connection test: "CPU type N" on success.
PortRun runTest(CommandEnv &env);
// Downloads the chosen parts of a configuration (read and checked from its file before) in
// order, stopping at the first that fails.
PortRun runDownload(CommandEnv &env, const WindowConfig &config, const QStringList &parts);
// Uploads every part over startUp (the window's values at start-up) and saves them as a
// configuration file; nothing is saved when one fails.
PortRun runUpload(CommandEnv &env, const WindowConfig &startUp, const QString &file);
// Reads the three error buffers: as text tables (lines) and as JSON.
PortRun runBuffers(CommandEnv &env);
// Reads every part back over the file's values and compares part by part; each difference is
// a line; exit code 1 when there is one.
PortRun runVerify(CommandEnv &env, const WindowConfig &fileConfig);
// A table of cells with its columns padded to their widest cell, " | " between them.
QStringList textTable(const QList<QStringList> &rows);

// Prints one table of a configuration file as CSV, or replaces it by a CSV file's rows.
void runCsv(Console &console, const QString &file, const QString &part, const QString &csvFile);

}  // namespace plc
