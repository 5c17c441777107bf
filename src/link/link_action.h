#pragma once

#include "line_settings.h"
#include "outcome.h"

#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace plc {

class PlcLink;
class Prompts;
class ProgressDisplay;

// Asked before every configuration download (OK and Cancel, empty title).
QString downloadQuestion();

// What an action that talks to the controller needs of its caller: the link (set up by the
// caller), where its questions go (they come in the middle of an action), where it shows its
// progress, and whether downloads read back what they wrote.
struct TransferContext {
    PlcLink &link;
    Prompts &prompts;
    ProgressDisplay &progress;
    QWidget *window = nullptr;  // the parent of its questions and message boxes
    // Each download that succeeds reads back what it wrote and compares.
    bool verifyWrites = false;
    // Told how every named action ended, before its message box waits for the user.
    std::function<void(const QString &action, const Outcome &)> finished = {};
    // The port and line settings stored for the tool, read afresh by the window each time an
    // action that takes them is about to start; none where nothing is stored (the command line
    // sets its link up once).
    std::function<PortSetup()> storedPort = {};
    // Shows a short note in the window's status line (what a table's CSV entries did); none
    // where there is no status line.
    std::function<void(const QString &text)> note = {};
    // Names the change an action is about to make to the window's content, for its undo step
    // ("import CSV into UART 1 requests"); none where nothing is undone.
    std::function<void(const QString &name)> nameEdit = {};
};

// Passes a note on to the status line, when there is one.
inline void note(const TransferContext &ctx, const QString &text)
{
    if (ctx.note)
        ctx.note(text);
}

// Names the change about to be made, right before it is made.
inline void nameNextEdit(const TransferContext &ctx, const QString &name)
{
    if (ctx.nameEdit)
        ctx.nameEdit(name);
}

// Before an action that takes the stored port settings: applies them to the link, unless an
// action still runs on it (it keeps what it opened the port with).
void takeStoredPort(TransferContext &ctx, PlcLink &link);
inline void takeStoredPort(TransferContext &ctx)
{
    takeStoredPort(ctx, ctx.link);
}

// Runs one action on the link. While another action runs on the same link (waiting for the
// controller) the new one does not start: Busy comes back, so frames never interleave. A
// Failure ends the action and becomes its outcome; the port is closed on every path. An action
// the user cancelled ends Cancelled with no message and cancelledByUser() as its detail.
Outcome runOnLink(PlcLink &link, const std::function<Outcome()> &action);

// Asks the question (OK and Cancel) while the link is still free, then runs the action on it as
// runOnLink does; Cancel ends it Cancelled with nothing sent. A busy link asks nothing.
Outcome askThenRun(TransferContext &ctx, const QString &question,
                   const std::function<Outcome()> &action);

// Tells the user how a named action ended, in one place for the whole window: the status line
// first (ctx.finished), then the message box when the outcome has something to say.
const Outcome &report(TransferContext &ctx, const QString &action, const Outcome &outcome);
template <typename T>
const Result<T> &report(TransferContext &ctx, const QString &action, const Result<T> &result)
{
    report(ctx, action, result.outcome);
    return result;
}

// Runs a read on the link as runOnLink does; what it read comes back only when it ended done.
template <typename T, typename Read>
Result<T> readOnLink(PlcLink &link, Read read)
{
    Result<T> result;
    result.outcome = runOnLink(link, [&] {
        result.value = read();
        return Outcome();
    });
    if (!result.done())
        result.value = T();
    return result;
}

}  // namespace plc
