#include "link_actions.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

using testing::row;

// "Verify after writing" on each download against the virtual controller: off, the line
// carries the writes alone; on, a clean download is followed by the reads an upload makes and
// shows nothing, and a controller that keeps another byte gives the message naming where.
class TestVerifyWrites : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readBack_data()
    {
        // wrongAt: the controller keeps another byte here; 0: none
        testing::columns<QString, int, QStringList, QString>(
            {"action", "wrongAt", "reads", "message"});
        const QString differs = "The controller holds something else than was written: %1 at %2";
        const QString master = "UART 1 download, mode 0";
        const QString sensors = "1-wire download, mode 0";
        const QStringList uart = {"E00 2008 02", "E00 2502 40", "E00 2542 08"};
        const QStringList oneWire = {"E00 200A 02", "E00 200C 40", "E00 204C 06"};
        row("UART master", master, 0, uart, QString());
        row("UART master, table", master, 0x2545, uart, differs.arg("request table", "2545"));
        row("UART master, port word", master, 0x2009, uart.mid(0, 1),
            differs.arg("port word", "2008"));
        row("UART slave settings, timeout", "UART 2 slave Download", 0x2004,
            QStringList{"E00 2006 02", "E00 2004 02"}, differs.arg("slave timeout", "2004"));
        row("1-wire master", sensors, 0, oneWire, QString());
        row("1-wire master, sensors", sensors, 0x2050, oneWire,
            differs.arg("sensor records", "2050"));
        row("Field Net", "1-wire download, mode 1", 0, QStringList{"E00 200A 02"}, QString());
        row("I/O map, block", "I/O map download", 0x2003, QStringList{"E00 2000 08"},
            differs.arg("I/O map block", "2003"));
    }

    void readBack()
    {
        QFETCH(QString, action);
        QFETCH(int, wrongAt);
        QFETCH(QStringList, reads);
        QFETCH(QString, message);
        const LinkAction download = linkAction(action);
        TransferFixture f;
        QVERIFY2(f.sim.ok(), qPrintable(f.sim.error()));
        ActionValues values;
        download.prepare(f, values);
        if (wrongAt)
            f.sim.plc.storeWrong(wrongAt, 0x5A);

        // Off: the writes alone, and a controller keeping something else goes unnoticed.
        f.show(download.run(f, values));
        QCOMPARE(f.prompts.messages(), QStringList());
        const QStringList writes = f.frames();
        QVERIFY(f.sim.plc.frames("E00").isEmpty());

        // On: the same writes, then the reads.
        f.sim.plc.clearLog();
        f.ctx.verifyWrites = true;
        f.show(download.run(f, values));
        QCOMPARE(f.prompts.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        const QStringList frames = f.frames();
        QCOMPARE(frames.mid(0, writes.size()), writes);
        QCOMPARE(frames.mid(writes.size()), reads);
        QVERIFY(f.released());
    }
};

QTEST_MAIN(TestVerifyWrites)

#include "tst_verify_writes.moc"
