#pragma once

#include "line_settings.h"
#include "outcome.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace plc {

class StopSwitch;

// The firmware update of one port, done by the firmware-update program (plc-update) as a shell
// would run it: it switches the running controller to its loader with the port's own line
// settings and writes the image. Progress and messages come from its standard error, one line
// each ("write 40/80"); how it ended from its exit code and its last line. A raised stop
// interrupts it as Ctrl-C does, and it stops at its next block. Runs on the calling thread,
// waiting in a local event loop.
// loaderLine: the loader's line settings ("115200,N,8,1"); empty for the program's own (8E1).
Outcome runUpdateProgram(const QStringList &candidates, const PortSetup &port, const QString &image,
                         const QString &loaderLine, StopSwitch &stop,
                         const std::function<void(const QString &line)> &progress);

}  // namespace plc
