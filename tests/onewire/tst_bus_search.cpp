#include "bus_search.h"
#include "grid_model.h"
#include "onewire_test_support.h"
#include "sensor_editing.h"
#include "settings_store.h"
#include "transfer_fixture.h"

#include <QtTest>
#include <memory>

using onewiretest::romBytes;
using onewiretest::romCode;
using onewiretest::rowTexts;

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

}  // namespace

// The bus search against the virtual controller with configured devices, and the placing of
// found devices into the sensor table.
class TestBusSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void search_data();
    void search();
    void placeFound_data();
    void placeFound();

private:
    // A search as the dialog runs it; what it found replaces `found` only when it ended done.
    void search(QList<RomCode> &found)
    {
        const Result<QList<RomCode>> result = m_f->show(searchBus(m_f->link, kShortSettleMs));
        QVERIFY(result.outcome.kind != Outcome::Kind::Busy);
        if (result.done())
            found = result.value;
    }

    std::unique_ptr<TransferFixture> m_f;
};

void TestBusSearch::init()
{
    m_f = std::make_unique<TransferFixture>();
    QVERIFY2(m_f->sim.ok(), qPrintable(m_f->sim.error()));
}

void TestBusSearch::cleanup()
{
    QVERIFY(!m_f->link.isOpen());  // open only while the search runs
    m_f.reset();
}

void TestBusSearch::search_data()
{
    QTest::addColumn<int>("devices");
    QTest::addColumn<QStringList>("reads");  // after the count
    QTest::newRow("none") << 0 << QStringList{};
    QTest::newRow("3") << 3 << QStringList{"E00 3002 18"};
    QTest::newRow("8") << 8 << QStringList{"E00 3002 40"};
    QTest::newRow("9") << 9 << QStringList{"E00 3002 40", "E00 3042 08"};
    QTest::newRow("17") << 17 << QStringList{"E00 3002 40", "E00 3042 40", "E00 3082 08"};
}

void TestBusSearch::search()
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
    QCOMPARE(result.text(devices + 1, 0), devices == 0 ? QString() : QString::number(devices + 1));
    QCOMPARE(result.text(devices + 1, 1), QString());
}

void TestBusSearch::placeFound_data()
{
    QTest::addColumn<QStringList>("registers");  // of the sensors in the table
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QStringList>("rows");  // the register column after
    QTest::newRow("add into an empty table")
        << QStringList{} << 2 << "1500" << false << "" << QStringList{"1500", "1502", ""};
    QTest::newRow("add after 3004") << QStringList{"3000", "3004"} << 2 << "1500" << false << ""
                                    << QStringList{"3000", "3004", "3006", "3008", ""};
    QTest::newRow("replace five by three") << QStringList{"1", "2", "3", "4", "5"} << 3 << "1500"
                                           << true << "" << QStringList{"1500", "1502", "1504", ""};
    QTest::newRow("replace ignores the last register")
        << QStringList{"x"} << 1 << "20" << true << "" << QStringList{"20", ""};
    QTest::newRow("nothing found renumbers")
        << QStringList{"7", "9"} << 0 << "x" << false << "" << QStringList{"7", "9", ""};
    QTest::newRow("start address not a number")
        << QStringList{} << 2 << "15 00" << false << "The start address must be a whole number"
        << QStringList();
    QTest::newRow("replace, start address not a number")
        << QStringList{"7"} << 2 << "" << true << "The start address must be a whole number"
        << QStringList();
    QTest::newRow("last register not a number")
        << QStringList{"7", "9x"} << 2 << "1500" << false
        << "The last sensor's Dxxxx must be a whole number" << QStringList();
}

void TestBusSearch::placeFound()
{
    QFETCH(QStringList, registers);
    QFETCH(int, found);
    QFETCH(QString, start);
    QFETCH(bool, replace);
    QFETCH(QString, refusal);
    QFETCH(QStringList, rows);
    GridModel grid(10);
    QList<QStringList> sensors;
    for (const QString &reg : registers)
        sensors.append(romCode(50) + QStringList{reg});
    grid.setDataRows(sensors);
    for (int row = 1; row < grid.rows(); ++row)
        grid.setText(row, 0, QStringLiteral("?"));
    const QStringList before = rowTexts(grid);

    const QString shown = placeFoundSensors(
        grid, codes(found), start, replace ? FoundPlacement::ReplaceAll : FoundPlacement::Append);
    QCOMPARE(shown, refusal);
    if (!refusal.isEmpty()) {
        QCOMPARE(rowTexts(grid), before);
        return;
    }
    QCOMPARE(grid.rows(), rows.size() + 1);
    for (int row = 1; row < grid.rows(); ++row) {
        QCOMPARE(grid.text(row, 0), QString::number(row));
        QCOMPARE(grid.text(row, 9), rows.at(row - 1));
    }
    // The found codes follow the sensors kept, in the order found.
    const int kept = replace ? 0 : int(registers.size());
    for (int j = 1; j <= found; ++j)
        QCOMPARE(grid.dataRows().at(kept + j - 1).mid(0, 8), romCode(j));
}

QTEST_GUILESS_MAIN(TestBusSearch)
#include "tst_bus_search.moc"
