#include "frame.h"

#include "failure.h"
#include "hex_text.h"

namespace plc {

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

bool isReadAnswer(const QString &answer, int bytes)
{
    const int digits = 2 * bytes;
    if (answer.size() < digits + 4 || answer.at(0) != QLatin1Char(STX) ||
        answer.at(1 + digits) != QLatin1Char(ETX))
        return false;
    for (int i = 1; i <= digits; ++i) {
        const QChar c = answer.at(i);
        const bool digit = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!digit)
            return false;
    }
    return true;
}

}  // namespace frame

}  // namespace plc
