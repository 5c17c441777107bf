#include "settings_store.h"
#include "sim_fixture.h"
#include "single_window.h"
#include "test_helpers.h"
#include "tool_update_settings.h"
#include "update_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace plc;
using namespace plc::sim;
using testing::child;
using testing::row;

namespace {

const QString kWritten = QStringLiteral("Firmware written and verified (%1 KB), started");

// A window on the virtual controller's loader as plc-update opens it: the tool's settings file,
// backups in a folder of their own, a line without parity (a pseudo-terminal has none).
struct WindowOnLoader {
    SimFixture sim;
    QTemporaryDir backups;
    ToolUpdateSettings settings;
    QStringList asked;
    bool answer = true;
    std::unique_ptr<UpdateWindow> window = make();

    std::unique_ptr<UpdateWindow> make()
    {
        auto made = std::make_unique<UpdateWindow>(StoredPort{1, sim.plc.devicePath()}, &settings,
                                                   backups.path(),
                                                   [this](QWidget *, const QString &question) {
                                                       asked.append(question);
                                                       return answer;
                                                   });
        child<QComboBox>(made.get(), "parity")->setCurrentIndex(1);
        return made;
    }
    // Writes the bytes from 0x08000000 with the Write button; the window's last line.
    QString write(const QByteArray &image)
    {
        const QString path = backups.filePath(QStringLiteral("fw.bin"));
        testing::writeBytes(path, image);
        child<QLineEdit>(window.get(), "file")->setText(path);
        QTest::mouseClick(child<QPushButton>(window.get(), "write"), Qt::LeftButton);
        return child<QLabel>(window.get(), "status")->text();
    }
    QStringList backupFiles() const
    {
        return QDir(backups.path()).entryList({QStringLiteral("backup-*")}, QDir::Files);
    }
};

}  // namespace

// plc-update's window against the virtual controller's loader: a protected chip is unprotected
// only after OK, and the window then writes the firmware; the backup first, the result, a clean
// start, remembered choices, Cancel, and one window at a time.
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
        // Neither protection lets anything be erased before the question is answered with OK.
        QCOMPARE(sim.plc.frames(QStringLiteral("L43")).isEmpty(), !ok);
    }

    void writesWithBackupThenStartsClean()
    {
        WindowOnLoader w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        const QString device = w.sim.plc.devicePath();
        child<QLineEdit>(w.window.get(), "entry")->setText(QStringLiteral("wait=10"));
        const QByteArray old(3000, 0x11);
        w.sim.plc.enterLoader();
        QVERIFY(w.write(old).startsWith(kWritten.arg(3)));
        w.sim.plc.enterLoader();

        const QString status = w.write(QByteArray(2048, 0x22));
        QCOMPARE(w.backupFiles().size(), 2);  // the first one holds erased flash
        const QString saved =
            kWritten.arg(2) + "\nBackup of 0x08000000 to 0x080007FF (2048 bytes) saved in ";
        QVERIFY2(status.startsWith(saved), qPrintable(status));
        const QFileInfo backup(status.mid(saved.size()));
        QCOMPARE(backup.absolutePath(), QDir(w.backups.path()).absolutePath());
        QVERIFY2(QRegularExpression("^backup-COM1-\\d{8}-\\d{6}(-\\d+)?\\.bin$")
                     .match(backup.fileName())
                     .hasMatch(),
                 qPrintable(backup.fileName()));
        QCOMPARE(testing::fileBytes(backup.filePath()), old.left(2048));
        QVERIFY(child<QLabel>(w.window.get(), "info")->text().startsWith("loader 2.2"));
        QVERIFY(!settingsfile::updateUnfinished(device));

        // The firmware runs now: nothing answers, and nothing of the last run stays in view.
        const QString silent = w.write(QByteArray(2048, 0x33));
        QVERIFY2(silent.startsWith("No answer from the controller's loader"), qPrintable(silent));
        QCOMPARE(child<QLabel>(w.window.get(), "info")->text(), QStringLiteral("Not connected"));
        QCOMPARE(child<QProgressBar>(w.window.get(), "progress")->value(), 0);
        QCOMPARE(child<QProgressBar>(w.window.get(), "progress")->format(), QStringLiteral("%p%"));
        QVERIFY(!settingsfile::updateUnfinished(device));  // it never reached the loader

        // The next window comes up with the same choices.
        w.window = w.make();
        QCOMPARE(child<QLineEdit>(w.window.get(), "device")->text(), device);
        QCOMPARE(child<QComboBox>(w.window.get(), "parity")->currentIndex(), 1);
        QCOMPARE(child<QLineEdit>(w.window.get(), "entry")->text(), QStringLiteral("wait=10"));
    }

    void backupFirst_data()
    {
        // readout: the chip is readout-protected, else its reads fail after the flash size
        testing::columns<bool, bool, QString>({"readout", "ok", "status"});
        row("readout-protected, Cancel", true, false, "The chip is readout-protected");
        row("readout-protected, OK", true, true,
            kWritten.arg(3) + "\nNo backup: Readout Unprotect erased the whole flash");
        row("the read fails", false, true,
            "The backup failed; nothing was erased. The loader answered 0x00 to Read Memory at "
            "0x08000000");
    }

    void backupFirst()
    {
        QFETCH(bool, readout);
        QFETCH(bool, ok);
        QFETCH(QString, status);
        WindowOnLoader w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.answer = ok;
        w.sim.plc.enterLoader();
        w.sim.plc.loader().setReadoutProtected(readout);
        if (!readout) {
            VirtualLoader &loader = w.sim.plc.loader();
            w.sim.plc.setFrameCallback([&loader](const VirtualPlc::Frame &f) {
                if (f.address == QLatin1String("1FFFF7E0"))
                    loader.setWrongSpeed(true);
            });
        }
        const QString shown = w.write(QByteArray(3000, 0x42));
        w.sim.plc.setFrameCallback({});
        QVERIFY2(shown.startsWith(status), qPrintable(shown));
        QCOMPARE(w.asked.size(), int(readout));
        if (readout)
            QVERIFY(w.asked.at(0).startsWith("Its flash cannot be read, so no backup"));
        QCOMPARE(w.sim.plc.frames("L43").isEmpty(), !(readout && ok));
        QVERIFY(w.backupFiles().isEmpty());
    }

    void cancelNeverStartsTheFirmware_data()
    {
        testing::columns<QString, int>({"phase", "block"});
        row("in the write", "Write", 2);
        row("after the last block verified", "Verify", 12);
    }

    void cancelNeverStartsTheFirmware()
    {
        QFETCH(QString, phase);
        QFETCH(int, block);
        WindowOnLoader w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.sim.plc.enterLoader();
        auto *bar = child<QProgressBar>(w.window.get(), "progress");
        QString whileWriting;
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
            if (bar->format().startsWith(phase) && value == block) {
                whileWriting = child<QLabel>(w.window.get(), "status")->text();
                QTest::mouseClick(child<QPushButton>(w.window.get(), "cancel"), Qt::LeftButton);
            }
        });
        QCOMPARE(w.write(QByteArray(3000, 0x42)),
                 QStringLiteral("Cancelled. The controller holds a partial firmware and stays in "
                                "its loader; run the update again."));
        QVERIFY2(QRegularExpression("^(Write|Verify)\\.\\.\\. \\d+\\.\\d KB/s, about \\d+ s left$")
                     .match(whileWriting)
                     .hasMatch(),
                 qPrintable(whileWriting));
        QVERIFY(w.sim.plc.frames("L21").isEmpty());
        QCOMPARE(w.sim.plc.frames("L31").size(), phase == "Write" ? 2 : 12);
        QVERIFY(w.sim.plc.inLoader());
        QVERIFY(settingsfile::updateUnfinished(w.sim.plc.devicePath()));
    }

    void portLabelFollowsTheDevice_data()
    {
        testing::columns<QString, QString>({"typed", "label"});
        row("the tool's COM1", "<device>", "Port COM1:");
        row("a port's name", "COM2", "Port COM2:");
        row("a device of no port", "/dev/ttyACM7", "Port:");
    }

    void portLabelFollowsTheDevice()
    {
        QFETCH(QString, typed);
        QFETCH(QString, label);
        WindowOnLoader w;
        auto *device = child<QLineEdit>(w.window.get(), "device");
        device->setText(QStringLiteral("/dev/ttyUSB9"));
        device->setText(typed.replace("<device>", w.sim.plc.devicePath()));
        QCOMPARE(child<QLabel>(w.window.get(), "portLabel")->text(), label);
    }

    void oneWindowAtATime()
    {
        QTemporaryDir folder;
        // A lock left by a program that crashed: its process runs no more.
        testing::writeBytes(folder.filePath("update.lock"),
                            "999999999\nupdate\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        SingleWindow first(folder.path());
        QSignalSpy raised(&first, &SingleWindow::raiseRequested);
        QVERIFY(first.claim());
        SingleWindow second(folder.path());
        QVERIFY(!second.claim());
        QTRY_COMPARE(raised.size(), 1);
    }
};

QTEST_MAIN(TestUpdateWindow)

#include "tst_update_window.moc"
