#pragma once

#include "bus_search.h"

#include <QString>

namespace plc {

class GridModel;

// The ROM code of a typed text: eight bytes given with blanks, dashes or colons between them
// ("28 FF 4B 12 03 00 00 A1") or run together ("28FF4B12030000A1"). The bytes are not judged
// here; a byte missing is empty.
RomCode romCodeOfText(const QString &typed);

// A ROM code as one line of text: its bytes with a blank between them.
QString romCodeText(const RomCode &rom);

// "Replace with found device...": the sensor in table row `row` takes this ROM code; its
// register, its name and every other cell stay. A code whose bytes fail the table's check leaves
// the table as it is and comes back as the check's message; the empty text when it went in.
QString replaceSensorRom(GridModel &grid, int row, const RomCode &rom);

}  // namespace plc
