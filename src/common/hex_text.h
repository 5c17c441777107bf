#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace plc {

// Numbers as they travel on the line: upper-case hexadecimal text, 16-bit words low byte first.

// Hexadecimal text to a number. Only "0"-"9" and upper-case "A"-"F" count; any other
// character, lower case included, makes the whole result 0. The empty text gives 0.
qint32 hexToNumber(const QString &text);

namespace hextext {

// Upper-case hexadecimal digits of value, left-padded with "0" to width; never cut off.
QString digits(qint64 value, int width);

// "1234" -> "3412": swaps the two digit pairs of a 4-digit group.
QString swapPairs(const QString &fourDigits);

// A 16-bit word as 4 digits, low byte first ("3412" for 0x1234).
QString word(quint16 value);

// The 16-bit word whose 4 digits start at data byte offset `byte` of a read answer
// (the answer's STX comes first). Missing or malformed digits give 0, like an empty answer.
quint16 wordAt(const QString &answer, int byte);

// A text's whole number when it is one: optional blanks around, optional sign, decimal digits.
std::optional<qint64> wholeNumber(const QString &text);

// A text as a signed 16-bit whole number; anything else is a Failure naming the text.
qint16 toInt16(const QString &text);

}  // namespace hextext

}  // namespace plc
