#include "transfer_steps.h"

#include "exchange.h"
#include "failure.h"
#include "hex_text.h"
#include "memory_map.h"
#include "plc_link.h"
#include "progress.h"

#include <QCoreApplication>
#include <QList>
#include <optional>

namespace plc {

namespace steps {

namespace {

// The texts of the transfer steps, for the translator.
struct TransferTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::TransferSteps)
};

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
    throw Failure(
        TransferTexts::tr("The controller holds something else than was written: %1 at %2")
            .arg(area, plcmem::text(address)));
}

}  // namespace

Reply send(PlcLink &link, const Request &request, int timeoutMs)
{
    Reply reply = link.exchange(request, timeoutMs);
    if (reply.kind == Reply::Kind::PortLost)
        throw Failure(TransferTexts::tr("The serial port %1 was lost: %2")
                          .arg(link.portName(), reply.lostReason),
                      Outcome::Kind::PortLost, reply.lostReason);
    return reply;
}

void writeExamined(PlcLink &link, int timeoutMs, const Request &write)
{
    switch (send(link, write, timeoutMs).kind) {
        case Reply::Kind::Refused:
            throw Failure(TransferTexts::tr("Wrong answer from PLC"), Outcome::Kind::Refused);
        case Reply::Kind::NoAnswer:
            throw Failure(TransferTexts::tr("Answer timeout from PLC"), Outcome::Kind::Unanswered);
        default:
            ++link.tally().writes;
    }
}

int pieceCount(qsizetype chars)
{
    return qMax(1, int((chars + kPieceChars - 1) / kPieceChars));
}

void planWrites(PlcLink &link, int words, int pieces)
{
    // Added up: the parts of "Load to PLC" are planned one after the other in one action.
    WriteTally &tally = link.tally();
    tally.plannedPieces += pieces;
    tally.plannedWrites += words + pieces;
}

void writeBetweenServiceWords(PlcLink &link, const std::function<void()> &body)
{
    const int service = plcmem::kServiceWord.address;
    writeExamined(link, kServiceTimeoutMs, Request::write(service, QStringLiteral("0FFF")));
    body();
    writeExamined(link, kServiceTimeoutMs, Request::write(service, QStringLiteral("0000")));
}

void writeWord(PlcLink &link, int timeoutMs, int address, quint16 value)
{
    writeExamined(link, timeoutMs, Request::write(address, hextext::word(value)));
}

void writeText(PlcLink &link, ProgressGuard &progress, int timeoutMs, int base, const QString &text)
{
    const int total = int(text.size());
    if (total < kPieceChars) {
        writeExamined(link, timeoutMs, Request::write(base, text));
        ++link.tally().pieces;
        progress.pieceDone(1, 1);
        return;
    }
    const QList<Piece> pieces = piecesOf(total);
    for (int i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces.at(i);
        writeExamined(link, timeoutMs,
                      Request::write(base + piece.first / 2, text.mid(piece.first, piece.chars)));
        ++link.tally().pieces;
        progress.setPercent(percentAfter(piece, total));
        progress.pieceDone(i + 1, int(pieces.size()));
        link.pause(kPiecePauseMs);
    }
}

Reply readAnswered(PlcLink &link, int timeoutMs, int address, int bytes)
{
    Reply reply = send(link, Request::read(address, bytes), timeoutMs);
    switch (reply.kind) {
        case Reply::Kind::Data:
            return reply;
        case Reply::Kind::WrongAnswer:
            throw Failure(TransferTexts::tr("Wrong answer from PLC"), Outcome::Kind::WrongAnswer);
        default:
            // A read is whole only at its full length, so a lone NAK ends in silence too.
            throw Failure(TransferTexts::tr("Answer timeout from PLC"), Outcome::Kind::Unanswered);
    }
}

quint16 readWord(PlcLink &link, int timeoutMs, int address)
{
    return readAnswered(link, timeoutMs, address, 2).word();
}

QString readText(PlcLink &link, ProgressGuard *progress, int timeoutMs, int base, int totalChars)
{
    QString text;
    const QList<Piece> pieces = piecesOf(totalChars);
    for (int i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces.at(i);
        const Reply answer = readAnswered(link, timeoutMs, base + piece.first / 2, piece.chars / 2);
        text += QLatin1String(answer.digits());
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
        guard.emplace(*progress, cancelActionOn(link));
    const QString held =
        readText(link, guard ? &*guard : nullptr, timeoutMs, base, int(written.size()));
    const int byte = firstDifferentByte(written, held);
    if (byte >= 0)
        throwDifference(area, base + byte);
}

}  // namespace steps

}  // namespace plc
