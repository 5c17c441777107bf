#pragma once

#include "switch_to_loader.h"
#include "update_outcome.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace plc {

class UpdateSettings;

// The port the configuration tool's settings name: its number (0 when none) and device.
struct StoredPort {
    int number = 0;
    QString device;
};

// plc-update's command line (see kUsage in its source and --help). Progress and messages go to
// standard error, results to standard output; returns the exit code. Without --port the stored
// port is used; deviceOf maps a port number to its device as the tool does; loaderSwitch does
// --switch (none: --switch is refused); settings keeps each port's unfinished update (none:
// nowhere).
int runUpdateCommandLine(const QStringList &arguments, const StoredPort &stored,
                         const std::function<QString(int)> &deviceOf,
                         LoaderSwitch *loaderSwitch = nullptr, UpdateSettings *settings = nullptr);

}  // namespace plc
