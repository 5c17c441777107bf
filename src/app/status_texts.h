#pragma once

#include <QString>

namespace plc {

struct Outcome;

// The texts of the main window's status line.

// The chosen port, the device behind it and its line settings: "COM1 → /dev/ttyUSB0, 9600 N 8 1",
// with "(not present)" after a device that is missing.
QString portStatusText(int portNumber, const QString &device, const QString &lineSettings,
                       bool present = true);

// How the last action ended: "UART 1 download: done in 1.7 s", "1-wire upload: Answer timeout
// from PLC", "... nothing sent" when it stopped before opening the port, and for a download that
// stopped or was cancelled midway how far it got ("UART 1 download stopped after 8 of 16 pieces:
// ...", "... cancelled after ...") or that it wrote nothing. updateUnfinished: an update on the
// port was left unfinished, so a controller that does not answer may still be in its loader; the
// text then says so and how to finish it.
QString actionStatusText(const QString &action, const Outcome &outcome,
                         bool updateUnfinished = false);

}  // namespace plc
