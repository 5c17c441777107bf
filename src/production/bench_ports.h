#pragma once

#include "line_settings.h"

#include <QList>

namespace plc {

// The ports the production window offers, with the line settings stored for the tool: first
// the COM ports the settings file maps to a device (COM1 to COM10), then the serial devices the
// system has that no mapped port names, by their device alone. Read afresh from the settings
// file and the system each time.
QList<PortSetup> benchPorts();

}  // namespace plc
