#pragma once

#include "commands.h"
#include "line_settings.h"

#include <QList>
#include <atomic>
#include <functional>

namespace plc {

// How a port is named in messages and tables: "COM3 (/dev/ttyUSB2)", or the device alone.
QString portLabel(const PortSetup &port);
// What {port} in an upload's file name becomes: "COM3", or the device's file name ("ttyUSB2").
QString portTag(const PortSetup &port);

// What a command does on the port with this index, in the worker thread of that port.
using PortCommand = std::function<PortRun(CommandEnv &env, int port)>;

// Runs a command on one port, on this thread, its progress and messages on the console's
// standard error; how it ended, Ctrl-C taken (a raised stop flag ends it at its next exchange).
PortRun runOnPort(Console &console, const PortSetup &port, const std::atomic<bool> &stop,
                  const PortCommand &command);

// Runs a command on several ports side by side: each port on a thread of its own with its own
// link, prompts and progress, so one port's failure or wait never holds up another. Progress and
// messages go to standard error, one line per port (in place on a terminal). As each port ends
// its line goes to standard output ("COM3 (/dev/ttyUSB2): done in 2.1 s") with its results
// indented below, then a summary table; with json, one JSON array of an object per port instead.
// A raised stop flag (Ctrl-C) stops every port at its next exchange; the ports left with a
// partial download are named. Returns the worst (numerically highest) of the ports' exit codes,
// 130 when Ctrl-C stopped any.
int runOnPorts(Console &console, const QList<PortSetup> &ports, bool json,
               const std::atomic<bool> &stop, const PortCommand &command);

// After Ctrl-C: the line naming the ports left with a partial download (or none).
QString partialDownloadNote(const QStringList &partialPorts);
// Whether a run stopped by Ctrl-C left its port with a partial configuration: a part written in
// part, or some parts written and not all.
bool leftPartial(const PortRun &run);

}  // namespace plc
