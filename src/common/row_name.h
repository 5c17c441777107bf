#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace plc {

// The name a user gives a table row (a request, a sensor): free text kept in the project file
// and CSV files only, never sent to the controller.
inline const QString kNameHeading = QStringLiteral("Name");
constexpr int kMaxNameLength = 40;

// What the Name column takes, as its heading's tool tip says it.
QString nameLimits();
// The text as a name cell keeps it: its first kMaxNameLength characters.
QString cutName(const QString &text);
// Why a name is refused by a file's check; the empty text when it is short enough.
QString nameRefusal(const QString &name);

// The names of rows (cells from column 1 on) whose name cell is nameCell, in row order.
QStringList rowNames(const QList<QStringList> &rows, int nameCell);

// A row referred to elsewhere: its number followed by its name, "3 (Pump 2)"; "3" unnamed.
QString namedRowText(int row, const QString &name);

}  // namespace plc
