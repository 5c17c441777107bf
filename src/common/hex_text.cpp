#include "hex_text.h"

#include "failure.h"

#include <QCoreApplication>
#include <limits>

namespace plc {

qint32 hexToNumber(const QString &text)
{
    qint64 result = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        int digit = 0;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            digit = c.unicode() - 'A' + 10;
        else
            return 0;
        // Past 32 bits the text is refused as soon as its leading digits say so, whatever
        // follows them. In whole numbers: a power of 16 per digit costs every answer dearly.
        result = result * 16 + digit;
        const int placesLeft = n - 1 - i;
        if (result != 0 &&
            (placesLeft >= 8 || (result << (4 * placesLeft)) > std::numeric_limits<qint32>::max()))
            throw Failure(QCoreApplication::translate(
                              "plc::HexText", "Overflow: the hexadecimal text \"%1\" is too long")
                              .arg(text));
    }
    return qint32(result);
}

namespace hextext {

QString digits(qint64 value, int width)
{
    return QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

QString swapPairs(const QString &fourDigits)
{
    return fourDigits.mid(2, 2) + fourDigits.left(2);
}

QString word(quint16 value)
{
    return swapPairs(digits(value, 4));
}

quint16 wordAt(const QString &answer, int byte)
{
    const QString group = answer.mid(1 + 2 * byte, 4);
    if (group.size() < 4)
        return 0;
    return quint16(hexToNumber(swapPairs(group)));
}

std::optional<qint64> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 18)
        return std::nullopt;
    int start = (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+')) ? 1 : 0;
    if (start == t.size())
        return std::nullopt;
    for (int i = start; i < t.size(); ++i) {
        if (!t.at(i).isDigit() || t.at(i).unicode() > '9')
            return std::nullopt;
    }
    return t.toLongLong();
}

qint16 toInt16(const QString &text)
{
    const auto value = wholeNumber(text);
    if (!value)
        throw Failure(QCoreApplication::translate("plc::HexText",
                                                  "Type mismatch: \"%1\" is not a whole number")
                          .arg(text));
    if (*value < std::numeric_limits<qint16>::min() || *value > std::numeric_limits<qint16>::max())
        throw Failure(
            QCoreApplication::translate("plc::HexText", "Overflow: %1 does not fit in 16 bits")
                .arg(*value));
    return qint16(*value);
}

}  // namespace hextext

}  // namespace plc
