#pragma once

#include "exit_code.h"

#include <QString>

namespace plc {

// How a loader action ended: done, or why not, with the text a user reads.
struct UpdateOutcome {
    enum class Kind {
        Done,
        Cancelled,
        Unanswered,        // no answer to 0x7F, or a step that stayed silent
        WrongAnswer,       // bytes other than ACK or NACK: wrong speed or parity
        Refused,           // NACK
        ReadoutProtected,  // Read Memory refused: the flash can be read and written no more
        WriteProtected,    // Write Memory refused
        VerifyDiffers,
        BadImage,
        PortNotOpened,
        PortLost,
    };
    Kind kind = Kind::Done;
    QString message;

    bool ok() const { return kind == Kind::Done; }
    // Of reaching the loader: whether it answered at all (it may have refused something).
    bool loaderAnswered() const
    {
        return kind != Kind::Unanswered && kind != Kind::WrongAnswer &&
               kind != Kind::PortNotOpened && kind != Kind::PortLost;
    }
    // The same in the configuration tool's terms, for the exit code. ctrlC: Ctrl-C came before
    // it ended, and then an update that did not finish was stopped by it.
    Ending ending(bool ctrlC = false) const;
};

}  // namespace plc
