#pragma once

#include "csv_table.h"
#include "range_text.h"
#include "sensor_record.h"

#include <QList>
#include <QString>
#include <optional>

namespace plc {

// The first fault the sensor check found: the row (from 1) and its code.
struct SensorFault {
    int row = 0;
    // 0 to 7: the ROM byte of that number is not two hexadecimal digits; 8: the register is not
    // a whole number from 0 to 7997; 9: more than 127 sensors (row 128).
    int code = 0;
};

// The title of the sensor check's messages.
QString sensorErrorTitle();

// The registers a sensor may fill: its value takes two registers below 7999.
constexpr NumberRange kSensorRegisters{0, 7997};

// Checks the sensors of a table before any download, whatever the mode: the first fault, or none.
std::optional<SensorFault> checkSensorTable(const QList<SensorCells> &sensors);

// What the download shows for a fault, titled sensorErrorTitle().
QString sensorFaultMessage(const SensorFault &fault);

// What the sensor check demands of a column's cells (the Num column: of the number of sensors), as
// the column heading's and the sensor dialog's tool tips say it.
QString sensorColumnLimits(int col);

// The sensor table as CSV: its headings (a file without the Name column still reads), every
// name short enough, and the sensor check.
const CsvTable &sensorCsvTable();

}  // namespace plc
