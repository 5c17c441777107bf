#pragma once

#include "multi_port.h"
#include "sensor_record.h"

#include <QList>
#include <QString>
#include <optional>

namespace plc {

class Console;

// The 1-wire bus search on the port: each device found, by its ROM code. Held against a sensor
// table (when one is given), each device is "new" or the table row holding it, and the table's
// sensors no device answered for are listed "not found". The same as JSON: {"devices": [{"rom",
// "row" (null for a new device), "name"}], "notFound": [{"row", "rom", "name"}]}.
PortRun runSearch(CommandEnv &env, const std::optional<QList<SensorCells>> &table);

// What `search [FILE]` does on each port: the file (when one is named) read first, on the main
// thread, its sensor table held against every port's bus.
PortCommand searchCommand(Console &console, const QString &file);

}  // namespace plc
