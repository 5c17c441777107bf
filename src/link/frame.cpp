#include "frame.h"

#include "failure.h"

#include <QCoreApplication>

namespace plc {

namespace frame {

namespace {

int checksumByte(QByteArrayView bodyWithEtx)
{
    int sum = 0;
    for (const char c : bodyWithEtx) {
        sum += static_cast<unsigned char>(c);
        if (sum > 32767)
            throw Failure(QCoreApplication::translate(
                "plc::Frame", "Overflow: the frame is too long for its checksum"));
    }
    return sum & 0xFF;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

QString checksum(QByteArrayView bodyWithEtx)
{
    const int sum = checksumByte(bodyWithEtx);
    const char digits[] = {kHexDigits[sum >> 4], kHexDigits[sum & 0xF]};
    return QString::fromLatin1(digits, 2);
}

QByteArray build(const QByteArray &fields)
{
    QByteArray frame;
    frame.reserve(fields.size() + 4);
    frame += STX;
    frame += fields;
    frame += ETX;
    const int sum = checksumByte(QByteArrayView(frame).sliced(1));
    frame += kHexDigits[sum >> 4];
    frame += kHexDigits[sum & 0xF];
    return frame;
}

bool isReadAnswer(QByteArrayView answer, int bytes)
{
    const qsizetype digits = 2 * qsizetype(bytes);
    if (answer.size() < digits + 4 || answer.at(0) != STX || answer.at(1 + digits) != ETX)
        return false;
    for (qsizetype i = 1; i <= digits; ++i) {
        const char c = answer.at(i);
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

}  // namespace frame

}  // namespace plc
