#pragma once

#include "outcome.h"

#include <QString>

namespace plc {

class PlcLink;

// What the connection test found: the text the user is shown, the CPU type when the controller
// answered both probes, and why the port would not open when it would not.
struct ConnectionTest {
    enum class Stage { Connected, NoFirstAnswer, NoSecondAnswer };
    Stage stage = Stage::NoFirstAnswer;
    QString cpuType;      // decimal, Connected only
    QString portFailure;  // empty when the port opened
    QString portReason;   // the system's words for it
    QString message;
    // What really happened, for the status line: "COM5 (/dev/ttyS4): No such file or directory".
    QString cause;

    // As an action's outcome: done when connected; the port not opened, or unanswered, with
    // the message the user is shown.
    Outcome outcome() const;
};

// The connection test on the port and line settings the link has: opens the port, sends ENQ and
// then the CPU-type probe, each with 100 ms of patience, and closes the port. A port that will
// not open or fails on the way counts as no answer; nothing is raised.
ConnectionTest testConnection(PlcLink &link);

}  // namespace plc
