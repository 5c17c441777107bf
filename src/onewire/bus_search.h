#pragma once

#include "outcome.h"
#include "sensor_record.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace plc {

class GridModel;
struct TransferContext;

// The ROM code of a device on the bus: its eight bytes as two hexadecimal digits each, Byte 0
// first, as the controller lists them (and as the result grid shows them).
using RomCode = QStringList;

// The result grid's heading line: the sensor table's without its register column.
inline const QString kSearchHeadingLine = kSensorHeadingLine.section(QLatin1Char('|'), 0, 8);

// How long the controller needs to scan its bus before it has the devices listed.
constexpr int kSearchSettleMs = 3500;

// "Start search" on the link as the caller set it up: opens it, has the controller scan its
// bus, waits settleMs (the window goes on responding), reads the number of devices found and
// their ROM codes in blocks of eight devices. A refused or unanswered search command, and a
// count or code read that gets no answer, end it ("Wrong answer from PLC", "Answer timeout
// from PLC"): no device is taken from an answer that never came.
Result<QList<RomCode>> searchBus(TransferContext &ctx, int settleMs = kSearchSettleMs);

// The result grid cut back to the heading and one empty row, then rows 1 to n numbered with the
// devices and a last row holding only its number.
void showFoundDevices(GridModel &grid, const QList<RomCode> &devices);

}  // namespace plc
