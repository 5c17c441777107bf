#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace plc {

class Failure;

// What a download has had accepted by the controller, against what it set out to write: its
// examined writes, and the pieces of a table among them.
struct WriteTally {
    int writes = 0;
    int pieces = 0;
    int plannedWrites = 0;  // 0: the action writes no configuration
    int plannedPieces = 0;
    // The data bytes of every write request that went out, in order, accepted or not.
    QByteArray sent = {};

    // Part of it went in: the controller may hold a partial configuration.
    bool isPartial() const { return writes > 0 && writes < plannedWrites; }
};

// How one action that talks to the controller ended: the one value the window's message boxes,
// its status line and the command line's exit code are all read from.
struct Outcome {
    enum class Kind {
        Done,       // everything went over the line (and read back, where asked)
        Cancelled,  // the user said no to a question (nothing sent) or stopped it midway
        Stopped,    // a check of what was to be sent refused it: nothing sent
        Failed,     // something of the tool's own gave way (a cell, a missing program)
        // The controller or the port gave way, in this order (isLinkFailure).
        Refused,        // the controller answered NAK
        Unanswered,     // the controller stayed silent
        WrongAnswer,    // an answer of another shape
        PortLost,       // the port failed midway
        PortNotOpened,  // the port would not open or refused a line setting
        Busy,           // another action held the link: this one never started
    };

    Kind kind = Kind::Done;
    QString message;  // what the user is shown; empty when there is nothing to show
    QString title;    // the message box's title; null for the application's own
    QString reason;   // the system's reason, for a port lost or not opened
    // From the port's first opening to the action's end, in ms; -1 when it never opened.
    qint64 openMs = -1;
    WriteTally written = {};
    bool verified = false;  // a download read back what it wrote and found it held
    // What a done action found, such as "3 devices found"; for one that did not end done, what
    // really happened where the message says less ("COM1 (/dev/ttyS0): no answer to ENQ ...").
    QString detail = {};

    bool done() const { return kind == Kind::Done; }
    // The controller or the port gave way (not the user, not a check).
    bool isLinkFailure() const;

    static Outcome cancelled() { return {Kind::Cancelled, {}, {}, {}, -1}; }
    static Outcome busy() { return {Kind::Busy, {}, {}, {}, -1}; }
    static Outcome stopped(const QString &message, const QString &title = QString())
    {
        return {Kind::Stopped, message, title, {}, -1};
    }
    // A download done; read back when verified.
    static Outcome downloaded(bool verified)
    {
        Outcome done;
        done.verified = verified;
        return done;
    }
    static Outcome of(const Failure &failure);
};

// An action's outcome with what it read; the value means something only when done.
template <typename T>
struct Result {
    Outcome outcome;
    T value{};

    bool done() const { return outcome.done(); }
};

}  // namespace plc
