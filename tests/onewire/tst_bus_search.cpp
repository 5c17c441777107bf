#include "bus_match.h"
#include "bus_search.h"
#include "onewire_test_support.h"
#include "sensor_editing.h"
#include "sensor_replace.h"
#include "table_steps.h"
#include "transfer_fixture.h"

#include <QtTest>

using namespace plc;

using namespace onewiretest;

namespace {

QList<RomCode> codes(int n)
{
    QList<RomCode> list;
    for (int j = 1; j <= n; ++j)
        list.append(romCode(j));
    return list;
}

// The search command, the read that wakes the controller and the count read.
const QStringList kSearch = {"E10 2000 02 0180", "E00 3000 02", "E00 3000 02"};
// The waits of these tests; the dialog's own 3500 ms are measured in its test.
constexpr int kShortSettleMs = 20;

struct PlaceCase {
    QStringList registers;  // of the sensors in the table
    int found;
    QString start;
    bool replace;
    QString refusal;
    QStringList rows;  // the register column after
};

}  // namespace

// The bus search against the virtual controller with configured devices, and the placing of
// found devices into the sensor table.
class TestBusSearch : public TransferTest {
    Q_OBJECT

private Q_SLOTS:
    void search_data()
    {
        // reads: after the count
        testing::columns<int, QStringList>({"devices", "reads"});
        testing::row("none", 0, QStringList{});
        testing::row("3", 3, QStringList{"E00 3002 18"});
        testing::row("8", 8, QStringList{"E00 3002 40"});
        testing::row("9", 9, QStringList{"E00 3002 40", "E00 3042 08"});
        testing::row("17", 17, QStringList{"E00 3002 40", "E00 3042 40", "E00 3082 08"});
    }

    void search()
    {
        QFETCH(int, devices);
        QFETCH(QStringList, reads);
        QList<QByteArray> bus;
        for (int j = 1; j <= devices; ++j)
            bus.append(romBytes(j));
        m_f->sim.plc.setOneWireDevices(bus);
        QList<RomCode> found;
        search(found);
        QVERIFY(m_f->prompts.shown.isEmpty());
        QCOMPARE(m_f->frames(), kSearch + reads);
        QCOMPARE(found, codes(devices));

        GridModel result(9);
        result.setDataRows({romCode(99), romCode(98)});
        showFoundDevices(result, found);
        QCOMPARE(result.rows(), devices + 2);
        if (devices == 3) {
            QCOMPARE(rowTexts(result),
                     (QStringList{"1|28|01|4B|12|03|00|00|A1", "2|28|02|4B|12|03|00|00|A1",
                                  "3|28|03|4B|12|03|00|00|A1", "4||||||||"}));
        }
        QCOMPARE(result.text(devices + 1, 0),
                 devices == 0 ? QString() : QString::number(devices + 1));
        QCOMPARE(result.text(devices + 1, 1), QString());
    }

    void placeFound_data()
    {
        const QString start = "The start address must be a whole number";
        const QString last = "The last sensor's Dxxxx must be a whole number";
        tablesteps::addCases<PlaceCase>({
            {"add into an empty table", {{}, 2, "1500", false, "", {"1500", "1502", ""}}},
            {"add after 3004",
             {{"3000", "3004"}, 2, "1500", false, "", {"3000", "3004", "3006", "3008", ""}}},
            {"replace five by three",
             {{"1", "2", "3", "4", "5"}, 3, "1500", true, "", {"1500", "1502", "1504", ""}}},
            {"replace ignores the last register", {{"x"}, 1, "20", true, "", {"20", ""}}},
            {"nothing found renumbers", {{"7", "9"}, 0, "x", false, "", {"7", "9", ""}}},
            {"start address not a number", {{}, 2, "15 00", false, start, {}}},
            {"replace, start address not a number", {{"7"}, 2, "", true, start, {}}},
            {"last register not a number", {{"7", "9x"}, 2, "1500", false, last, {}}},
        });
    }

    void placeFound()
    {
        QFETCH(PlaceCase, c);
        GridModel grid(10);
        QList<QStringList> sensors;
        for (const QString &reg : c.registers)
            sensors.append(romCode(50) + QStringList{reg});
        grid.setDataRows(sensors);
        for (int row = 1; row < grid.rows(); ++row)
            grid.setText(row, 0, QStringLiteral("?"));
        const QStringList before = rowTexts(grid);

        const QString shown =
            placeFoundSensors(grid, codes(c.found), c.start,
                              c.replace ? FoundPlacement::ReplaceAll : FoundPlacement::Append);
        QCOMPARE(shown, c.refusal);
        if (!c.refusal.isEmpty()) {
            QCOMPARE(rowTexts(grid), before);
            return;
        }
        QCOMPARE(grid.rows(), c.rows.size() + 1);
        for (int row = 1; row < grid.rows(); ++row) {
            QCOMPARE(grid.text(row, 0), QString::number(row));
            QCOMPARE(grid.text(row, 9), c.rows.at(row - 1));
        }
        // The found codes follow the sensors kept, in the order found.
        const int kept = c.replace ? 0 : int(c.registers.size());
        for (int j = 1; j <= c.found; ++j)
            QCOMPARE(grid.dataRows().at(kept + j - 1).mid(0, 8), romCode(j));
    }

    void matchWithTable_data()
    {
        // Table: device 1 named "boiler", device 2 in small letters named "tank", device 3.
        testing::columns<QList<int>, QStringList, QList<int>, int>(
            {"found", "places", "notFound", "added"});
        testing::row("one present, one new, one missing", QList<int>{1, 9},
                     QStringList{"in table, row 1 (boiler)", "new"}, QList<int>{2, 3}, 1);
        testing::row("case does not matter", QList<int>{2, 3},
                     QStringList{"in table, row 2 (tank)", "in table, row 3"}, QList<int>{1}, 0);
        testing::row("found twice, added once", QList<int>{9, 9}, QStringList{"new", "new"},
                     QList<int>{1, 2, 3}, 1);
    }

    void matchWithTable()
    {
        QFETCH(QList<int>, found);
        QFETCH(QStringList, places);
        QFETCH(QList<int>, notFound);
        QFETCH(int, added);
        QStringList second = romCode(2);
        second[7] = "a1";
        const QList<SensorCells> table = {romCode(1) + QStringList{"1500", "boiler"},
                                          second + QStringList{"1502", "tank"},
                                          romCode(3) + QStringList{"1504"}};
        QList<RomCode> devices;
        for (int j : found)
            devices.append(romCode(j));
        const BusMatch match = matchBus(devices, table);
        QStringList shown;
        for (const DevicePlace &place : match.devices)
            shown.append(devicePlaceText(place));
        QCOMPARE(shown, places);
        QCOMPARE(match.notFound, notFound);
        QCOMPARE(devicesNotIn(devices, table).size(), added);
    }

    void replaceKeepsTheRest_data()
    {
        testing::columns<QString, QString>({"typed", "refusal"});
        const QString fault = "You configuration has error in the addresing data - row 2\r\n";
        testing::row("bytes with blanks", "28 09 4B 12 03 00 00 A1", "");
        testing::row("run together", "28094B12030000A1", "");
        testing::row("a byte short", "28:09:4B:12:03:00:00", fault + "Column Byte 7");
        testing::row("not hexadecimal", "28 0G 4B 12 03 00 00 A1", fault + "Column Byte 1");
    }

    void replaceKeepsTheRest()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        GridModel grid(11);
        grid.setDataRows({sensor(1), sensor(2) + QStringList{"tank"}});
        QList<QStringList> expected = grid.dataRows();
        if (refusal.isEmpty())  // the register and the name stay
            expected[1] = romCode(9) + expected[1].mid(8);
        QCOMPARE(replaceSensorRom(grid, 2, romCodeOfText(typed)), refusal);
        QCOMPARE(grid.dataRows(), expected);
    }

private:
    // A search as the dialog runs it; what it found replaces `found` only when it ended done.
    void search(QList<RomCode> &found)
    {
        const Result<QList<RomCode>> result = m_f->show(searchBus(m_f->ctx, kShortSettleMs));
        QVERIFY(result.outcome.kind != Outcome::Kind::Busy);
        if (result.done())
            found = result.value;
    }
};

QTEST_GUILESS_MAIN(TestBusSearch)

#include "tst_bus_search.moc"
