#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

namespace plc {

// Every colour the program draws itself, worked out from the palette in use so that it reads on
// a light and on a dark background alike (contrast at least kReadableRatio).

// A serial device that is not there: a red readable on the background it is drawn on.
QColor absentDeviceColour(const QPalette &palette, QPalette::ColorRole background);
// A failed result in a table: the same red, on the table's base.
QColor failureColour(const QPalette &palette);
// A sensor row the last bus search did not find: the palette's dim placeholder colour, made
// readable on the table's base.
QColor missingRowColour(const QPalette &palette);
// The fixed number column of a table, drawn like a heading.
QColor fixedColumnTextColour(const QPalette &palette);

// One drawn colour and the background it is drawn on, by what it marks.
struct DrawnColour {
    QString what;
    QColor text;
    QColor background;
};
QList<DrawnColour> drawnColours(const QPalette &palette);

}  // namespace plc
