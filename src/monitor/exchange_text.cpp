#include "exchange_text.h"

#include "hex_text.h"

#include <QCoreApplication>

namespace plc {

namespace exchangetext {

namespace {

// The texts of the monitor's columns, for the translator.
struct ExchangeTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ExchangeText)
};

const char *const kControlNames[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                     "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                     "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                     "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

QString dataOf(const ExchangeRecord &record)
{
    if (!record.request.readsData())
        return QString::fromLatin1(record.request.data);
    return record.reply.isData() ? QString::fromLatin1(record.reply.digits()) : QString();
}

}  // namespace

QString heading(int column)
{
    static const char *const headings[kColumns] = {
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Time"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Port"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Request"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Answer"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Command"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Address"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Count"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Data"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Answer ms"),
        QT_TRANSLATE_NOOP("plc::ExchangeText", "Outcome")};
    return column >= 0 && column < kColumns ? ExchangeTexts::tr(headings[column]) : QString();
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

QString outcome(Reply::Kind kind)
{
    switch (kind) {
        case Reply::Kind::Acknowledged:
        case Reply::Kind::Data:
            return ExchangeTexts::tr("accepted");
        case Reply::Kind::Refused:
            return ExchangeTexts::tr("refused");
        case Reply::Kind::NoAnswer:
            return ExchangeTexts::tr("timeout");
        case Reply::Kind::WrongAnswer:
            return ExchangeTexts::tr("wrong answer");
        case Reply::Kind::PortLost:
            return ExchangeTexts::tr("port lost");
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
            return visible(record.frame);
        case Answer:
            return visible(record.reply.received);
        case Command:
            return visible(record.request.commandText());
        case Address:
            return QString::fromLatin1(record.request.addressText());
        case Count:
            return QString::fromLatin1(record.request.countText());
        case Data:
            return dataOf(record);
        case AnswerMs:
            return QString::number(record.answerMs);
        case Outcome:
            return outcome(record.reply.kind);
    }
    return QString();
}

QString pauseColumn(const ExchangeRecord &resumed, int missed, int column)
{
    if (column == Time)
        return exchangetext::column(resumed, Time);
    if (column != Data)
        return QString();
    return missed == 1 ? ExchangeTexts::tr("1 exchange not recorded while paused")
                       : ExchangeTexts::tr("%1 exchanges not recorded while paused").arg(missed);
}

}  // namespace exchangetext

}  // namespace plc
