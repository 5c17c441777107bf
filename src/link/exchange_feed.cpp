#include "exchange_feed.h"

#include "frame.h"
#include "hex_text.h"

#include <QMetaMethod>

namespace plc {

FrameFields decodeRequest(const QByteArray &request)
{
    FrameFields fields;
    if (!request.startsWith(frame::STX)) {
        fields.command = request;
        return fields;
    }
    const qsizetype etx = request.indexOf(frame::ETX);
    const QByteArray body = request.mid(1, etx < 0 ? -1 : etx - 1);
    // Reads and writes have three-letter commands ("E00", "E11", "E10"), the probe one digit.
    const qsizetype commandSize = body.startsWith('E') ? 3 : 1;
    fields.command = body.left(commandSize);
    fields.address = body.mid(commandSize, 4);
    fields.count = body.mid(commandSize + 4, 2);
    fields.data = body.mid(commandSize + 6);
    return fields;
}

bool isReadRequest(const FrameFields &fields)
{
    return fields.command == "E00" || fields.command == "0";
}

ExchangeOutcome judgeExchange(const QByteArray &request, const QByteArray &answer, bool accepted,
                              bool portLost)
{
    if (!accepted) {
        if (portLost)
            return ExchangeOutcome::PortLost;
        // A controller that cannot parse a frame says NAK at once, whatever it was asked.
        return answer.startsWith(frame::NAK) ? ExchangeOutcome::Refused : ExchangeOutcome::Timeout;
    }
    const FrameFields fields = decodeRequest(request);
    if (isReadRequest(fields)) {
        const bool shaped = frame::isReadAnswer(QString::fromLatin1(answer),
                                                hexToNumber(QString::fromLatin1(fields.count)));
        return shaped ? ExchangeOutcome::Accepted : ExchangeOutcome::WrongAnswer;
    }
    switch (answer.at(0)) {
        case frame::ACK:
            return ExchangeOutcome::Accepted;
        case frame::NAK:
            return ExchangeOutcome::Refused;
        default:
            return ExchangeOutcome::WrongAnswer;
    }
}

ExchangeFeed &ExchangeFeed::instance()
{
    static ExchangeFeed feed;
    return feed;
}

bool ExchangeFeed::isListened() const
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&ExchangeFeed::finished);
    return isSignalConnected(signal);
}

}  // namespace plc
