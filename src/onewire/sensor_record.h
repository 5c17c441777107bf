#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace plc {

class GridModel;

// The columns of the sensor table: the row number, the eight ROM bytes, the data register (Count
// columns make the controller's sensor), then the row's name.
namespace sensorcol {
enum : int { Num = 0, Byte0 = 1, Register = 9, Count = 10, Name = 10, TableCount = 11 };
}
constexpr int kRomBytes = 8;

// The sensor heading line as the controller engineers know it, the table's heading line (the
// Name column appended), and the heading of one column ("Byte 0", "Dxxxx", ..., "Name").
inline const QString kSensorHeadingLine = QStringLiteral(
    "Num | Byte 0 | Byte 1 | Byte 2 | Byte 3 | Byte 4 | Byte 5 | Byte 6 | Byte 7 |  Dxxxx  ");
inline const QString kSensorTableHeadingLine = kSensorHeadingLine + QStringLiteral("| Name ");
QString sensorColumnName(int col);

// A sensor as the table holds it: the texts of columns 1 to 9 (ROM bytes 0 to 7, then the
// register number) and, when it has one, its name, as GridModel::dataRows() gives them.
using SensorCells = QStringList;

// The name in a sensor row; empty when the row has none.
QString sensorName(const SensorCells &row);
// What makes a sensor the same one wherever it stands: its ROM code, bytes 0 to 7, in capitals.
QString sensorIdentity(const SensorCells &row);
// Sensor rows read back from the controller, each given the name of the table's sensor with the
// same ROM code.
struct NamesKept;
NamesKept keepSensorNames(const QList<SensorCells> &table, const QList<SensorCells> &read);

// The controller's sensor record is 10 bytes, sent as 20 hexadecimal digits.
constexpr int kSensorRecordChars = 20;

// The record of one sensor, for example "FF28124B0003A100DC05" for the ROM bytes 28 FF 4B 12 03
// 00 00 A1 and register 1500. The table check has made sure every byte is two hexadecimal digits
// and the register a number the record can hold.
QString encodeSensor(const SensorCells &cells);
// The reverse: the ROM bytes as the digits received, the register as a signed decimal.
SensorCells decodeSensor(QStringView record);

// The records of these sensors in table order, as the download sends them.
QString sensorTableText(const QList<SensorCells> &sensors);
// n sensors from the text an upload read back.
QList<SensorCells> decodeSensorTableText(const QString &text, int n);

}  // namespace plc
