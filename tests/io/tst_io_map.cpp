#include "io_block.h"
#include "io_map.h"

#include <QtTest>

namespace {

// Runs a script of steps on a map: "3I" / "3O" / "3N" choose "Input -X", "Output-Y" or
// "Not use" for point 3; "U" followed by 16 digits applies an uploaded block.
void run(IoMap &map, const QString &script)
{
    const auto steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1Char('U'))) {
            applyUpload(map,
                        decodeIoBlock(QLatin1Char('\x02') + step.mid(1) + QLatin1Char('\x03')));
            continue;
        }
        const QString choices = QStringLiteral("ION");
        applyChoice(map, step.chopped(1).toInt(), IoChoice(choices.indexOf(step.back())));
    }
}

// The texts up to the last non-empty one, joined.
QString joined(const std::array<QString, kIoPoints> &texts, const QString &separator,
               const QString &empty)
{
    QStringList list;
    for (const QString &text : texts)
        list.append(text.isEmpty() ? empty : text);
    while (!list.isEmpty() && list.last() == empty)
        list.removeLast();
    return list.join(separator);
}

// One digit per byte, up to the last non-zero one.
QString digits(const PointBytes &bytes)
{
    QString text;
    for (quint8 b : bytes)
        text += QString::number(b);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

QString repeated(const QString &text, int times, const QString &separator)
{
    return QStringList(times, text).join(separator);
}

}  // namespace

// The map's rules without a window: assignment order and octal names, what a choice changes,
// the 8-byte block, and what an uploaded block makes of the map.
class TestIoMap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mapAfter_data();
    void mapAfter();
    void block_data();
    void block();
};

void TestIoMap::mapAfter_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("functions");  // joined by "|"
    QTest::addColumn<QString>("names");      // joined by " ", "-" for none
    QTest::addColumn<QString>("types");      // IO_type
    QTest::addColumn<QString>("xUsed");
    QTest::addColumn<QString>("yUsed");

    QTest::newRow("assigned from the top") << "0I 1I 2O 3I"
                                           << "Input -X|Input -X|Output-Y|Input -X"
                                           << "X0 X1 Y0 X2"
                                           << "1121"
                                           << "111"
                                           << "1";
    QTest::newRow("a choice above the next free row changes only its text")
        << "0I 1I 2O 3I 1O"
        << "Input -X|Output-Y|Output-Y|Input -X"
        << "X0 X1 Y0 X2"
        << "1121"
        << "111"
        << "1";
    QTest::newRow("a choice below the next free row changes only its text")
        << "0I 5O"
        << "Input -X|||||Output-Y"
        << "X0"
        << "1"
        << "1"
        << "";
    QTest::newRow("Not use on the next free row") << "0I 1N"
                                                  << "Input -X|Not use"
                                                  << "X0"
                                                  << "1"
                                                  << "1"
                                                  << "";
    QTest::newRow("and it stays the next free row") << "0I 1N 2O 1O"
                                                    << "Input -X|Output-Y|Output-Y"
                                                    << "X0 Y0"
                                                    << "12"
                                                    << "1"
                                                    << "1";
    QString nine;
    for (int point = 0; point < 9; ++point)
        nine += QStringLiteral("%1I ").arg(point);
    QTest::newRow("the ninth input is X10")
        << nine << repeated("Input -X", 9, "|") << "X0 X1 X2 X3 X4 X5 X6 X7 X10"
        << "111111111"
        << "111111111"
        << "";
    QString all[2];
    for (int point = 0; point < kIoPoints; ++point) {
        all[0] += QStringLiteral("%1I ").arg(point);
        all[1] += QStringLiteral("%1O ").arg(point);
    }
    QTest::newRow("21 inputs end at X24")
        << all[0] << repeated("Input -X", 21, "|")
        << "X0 X1 X2 X3 X4 X5 X6 X7 X10 X11 X12 X13 X14 X15 X16 X17 X20 X21 X22 X23 X24"
        << repeated("1", 21, "") << repeated("1", 21, "") << "";
    QTest::newRow("21 outputs end at Y24")
        << all[1] << repeated("Output-Y", 21, "|")
        << "Y0 Y1 Y2 Y3 Y4 Y5 Y6 Y7 Y10 Y11 Y12 Y13 Y14 Y15 Y16 Y17 Y20 Y21 Y22 Y23 Y24"
        << repeated("2", 21, "") << "" << repeated("1", 21, "");
    // The outputs Y0 and Y1 come first: freeing point 0 must not free X0, which point 2 holds.
    QTest::newRow("Not use frees only the row's own number")
        << "0O 1O 2I 3I 0N 0I"
        << "Input -X|Output-Y|Input -X|Input -X"
        << "- Y1 X0 X1"
        << "0211"
        << "11"
        << "01";

    // Uploads: inputs 0x07 and outputs 0x18, and so on, low byte first.
    QTest::newRow("upload on an empty map") << "U0700000018000000"
                                            << "Input -X|Input -X|Input -X|Output -Y|Output -Y"
                                            << "X0 X1 X2 Y0 Y1"
                                            << "11122"
                                            << "111"
                                            << "11";
    QTest::newRow("upload clears unlisted rows and numbers from X0")
        << "0I 1I 2O 3I U2000000000000000"
        << "|||||Input -X"
        << "- - - - - X0"
        << "000001"
        << "1"
        << "";
    QTest::newRow("a point in both masks is an input") << "U0100000003000000"
                                                       << "Input -X|Output -Y"
                                                       << "X0 Y0"
                                                       << "12"
                                                       << "1"
                                                       << "1";
    QTest::newRow("points above 20 are not read") << "U0000E0FF0000E0FF"
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "";
    QTest::newRow("assignments go on after an upload without a name twice")
        << "U2100000000000000 1N 1I 2I"
        << "Input -X|Input -X|Input -X|||Input -X"
        << "X0 - X2 - - X1"
        << "101001"
        << "111"
        << "";
}

void TestIoMap::mapAfter()
{
    QFETCH(QString, script);
    IoMap map;
    run(map, script);
    QTEST(joined(map.function, "|", ""), "functions");
    QTEST(joined(map.name, " ", "-"), "names");
    QTEST(digits(map.IO_type), "types");
    QTEST(digits(map.X_used), "xUsed");
    QTEST(digits(map.Y_used), "yUsed");
}

void TestIoMap::block_data()
{
    QTest::addColumn<QString>("types");  // IO_type of points 0 onward
    QTest::addColumn<QString>("block");
    QTest::newRow("empty map") << ""
                               << "0000000000000000";
    QTest::newRow("point 20 an output") << "000000000000000000002"
                                        << "0000000000001000";
    QTest::newRow("inputs 0, 1, 17, output 2") << "112000000000000001"
                                               << "0300020004000000";
    QTest::newRow("all inputs") << repeated("1", 21, "") << "FFFF1F0000000000";
    QTest::newRow("all outputs") << repeated("2", 21, "") << "00000000FFFF1F00";
}

void TestIoMap::block()
{
    QFETCH(QString, types);
    QFETCH(QString, block);
    PointBytes IO_type{};
    for (int point = 0; point < types.size(); ++point)
        IO_type.at(point) = quint8(types.at(point).digitValue());
    const IoMasks masks = masksOf(IO_type);
    QCOMPARE(encodeIoBlock(masks), block);
    // Read back, the block gives the same map.
    const IoMasks back = decodeIoBlock(QLatin1Char('\x02') + block + QLatin1Char('\x03'));
    QCOMPARE(back.inputs, masks.inputs);
    QCOMPARE(back.outputs, masks.outputs);
}

QTEST_GUILESS_MAIN(TestIoMap)
#include "tst_io_map.moc"
