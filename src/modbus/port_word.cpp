#include "port_word.h"

namespace plc {

namespace {

constexpr quint16 kInUse = 0x4000;
constexpr quint16 kMaster = 0x8000;

}  // namespace

const QStringList &speedEntries()
{
    static const QStringList entries = {QStringLiteral("9600"),   QStringLiteral("19200"),
                                        QStringLiteral("38400"),  QStringLiteral("57600"),
                                        QStringLiteral("115200"), QStringLiteral("187500"),
                                        QStringLiteral("256000"), QStringLiteral("500000")};
    return entries;
}

const QStringList &parityEntries()
{
    // Kept by their text in project files; the window shows them translated.
    static const QStringList entries = {
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Odd")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Even")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "None"))};
    return entries;
}

const QStringList &bitEntries()
{
    static const QStringList entries = {QStringLiteral("7"), QStringLiteral("8"),
                                        QStringLiteral("9")};
    return entries;
}

const QStringList &stopEntries()
{
    static const QStringList entries = {QStringLiteral("1"), QStringLiteral("1.5"),
                                        QStringLiteral("2")};
    return entries;
}

quint16 encodePortWord(UartMode mode, int speed, int parity, int countOrAddress)
{
    if (mode == UartMode::NotUse)
        return 0;
    // Each field is kept to its own bits so that one can never spill into the next.
    quint16 word = quint16(((speed & 0x7) << 8) | ((parity & 0x3) << 11) | (countOrAddress & 0xFF));
    word |= kInUse;
    if (mode == UartMode::ModbusMaster)
        word |= kMaster;
    return word;
}

PortWordFields decodePortWord(quint16 word)
{
    PortWordFields fields;
    if ((word & (kMaster | kInUse)) == (kMaster | kInUse))
        fields.mode = UartMode::ModbusMaster;
    else if (word >= kInUse && word <= 0x6FFF)
        fields.mode = UartMode::ModbusSlave;
    else if (word == 0)
        fields.mode = UartMode::NotUse;
    fields.speed = (word >> 8) & 0x7;
    const int parity = (word >> 11) & 0x3;
    if (parity < parityEntries().size())
        fields.parity = parity;
    fields.address = word & 0xFF;
    // The download puts the count into all of bits 0-7, so a full table of 128 reads back.
    fields.requestCount = qMin(int(word & 0xFF), kMaxRequests);
    return fields;
}

}  // namespace plc
