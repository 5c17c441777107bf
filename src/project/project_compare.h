#pragma once

#include "project_file.h"
#include "project_transfer.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace plc {

// One value that differs between two projects: the part, the table row (from 1, as the window
// numbers rows; for the I/O map the point's row, point 0 on row 1; 0 for a setting of the part),
// what differs (a column heading as the table shows it, or "mode", "speed", "rows" ...) and the
// two values as the window shows them.
struct Difference {
    ProjectPart part;
    int row = 0;
    QString column;
    QString left;
    QString right;
    QString rowName = {};  // the table row's name (the left side's, else the right's)

    bool operator==(const Difference &other) const;
};

// What is compared: what a controller holds (and a download of the part writes), or everything
// two files hold besides.
enum class Compared { ControllerValues, FileValues };

// The chosen parts compared part by part: the UARTs' mode, speed, parity, and a master's
// request table or a slave's address; the auxiliary port's mode, its Field Net lists or a
// master's sensor table; the function of each I/O point. A part whose mode differs names the
// mode alone; a part not in use has nothing more to compare. Table cells compare as numbers
// when both are whole numbers ("010" is 10), else as text in any case ("0a" is 0A).
// FileValues adds what only files hold of a part in use: the bit number and stop bits, a
// slave's timeout (only the slave settings' own download sends it), each I/O point's name and
// the names of requests and sensors.
QList<Difference> projectDifferences(const Project &left, const Project &right,
                                     const ProjectParts &parts = allProjectParts(),
                                     Compared compared = Compared::ControllerValues);

// A difference as the window and the command line's lines show it: what differs and the values
// of a list choice translated (the differences themselves, and JSON, keep the words as they are).
Difference shownDifference(const Difference &difference);

// One difference as a line: "uart1 row 3 (Pump 2) Timeout,[ms]: file 100, controller 250",
// "uart2 speed: file 9600, controller 115200", with the names given to the two sides.
QString differenceLine(const Difference &difference, const QString &leftName,
                       const QString &rightName);
QStringList differenceLines(const QList<Difference> &differences, const QString &leftName,
                            const QString &rightName);

// The parts the differences are in, in transfer order.
ProjectParts differingParts(const QList<Difference> &differences);

}  // namespace plc
