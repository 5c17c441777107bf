#pragma once

#include "config_record.h"

#include <QStringList>

namespace plc {

// The differences between a configuration file's values and what a controller holds (the file's
// values with every part read back over them), one line each, part by part: "uart1 mode: file
// Master, controller Not use", "uart2 speed: file 115200, controller 9600", "uart1 rows: file 9,
// controller 8", "uart1 row 3 Timeout,[ms]: file 100, controller 250", "onewire row 2 Byte 4:
// file 03, controller 13". Columns go by the tables' own headings. A part whose mode differs
// names the mode alone; a part not in use has nothing more to compare.
QStringList configDifferences(const WindowConfig &file, const WindowConfig &held);

}  // namespace plc
