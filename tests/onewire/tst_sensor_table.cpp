#include "aux_mode_word.h"
#include "check_grid_1w.h"
#include "grid_model.h"
#include "hex_text.h"
#include "sensor_editing.h"
#include "sensor_record.h"

#include <QtTest>

namespace {

// A sensor whose register is `reg`.
SensorCells sensor(const QString &reg = QStringLiteral("1500"))
{
    return {"28", "FF", "4B", "12", "03", "00", "00", "A1", reg};
}

// A sensor table holding sensors with these registers and the entry row.
void fill(GridModel &grid, const QStringList &registers)
{
    QList<SensorCells> rows;
    for (const QString &reg : registers)
        rows.append(sensor(reg));
    grid.setDataRows(rows);
}

// The rows below the heading, each as its cells joined by "|".
QStringList rowTexts(const GridModel &grid)
{
    QStringList rows;
    for (int row = 1; row < grid.rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid.cols(); ++col)
            cells.append(grid.text(row, col));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

const QString kEmptyEntry = QStringLiteral("|||||||||");

}  // namespace

// The mode word and sensor record codecs, the sensor check, and the table's editing rules,
// all on plain values and the model.
class TestSensorTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void record_data();
    void record();
    void auxWord_data();
    void auxWord();
    void check_data();
    void check();
    void dialogPreset_data();
    void dialogPreset();
    void storeAndDelete_data();
    void storeAndDelete();
};

void TestSensorTable::record_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("back");  // what an upload of the record shows
    QTest::newRow("worked example") << sensor() << "FF28124B0003A100DC05" << sensor();
    QTest::newRow("lower case goes out upper case")
        << QStringList{"0a", "1b", "2c", "3d", "4e", "5f", "60", "71", "7997"}
        << "1B0A3D2C5F4E71603D1F"
        << QStringList{"0A", "1B", "2C", "3D", "4E", "5F", "60", "71", "7997"};
    QTest::newRow("register 0") << sensor("0") << "FF28124B0003A1000000" << sensor("0");
    QTest::newRow("register read back signed")
        << sensor("65535") << "FF28124B0003A100FFFF" << sensor("-1");
}

void TestSensorTable::record()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, record);
    QFETCH(QStringList, back);
    QCOMPARE(encodeSensor(cells), record);
    QCOMPARE(decodeSensor(record), back);
}

void TestSensorTable::auxWord_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("lists");  // speed, parity, bits, stop
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("data");  // as sent, low byte first
    QTest::addColumn<bool>("encodes");  // false: only read back this way
    QTest::newRow("9600, None, 7, 1") << 1 << QList<int>{0, 0, 0, 0} << 0 << "0080" << true;
    QTest::newRow("start-up lists") << 1 << QList<int>{4, 2, 1, 1} << 0 << "80BB" << true;
    QTest::newRow("115200, Odd, 8, 2") << 1 << QList<int>{4, 1, 1, 1} << 0 << "80B7" << true;
    QTest::newRow("19200") << 1 << QList<int>{1, 0, 0, 0} << 0 << "8080" << true;
    QTest::newRow("38400") << 1 << QList<int>{2, 0, 0, 0} << 0 << "0081" << true;
    QTest::newRow("57600") << 1 << QList<int>{3, 0, 0, 0} << 0 << "8081" << true;
    QTest::newRow("speed code 4 reads 9600") << 1 << QList<int>{0, 0, 0, 0} << 0 << "0082" << false;
    QTest::newRow("master, no sensor") << 0 << QList<int>{4, 2, 1, 1} << 0 << "00C0" << true;
    QTest::newRow("master, 127 sensors") << 0 << QList<int>{4, 2, 1, 1} << 127 << "7FC0" << true;
    QTest::newRow("count keeps seven bits") << 0 << QList<int>{4, 2, 1, 1} << 1 << "81C0" << false;
    QTest::newRow("not use") << 2 << QList<int>{4, 2, 1, 1} << 0 << "0000" << true;
    QTest::newRow("bit 14 alone") << 2 << QList<int>{4, 2, 1, 1} << 0 << "0040" << false;
}

void TestSensorTable::auxWord()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, lists);
    QFETCH(int, count);
    QFETCH(QString, data);
    QFETCH(bool, encodes);
    const FieldNetSettings fieldNet{lists[0], lists[1], lists[2], lists[3]};
    if (encodes)
        QCOMPARE(hextext::word(encodeAuxWord(AuxMode(mode), fieldNet, count)), data);
    const AuxWordFields f = decodeAuxWord(quint16(Hex_to_num(hextext::swapPairs(data))));
    QCOMPARE(int(f.mode), mode);
    QCOMPARE(f.sensorCount, count);
    QVERIFY(f.fieldNet == fieldNet);  // the start-up lists unless Field Net
}

void TestSensorTable::check_data()
{
    QTest::addColumn<int>("sensors");
    QTest::addColumn<int>("row");  // the cell changed (0: none)
    QTest::addColumn<int>("col");  // 1 to 8 ROM bytes, 9 register
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // null: the check passes
    const QString byteFault = QStringLiteral(
        "You configuration has error in the addresing data - row %1\r\nColumn Byte %2");
    const QString registerFault =
        QStringLiteral("You configuration has error in master addresing data Dxxxx. Row is %1");
    QTest::newRow("no sensor") << 0 << 0 << 0 << "" << QString();
    QTest::newRow("127 sensors") << 127 << 0 << 0 << "" << QString();
    QTest::newRow("128 sensors")
        << 128 << 0 << 0 << ""
        << "You configuration has error - too much sensors. Maximum value is 127";
    QTest::newRow("register 7997") << 3 << 2 << 9 << "7997" << QString();
    QTest::newRow("register 7998") << 3 << 2 << 9 << "7998" << registerFault.arg(2);
    QTest::newRow("register -1") << 3 << 3 << 9 << "-1" << registerFault.arg(3);
    QTest::newRow("register empty") << 3 << 1 << 9 << "" << registerFault.arg(1);
    QTest::newRow("register 1.5") << 3 << 1 << 9 << "1.5" << registerFault.arg(1);
    QTest::newRow("lower-case byte") << 3 << 2 << 4 << "ff" << QString();
    QTest::newRow("one character") << 3 << 2 << 1 << "F" << byteFault.arg(2).arg(0);
    QTest::newRow("three characters") << 3 << 3 << 8 << "ABC" << byteFault.arg(3).arg(7);
    QTest::newRow("empty byte") << 3 << 1 << 2 << "" << byteFault.arg(1).arg(1);
    QTest::newRow("G0 in Byte 3 of row 5") << 6 << 5 << 4 << "G0" << byteFault.arg(5).arg(3);
}

void TestSensorTable::check()
{
    QFETCH(int, sensors);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QList<SensorCells> table(sensors, sensor());
    if (row > 0)
        table[row - 1][col - 1] = text;
    const auto fault = Check_grid_1w(table);
    QCOMPARE(fault ? sensorFaultMessage(*fault) : QString(), message);
}

void TestSensorTable::dialogPreset_data()
{
    QTest::addColumn<QStringList>("registers");  // of the sensors in the table
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("chosen");  // Grid1_index + 1
    QTest::addColumn<QStringList>("preset");
    const QStringList zeros(8, QStringLiteral("00"));
    QTest::newRow("add to an empty table")
        << QStringList{} << 1 << 1 << zeros + QStringList{"3000"};
    QTest::newRow("add after 1510")
        << QStringList{"1500", "1510"} << 1 << 1 << zeros + QStringList{"1512"};
    QTest::newRow("add after a register that is no number")
        << QStringList{"1500", "15x"} << 1 << 1 << zeros + QStringList{"3000"};
    QTest::newRow("modify row 2") << QStringList{"1500", "1510"} << 2 << 2 << sensor("1510");
    QTest::newRow("modify the entry row") << QStringList{"1500"} << 2 << 2 << QStringList(9);
    QTest::newRow("modify below the table") << QStringList{"1500"} << 2 << 9 << QStringList(9);
}

void TestSensorTable::dialogPreset()
{
    QFETCH(QStringList, registers);
    QFETCH(int, mode);
    QFETCH(int, chosen);
    QFETCH(QStringList, preset);
    GridModel grid(10);
    fill(grid, registers);
    QCOMPARE(sensorDialogPreset(grid, chosen, SensorDialogMode(mode)), preset);
}

void TestSensorTable::storeAndDelete_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("chosen");  // Grid1_index + 1
    QTest::addColumn<QStringList>("rows");
    const QString s = QStringLiteral("|28|FF|4B|12|03|00|00|A1|");
    const QString added = QStringLiteral("|01|02|03|04|05|06|07|08|1");
    QTest::newRow("add") << "add" << 1
                         << QStringList{"1" + s + "1", "2" + s + "2", "3" + s + "3", "4" + added,
                                        "5" + kEmptyEntry};
    QTest::newRow("modify keeps Num")
        << "modify" << 2
        << QStringList{"1" + s + "1", "2" + added, "3" + s + "3", "4" + kEmptyEntry};
    QTest::newRow("delete row 2") << "delete" << 2
                                  << QStringList{"1" + s + "1", "2" + s + "3", "3" + kEmptyEntry};
    QTest::newRow("delete on the entry row")
        << "delete" << 4
        << QStringList{"1" + s + "1", "2" + s + "2", "3" + s + "3", "4" + kEmptyEntry};
    QTest::newRow("delete all") << "delete all" << 2 << QStringList{kEmptyEntry};
}

void TestSensorTable::storeAndDelete()
{
    QFETCH(QString, action);
    QFETCH(int, chosen);
    QFETCH(QStringList, rows);
    GridModel grid(10);
    fill(grid, {"1", "2", "3"});
    const SensorCells typed = {"01", "02", "03", "04", "05", "06", "07", "08", "1"};
    if (action == "add" || action == "modify") {
        const auto mode = action == "add" ? SensorDialogMode::Add : SensorDialogMode::Modify;
        storeSensor(grid, mode, chosen, typed);
        for (int col = 0; col < grid.cols(); ++col) {
            const QVariant alignment = grid.data(grid.index(0, col), Qt::TextAlignmentRole);
            QCOMPARE(alignment.value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
        }
    } else if (action == "delete") {
        QCOMPARE(deleteSensor(grid, chosen), chosen < 4);
    } else {
        deleteAllSensors(grid);
    }
    QCOMPARE(rowTexts(grid), rows);
}

QTEST_GUILESS_MAIN(TestSensorTable)
#include "tst_sensor_table.moc"
