#include "error_records.h"

#include <array>

namespace plc {

namespace {

// By Modbus error code. The controller's own numbering of the "MBErr" texts does not follow
// the codes, and codes 9 and 19 on have no text.
const std::array<const char *, 19> kModbusDescriptions = {
    "",
    "illegal register address ",
    " illegal argument ",
    " receive data error ",
    " timeout error occurred  ",
    "master is busy now ",
    "execute function error ",
    "MBErr 8",
    "MBErr 9",
    "",
    "MBErr 10",
    "MBErr 11",
    "MBErr 12",
    "MBErr 13",
    "MBErr 13",
    "MBErr 14",
    "MBErr 15",
    "MBErr 16",
    "MBErr 17",
};

// The text before the error count, by error class (bits 5-7) other than 0.
QString oneWireClassText(int errorClass, bool upper)
{
    switch (errorClass) {
        case 0xA0:
            return QStringLiteral("General error number :");
        case 0xC0:
            return QStringLiteral("Timeout error number :");
        case 0xE0:
            return upper ? QStringLiteral("No any device error :")
                         : QStringLiteral("No device found error :");
        default:
            return QStringLiteral("Number of error :");
    }
}

}  // namespace

ErrorRow modbusRecord(int uart, int number, quint8 record)
{
    ErrorRow row;
    if (record == 0)
        row.state = QStringLiteral("No error");
    else if (record != 0x80)
        row.state = QStringLiteral("Active error");
    else if (uart == 2 && number >= kFirstUpperRecord)
        row.state = QStringLiteral("Old error");
    else
        row.state = QStringLiteral("Inactive error");
    const int code = record & 0x7F;
    if (code < int(kModbusDescriptions.size()))
        row.description = QString::fromLatin1(kModbusDescriptions[size_t(code)]);
    return row;
}

ErrorRow oneWireRecord(int number, quint8 record)
{
    ErrorRow row;
    row.state = (record & 0x80) ? QStringLiteral("Active error") : QStringLiteral("No error");
    // Class 0 shows no description, not even the count.
    const int errorClass = record & 0xE0;
    if (errorClass != 0) {
        row.description = oneWireClassText(errorClass, number >= kFirstUpperRecord) +
                          QString::number(record & 0x1F);
    }
    return row;
}

}  // namespace plc
