#pragma once

#include <QString>
#include <QtGlobal>

namespace plc {

// The texts one error record shows in its table row.
struct ErrorRow {
    QString state;        // column 1
    QString description;  // column 2

    bool operator==(const ErrorRow &other) const
    {
        return state == other.state && description == other.description;
    }
};

// The captions and heading lines of the three error tables.
QString uart1BufferCaption();
QString uart2BufferCaption();
QString oneWireBufferCaption();
inline const QString kModbusErrorHeadings =
    QStringLiteral("Slot  |  Errors  type   |   Short descriptions of error    ");
inline const QString kOneWireErrorHeadings =
    QStringLiteral("Num |  Errors  type   |   Short descriptions of error ");

// The first record of a buffer's second block; from there on a few texts differ.
constexpr int kFirstUpperRecord = 65;

// A Modbus error record: bit 7 and the 7-bit Modbus error code. UART 2 calls an inactive error
// from record 65 on an old one. A code without a text leaves the description empty.
ErrorRow modbusRecord(int uart, int number, quint8 record);

// A 1-wire error record: bit 7 tells an active error, bits 5-7 the error class and bits 0-4
// how many errors of that class were counted.
ErrorRow oneWireRecord(int number, quint8 record);

// The records hold the texts as the controller engineers know them (JSON output keeps them);
// the window and the command line's table show them translated.
ErrorRow shownErrorRow(const ErrorRow &row);

}  // namespace plc
