#pragma once

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
};

// Exit codes of plc-update's command line, as the configuration tool's command line has them.
namespace updateexit {
enum : int {
    Done = 0,
    Controller = 1,  // the controller refused, did not answer, or verification differs
    BadInput = 2,    // bad arguments or a bad image file
    Port = 3,        // the serial port cannot be opened or was lost
};
}

int exitCodeOf(const UpdateOutcome &outcome);

}  // namespace plc
