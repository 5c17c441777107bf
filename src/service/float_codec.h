#pragma once

#include <array>

namespace plc {

// The two conversions the "Converter" tab asks of its library, on a 4-byte buffer that holds
// the IEEE-754 single-precision encoding, most significant byte first.
class FloatCodec {
public:
    using Bytes = std::array<unsigned char, 4>;

    virtual ~FloatCodec() = default;
    // Raises a Failure when the conversion cannot be done (the library is missing, say).
    virtual Bytes floatToBytes(float value) = 0;
    virtual float toReal(const Bytes &bytes) = 0;
};

}  // namespace plc
