#include "side_by_side.h"
#include "project_compare.h"
#include "side_by_side.h"
#include "test_helpers.h"

#include <QTemporaryFile>
#include <QtTest>
#include <cstdio>
#include <functional>

using namespace plc;

namespace {

// UART 1 a master of three requests, UART 2 a slave at address 5, the 1-wire port a master of
// one sensor.
WindowConfig base()
{
    WindowConfig c;
    c.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, QString(), QString()};
    for (int i = 1; i <= 3; ++i)
        c.uarts[0].requests.append({QString::number(i), "10", "0", "100", "1", "100"});
    c.uarts[1].settings = {UartMode::ModbusSlave, 0, 1, "5", "2"};
    c.uarts[1].requests = {{"1", "1", "0", "0", "0", "50"}};
    c.auxMode = 0;
    c.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"}};
    return c;
}

}  // namespace

// verify's comparison: what it names, in the tables' own words, and what it leaves alone.
class TestConfigDiff : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void differences_data()
    {
        // change: what the controller holds apart from the file
        testing::columns<int, QStringList>({"change", "lines"});
        testing::row("equal", 0, QStringList());
        testing::row("a request's timeout", 1,
                     QStringList{"uart1 row 3 Timeout,[ms]: file 100, controller 250"});
        testing::row("a request fewer", 2, QStringList{"uart1 rows: file 3, controller 2"});
        testing::row("mode: named alone", 3,
                     QStringList{"uart1 mode: file Master, controller Not use"});
        testing::row("speed and parity", 4,
                     QStringList{"uart2 speed: file 9600, controller 115200",
                                 "uart2 parity: file Even, controller Odd"});
        testing::row("slave address", 5, QStringList{"uart2 address: file 5, controller 6"});
        testing::row("a slave's table is not compared", 6, QStringList());
        testing::row("sensor byte, case alike", 7,
                     QStringList{"onewire row 1 Byte 4: file 03, controller 13"});
        testing::row("1-wire port not in use", 8,
                     QStringList{"onewire mode: file 1-wire master, controller Not use"});
    }

    void differences()
    {
        QFETCH(int, change);
        QFETCH(QStringList, lines);
        const std::function<void(WindowConfig &)> changes[] = {
            [](WindowConfig &) {},
            [](WindowConfig &c) { c.uarts[0].requests[2][5] = "250"; },
            [](WindowConfig &c) { c.uarts[0].requests.removeLast(); },
            [](WindowConfig &c) { c.uarts[0].settings.mode = UartMode::NotUse; },
            [](WindowConfig &c) {
                c.uarts[1].settings = {UartMode::ModbusSlave, 4, 0, "5", "2"};
            },
            [](WindowConfig &c) { c.uarts[1].settings.address = "6"; },
            [](WindowConfig &c) { c.uarts[1].requests.clear(); },
            // Byte 1 the same in lower case, byte 4 another.
            [](WindowConfig &c) {
                c.sensors[0] = {"28", "ff", "4B", "12", "13", "00", "00", "A1", "1500"};
            },
            [](WindowConfig &c) {
                c.auxMode = 2;
                c.sensors.clear();
            },
        };
        WindowConfig held = base();
        changes[change](held);
        Project file;
        file.config = base();
        Project controller;
        controller.config = held;
        QCOMPARE(differenceLines(projectDifferences(file, controller), "file", "controller"),
                 lines);
    }

    void boardDrawsInPlaceOnATerminal()
    {
        // Two ports; a progress line redraws both lines in place, a message goes above them.
        QTemporaryFile out;
        QVERIFY(out.open());
        std::FILE *stream = std::fopen(qPrintable(out.fileName()), "w");
        QVERIFY(stream);
        {
            ProgressBoard board({"COM1", "COM2"}, true, stream);
            board.show(0, "uart1: 1/2");
            board.say(1, "Answer timeout from PLC");
        }
        std::fclose(stream);
        const QByteArray lines = "\r\x1b[2KCOM1: uart1: 1/2\n\r\x1b[2KCOM2: waiting\n";
        QCOMPARE(out.readAll(), lines + "\x1b[2A\r\x1b[JCOM2: Answer timeout from PLC\n" + lines);
    }
};

QTEST_GUILESS_MAIN(TestConfigDiff)

#include "tst_config_diff.moc"
