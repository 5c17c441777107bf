#pragma once

// conv: the conversion library of the "Converter" tab, loaded at run time by name. A plain C
// interface over a 4-byte buffer holding a number's IEEE-754 single-precision encoding, most
// significant byte first (1.5 is 3F C0 00 00), the order data sheets print it in.

#if defined(_WIN32)
#if defined(CONV_BUILDING)
#define CONV_EXPORT __declspec(dllexport)
#else
#define CONV_EXPORT __declspec(dllimport)
#endif
#else
#define CONV_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Writes the encoding of value into bytes[0..3]. reserved is always 0.
CONV_EXPORT void float_to_byte_array(unsigned char *bytes, int reserved, float value);

// The value that bytes[0..3] encode. reserved is always 0.
CONV_EXPORT float to_real(const unsigned char *bytes, int reserved);

// The two functions as the program that loads the library sees them.
typedef void (*conv_float_to_byte_array)(unsigned char *bytes, int reserved, float value);
typedef float (*conv_to_real)(const unsigned char *bytes, int reserved);

#ifdef __cplusplus
}
#endif
