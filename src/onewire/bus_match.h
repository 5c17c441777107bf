#pragma once

#include "bus_search.h"
#include "sensor_record.h"

#include <QList>
#include <QString>

namespace plc {

// How a table row is named to the user: "row 3 (boiler)", or "row 3" for a sensor without a name.
QString sensorRowLabel(int row, const QString &name);

// One device of a bus search held against the sensor table.
struct DevicePlace {
    RomCode rom;
    int row = 0;   // the first table row (from 1) holding its ROM code; 0 for a new device
    QString name;  // that row's sensor name
};

// A bus search held against the sensor table.
struct BusMatch {
    QList<DevicePlace> devices;  // in the order the bus listed them
    QList<int> notFound;         // table rows (from 1) whose ROM code no device has
};

// Matches the devices found with the table's sensors by ROM code.
BusMatch matchBus(const QList<RomCode> &found, const QList<SensorCells> &sensors);

// What the search dialog says of a device: "in table, row 3 (boiler)" or "new".
QString devicePlaceText(const DevicePlace &place);

// The devices whose ROM code is neither in the table nor earlier in the list: what "Add new in
// the table" adds.
QList<RomCode> devicesNotIn(const QList<RomCode> &found, const QList<SensorCells> &sensors);

}  // namespace plc
