#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace plc {

class GridModel;

// The columns of a master request table; column 0 is the slot number. Count columns make the
// controller's request; the row's name follows them, so a row holds TableCount columns.
namespace requestcol {
enum : int {
    Slot,
    Address,
    NumWord,
    AddressSlave,
    AddressMaster,
    Function,
    Timeout,
    Count,
    Name = Count,
    TableCount
};
}

// The request heading line as the controller engineers know it, the table's heading line (the
// Name column appended), and the heading of one column ("Num word", ..., "Name").
inline const QString kRequestHeadingLine = QStringLiteral(
    "Slot | Address | Num word | Address slave | Address master | Function | Timeout,[ms] ");
inline const QString kRequestTableHeadingLine = kRequestHeadingLine + QStringLiteral("| Name ");
QString requestColumnName(int col);

// The name in a request row (cells from column 1 on); empty when the row has none.
QString requestName(const QStringList &row);
// What makes a request the same one wherever it stands: slave address, function and the slave's
// first register, compared as numbers.
QString requestIdentity(const QStringList &row);

// The function list of the request dialog; the table holds the index.
const QStringList &functionEntries();

// One request of a master table: the numbers of one table row, the slot number aside.
// It is also the request dialog's record.
struct ModbusRequest {
    int address = 0;        // the slave's Modbus address
    int count = 0;          // words or coils
    int slaveStart = 0;     // first register or coil in the slave
    int masterAddress = 0;  // first address in the controller
    int function = 0;       // function index
    int timeout = 0;        // ms

    bool operator==(const ModbusRequest &other) const;
};

// The controller's request record is 8 bytes, sent as 16 hexadecimal digits.
constexpr int kRecordChars = 16;

// The record of one request, for example "010A000064006410". Fields too wide for the record
// are cut to their bits; the table check keeps them from ever getting here.
QString encodeRequest(const ModbusRequest &request);
// The reverse; missing or malformed digits read as 0.
ModbusRequest decodeRequest(QStringView record);

// A table's requests as plain rows: the data rows' cells from column 1 on.
using RequestRows = QList<QStringList>;
// The rows of these requests, as a table holds them.
RequestRows requestRows(const QList<ModbusRequest> &requests);

// The numbers of data row `row` (from 1). A cell that is not a whole number is a Failure naming
// the row, the column and the text found. Numbers beyond 32 bits are held at the 32-bit limits.
ModbusRequest requestFromRow(const RequestRows &rows, int row);
// The cells of a request as a row holds them, as decimal texts.
QStringList requestCells(const ModbusRequest &request);
// Writes columns 1 to 6 of a row as decimal texts; the slot number is left alone.
void writeRequestToRow(GridModel &grid, int row, const ModbusRequest &request);

// Request rows read back from the controller, each given the name of the table's request with
// the same identity.
struct NamesKept;
NamesKept keepRequestNames(const RequestRows &table, const RequestRows &read);

// The records of all requests of a table in table order, as the download sends them.
QString tableText(const QList<ModbusRequest> &requests);
// n requests from the text an upload read back; requests beyond its end read as zeros.
QList<ModbusRequest> decodeTableText(const QString &text, int n);

}  // namespace plc
