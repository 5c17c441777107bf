#pragma once

#include "outcome.h"

namespace plc {

class PlcLink;

// The connection test on the port and line settings the link has, run as every action runs:
// opens the port, sends ENQ and then the CPU-type probe, each with 100 ms of patience, and
// closes the port. Done with "Successful connect to the CPU with type N" and the CPU type in
// detail ("CPU type 291"); otherwise Unanswered with "No first answer ..." or "No second
// answer ...", or PortNotOpened with the same first text. The message is what the user is
// shown; detail names what really happened ("COM1 (/dev/ttyS0): no answer to ENQ within
// 100 ms", or the setting the port refused).
Outcome testConnection(PlcLink &link);

}  // namespace plc
