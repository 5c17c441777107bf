#include "aux_mode_word.h"
#include "failure.h"
#include "onewire_test_support.h"
#include "sensor_check.h"
#include "sensor_record.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

using onewiretest::sensor;

namespace {

// Sensor 1 (ROM bytes 28 FF 4B 12 03 00 00 A1) with another register.
SensorCells withRegister(const QString &reg)
{
    SensorCells cells = sensor(1);
    cells.last() = reg;
    return cells;
}

}  // namespace

// The mode word and sensor record codecs and the sensor check, on plain values.
class TestSensorTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void csvCarriesNamesAndReadsFilesWithoutThem()
    {
        const QList<SensorCells> named = {sensor(1) + QStringList{"Boiler, \"top\""},
                                          sensor(2) + QStringList{QString()}};
        const QByteArray csv = tableToCsv(sensorCsvTable(), named);
        QVERIFY(
            csv.startsWith("Num,Byte 0,Byte 1,Byte 2,Byte 3,Byte 4,Byte 5,Byte 6,Byte 7,"
                           "Dxxxx,Name\r\n"));
        QCOMPARE(tableFromCsv(sensorCsvTable(), csv), named);
        // A file written before names: the same rows, unnamed.
        QByteArray unnamed = csv;
        unnamed.replace(",Name\r\n", "\r\n").replace(",\"Boiler, \"\"top\"\"\"\r\n", "\r\n");
        unnamed.replace(",\r\n", "\r\n");
        QCOMPARE(tableFromCsv(sensorCsvTable(), unnamed),
                 (QList<SensorCells>{sensor(1) + QStringList{QString()}, named.at(1)}));
        try {
            tableFromCsv(sensorCsvTable(),
                         tableToCsv(sensorCsvTable(), {sensor(1) + QStringList{QString(41, 'x')}}));
            QFAIL("a name of 41 characters was imported");
        } catch (const Failure &f) {
            QVERIFY2(f.description().endsWith("A name has at most 40 characters; this one has 41."),
                     qPrintable(f.description()));
        }
    }

    void record_data()
    {
        // back: what an upload of the record shows
        testing::columns<QStringList, QString, QStringList>({"cells", "record", "back"});
        testing::row("sensor 28 FF 4B 12 03 00 00 A1, register 1500", sensor(1),
                     "FF28124B0003A100DC05", sensor(1));
        testing::row("lower case goes out upper case",
                     QStringList{"0a", "1b", "2c", "3d", "4e", "5f", "60", "71", "7997"},
                     "1B0A3D2C5F4E71603D1F",
                     QStringList{"0A", "1B", "2C", "3D", "4E", "5F", "60", "71", "7997"});
        testing::row("register 0", withRegister("0"), "FF28124B0003A1000000", withRegister("0"));
        testing::row("register read back signed", withRegister("65535"), "FF28124B0003A100FFFF",
                     withRegister("-1"));
    }

    void record()
    {
        QFETCH(QStringList, cells);
        QFETCH(QString, record);
        QFETCH(QStringList, back);
        QCOMPARE(encodeSensor(cells), record);
        QCOMPARE(decodeSensor(record), back);
    }

    void auxWord_data()
    {
        // lists (speed, parity, bits, stop), data (as sent, low byte first), encodes (false: only
        // read back this way)
        testing::columns<int, QList<int>, int, QString, bool>(
            {"mode", "lists", "count", "data", "encodes"});
        testing::row("9600, None, 7, 1", 1, QList<int>{0, 0, 0, 0}, 0, "0080", true);
        testing::row("start-up lists", 1, QList<int>{4, 2, 1, 1}, 0, "80BB", true);
        testing::row("115200, Odd, 8, 2", 1, QList<int>{4, 1, 1, 1}, 0, "80B7", true);
        testing::row("19200", 1, QList<int>{1, 0, 0, 0}, 0, "8080", true);
        testing::row("38400", 1, QList<int>{2, 0, 0, 0}, 0, "0081", true);
        testing::row("57600", 1, QList<int>{3, 0, 0, 0}, 0, "8081", true);
        testing::row("speed code 4 reads 9600", 1, QList<int>{0, 0, 0, 0}, 0, "0082", false);
        testing::row("master, no sensor", 0, QList<int>{4, 2, 1, 1}, 0, "00C0", true);
        testing::row("master, 127 sensors", 0, QList<int>{4, 2, 1, 1}, 127, "7FC0", true);
        testing::row("count keeps seven bits", 0, QList<int>{4, 2, 1, 1}, 1, "81C0", false);
        testing::row("not use", 2, QList<int>{4, 2, 1, 1}, 0, "0000", true);
        testing::row("bit 14 alone", 2, QList<int>{4, 2, 1, 1}, 0, "0040", false);
    }

    void auxWord()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, lists);
        QFETCH(int, count);
        QFETCH(QString, data);
        QFETCH(bool, encodes);
        const FieldNetSettings fieldNet{lists[0], lists[1], lists[2], lists[3]};
        if (encodes)
            QCOMPARE(hextext::word(encodeAuxWord(AuxMode(mode), fieldNet, count)), data);
        const AuxWordFields f = decodeAuxWord(quint16(hexToNumber(hextext::swapPairs(data))));
        QCOMPARE(int(f.mode), mode);
        QCOMPARE(f.sensorCount, count);
        QVERIFY(f.fieldNet == fieldNet);  // the start-up lists unless Field Net
    }

    void check_data()
    {
        // row (the cell changed (0: none)), col (1 to 8 ROM bytes, 9 register), message (null: the
        // check passes)
        testing::columns<int, int, int, QString, QString>(
            {"sensors", "row", "col", "text", "message"});
        const QString byteFault = QStringLiteral(
            "You configuration has error in the addresing data - row %1\r\nColumn Byte %2");
        const QString registerFault =
            QStringLiteral("You configuration has error in master addresing data Dxxxx. Row is %1");
        testing::row("no sensor", 0, 0, 0, "", QString());
        testing::row("127 sensors", 127, 0, 0, "", QString());
        testing::row("128 sensors", 128, 0, 0, "",
                     "You configuration has error - too much sensors. Maximum value is 127");
        testing::row("register 7997", 3, 2, 9, "7997", QString());
        testing::row("register 7998", 3, 2, 9, "7998", registerFault.arg(2));
        testing::row("register -1", 3, 3, 9, "-1", registerFault.arg(3));
        testing::row("register empty", 3, 1, 9, "", registerFault.arg(1));
        testing::row("register 1.5", 3, 1, 9, "1.5", registerFault.arg(1));
        testing::row("lower-case byte", 3, 2, 4, "ff", QString());
        testing::row("one character", 3, 2, 1, "F", byteFault.arg(2).arg(0));
        testing::row("three characters", 3, 3, 8, "ABC", byteFault.arg(3).arg(7));
        testing::row("empty byte", 3, 1, 2, "", byteFault.arg(1).arg(1));
        testing::row("G0 in Byte 3 of row 5", 6, 5, 4, "G0", byteFault.arg(5).arg(3));
    }

    void check()
    {
        QFETCH(int, sensors);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QList<SensorCells> table(sensors, sensor(1));
        if (row > 0)
            table[row - 1][col - 1] = text;
        const auto fault = checkSensorTable(table);
        QCOMPARE(fault ? sensorFaultMessage(*fault) : QString(), message);
    }
};

QTEST_GUILESS_MAIN(TestSensorTable)

#include "tst_sensor_table.moc"
