#pragma once

#include "failure.h"
#include "project_compare.h"
#include "project_file.h"
#include "project_transfer.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace plc {

class Console;
class ConsolePrompts;
class ConsoleProgress;
struct TransferContext;

// The window's values at start-up as a project: the Field Net lists at their defaults, an
// empty I/O map, no note.
Project startUpProject();

// The parts a file holds by its name, in the order they are transferred: a configuration file
// (.vqc, .rfp) uart1, uart2 and onewire; a project (.plcproj) the I/O map as well.
ProjectParts partsOfFile(const QString &path);

// The differences in these parts, as verify and diff name them. The Field Net lists and UART 2's
// bit number and stop bits count only where the I/O map does: a configuration file holds none
// of them, a project all (and a controller the Field Net lists and the map).
QList<Difference> differencesIn(Project left, Project right, const ProjectParts &parts,
                                Compared compared = Compared::ControllerValues);

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
    QByteArray sent;      // the data bytes of every write its parts sent, in order

    // Takes how it ended.
    void end(const Outcome &how);
    // Ctrl-C raised before the run ended stopped it when the run ended cancelled: the link met
    // the stop flag before an exchange.
    void takeCtrlC(bool raised);
    // The differences found, one line each: "equal" when there is none.
    void takeDifferences(const QStringList &differences);
    int code() const;  // its exit code
};

// The connection test: "CPU type N" on success.
PortRun runTest(CommandEnv &env);
// Downloads the chosen parts of a project (read and checked from its file before) in order,
// stopping at the first that fails.
PortRun runDownload(CommandEnv &env, const Project &project, const ProjectParts &parts);
// Uploads the parts the file holds over base (the project the file already holds, else the
// window's values at start-up) and saves them as that file; nothing is saved when one fails.
// A project's requests and sensors keep their names by identity; how many, and how many rows
// are new, goes to standard error.
PortRun runUpload(CommandEnv &env, const Project &base, const QString &file);
// Reads the parts over base (what the controller does not hold keeps base's values) into *read;
// stops at the first that fails, and then leaves *read alone.
PortRun runRead(CommandEnv &env, const Project &base, const ProjectParts &parts, Project *read);
// Reads the three error buffers: as text tables (lines) and as JSON.
PortRun runBuffers(CommandEnv &env);
// Reads the file's parts back over its values and compares part by part; each difference is a
// line; exit code 1 when there is one.
PortRun runVerify(CommandEnv &env, const Project &file, const ProjectParts &parts);
// A table of cells with its columns padded to their widest cell, " | " between them.
QStringList textTable(const QList<QStringList> &rows);

}  // namespace plc
