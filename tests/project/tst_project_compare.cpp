#include "project_compare.h"
#include "project_names.h"
#include "project_sample.h"
#include "row_name.h"
#include "sensor_record.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;
using namespace plc::projecttest;
using P = ProjectPart;

namespace {

// One case: an edit made to both projects first (none: the sample as it is), then one to the
// right-hand project alone, and the differences that must come of it.
struct Change {
    Edit both;
    Edit right;
    QList<Difference> expected;
};

void addChange(const char *name, const Edit &right, const QList<Difference> &expected,
               const Edit &both = kAsItIs)
{
    QTest::newRow(name) << Change{both, right, expected};
}

// Each cell of a table on its own: one row per column, the rows taken in turn.
void addCellChanges(P part, const QStringList &headings, QList<QStringList> &(*table)(Project &))
{
    Project copy = sampleProject();
    for (int col = 0; col < headings.size(); ++col) {
        const int row = col % int(table(copy).size());
        const QString old = table(copy)[row][col];
        QTest::addRow("%s row %d %s", qPrintable(partKey(part)), row + 1, qPrintable(headings[col]))
            << Change{kAsItIs,
                      [=](Project &p) { table(p)[row][col] = QStringLiteral("77"); },
                      {{part, row + 1, headings[col], old, QStringLiteral("77")}}};
    }
}

}  // namespace

Q_DECLARE_METATYPE(Change)

namespace {

QList<QStringList> &requestsOf(Project &p)
{
    return p.config.uarts[0].requests;
}
QList<QStringList> &sensorsOf(Project &p)
{
    return p.config.sensors;
}

// The sample with every request of UART 1 and every sensor named after its row: "r1", "s1" ...
Project namedSample()
{
    Project p = sampleProject();
    for (int i = 0; i < requestsOf(p).size(); ++i)
        requestsOf(p)[i].append(QStringLiteral("r%1").arg(i + 1));
    for (int i = 0; i < sensorsOf(p).size(); ++i)
        sensorsOf(p)[i].append(QStringLiteral("s%1").arg(i + 1));
    return p;
}

}  // namespace

// The differences between two projects: each value the controller holds named alone, in the
// tables' own words, and nothing of what it does not hold.
class TestProjectCompare : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachValueIsNamedAlone_data()
    {
        QTest::addColumn<Change>("change");
        addCellChanges(
            P::Uart1,
            {"Address", "Num word", "Address slave", "Address master", "Function", "Timeout,[ms]"},
            [](Project &p) -> QList<QStringList> & { return p.config.uarts[0].requests; });
        addCellChanges(P::OneWire,
                       {"Byte 0", "Byte 1", "Byte 2", "Byte 3", "Byte 4", "Byte 5", "Byte 6",
                        "Byte 7", "Dxxxx"},
                       [](Project &p) -> QList<QStringList> & { return p.config.sensors; });
        addChange("equal", [](Project &) {}, {});
        addChange("uart1 speed", [](Project &p) { p.config.uarts[0].settings.speed = 0; },
                  {{P::Uart1, 0, "speed", "115200", "9600"}});
        addChange("uart1 parity", [](Project &p) { p.config.uarts[0].settings.parity = 0; },
                  {{P::Uart1, 0, "parity", "None", "Odd"}});
        addChange("uart1 mode, named alone",
                  [](Project &p) {
                      p.config.uarts[0].settings = {UartMode::ModbusSlave, 0, 0, "1", "1"};
                      p.config.uarts[0].requests.clear();
                  },
                  {{P::Uart1, 0, "mode", "Master", "Slave"}});
        addChange("uart2 speed", [](Project &p) { p.config.uarts[1].settings.speed = 4; },
                  {{P::Uart2, 0, "speed", "9600", "115200"}});
        addChange("uart2 parity", [](Project &p) { p.config.uarts[1].settings.parity = 2; },
                  {{P::Uart2, 0, "parity", "Even", "None"}});
        addChange("uart2 address", [](Project &p) { p.config.uarts[1].settings.address = "6"; },
                  {{P::Uart2, 0, "address", "5", "6"}});
        // Only the slave settings' own download sends the timeout.
        addChange("uart2 timeout, not the controller's",
                  [](Project &p) { p.config.uarts[1].settings.timeout = "250"; }, {});
        addChange("onewire mode, named alone", [](Project &p) { p.config.auxMode = 1; },
                  {{P::OneWire, 0, "mode", "1-wire master", "Field Net"}});
        addChange(
            "Field Net lists",
            [](Project &p) {
                p.fieldNet = {0, 1, 0, 0};
            },
            {{P::OneWire, 0, "speed", "115200", "9600"},
             {P::OneWire, 0, "parity", "Even", "Odd"},
             {P::OneWire, 0, "data bits", "8", "7"},
             {P::OneWire, 0, "stop bits", "2", "1"}},
            kFieldNet);
        addChange("output to not used",
                  [](Project &p) { applyChoice(p.ioMap, 1, IoChoice::NotUse); },
                  {{P::IoMap, 2, "Function", "Output-Y", "Not use"}});
        addChange("last point an input", [](Project &p) { p.ioMap.pointTypes[20] = 1; },
                  {{P::IoMap, 21, "Function", "Not use", "Input -X"}});
        addChange("a request fewer", [](Project &p) { p.config.uarts[0].requests.removeLast(); },
                  {{P::Uart1, 0, "rows", "3", "2"}});
        addChange("a sensor more",
                  [](Project &p) { p.config.sensors.append(p.config.sensors.first()); },
                  {{P::OneWire, 0, "rows", "2", "3"}});
        // What the controller does not hold, or holds for another mode.
        addChange("numbers alike, hex in any case",
                  [](Project &p) {
                      p.config.uarts[0].requests[0][1] = "010";
                      p.config.sensors[1] = {"28", "fe", "4b", "12",   "03",
                                             "0",  "00", "a1", "01502"};
                  },
                  {});
        addChange("not compared",
                  [](Project &p) {
                      p.note = "another";
                      p.ioMap.name[0] = "X7";
                      p.ioMap.function[2] = "Output-Y";
                      p.config.uarts[0].bits = p.config.uarts[1].bits = 0;
                      p.config.uarts[0].stop = p.config.uarts[1].stop = 1;
                      p.config.uarts[0].settings.address = "200";  // a master's slave boxes
                      p.config.uarts[0].settings.timeout = "7";
                      p.config.uarts[1].requests.clear();  // a slave's table
                      p.fieldNet.speed = 0;                // the lists of a 1-wire master
                  },
                  {});
        addChange(
            "Field Net: the sensors", [](Project &p) { p.config.sensors.clear(); }, {}, kFieldNet);
        addChange(
            "not in use: the rest",
            [](Project &p) {
                p.config.uarts[1].settings = {UartMode::NotUse, 7, 2, "9", "9"};
                p.config.sensors.clear();
            },
            {},
            [](Project &p) {
                p.config.uarts[1].settings.mode = UartMode::NotUse;
                p.config.auxMode = int(AuxMode::NotUse);
            });
    }

    void eachValueIsNamedAlone()
    {
        QFETCH(Change, change);
        Project left = sampleProject();
        change.both(left);
        Project right = left;
        change.right(right);
        QCOMPARE(projectDifferences(left, right), change.expected);
    }

    void namesFollowTheRowAndOnlyFilesCompareThem()
    {
        const Project left = namedSample();
        Project right = left;
        requestsOf(right)[2][5] = "250";
        sensorsOf(right)[0][9] = "boiler";
        QCOMPARE(differenceLines(projectDifferences(left, right), "file", "controller"),
                 QStringList{"uart1 row 3 (r3) Timeout,[ms]: file 103, controller 250"});
        QCOMPARE(differenceLines(
                     projectDifferences(left, right, {ProjectPart::OneWire}, Compared::FileValues),
                     "a", "b"),
                 QStringList{"onewire row 1 (s1) Name: a s1, b boiler"});
    }

    void readBackKeepsNamesByIdentity_data()
    {
        // edit: what the controller holds, made to the sample without names
        testing::columns<Edit, QStringList, int, int>({"edit", "names", "kept", "added"});
        testing::row("same", Edit([](Project &) {}), QStringList{"r1", "r2", "r3", "s1", "s2"}, 5,
                     0);
        testing::row("moved", Edit([](Project &p) {
                         std::swap(requestsOf(p)[0], requestsOf(p)[2]);
                         std::swap(sensorsOf(p)[0], sensorsOf(p)[1]);
                     }),
                     QStringList{"r3", "r2", "r1", "s2", "s1"}, 5, 0);
        testing::row("new", Edit([](Project &p) {
                         QStringList unknown = sensorsOf(p)[0];
                         unknown[7] = "B2";
                         sensorsOf(p).prepend(unknown);
                     }),
                     QStringList{"r1", "r2", "r3", "", "s1", "s2"}, 5, 1);
        // Slave address, function and slave register make a request; the rest may change.
        testing::row("changed identity", Edit([](Project &p) {
                         requestsOf(p)[0][2] = "11";   // Address slave
                         requestsOf(p)[1][5] = "999";  // Timeout
                         requestsOf(p)[2][0] = "03";   // Address, as another text
                         sensorsOf(p)[1][0] = "29";
                     }),
                     QStringList{"", "r2", "r3", "s1", ""}, 3, 2);
    }

    void readBackKeepsNamesByIdentity()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, names);
        Project read = sampleProject();
        edit(read);
        const NamesKept kept = keepProjectNames(namedSample(), read, allProjectParts());
        QStringList found = rowNames(requestsOf(read), requestcol::Name - 1);
        found += rowNames(sensorsOf(read), sensorcol::Name - 1);
        QCOMPARE(found, names);
        QTEST(kept.kept, "kept");
        QTEST(kept.added, "added");
    }

    void filesAlsoCompareWhatOnlyFilesHold()
    {
        const Project left = sampleProject();
        Project right = left;
        right.config.uarts[0].bits = (left.config.uarts[0].bits + 1) % 3;
        right.config.uarts[0].stop = (left.config.uarts[0].stop + 1) % 3;
        right.config.uarts[1].settings.timeout = "250";
        right.ioMap.name[0] = "X7";
        QCOMPARE(projectDifferences(left, right), QList<Difference>());
        QStringList columns;
        for (const Difference &d :
             projectDifferences(left, right, allProjectParts(), Compared::FileValues))
            columns.append(partKey(d.part) + ' ' + d.column);
        QCOMPARE(columns, QStringList({"uart1 bit number", "uart1 stop bits", "uart2 timeout",
                                       "iomap Prog.name"}));
    }

    void onlyTheChosenPartsInTransferOrder()
    {
        const Project left = sampleProject();
        Project right = left;
        applyChoice(right.ioMap, 0, IoChoice::NotUse);
        right.config.uarts[1].settings.address = "6";
        right.config.uarts[0].requests[2][5] = "250";
        right.config.auxMode = int(AuxMode::NotUse);
        const QList<Difference> all = projectDifferences(left, right);
        QCOMPARE(differenceLines(all, "file", "controller"),
                 QStringList({"uart1 row 3 Timeout,[ms]: file 103, controller 250",
                              "uart2 address: file 5, controller 6",
                              "onewire mode: file 1-wire master, controller Not use",
                              "iomap point 0 Function: file Input -X, controller Not use"}));
        const ProjectParts inOrder = allProjectParts();
        QCOMPARE(differingParts(QList<Difference>(all.crbegin(), all.crend())), inOrder);
        const ProjectParts chosen = {ProjectPart::IoMap, ProjectPart::Uart2};
        const QList<Difference> some = projectDifferences(left, right, chosen);
        QCOMPARE(some, (QList<Difference>{all.at(1), all.at(3)}));
        QCOMPARE(differingParts(some), (ProjectParts{ProjectPart::Uart2, ProjectPart::IoMap}));
        QCOMPARE(differingParts({}), ProjectParts());
    }
};

QTEST_GUILESS_MAIN(TestProjectCompare)

#include "tst_project_compare.moc"
