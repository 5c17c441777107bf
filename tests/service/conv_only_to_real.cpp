// A conv library that lacks float_to_byte_array, for the test of a library missing a function.
#include "conv.h"

float to_real(const unsigned char *, int)
{
    return 0;
}
