#pragma once

#include "outcome.h"

namespace plc {

// How an action of a command line ended, as far as its exit code goes.
struct Ending {
    Outcome::Kind kind = Outcome::Kind::Done;
    bool differs = false;      // what was read back differs from what was meant
    bool interrupted = false;  // Ctrl-C stopped it
};

// The one place an ending becomes an exit code, for plc-config's and plc-update's command lines
// alike: 0 done; 1 the controller refused, did not answer, or holds something else; 2 bad
// arguments, a bad file or a check that refused; 3 the port cannot be opened or was lost; 130
// stopped by Ctrl-C.
int exitCodeOf(const Ending &ending);

}  // namespace plc
