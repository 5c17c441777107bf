#include "sim_fixture.h"
#include "test_helpers.h"
#include "update_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace plc;

// plc-update's window against the virtual controller's loader: a protected chip is unprotected
// only after OK, and the window then writes the firmware.
class TestUpdateWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unprotectOnlyAfterOk_data()
    {
        // readout: else write-protected
        testing::columns<bool, bool>({"readout", "ok"});
        testing::row("readout, OK", true, true);
        testing::row("readout, Cancel", true, false);
        testing::row("write, OK", false, true);
        testing::row("write, Cancel", false, false);
    }

    void unprotectOnlyAfterOk()
    {
        QFETCH(bool, readout);
        QFETCH(bool, ok);
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        sim.plc.enterLoader();
        sim.plc.loader().setReadoutProtected(readout);
        sim.plc.loader().setWriteProtected(!readout);
        QByteArray image(3000, 0x42);
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(image) == image.size());
        file.close();

        QStringList asked;
        UpdateWindow window({1, sim.plc.devicePath()}, [&](QWidget *, const QString &question) {
            asked.append(question);
            return ok;
        });
        testing::child<QComboBox>(&window, "parity")->setCurrentIndex(1);  // 8N1
        testing::child<QLineEdit>(&window, "file")->setText(file.fileName());
        QTest::mouseClick(testing::child<QPushButton>(&window, "write"), Qt::LeftButton);

        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).contains(QStringLiteral("ERASES THE WHOLE FLASH")), readout);
        const QString unprotect = readout ? QStringLiteral("L92") : QStringLiteral("L73");
        QCOMPARE(sim.plc.frames(unprotect).size(), ok ? 1 : 0);
        const QString status = testing::child<QLabel>(&window, "status")->text();
        if (ok) {
            QVERIFY2(
                status.startsWith(QStringLiteral("Firmware written and verified (3 KB), started")),
                qPrintable(status));
            QCOMPARE(sim.plc.loader().flash(0, 3000), image);
            QVERIFY(!sim.plc.inLoader());
        } else {
            const char *protection = readout ? "readout-protected" : "write-protected";
            QVERIFY2(status.contains(protection), qPrintable(status));
            QVERIFY(sim.plc.frames(QStringLiteral("L21")).isEmpty());
        }
        // Nothing is erased before the question is answered with OK.
        QCOMPARE(sim.plc.frames(QStringLiteral("L43")).isEmpty(), readout && !ok);
    }
};

QTEST_MAIN(TestUpdateWindow)

#include "tst_update_window.moc"
