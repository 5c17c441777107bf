#pragma once

#include "line_settings.h"

#include <QList>
#include <QString>
#include <atomic>
#include <optional>

namespace plc {

class Console;

// One side of a diff: a file (.vqc, .rfp, .plcproj), or the controller on a port.
struct DiffSide {
    QString file;
    std::optional<PortSetup> port;
};

// Compares two sides and prints every difference as verify does, one line each with the sides'
// names (a file's name, a port's label), or "equal"; with json one object naming both sides with
// an array of the differences. The files are read first, so a refused one opens no port. A
// controller reads the parts the other side holds over its values, or every part over the
// start-up state when the other is a controller too. The exit code: 0 equal, 1 different or a
// controller that refused or did not answer, 3 a port that did not open, 130 Ctrl-C; a refused
// file is a Failure.
int runDiff(Console &console, const QList<DiffSide> &sides, bool json,
            const std::atomic<bool> &stop);

}  // namespace plc
