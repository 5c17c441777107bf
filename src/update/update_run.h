#pragma once

#include "firmware_image.h"
#include "loader_client.h"
#include "loader_port.h"
#include "modem_lines.h"

#include <QList>
#include <QString>
#include <functional>

namespace plc {

class InterruptWatch;
class LoaderSwitch;
class UpdateSettings;

// One port to work on: how it is named, its device, and the files that are its own (a name
// with {port} becomes one per port).
struct PortJob {
    QString name;
    int number = 0;  // COMn; 0 for a device named by its path
    QString device;
    QString backupFile = {};  // the backup before a write; empty: none
    QString readFile = {};    // --read
};

// What the command line asked for, the same on every port.
struct UpdateRequest {
    enum class Task { Write, Read, Compare };
    Task task = Task::Write;
    FirmwareImage image;  // to write or to compare
    QString imageFile;    // the file it was read from
    qint64 readSize = 0;  // --read: 0 for the whole flash
    LoaderLine line;
    WriteOptions options;
    bool readoutUnprotect = false;
    bool writeUnprotect = false;
    ModemSequence entry;                   // driven before the first 0x7F
    ModemSequence exit;                    // driven after the write in place of Go
    LoaderSwitch *loaderSwitch = nullptr;  // --switch: sent first
    // Where each port's unfinished update is marked (none: nowhere); used on this thread only.
    UpdateSettings *settings = nullptr;
};

// How far a run on a port got: the controller switched over or its loader answered, and the
// firmware started (Go acknowledged, or the exit sequence driven).
struct PortReach {
    bool reached = false;
    bool started = false;
};

using Say = std::function<void(const QString &)>;

// The work on one port, its messages through tell and its progress through progress; how it
// ended. Ctrl-C (watch, delivered on this thread) stops a write at its next block.
UpdateOutcome runOnPort(const PortJob &job, const UpdateRequest &request, const Say &tell,
                        const Say &progress, InterruptWatch *watch, PortReach *reach = nullptr);

// Several ports side by side, each on its own thread with its own loader client; a line per port
// on standard output as each ends, then the exit code: the highest of the ports', 130 after
// Ctrl-C.
int runOnPorts(const QList<PortJob> &jobs, const UpdateRequest &request);

// One port on this thread, Ctrl-C handled as with several; the exit code.
int runOnOnePort(const PortJob &job, const UpdateRequest &request, const Say &say);

}  // namespace plc
