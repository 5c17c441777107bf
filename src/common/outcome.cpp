#include "outcome.h"

bool Outcome::isLinkFailure() const
{
    switch (kind) {
        case Kind::Refused:
        case Kind::Unanswered:
        case Kind::WrongAnswer:
        case Kind::PortLost:
        case Kind::PortNotOpened:
            return true;
        default:
            return false;
    }
}

Outcome Outcome::of(const Failure &failure)
{
    Kind kind = Kind::Failed;
    switch (failure.cause()) {
        case Failure::Cause::Other:
            break;
        case Failure::Cause::PortNotOpened:
            kind = Kind::PortNotOpened;
            break;
        case Failure::Cause::PortLost:
            kind = Kind::PortLost;
            break;
        case Failure::Cause::Refused:
            kind = Kind::Refused;
            break;
        case Failure::Cause::Unanswered:
            kind = Kind::Unanswered;
            break;
        case Failure::Cause::WrongAnswer:
            kind = Kind::WrongAnswer;
            break;
    }
    return {kind, failure.description(), QString(), failure.reason(), -1};
}
