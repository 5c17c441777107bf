#include "converter.h"

#include "failure.h"
#include "float_codec.h"
#include "hex_text.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

namespace plc {

namespace {

// The texts of the conversions, for the translator.
struct ConverterTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::Converter)
};

// Only an ASCII text can be a decimal number.
bool isPlainText(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Whether a decimal text out of single-precision range lies below it rather than above it.
bool belowRange(const std::string &text)
{
    long double wide = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), wide);
    if (error == std::errc())
        return std::fabs(wide) < 1;
    // Beyond even the widest type: the sign of the decimal exponent tells.
    const auto exponent = text.find_first_of("eE");
    return exponent != std::string::npos && text.compare(exponent + 1, 1, "-") == 0;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

}  // namespace

QString ieeeInputMessage()
{
    return ConverterTexts::tr("Incorrect value for conversion to IEEE format!");
}

QString floatInputMessage()
{
    return ConverterTexts::tr("Incorrect value for conversion to float format!");
}

float parseSingle(const QString &text)
{
    const QString trimmed = text.trimmed();
    const auto notANumber = [&] {
        return Failure(ConverterTexts::tr("Type mismatch: \"%1\" is not a number").arg(text));
    };
    if (trimmed.isEmpty() || !isPlainText(trimmed))
        throw notANumber();
    std::string digits = trimmed.toStdString();
    if (digits.front() == '+' && digits.size() > 1 && digits[1] != '-')
        digits.erase(0, 1);

    float value = 0;
    const char *last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (end != last || error == std::errc::invalid_argument)
        throw notANumber();
    if (error == std::errc::result_out_of_range) {
        if (!belowRange(digits))
            throw Failure(
                ConverterTexts::tr("Overflow: \"%1\" is too large for a single-precision number")
                    .arg(text));
        return digits.front() == '-' ? -0.0f : 0.0f;
    }
    return value;
}

QString singleText(float value)
{
    constexpr int kSignificantDigits = 7;
    char buffer[32];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), double(value),
                                            std::chars_format::general, kSignificantDigits);
    Q_ASSERT(error == std::errc());
    return QString::fromLatin1(buffer, int(end - buffer)).toUpper();
}

QString toIeeeDigits(const QString &text, FloatCodec &codec)
{
    if (text.isEmpty())
        throw Failure(ieeeInputMessage());
    QString decimal = text;
    const int comma = decimal.indexOf(QLatin1Char(','));
    if (comma >= 0)
        decimal[comma] = QLatin1Char('.');
    const FloatCodec::Bytes bytes = codec.floatToBytes(parseSingle(decimal));
    QString digits;
    for (const unsigned char byte : bytes)
        digits += hextext::digits(byte, 2);
    return digits;
}

QString toFloatText(const QString &digits, FloatCodec &codec)
{
    if (digits.size() != 8)
        throw Failure(floatInputMessage());
    FloatCodec::Bytes bytes{};
    for (int i = 0; i < 4; ++i) {
        const int high = hexDigit(digits[2 * i]);
        const int low = hexDigit(digits[2 * i + 1]);
        if (high < 0 || low < 0) {
            throw Failure(ConverterTexts::tr("Type mismatch: \"%1\" is not a hexadecimal byte")
                              .arg(digits.mid(2 * i, 2)));
        }
        bytes[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return singleText(codec.toReal(bytes));
}

}  // namespace plc
