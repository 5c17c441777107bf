#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace plc {

class PlcLink;
class ProgressDisplay;
class ProgressGuard;
struct Reply;
struct Request;

// The steps every transfer is made of. A transfer is a short sequence of them with its own
// addresses, counts and timeouts. Each examined write that is refused or not answered raises
// a Failure ("Wrong answer from PLC", "Answer timeout from PLC"), and so does a read that gets
// no answer: the transfer stops there and nothing read so far reaches the window.
namespace steps {

// The answer timeout of the service word's writes.
constexpr int kServiceTimeoutMs = 1000;
// Texts travel in pieces of at most 64 bytes (128 digits); the controller needs a pause after
// each piece of a longer text it stores.
constexpr int kPieceChars = 128;
constexpr int kPiecePauseMs = 100;

// Sends one request and hands back the reply; a port lost meanwhile ends the action
// ("The serial port ... was lost: ...").
Reply send(PlcLink &link, const Request &request, int timeoutMs);

// A write whose answer decides whether the transfer goes on: NAK ends it with
// "Wrong answer from PLC", silence with "Answer timeout from PLC"; any other answer goes on.
void writeExamined(PlcLink &link, int timeoutMs, const Request &write);

// How many writes writeText makes of a text of `chars` digits (the empty text is one).
int pieceCount(qsizetype chars);
// What a download is about to write: `words` examined writes (service words included) and a
// table in `pieces` pieces, added to what the action planned before. The window tells from it
// how far a stopped download got.
void planWrites(PlcLink &link, int words, int pieces = 0);

// Writes "0FFF" into the service word, runs body, and writes "0000": the controller takes a
// configuration only between the two.
void writeBetweenServiceWords(PlcLink &link, const std::function<void()> &body);

// Writes one 16-bit word, low byte first, and examines the answer.
void writeWord(PlcLink &link, int timeoutMs, int address, quint16 value);

// Writes a text of hexadecimal digits from base. A text shorter than one piece goes in one
// write, with no pause and no progress (an empty text is a write of count "00"); a longer one
// in pieces of 64 bytes, each followed by the progress shown and a 100 ms pause (which a cancel
// ends).
void writeText(PlcLink &link, ProgressGuard &progress, int timeoutMs, int base,
               const QString &text);

// Reads `bytes` bytes at address; silence raises "Answer timeout from PLC", an answer of another
// shape "Wrong answer from PLC". The reply holds the data.
Reply readAnswered(PlcLink &link, int timeoutMs, int address, int bytes);

// Reads one 16-bit word, low byte first on the line.
quint16 readWord(PlcLink &link, int timeoutMs, int address);

// Reads totalChars digits from base in pieces of at most 64 bytes, showing the progress after
// each when a progress window is given. Every piece is read before the text comes back.
QString readText(PlcLink &link, ProgressGuard *progress, int timeoutMs, int base, int totalChars);

// Reading back what a download wrote, when the user asks for it. A difference raises
// "The controller holds something else than was written: <area> at <address>".

// Reads back a word written at address.
void verifyWord(PlcLink &link, int timeoutMs, int address, quint16 written, const QString &area);

// Reads back a text written from base, as readText reads it (with the progress window when one
// is given); the address named is that of the first byte that differs.
void verifyText(PlcLink &link, ProgressDisplay *progress, int timeoutMs, int base,
                const QString &written, const QString &area);

}  // namespace steps

}  // namespace plc
