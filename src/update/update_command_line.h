#pragma once

#include "update_outcome.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace plc {

// The port the configuration tool's settings name: its number (0 when none) and device.
struct StoredPort {
    int number = 0;
    QString device;
};

// Switches a controller that runs its firmware over to its loader, with the controller's own
// protocol (--switch). Lives outside the loader's core: it speaks the configuration tool's
// protocol.
class LoaderSwitch {
public:
    virtual ~LoaderSwitch() = default;
    // Before any port starts, on the main thread: takes the line settings text of --plc-line
    // (empty: the ones stored for the tool). The empty text when usable, else why not.
    virtual QString prepare(const QString &plcLine) = 0;
    // Sends the update word on the port (number 0 for a device named by its path) and lets the
    // controller switch over; from any thread.
    virtual UpdateOutcome switchPort(int number, const QString &device) = 0;
};

// plc-update's command line (see kUsage in its source and --help). Progress and messages go to
// standard error, results to standard output; returns the exit code. Without --port the stored
// port is used; deviceOf maps a port number to its device as the tool does; loaderSwitch does
// --switch (none: --switch is refused).
int runUpdateCommandLine(const QStringList &arguments, const StoredPort &stored,
                         const std::function<QString(int)> &deviceOf,
                         LoaderSwitch *loaderSwitch = nullptr);

}  // namespace plc
