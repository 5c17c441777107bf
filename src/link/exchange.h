#pragma once

#include <QString>

namespace plc {

class PlcLink;

// The four exchanges with the controller. The link must be open; each call sends one request
// and waits for the answer, at most timeoutMs of silence on the line.

// Reads count (2 hex digits) bytes at address (4 hex digits). The whole answer from its STX on,
// once it holds 2 x count + 4 characters; the empty text on timeout.
QString readMemory(PlcLink &link, int timeoutMs, const QString &address, const QString &count);

// Writes data with command "E11" or "E10". The answer code: "6" for ACK, "15" for NAK, the hex
// code of any other first character, "16" when nothing arrived in time.
QString writeMemory(PlcLink &link, int timeoutMs, const QString &command, const QString &address,
                     const QString &count, const QString &data);

// The CPU-type probe: the 16-bit value of the answer's data as decimal text, or the empty text
// when no answer of that shape came.
QString readCpuType(PlcLink &link, int timeoutMs, const QString &address);

// Sends one unframed character; the hex code of the first character received, or the empty text.
QString sendCharacter(PlcLink &link, int timeoutMs, int code);

// Answer codes of a write.
namespace answer {
inline const QString Ack = QStringLiteral("6");
inline const QString Nak = QStringLiteral("15");
inline const QString Timeout = QStringLiteral("16");
}  // namespace answer

}  // namespace plc
