#pragma once

#include "io_map.h"

#include <QString>

namespace plc {

// The I/O map as the controller keeps it: bit i of a mask stands for point i.
struct IoMasks {
    quint32 inputs = 0;
    quint32 outputs = 0;
};

// The masks of the points' functions; bits 21 to 31 stay 0.
IoMasks masksOf(const PointBytes &pointTypes);

// The 8-byte block: the input mask, then the output mask, each 32 bits low byte first, as 16
// upper-case digits ("0300020004000000" for inputs 0, 1, 17 and output 2).
QString encodeIoBlock(const IoMasks &masks);

// The masks of a read answer (STX first); missing or malformed digits read as 0.
IoMasks decodeIoBlock(const QString &answer);

// Puts the controller's map into the window's: the inputs in point order become X0, X1 ...
// and the outputs Y0, Y1 ... (a point in both masks is an input); every other point is
// unassigned. Exactly the numbers given are taken, so later choices never give one twice.
void applyUpload(IoMap &map, const IoMasks &masks);

}  // namespace plc
