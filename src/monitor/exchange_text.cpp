#include "exchange_text.h"

#include "hex_text.h"

namespace plc {

namespace exchangetext {

namespace {

const char *const kControlNames[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                     "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                     "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                     "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

QString dataOf(const ExchangeRecord &record)
{
    const FrameFields fields = decodeRequest(record.request);
    if (!isReadRequest(fields))
        return QString::fromLatin1(fields.data);
    if (record.outcome != ExchangeOutcome::Accepted)
        return QString();
    const int digits = 2 * hexToNumber(QString::fromLatin1(fields.count));
    return QString::fromLatin1(record.answer.mid(1, digits));
}

}  // namespace

QString heading(int column)
{
    static const QString headings[kColumns] = {
        QStringLiteral("Time"),   QStringLiteral("Port"),    QStringLiteral("Request"),
        QStringLiteral("Answer"), QStringLiteral("Command"), QStringLiteral("Address"),
        QStringLiteral("Count"),  QStringLiteral("Data"),    QStringLiteral("Answer ms"),
        QStringLiteral("Outcome")};
    return column >= 0 && column < kColumns ? headings[column] : QString();
}

QString visible(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() + 16);
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20)
            text += QLatin1Char('<') + QLatin1String(kControlNames[code]) + QLatin1Char('>');
        else if (code == 0x7F)
            text += QLatin1String("<DEL>");
        else if (code > 0x7F)
            text += QLatin1Char('<') + hextext::digits(code, 2) + QLatin1Char('>');
        else
            text += QLatin1Char(c);
    }
    return text;
}

QString outcome(ExchangeOutcome outcome)
{
    switch (outcome) {
        case ExchangeOutcome::Accepted:
            return QStringLiteral("accepted");
        case ExchangeOutcome::Refused:
            return QStringLiteral("refused");
        case ExchangeOutcome::Timeout:
            return QStringLiteral("timeout");
        case ExchangeOutcome::WrongAnswer:
            return QStringLiteral("wrong answer");
        case ExchangeOutcome::PortLost:
            return QStringLiteral("port lost");
    }
    return QString();
}

QString column(const ExchangeRecord &record, int column)
{
    switch (column) {
        case Time:
            return record.sentAt.toString(QStringLiteral("HH:mm:ss.zzz"));
        case Port:
            return QStringLiteral("COM%1 (%2)").arg(record.portNumber).arg(record.device);
        case Request:
            return visible(record.request);
        case Answer:
            return visible(record.answer);
        case Command:
            return visible(decodeRequest(record.request).command);
        case Address:
            return QString::fromLatin1(decodeRequest(record.request).address);
        case Count:
            return QString::fromLatin1(decodeRequest(record.request).count);
        case Data:
            return dataOf(record);
        case AnswerMs:
            return QString::number(record.answerMs);
        case Outcome:
            return outcome(record.outcome);
    }
    return QString();
}

QString pauseColumn(const ExchangeRecord &resumed, int missed, int column)
{
    if (column == Time)
        return exchangetext::column(resumed, Time);
    if (column != Data)
        return QString();
    return missed == 1 ? QStringLiteral("1 exchange not recorded while paused")
                       : QStringLiteral("%1 exchanges not recorded while paused").arg(missed);
}

}  // namespace exchangetext

}  // namespace plc
