#pragma once

#include "request_record.h"

#include <QString>
#include <optional>

namespace plc {

class GridModel;
struct UartPort;

// How the request dialog was opened: to add a request or to modify the chosen one.
enum class DialogMode { Add = 1, Modify = 2 };

// The request dialog's fields as the user sees them.
struct RequestFields {
    QString slaveNumber;    // "Slave number", the row's slot (read-only)
    QString address;        // "Slave modbus address"
    QString count;          // words or coils
    QString slaveStart;     // first register or coil in the slave
    QString masterAddress;  // first address in the controller
    int function = 1;       // "Function type" list index
    QString timeout;        // "Timeout,[msec]"
    QString name;           // the row's name: kept in the window and the project, never sent
};

// What the dialog shows when it opens, and the table's current row from then on.
struct DialogPreset {
    RequestFields fields;
    int currentRow = 0;
};

// Add: continues the run of requests from the last one (both start addresses move on by its
// count); with no row chosen yet or no request in the table, the defaults and row 1.
// Modify: the current row's request and name (the last request when the entry row is chosen);
// with no row chosen yet or no request, the defaults and row 1.
DialogPreset requestDialogPreset(const GridModel &grid, int currentRow, DialogMode mode);

// The dialog's "OK" checks, in the order the user meets them.
struct FieldsCheck {
    std::optional<ModbusRequest> request;  // the dialog record when every field is right
    QString message;                       // else what to show, titled dataErrorTitle()
};
FieldsCheck checkRequestFields(const RequestFields &fields);

// What "OK" demands of a text field, as its tool tip says it ("1–4095 ms" for the timeout); for
// the slot number, which the dialog does not take, where it comes from.
QString requestFieldLimits(QString RequestFields::*field);

// The title of the dialog's refusals.
QString dataErrorTitle();

// Stores the dialog record into the table. Add: the entry row becomes the new request, a new
// entry row is appended and the slots renumbered. Modify: the current row is overwritten.
// The row takes the name as its Name cell (cut to its longest). Returns the current row from
// then on. The caller enables the table.
int applyRequestEdit(GridModel &grid, DialogMode mode, int currentRow, const ModbusRequest &request,
                     const QString &name = QString());

// Asked before "Delete slave" removes a row.
QString deleteQuestion();

// "Delete slave" after the confirmation: removes the current row and renumbers. Nothing
// happens before a row has been chosen (current row 0), when the table holds no request, or
// when the current row lies beyond the table. The current row keeps its value.
bool deleteRequest(GridModel &grid, int currentRow);

// Puts the requests an upload read into the table as GridModel::showUploadedRows does; the
// controller holds no names, so each request keeps the name of the table's row with its
// identity. How many names were kept and how many rows are new, for the status line.
QString showUploadedRequests(GridModel &grid, const QList<ModbusRequest> &read);

// The cell editor's check of a text typed into a column: the port's refusal message, or the
// empty text when the text is accepted. Columns 1, 2 and 5 take whole numbers from 0 to 255,
// columns 3, 4 and 6 from 0 to 65535; column 0 is not checked.
QString cellEditRefusal(const UartPort &port, int col, const QString &text);

// Enter in the cell editor: the text goes into the cell (a name cut to its longest), and a
// refused text leaves the cell empty. Returns the refusal message (shown title-less), or the empty
// text.
QString storeCellEdit(GridModel &grid, const UartPort &port, int row, int col, const QString &text);

}  // namespace plc
