// The converter's text inputs, on any text: "To IEEE" gives 8 upper-case digits or a Failure
// with its message, and "To float" takes any 8 digits "To IEEE" gives back.
#include "converter.h"
#include "failure.h"
#include "float_codec.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstring>

using namespace plc;

namespace {

// The library's two conversions, most significant byte first.
class BigEndianCodec : public FloatCodec {
public:
    Bytes floatToBytes(float value) override
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, 4);
        return {Bytes::value_type(bits >> 24), Bytes::value_type(bits >> 16),
                Bytes::value_type(bits >> 8), Bytes::value_type(bits)};
    }
    float toReal(const Bytes &b) override
    {
        const std::uint32_t bits =
            std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
        float value = 0;
        std::memcpy(&value, &bits, 4);
        return value;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BigEndianCodec codec;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        toFloatText(text, codec);
    } catch (const Failure &) {
        // a text that is no 8 hexadecimal digits: refused with its message
    }
    QString digits;
    try {
        digits = toIeeeDigits(text, codec);
    } catch (const Failure &) {
        return 0;
    }
    FUZZ_CHECK(digits.size() == 8);
    for (const QChar c : std::as_const(digits))
        FUZZ_CHECK((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                   (c >= QLatin1Char('A') && c <= QLatin1Char('F')));
    FUZZ_CHECK(!toFloatText(digits, codec).isEmpty());
    return 0;
}
