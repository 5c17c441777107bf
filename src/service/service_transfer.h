#pragma once

#include "outcome.h"

#include <QStringList>
#include <functional>

namespace plc {

struct TransferContext;

// The two service actions of the "General setting" frame. Each runs on the link as the caller
// set it up (runOnLink: the port is closed on every path) and tells how it ended (a port that
// will not open, an update program that is missing or will not start).

// Asked before each of them (OK and Cancel, empty title).
QString restartQuestion();
QString updateQuestion();

// "Restart PLC": asks, then writes the restart word. The controller restarts rather than answer
// for sure, so its answer is not looked at.
Outcome restartPlc(TransferContext &ctx);

// Where the firmware-update program may lie, in the order it is looked for: the "update"
// folder in each of folders (programFolders: beside the program, then in an installed
// program's private folder).
QStringList updateProgramPaths(const QStringList &folders);

// Starts a program detached, with no arguments, without waiting for it. A program that will
// not start is a Failure naming it, with the system's reason.
void startProgram(const QString &path);

// "Start update firmware for STM32F3": takes the first of the candidate paths that is a program
// (none: a Failure naming them, and nothing is sent: the controller would wait for a firmware load
// that nothing starts), asks, writes the update word without looking at the answer, closes the
// port, lets the controller switch over for 100 ms and starts the program through start.
Outcome updateFirmware(TransferContext &ctx, const QStringList &candidates,
                       const std::function<void(const QString &)> &start = startProgram);

}  // namespace plc
