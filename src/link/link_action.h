#pragma once

#include "failure.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class PlcLink;
class Prompts;
class ProgressDisplay;
class QWidget;

// Asked before every configuration download (OK and Cancel, empty title).
inline const QString kDownloadQuestion =
    QStringLiteral("You are shure for download configuration to the PLC ? ");

// How one named user action on the link ended, for the window's status line.
struct ActionOutcome {
    QString action;   // such as "UART 1 download"
    QString failure;  // the text shown when a Failure stopped it; empty otherwise
    // From the port's opening to the action's end, in ms; -1 when the action never opened it
    // (a question answered with Cancel, a table fault): then nothing went to the controller.
    qint64 openMs = -1;
};

// What a user action that talks to the controller needs of its window.
struct TransferContext {
    PlcLink &link;
    Prompts &prompts;
    ProgressDisplay &progress;
    QWidget *window = nullptr;
    // The failure that ended the last action run on this context, if one did.
    std::optional<Failure> failure = std::nullopt;
    // Each download that succeeds reads back what it wrote and compares.
    bool verifyWrites = false;
    // Told how every named action ended.
    std::function<void(const ActionOutcome &)> finished = {};
};

// Runs one user action on the link. While another action runs on the same link (waiting for
// the controller) the new one is ignored and false comes back, so frames never interleave.
// A Failure ends the action: the port is closed, then the failure's text is shown. The port
// is closed on every path. A named action reports its outcome to ctx.finished.
bool runLinkAction(TransferContext &ctx, const QString &name, const std::function<void()> &action);
inline bool runLinkAction(TransferContext &ctx, const std::function<void()> &action)
{
    return runLinkAction(ctx, QString(), action);
}

// A write whose answer decides whether the transfer goes on: NAK ends it with
// "Wrong answer from PLC", silence with "Answer timeout from PLC"; any other answer goes on.
void writeExamined(PlcLink &link, int timeoutMs, const QString &command, const QString &address,
                   const QString &count, const QString &data);
