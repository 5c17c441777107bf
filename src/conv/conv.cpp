#include "conv.h"

#include <cstdint>
#include <cstring>

static_assert(sizeof(float) == 4, "the encoding is 32 bits");

void float_to_byte_array(unsigned char *bytes, int, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (24 - 8 * i));
}

float to_real(const unsigned char *bytes, int)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits = (bits << 8) | bytes[i];
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
