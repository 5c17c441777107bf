#pragma once

#include <QString>

namespace plc {

class FloatCodec;

// The conversions of the "Converter" tab, on the texts of its boxes. Every way a conversion
// cannot be done is a Failure carrying the text the user is shown; the tab then keeps the
// result box as it was.

// What "To IEEE" and "To float" say of an empty or wrong-sized input.
QString ieeeInputMessage();
QString floatInputMessage();

// "To IEEE": a decimal number (the first comma taken for a point, blanks around allowed, "INF"
// and "NAN" in any case) as the 8 upper-case hexadecimal digits of its single-precision
// encoding, most significant first. One call of the codec.
QString toIeeeDigits(const QString &text, FloatCodec &codec);

// "To float": exactly 8 characters, blanks included, read as 4 hexadecimal bytes (either
// case), most significant first, shown as singleText. One call of the codec.
QString toFloatText(const QString &digits, FloatCodec &codec);

// The number rounded to 7 significant digits: a point whatever the locale, no trailing zeros,
// the exponent form ("1E+07", "1.234568E-05") from 1E+07 up and below 1E-04; "INF", "-INF",
// "NAN" and "-NAN" for the rest.
QString singleText(float value);

// The text as a single-precision number, correctly rounded, a point as decimal separator;
// a value too small for single precision becomes a zero of its sign. A Failure for a text
// that is not a number or too large.
float parseSingle(const QString &text);

}  // namespace plc
