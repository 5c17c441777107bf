#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace plc {

// The port the configuration tool's settings name: its number (0 when none) and device.
struct StoredPort {
    int number = 0;
    QString device;
};

// plc-update's command line: `plc-update [--port COMn|device] [--line 115200,E,8,1]
// [--no-verify] [--no-start] [--readout-unprotect] [--write-unprotect] FILE`. Progress and
// messages go to standard error; returns the exit code. Without --port the stored port is used;
// deviceOf maps a port number to its device as the tool does.
int runUpdateCommandLine(const QStringList &arguments, const StoredPort &stored,
                         const std::function<QString(int)> &deviceOf);

}  // namespace plc
