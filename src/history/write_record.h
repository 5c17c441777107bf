#pragma once

#include "history_entry.h"
#include "line_settings.h"
#include "outcome.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace plc {

// Recording the writes to a controller in this user's history (historyFilePath()). What the
// history calls "sent" is the data bytes of every write request an action sent, in the order
// they went out, accepted or not: the bytes the controller was to take into its memory, as a
// frame log shows them after the address and count (WriteTally::sent). Its SHA-256 is recorded.
//
// A history that cannot be written changes nothing of the action: the write has happened. It is
// said on standard error.

// How an outcome ended, as one word: "done", "cancelled", "stopped", "failed", "refused",
// "timeout", "wrong-answer", "port-lost", "port-not-opened", "busy".
QString outcomeWord(Outcome::Kind kind);

// A new entry for action on port, stamped now with this user, host and program version.
HistoryEntry newHistoryEntry(const QString &action, const PortSetup &port);
// Takes what was sent: its SHA-256 and its size.
void takeSent(HistoryEntry &entry, const QByteArray &sent);
// Takes how an action ended: its word, its text, whether it may have left a partial
// configuration, whether it read back what it wrote.
void takeOutcome(HistoryEntry &entry, const Outcome &outcome, bool partial);

// Whether an action got as far as the port: it opened it, sent something, or found that it
// would not open. A question answered Cancel, a check that refused or a busy link did not.
bool reachedPort(const Outcome &outcome);

// Appends the entry to this user's history; false when it could not.
bool recordWrite(const HistoryEntry &entry);

// An action that writes to the controller ended (the window, the production window): records
// it, with the file it wrote from (null for none) and the CPU type when the action read it;
// one that never reached the port records nothing.
void recordActionOutcome(const QString &action, const PortSetup &port, const QString &file,
                         const Outcome &outcome, std::optional<int> cpuType = std::nullopt);

// The window's action reports that write to the controller, as the history names them:
// "UART 1 download" is "download UART 1", "PLC restart" "restart"; none for the others.
std::optional<QString> historyActionOfReport(const QString &reported);
// A window action was reported: recorded when it is a write.
void recordWindowReport(const QString &reported, const PortSetup &port, const QString &file,
                        const Outcome &outcome);

// For the firmware-update program: an image written through the controller's serial loader
// ended. Recorded as "firmware update" with the image file, the SHA-256 of the bytes written
// into flash in the order they were sent (the image as written, without the loader's framing),
// how it ended as one word ("done", "refused", "timeout", "cancelled", "write-protected" ...)
// with its text, and whether the flash may now hold part of the image.
void recordFirmwareUpdate(const PortSetup &port, const QString &imageFile,
                          const QByteArray &written, const QString &outcome, const QString &message,
                          bool partial, std::optional<int> cpuType = std::nullopt);

}  // namespace plc
