#pragma once

#include "update_outcome.h"

#include <QString>

namespace plc {

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

}  // namespace plc
