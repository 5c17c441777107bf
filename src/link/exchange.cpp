#include "exchange.h"

#include "frame.h"

namespace plc {

namespace {

// Upper-case hexadecimal digits of value, width of them.
QByteArray hexDigits(int value, int width)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(width, '0');
}

// The value of upper-case hexadecimal digits; -1 when one is not such a digit.
int hexValue(QByteArrayView digits)
{
    int value = 0;
    for (const char c : digits) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

QByteArray Request::commandText() const
{
    switch (command) {
        case Command::Read:
            return QByteArrayLiteral("E00");
        case Command::Write:
            return QByteArrayLiteral("E11");
        case Command::CommandWrite:
            return QByteArrayLiteral("E10");
        case Command::CpuTypeProbe:
            return QByteArrayLiteral("0");
        case Command::Enquiry:
            break;
    }
    return QByteArray(1, frame::ENQ);
}

QByteArray Request::addressText() const
{
    return command == Command::Enquiry ? QByteArray() : hexDigits(address, 4);
}

QByteArray Request::countText() const
{
    return command == Command::Enquiry ? QByteArray() : hexDigits(bytes, 2);
}

QByteArray Request::frame() const
{
    if (command == Command::Enquiry)
        return commandText();
    return frame::build(commandText() + addressText() + countText() + data);
}

Reply Reply::judge(const Request &request, QByteArray received, bool whole,
                   const QString &lostReason)
{
    Reply reply;
    reply.received = std::move(received);
    if (!whole) {
        if (!lostReason.isNull()) {
            reply.kind = Kind::PortLost;
            reply.lostReason = lostReason;
        } else {
            // A controller that cannot parse a frame says NAK at once, whatever it was asked.
            reply.kind = reply.received.startsWith(frame::NAK) ? Kind::Refused : Kind::NoAnswer;
        }
        return reply;
    }
    if (request.readsData()) {
        // The checksum stays unexamined: how the controller sums is not known for certain.
        reply.kind =
            frame::isReadAnswer(reply.received, request.bytes) ? Kind::Data : Kind::WrongAnswer;
        return reply;
    }
    switch (reply.received.at(0)) {
        case frame::ACK:
            reply.kind = Kind::Acknowledged;
            break;
        case frame::NAK:
            reply.kind = Kind::Refused;
            break;
        default:
            reply.kind = Kind::WrongAnswer;
    }
    return reply;
}

quint16 Reply::word(int byte) const
{
    // Digits of the low byte first, then of the high byte.
    if (received.size() < 5 + 2 * byte)
        return 0;
    const QByteArrayView group = QByteArrayView(received).sliced(1 + 2 * byte, 4);
    const int low = hexValue(group.first(2));
    const int high = hexValue(group.last(2));
    return low < 0 || high < 0 ? 0 : quint16(high << 8 | low);
}

}  // namespace plc
