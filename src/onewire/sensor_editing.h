#pragma once

#include "sensor_record.h"

#include <QString>

namespace plc {

class GridModel;

// How the sensor dialog was opened: the values of modify.
enum class SensorDialogMode { Add = 1, Modify = 2 };

// The register a first sensor gets, and the step between sensors added in sequence.
inline const QString kFirstSensorRegister = QStringLiteral("3000");
constexpr int kRegisterStep = 2;

// The sensor dialog's boxes when it opens (the eight bytes, "Address", "Name"). Modify: the texts
// of the chosen row (the entry row when the choice lies below the table). Add: "00" bytes and
// the register after the last sensor's; "3000" with no sensor or when the last sensor's register
// is not a whole number.
SensorCells sensorDialogPreset(const GridModel &grid, int chosenRow, SensorDialogMode mode);

// "Add/modify". Add: the entry row takes its row number and the boxes, and a new entry row
// numbered by itself is appended. Modify: the chosen row (or the entry row, as above) takes the
// boxes; its number stays. Every column is centred.
void storeSensor(GridModel &grid, SensorDialogMode mode, int chosenRow, const SensorCells &cells);

// Puts the sensors an upload read into the table as GridModel::showUploadedRows does; the
// controller holds no names, so each sensor keeps the name of the table's row with its ROM
// code. How many names were kept and how many rows are new, for the status line.
QString showUploadedSensors(GridModel &grid, const QList<SensorCells> &read);

// The text of a cell as the cell editor stores it: a name cut to its longest, the rest as typed.
QString sensorCellText(int col, const QString &text);

// Whether a row holds a sensor: neither the heading, nor the entry row, nor below the table.
bool isSensorRow(const GridModel &grid, int row);

// "Delete slave" after the confirmation: removes the chosen sensor row and renumbers down to the
// entry row. Any other row leaves the table as it is.
bool deleteSensor(GridModel &grid, int chosenRow);

// Asked before "Delete slave" and "Delete all slave".
QString deleteSensorQuestion();
QString deleteAllQuestion();

// "Delete all slave" after the confirmation: the heading and one empty entry row.
void deleteAllSensors(GridModel &grid);

// Where "Add new in the table" and "Replace all in the table" put the devices a bus search found.
enum class FoundPlacement { Append, ReplaceAll };

// What the bus search's start address must be, as its tool tip says it.
QString foundStartLimits();

// Puts found ROM codes into the sensor table with registers 2 apart: appended after the last
// sensor (from its register + 2, or from startAddress when the table holds none), or replacing
// every sensor (from startAddress). The "Num" column is renumbered; with nothing found that is
// all. A start address or last register that is not a whole number leaves the table as it is
// and comes back as the text to show; the empty text when the devices went in.
QString placeFoundSensors(GridModel &grid, const QList<QStringList> &found,
                          const QString &startAddress, FoundPlacement placement);

}  // namespace plc
