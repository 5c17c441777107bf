#include "io_block.h"
#include "io_map.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

namespace {

using testing::row;

// Runs a script of steps on a map: "3I" / "3O" / "3N" choose "Input -X", "Output-Y" or
// "Not use" for point 3; "U" followed by 16 digits applies an uploaded block.
void run(IoMap &map, const QString &script)
{
    for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1Char('U'))) {
            applyUpload(map, decodeIoBlock(QLatin1Char('\x02') + step.mid(1)));
            continue;
        }
        const int choice = QStringLiteral("ION").indexOf(step.back());
        applyChoice(map, step.chopped(1).toInt(), IoChoice(choice));
    }
}

// Each list up to its last non-empty entry.
QString joined(QStringList list, const QString &separator, const QString &empty = QString())
{
    while (!list.isEmpty() && (list.last().isEmpty() || list.last() == empty))
        list.removeLast();
    return list.replaceInStrings(QRegularExpression("^$"), empty).join(separator);
}

QStringList texts(const std::array<QString, kIoPoints> &cells)
{
    return QStringList(cells.begin(), cells.end());
}

QStringList digits(const PointBytes &bytes)
{
    QStringList list;
    for (quint8 b : bytes)
        list.append(b ? QString::number(b) : QString());
    return list;
}

// The map as "functions / names / point types / inputs used / outputs used", each up to its last
// entry that is not empty or 0; a name missing before the last shows as "-", a 0 byte as "0".
QString describe(const IoMap &map)
{
    return QStringList{joined(texts(map.function), "|"), joined(texts(map.name), " ", "-"),
                       joined(digits(map.pointTypes), "", "0"),
                       joined(digits(map.inputsUsed), "", "0"),
                       joined(digits(map.outputsUsed), "", "0")}
        .join(" / ");
}

QString repeated(const QString &text, int times, const QString &separator = QString())
{
    return QStringList(times, text).join(separator);
}

}  // namespace

// The map's rules without a window: assignment order and octal names, what a choice changes,
// what an uploaded block makes of the map, and the 8-byte block.
class TestIoMap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mapAfter_data()
    {
        testing::columns<QString, QString>({"script", "map"});
        row("assigned from the top", "0I 1I 2O 3I",
            "Input -X|Input -X|Output-Y|Input -X / X0 X1 Y0 X2 / 1121 / 111 / 1");
        row("a choice above the next free row changes only its text", "0I 1I 2O 3I 1O",
            "Input -X|Output-Y|Output-Y|Input -X / X0 X1 Y0 X2 / 1121 / 111 / 1");
        row("a choice below the next free row changes only its text", "0I 5O",
            "Input -X|||||Output-Y / X0 / 1 / 1 / ");
        row("Not use on the next free row", "0I 1N", "Input -X|Not use / X0 / 1 / 1 / ");
        row("which stays the next free row", "0I 1N 2O 1O",
            "Input -X|Output-Y|Output-Y / X0 Y0 / 12 / 1 / 1");
        row("the ninth input is X10", "0I 1I 2I 3I 4I 5I 6I 7I 8I",
            repeated("Input -X", 9, "|") +
                " / X0 X1 X2 X3 X4 X5 X6 X7 X10 / 111111111 / 111111111 / ");
        QString inputs, outputs;
        for (int point = 0; point < kIoPoints; ++point) {
            inputs += QStringLiteral("%1I ").arg(point);
            outputs += QStringLiteral("%1O ").arg(point);
        }
        const QString x =
            "X0 X1 X2 X3 X4 X5 X6 X7 X10 X11 X12 X13 X14 X15 X16 X17 X20 X21 X22 X23 X24";
        const QString y =
            "Y0 Y1 Y2 Y3 Y4 Y5 Y6 Y7 Y10 Y11 Y12 Y13 Y14 Y15 Y16 Y17 Y20 Y21 Y22 Y23 Y24";
        row("21 inputs end at X24", inputs,
            repeated("Input -X", 21, "|") + " / " + x + " / " + repeated("1", 21) + " / " +
                repeated("1", 21) + " / ");
        row("21 outputs end at Y24", outputs,
            repeated("Output-Y", 21, "|") + " / " + y + " / " + repeated("2", 21) + " /  / " +
                repeated("1", 21));
        // "Not use" on point 0 frees its Y0, not X0, which point 2 holds and no other may take.
        row("Not use frees only the row's own number", "0O 1O 2I 3I 0N 0I",
            "Input -X|Output-Y|Input -X|Input -X / - Y1 X0 X1 / 0211 / 11 / 01");

        // Uploads: the input mask, then the output mask, low byte first.
        row("upload of inputs 0 to 2 and outputs 3 and 4", "U0700000018000000",
            "Input -X|Input -X|Input -X|Output -Y|Output -Y / X0 X1 X2 Y0 Y1 / 11122 / 111 / 11");
        row("upload clears unlisted rows and numbers from X0", "0I 1I 2O 3I U2000000000000000",
            "|||||Input -X / - - - - - X0 / 000001 / 1 / ");
        row("upload of a point in both masks", "U0100000003000000",
            "Input -X|Output -Y / X0 Y0 / 12 / 1 / 1");
        row("upload of bits above point 20", "U0000E0FF0000E0FF", " /  /  /  / ");
        // Inputs at points 0 and 5 are X0 and X1: neither "Not use" on point 1 nor any later
        // choice may hand out X1 again.
        row("assignments after an upload", "U2100000000000000 1N 1I 2I",
            "Input -X|Input -X|Input -X|||Input -X / X0 - X2 - - X1 / 101001 / 111 / ");
    }

    void mapAfter()
    {
        QFETCH(QString, script);
        IoMap map;
        run(map, script);
        QTEST(describe(map), "map");
    }

    void block_data()
    {
        // types: the point types of points 0 onward
        testing::columns<QString, QString>({"types", "block"});
        row("empty map", "", "0000000000000000");
        row("point 20 an output", "000000000000000000002", "0000000000001000");
        row("inputs 0, 1, 17, output 2", "112000000000000001", "0300020004000000");
        row("all inputs", repeated("1", 21), "FFFF1F0000000000");
        row("all outputs", repeated("2", 21), "00000000FFFF1F00");
    }

    void block()
    {
        QFETCH(QString, types);
        QFETCH(QString, block);
        PointBytes pointTypes{};
        for (int point = 0; point < types.size(); ++point)
            pointTypes.at(point) = quint8(types.at(point).digitValue());
        const IoMasks masks = masksOf(pointTypes);
        QCOMPARE(encodeIoBlock(masks), block);
        const IoMasks back = decodeIoBlock(QLatin1Char('\x02') + block);  // read back: the same map
        QCOMPARE(back.inputs, masks.inputs);
        QCOMPARE(back.outputs, masks.outputs);
    }
};

QTEST_GUILESS_MAIN(TestIoMap)

#include "tst_io_map.moc"
