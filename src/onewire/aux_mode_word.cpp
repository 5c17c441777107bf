#include "aux_mode_word.h"

namespace plc {

namespace {

constexpr quint16 kMasterBits = 0xC000;
constexpr quint16 kFieldNetBit = 0x8000;
constexpr int kStopShift = 13;
constexpr int kBitsShift = 12;
constexpr int kParityShift = 10;
constexpr int kSpeedShift = 7;
constexpr quint16 kCountMask = 0x7F;

// The controller's speed codes by list index; 115200 is 7, not 4.
constexpr int kSpeedCodes[] = {0, 1, 2, 3, 7};

bool has(quint16 word, quint16 bits)
{
    return (word & bits) == bits;
}

// The speed list index the controller's code stands for; it tests the widest code first.
int speedIndex(quint16 word)
{
    const auto bitsAt = [](int first, int count) {
        return quint16(((1 << count) - 1) << first);
    };
    if (has(word, bitsAt(kSpeedShift, 3)))
        return 4;
    if (has(word, bitsAt(kSpeedShift, 2)))
        return 3;
    if (has(word, bitsAt(kSpeedShift + 1, 1)))
        return 2;
    return has(word, bitsAt(kSpeedShift, 1)) ? 1 : 0;
}

int parityIndex(quint16 word)
{
    if (has(word, 2 << kParityShift))
        return 2;
    return has(word, 1 << kParityShift) ? 1 : 0;
}

}  // namespace

const QStringList &auxModeEntries()
{
    // Kept by their text in project files; the window shows them translated.
    static const QStringList entries = {
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "1-wire master")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Field Net")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Not use"))};
    return entries;
}

const FieldNetEntries &fieldNetEntries()
{
    static const FieldNetEntries entries = {
        {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
         QStringLiteral("57600"), QStringLiteral("115200")},
        {QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "None")),
         QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Odd")),
         QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Even"))},
        {QStringLiteral("7"), QStringLiteral("8")},
        {QStringLiteral("1"), QStringLiteral("2")}};
    return entries;
}

bool FieldNetSettings::operator==(const FieldNetSettings &other) const
{
    return speed == other.speed && parity == other.parity && bits == other.bits &&
           stop == other.stop;
}

quint16 encodeAuxWord(AuxMode mode, const FieldNetSettings &fieldNet, int sensorCount)
{
    switch (mode) {
        case AuxMode::OneWireMaster:
            return quint16(kMasterBits | (sensorCount & 0x3FFF));
        case AuxMode::FieldNet: {
            const int speed = kSpeedCodes[qBound(0, fieldNet.speed, 4)];
            return quint16(kFieldNetBit | (fieldNet.stop & 1) << kStopShift |
                           (fieldNet.bits & 1) << kBitsShift |
                           (fieldNet.parity & 3) << kParityShift | speed << kSpeedShift);
        }
        case AuxMode::NotUse:
            break;
    }
    return 0;
}

AuxWordFields decodeAuxWord(quint16 word)
{
    AuxWordFields fields;
    if (has(word, kMasterBits)) {
        fields.mode = AuxMode::OneWireMaster;
        fields.sensorCount = word & kCountMask;
    } else if (has(word, kFieldNetBit)) {
        fields.mode = AuxMode::FieldNet;
        fields.fieldNet = {speedIndex(word), parityIndex(word), has(word, 1 << kBitsShift) ? 1 : 0,
                           has(word, 1 << kStopShift) ? 1 : 0};
    }
    return fields;
}

}  // namespace plc
