#include "frame.h"

#include "failure.h"
#include "hex_text.h"

namespace frame {

QString checksum(const QByteArray &bodyWithEtx)
{
    int sum = 0;
    for (const char c : bodyWithEtx) {
        sum += static_cast<unsigned char>(c);
        if (sum > 32767)
            throw Failure(QStringLiteral("Overflow: the frame is too long for its checksum"));
    }
    return hextext::digits(sum & 0xFF, 2);
}

QByteArray build(const QString &fields)
{
    const QByteArray body = fields.toLatin1() + ETX;
    return STX + body + checksum(body).toLatin1();
}

}  // namespace frame
