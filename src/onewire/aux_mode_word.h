#pragma once

#include <QStringList>
#include <QtGlobal>

namespace plc {

// The auxiliary port's mode, numbered as the tab's mode options are.
enum class AuxMode { OneWireMaster = 0, FieldNet = 1, NotUse = 2 };

// The most sensors the controller keeps: 127 ten-byte records fit between the sensor area and
// the UART 1 request table, and the count comes back in seven bits.
constexpr int kMaxSensors = 127;

// The Field Net line settings by the index selected in each of the tab's four lists.
struct FieldNetSettings {
    int speed = 4;   // "9600", "19200", "38400", "57600", "115200"
    int parity = 2;  // "None", "Odd", "Even"
    int bits = 1;    // "7", "8"
    int stop = 1;    // "1", "2"

    bool operator==(const FieldNetSettings &other) const;
};

// The tab's mode options ("1-wire master", "Field Net", "Not use") and the entries of its four
// Field Net lists, in list order.
const QStringList &auxModeEntries();
struct FieldNetEntries {
    QStringList speeds;
    QStringList parities;
    QStringList bits;
    QStringList stops;
};
const FieldNetEntries &fieldNetEntries();

// An auxiliary mode word taken apart.
struct AuxWordFields {
    AuxMode mode = AuxMode::NotUse;
    FieldNetSettings fieldNet;  // Field Net only
    int sensorCount = 0;        // 1-wire master only, from the low seven bits
};

// Bits 15-14: 11 master, 10 Field Net, 00 not used. A master keeps its sensor count below;
// Field Net keeps stop bits in bit 13, data bits in 12, parity in 11-10 and speed in 9-7.
quint16 encodeAuxWord(AuxMode mode, const FieldNetSettings &fieldNet, int sensorCount);
AuxWordFields decodeAuxWord(quint16 word);

}  // namespace plc
