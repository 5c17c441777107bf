#include "exit_code.h"

namespace plc {

namespace {

enum ExitCode : int {
    Done = 0,
    Controller = 1,
    BadInput = 2,
    Port = 3,
    Interrupted = 130,  // as shells count a program ended by SIGINT
};

}  // namespace

int exitCodeOf(const Ending &ending)
{
    if (ending.interrupted)
        return Interrupted;
    if (ending.differs)
        return Controller;
    switch (ending.kind) {
        case Outcome::Kind::Done:
            return Done;
        case Outcome::Kind::Refused:
        case Outcome::Kind::Unanswered:
        case Outcome::Kind::WrongAnswer:
            return Controller;
        case Outcome::Kind::PortLost:
        case Outcome::Kind::PortNotOpened:
            return Port;
        case Outcome::Kind::Cancelled:
        case Outcome::Kind::Stopped:
        case Outcome::Kind::Failed:
        case Outcome::Kind::Busy:
            break;
    }
    return BadInput;
}

}  // namespace plc
