#include "error_records.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

namespace {

using testing::row;

// Modbus descriptions by error code, as the controller's engineers know them; codes past the
// end of the list have none.
const QStringList kModbusDescriptions =
    QStringLiteral(
        "|illegal register address | illegal argument | receive data error |"
        " timeout error occurred  |master is busy now |execute function error |MBErr 8|"
        "MBErr 9||MBErr 10|MBErr 11|MBErr 12|MBErr 13|MBErr 13|MBErr 14|MBErr 15|"
        "MBErr 16|MBErr 17")
        .split(QLatin1Char('|'));

// The 1-wire description before the error count, by error class (bits 5-7).
QString oneWireClassText(int record, int number)
{
    switch (record & 0xE0) {
        case 0x00:
            return QString();
        case 0xA0:
            return QStringLiteral("General error number :");
        case 0xC0:
            return QStringLiteral("Timeout error number :");
        case 0xE0:
            return number >= 65 ? QStringLiteral("No any device error :")
                                : QStringLiteral("No device found error :");
        default:
            return QStringLiteral("Number of error :");
    }
}

}  // namespace

// The state and description texts of every record byte, in both kinds of error table.
class TestErrorRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts_data()
    {
        // table: 1, 2: the UART's Modbus table; 0: the 1-wire table
        testing::columns<int, int, int, QString, QString>(
            {"table", "number", "record", "state", "description"});
        // Whole rows as the controller's engineers describe them.
        row("UART 1 0x84", 1, 1, 0x84, "Active error", " timeout error occurred  ");
        row("UART 2 0x09", 2, 1, 0x09, "Active error", "");
        row("1-wire 0xC3", 0, 1, 0xC3, "Active error", "Timeout error number :3");
        row("1-wire 0x25", 0, 1, 0x25, "No error", "Number of error :5");
        row("1-wire 0x80", 0, 1, 0x80, "Active error", "Number of error :0");
        row("1-wire 0xFF record 128", 0, 128, 0xFF, "Active error", "No any device error :31");

        for (int b = 0; b < 256; ++b) {
            for (int uart : {1, 2}) {
                for (int number : {64, 65}) {
                    const char *inactive =
                        uart == 2 && number == 65 ? "Old error" : "Inactive error";
                    const QString state = b == 0      ? "No error"
                                          : b == 0x80 ? inactive
                                                      : "Active error";
                    QTest::addRow("UART %d record %d byte %02X", uart, number, b)
                        << uart << number << b << state << kModbusDescriptions.value(b & 0x7F);
                }
            }
            for (int number : {64, 65}) {
                const QString text = oneWireClassText(b, number);
                QTest::addRow("1-wire record %d byte %02X", number, b)
                    << 0 << number << b
                    << ((b & 0x80) ? QStringLiteral("Active error") : QStringLiteral("No error"))
                    << (text.isEmpty() ? text : text + QString::number(b & 0x1F));
            }
        }
    }

    void texts()
    {
        QFETCH(int, table);
        QFETCH(int, number);
        QFETCH(int, record);
        QFETCH(QString, state);
        QFETCH(QString, description);
        const ErrorRow row = table == 0 ? oneWireRecord(number, quint8(record))
                                        : modbusRecord(table, number, quint8(record));
        QCOMPARE(row.state, state);
        QCOMPARE(row.description, description);
    }
};

QTEST_GUILESS_MAIN(TestErrorRecords)

#include "tst_error_records.moc"
