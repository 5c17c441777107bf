#include "transfer_steps.h"

#include "exchange.h"
#include "failure.h"
#include "frame.h"
#include "hex_text.h"
#include "memory_map.h"
#include "plc_link.h"
#include "progress.h"

#include <QList>
#include <optional>

namespace plc {

namespace steps {

namespace {

// A piece of a text: its first digit and its number of digits.
struct Piece {
    int first;
    int chars;
};

QList<Piece> piecesOf(int totalChars)
{
    QList<Piece> pieces;
    for (int first = 0; first < totalChars; first += kPieceChars)
        pieces.append({first, qMin(kPieceChars, totalChars - first)});
    return pieces;
}

int percentAfter(const Piece &piece, int totalChars)
{
    return qMin(100, qRound(100.0 * (piece.first + kPieceChars) / totalChars));
}

// The first byte at which two texts of hexadecimal digits differ (upper or lower case alike),
// counted from 0; -1 when they agree.
int firstDifferentByte(const QString &a, const QString &b)
{
    const qsizetype chars = qMax(a.size(), b.size());
    for (qsizetype at = 0; at < chars; at += 2) {
        if (a.mid(at, 2).compare(b.mid(at, 2), Qt::CaseInsensitive) != 0)
            return int(at / 2);
    }
    return -1;
}

[[noreturn]] void throwDifference(const QString &area, int address)
{
    throw Failure(QStringLiteral("The controller holds something else than was written: %1 at %2")
                      .arg(area, plcmem::text(address)));
}

}  // namespace

QString byteCount(int bytes)
{
    return hextext::digits(bytes, 2);
}

void writeExamined(PlcLink &link, int timeoutMs, const QString &command, int address, int bytes,
                   const QString &data)
{
    const QString code =
        writeMemory(link, timeoutMs, command, plcmem::text(address), byteCount(bytes), data);
    if (code == answer::Nak)
        throw Failure(QStringLiteral("Wrong answer from PLC"), Outcome::Kind::Refused);
    if (code == answer::Timeout)
        throw Failure(QStringLiteral("Answer timeout from PLC"), Outcome::Kind::Unanswered);
    ++link.tally().writes;
}

int pieceCount(qsizetype chars)
{
    return qMax(1, int((chars + kPieceChars - 1) / kPieceChars));
}

void planWrites(PlcLink &link, int words, int pieces)
{
    WriteTally &tally = link.tally();
    tally.plannedPieces = pieces;
    tally.plannedWrites = words + pieces;
}

void writeBetweenServiceWords(PlcLink &link, const std::function<void()> &body)
{
    const int service = plcmem::kServiceWord.address;
    writeExamined(link, kServiceTimeoutMs, kWrite, service, 2, QStringLiteral("0FFF"));
    body();
    writeExamined(link, kServiceTimeoutMs, kWrite, service, 2, QStringLiteral("0000"));
}

void writeWord(PlcLink &link, int timeoutMs, int address, quint16 value)
{
    writeExamined(link, timeoutMs, kWrite, address, 2, hextext::word(value));
}

void writeText(PlcLink &link, ProgressGuard &progress, int timeoutMs, int base, const QString &text)
{
    const int total = int(text.size());
    if (total < kPieceChars) {
        writeExamined(link, timeoutMs, kWrite, base, total / 2, text);
        ++link.tally().pieces;
        progress.pieceDone(1, 1);
        return;
    }
    const QList<Piece> pieces = piecesOf(total);
    for (int i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces.at(i);
        writeExamined(link, timeoutMs, kWrite, base + piece.first / 2, piece.chars / 2,
                      text.mid(piece.first, piece.chars));
        ++link.tally().pieces;
        progress.setPercent(percentAfter(piece, total));
        progress.pieceDone(i + 1, int(pieces.size()));
        Pause(kPiecePauseMs);
    }
}

QString readAnswered(PlcLink &link, int timeoutMs, int address, int bytes)
{
    const QString answer = readMemory(link, timeoutMs, plcmem::text(address), byteCount(bytes));
    if (answer.isEmpty())
        throw Failure(QStringLiteral("Answer timeout from PLC"), Outcome::Kind::Unanswered);
    // The checksum stays unexamined: how the controller sums is not known for certain.
    if (!frame::isReadAnswer(answer, bytes))
        throw Failure(QStringLiteral("Wrong answer from PLC"), Outcome::Kind::WrongAnswer);
    return answer;
}

quint16 readWord(PlcLink &link, int timeoutMs, int address)
{
    return hextext::wordAt(readAnswered(link, timeoutMs, address, 2), 0);
}

QString readText(PlcLink &link, ProgressGuard *progress, int timeoutMs, int base, int totalChars)
{
    QString text;
    const QList<Piece> pieces = piecesOf(totalChars);
    for (int i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces.at(i);
        const QString answer =
            readAnswered(link, timeoutMs, base + piece.first / 2, piece.chars / 2);
        text += answer.mid(1, piece.chars);
        if (progress) {
            progress->setPercent(percentAfter(piece, totalChars));
            progress->pieceDone(i + 1, int(pieces.size()));
        }
    }
    return text;
}

void verifyWord(PlcLink &link, int timeoutMs, int address, quint16 written, const QString &area)
{
    if (readWord(link, timeoutMs, address) != written)
        throwDifference(area, address);
}

void verifyText(PlcLink &link, ProgressDisplay *progress, int timeoutMs, int base,
                const QString &written, const QString &area)
{
    if (written.isEmpty())
        return;
    std::optional<ProgressGuard> guard;
    if (progress)
        guard.emplace(*progress);
    const QString held =
        readText(link, guard ? &*guard : nullptr, timeoutMs, base, int(written.size()));
    const int byte = firstDifferentByte(written, held);
    if (byte >= 0)
        throwDifference(area, base + byte);
}

}  // namespace steps

}  // namespace plc
