#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace plc {

// Request frames: STX, body, ETX, two checksum digits.
namespace frame {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char ENQ = 0x05;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;

// The two checksum digits of a body that already ends in ETX: the low byte of the sum of its
// character codes. The sum is kept in 16 signed bits, so a body that overflows them fails.
QString checksum(QByteArrayView bodyWithEtx);

// STX + fields + ETX + checksum, ready to write in one piece.
QByteArray build(const QByteArray &fields);
inline QByteArray build(const QString &fields)
{
    return build(fields.toLatin1());
}

// Whether a read answer has the shape of one for `bytes` bytes: STX, 2 x bytes upper-case
// hexadecimal digits, ETX where the count puts it; what follows is not looked at.
bool isReadAnswer(QByteArrayView answer, int bytes);

}  // namespace frame

}  // namespace plc
