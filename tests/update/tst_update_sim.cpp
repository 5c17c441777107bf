#include "connection_test.h"
#include "firmware_image.h"
#include "history_file.h"
#include "link_action.h"
#include "loader_client.h"
#include "loader_port.h"
#include "plc_link.h"
#include "scripted_prompts.h"
#include "service_transfer.h"
#include "settings_store.h"
#include "sim_fixture.h"
#include "test_helpers.h"

#include <QCryptographicHash>
#include <QtTest>
#include <algorithm>
#include <csignal>

using namespace plc;
using namespace plc::sim;

namespace {

using testing::row;

const QString kLine = QStringLiteral("115200,N,8,1");  // a pseudo-terminal carries no parity
const QString kPartial = QStringLiteral(
    " The controller holds a partial firmware and stays in its loader; run the update again.");

// A 20 KB firmware: blocks 5 and 40 blank, the last one blank after its first 100 bytes.
QByteArray firmware(int size = 20 * 1024)
{
    QByteArray bytes(size, char(0xFF));
    for (int i = 0; i < size; ++i) {
        const int block = i / 256;
        if (block != 5 && block != 40 && !(block == 79 && i % 256 >= 100))
            bytes[i] = char((i * 7 + block) & 0xFF);
    }
    return bytes;
}

enum Fault {
    None,
    NotInLoader,
    WrongSpeed,
    ReadoutProtected,
    WriteProtected,
    StoresWrong,
    BlockRefused,
    BlockLostOnce,
    StrayByte,
    AlreadySynchronised,
    FirstSyncFails,
    FastSyncFails
};

}  // namespace

// plc-update against the virtual controller's loader over a real pseudo-terminal: as the tool's
// "Start update firmware" starts it, each of its failures, a cancel, and an independent client.
class TestUpdateSim : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        testing::start(m_sim);
        const QDir folder = QFileInfo(m_sim->settingsFile()).dir();
        QVERIFY(folder.mkpath(QStringLiteral("update")));
        m_program = updateProgramPaths({folder.path()}).at(0);
        QVERIFY(QFile::copy(QStringLiteral(PLC_UPDATE), m_program));
    }

    void updateFromTheTool()
    {
        const QByteArray image = firmware();
        const QString file = imageFile(image);
        PlcLink link;
        applyStoredPortSettings(link);  // as the window does before the update
        ScriptedPrompts prompts;
        RecordingProgress progress;
        TransferContext ctx{link, prompts, progress};
        int exitCode = -1;
        QString errors;
        report(ctx, QString(),
               updateFirmware(ctx, updateProgramPaths({QFileInfo(m_program).dir().path() + "/.."}),
                              [&](const QString &) {
                                  exitCode = runUpdate({"--line", kLine, file}, &errors);
                              }));
        QVERIFY2(exitCode == 0, qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("COM1 (%1)").arg(device())), qPrintable(errors));

        const QList<VirtualPlc::Frame> frames = m_sim->plc.frames();
        QCOMPARE(wire(frames.mid(0, 1)), QStringList{QStringLiteral("E11 3010 02 1F1F")});
        QCOMPARE(loader("L43", false),
                 QStringList{"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19"});
        QStringList written;
        // The flash size first, then the option bytes' write protection before the erase.
        QStringList verified{QStringLiteral("1FFFF7E0"), QStringLiteral("1FFFF800")};
        for (int block = 0; block < 80; ++block) {
            const QString address =
                QString::number(0x08000000 + block * 256, 16).toUpper().rightJustified(8, '0');
            if (block != 5 && block != 40)
                written.append(address);
            verified.append(address);
        }
        QCOMPARE(loader("L31"), written);
        QCOMPARE(m_sim->plc.frames("L31").last().count, QStringLiteral("100"));
        QCOMPARE(loader("L11"), verified);
        QCOMPARE(frames.last().command, QStringLiteral("L21"));
        QCOMPARE(frames.last().address, QStringLiteral("08000000"));
        QCOMPARE(m_sim->plc.loader().flash(0, 64 * 1024),
                 image + QByteArray(44 * 1024, char(0xFF)));
        // Back in its own protocol: the tool's "Test" answers.
        QVERIFY(testConnection(link).done());
    }

    void failures_data()
    {
        // arguments (before the file), image (as a .bin file; "hex:" + text for a .hex one),
        // message (the last line on standard error, from its start)
        testing::columns<int, QStringList, QByteArray, int, QString, bool>(
            {"fault", "arguments", "image", "exitCode", "message", "erased"});
        const QByteArray small = firmware(2048);
        const QStringList none;
        const char *done = "done: 2 pages erased, 7 blocks written";
        row("not in its loader", int(NotInLoader), none, small, 1,
            "No answer from the controller's loader on <device>. Either the controller is not in "
            "its loader (press \"Start update firmware for STM32F3\" in the configuration tool "
            "first) or the lines are not wired.",
            false);
        row("wrong speed", int(WrongSpeed), none, small, 1,
            "The loader answered 0x00 instead of ACK (0x79): the speed or the parity is wrong.",
            false);
        row("readout-protected", int(ReadoutProtected), none, small, 1,
            "The chip is readout-protected: its loader refuses to read the flash. Readout "
            "Unprotect removes the protection and erases the whole flash; then write the firmware "
            "again. Run again with --readout-unprotect to do so.",
            false);
        row("readout-protected, unprotected", int(ReadoutProtected),
            QStringList{"--readout-unprotect"}, small, 0, done, true);
        row("write-protected: found before the erase", int(WriteProtected), none, small, 1,
            "The flash is write-protected: 2 of the 2 pages to be erased are locked, from page 0 "
            "on. Write Unprotect removes the protection (the chip restarts into its loader); then "
            "write the firmware again. Nothing was erased. Run again with --write-unprotect to do "
            "so.",
            false);
        row("write-protected, unprotected", int(WriteProtected), QStringList{"--write-unprotect"},
            small, 0, done, true);
        row("verification differs", int(StoresWrong), none, small, 1,
            "Verification failed: the flash at 0x08000123 holds 0x00 where the image has 0xF6. The "
            "firmware was not started." +
                kPartial,
            true);
        row("block refused 4 times", int(BlockRefused), none, small, 1,
            "The loader refused Write Memory at 0x08000200 (NACK). It did so 4 times; the update "
            "stopped." +
                kPartial,
            true);
        row("block unanswered once, retried", int(BlockLostOnce), none, small, 0, done, true);
        row("backup into a folder that is not there", int(None),
            QStringList{"--backup", "/nonexistent/b.bin"}, small, 2,
            "Cannot write /nonexistent/b.bin", false);
        row("readout-protected, so no backup", int(ReadoutProtected),
            QStringList{"--backup", "b.bin", "--readout-unprotect"}, small, 1,
            "The chip is readout-protected: its loader refuses to read the flash. Readout "
            "Unprotect removes the protection and erases the whole flash; then write the firmware "
            "again. Its flash cannot be read for a backup: run again with --no-backup in place "
            "of --backup to go on without one.",
            false);
        row("entry sequence on a pseudo-terminal", int(None), QStringList{"--entry", "dtr=1"},
            small, 3, "The serial port <device> cannot drive its DTR line", false);
        row("port will not open", int(None), QStringList{"--port", "/nonexistent/tty"}, small, 3,
            "Cannot open /nonexistent/tty", false);
        row("even parity on a pseudo-terminal", int(None), QStringList{"--line", "115200,E,8,1"},
            small, 3, "The serial port <device> refuses even parity", false);
        row("bad checksum", int(None), none, QByteArray("hex::020000040800F2\n:0100000011EF\n"), 2,
            "Bad Intel HEX file <file>: line 2: bad checksum", false);
        row("larger than the flash", int(None), none, firmware(65 * 1024), 2,
            "The image does not fit the flash (0x08000000 to 0x0800FFFF, 64 KB): it reaches "
            "0x080103FF; nothing was erased.",
            false);
    }

    void failures()
    {
        QFETCH(int, fault);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, image);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(bool, erased);
        VirtualLoader &loader = m_sim->plc.loader();
        if (fault != NotInLoader)
            m_sim->plc.enterLoader();
        loader.setWrongSpeed(fault == WrongSpeed);
        loader.setReadoutProtected(fault == ReadoutProtected);
        loader.setWriteProtected(fault == WriteProtected);
        if (fault == StoresWrong)
            loader.storeWrong(0x08000123, 0x00);
        if (fault == BlockRefused || fault == BlockLostOnce)
            loader.failBlock(
                3,
                fault == BlockRefused ? VirtualLoader::Fault::Nack : VirtualLoader::Fault::Silence,
                fault == BlockRefused ? 4 : 1);
        const bool hex = image.startsWith("hex:");
        const QString file = hex ? imageFile(image.mid(4), "fw.hex") : imageFile(image);
        if (!arguments.contains("--line"))
            arguments << "--line" << kLine;

        QString errors;
        QVERIFY2(runUpdate(arguments << file, &errors) == exitCode, qPrintable(errors));
        const QString last = errors.trimmed().split('\n').last();
        const QString expected =
            "plc-update: " + message.replace("<device>", device()).replace("<file>", file);
        QVERIFY2(last.startsWith(expected), qPrintable(errors));
        QCOMPARE(!m_sim->plc.frames("L43").isEmpty(), erased);
        // The firmware is started only when it was written and verified whole.
        QCOMPARE(!m_sim->plc.frames("L21").isEmpty(), exitCode == 0);
        if (exitCode == 0)
            QCOMPARE(loader.flash(0, image.size()), image);
    }

    void robustStart_data()
    {
        // note: a line standard error holds
        testing::columns<int, QStringList, QString>({"fault", "arguments", "note"});
        row("a stray 0x00 before the first ACK", int(StrayByte), QStringList(), QString());
        row("already synchronised: NACK to 0x7F", int(AlreadySynchronised), QStringList(),
            QString());
        row("the first sync unanswered", int(FirstSyncFails), QStringList(), QString());
        row("no answer at 460800 baud", int(FastSyncFails), QStringList{"--baud", "460800"},
            "plc-update: no answer at 460800 baud; falling back to 115200 baud");
    }

    void robustStart()
    {
        QFETCH(int, fault);
        QFETCH(QStringList, arguments);
        QFETCH(QString, note);
        VirtualLoader &loader = m_sim->plc.loader();
        loader.setStrayByte(fault == StrayByte);
        loader.setAlreadySynchronised(fault == AlreadySynchronised);
        loader.failSyncs(fault == FirstSyncFails ? 1 : fault == FastSyncFails ? 3 : 0);
        m_sim->plc.enterLoader();
        const QByteArray image = firmware(2048);
        QString errors;
        QVERIFY2(runUpdate(arguments << "--line" << kLine << imageFile(image), &errors) == 0,
                 qPrintable(errors));
        QVERIFY2(errors.contains(note), qPrintable(errors));
        QCOMPARE(loader.flash(0, image.size()), image);
        QCOMPARE(m_sim->plc.frames("L21").size(), 1);
    }

    void backupCompareAndRead()
    {
        m_sim->plc.enterLoader();
        QByteArray old = firmware(4096);
        std::reverse(old.begin(), old.end());
        QString errors;
        QCOMPARE(runUpdate({"--line", kLine, "--no-start", imageFile(old, "old.bin")}, &errors), 0);
        QByteArray image = firmware(2048);
        const QString file = imageFile(image);
        const QString backup = imageFile({}, "b.bin");
        QVERIFY2(runUpdate({"--line", kLine, "--no-start", "--backup", backup, file}, &errors) == 0,
                 qPrintable(errors));
        QCOMPARE(fileBytes(backup), old.left(2048));  // the two pages erased

        QVERIFY2(runUpdate({"--line", kLine, "--compare", file}, &errors) == 0, qPrintable(errors));
        image[0x123] = char(~image.at(0x123));
        image[0x7FF] = char(~image.at(0x7FF));
        QCOMPARE(runUpdate({"--line", kLine, "--compare", imageFile(image, "new.bin")}, &errors),
                 1);
        QVERIFY2(errors.contains("The flash differs from the image: first at 0x08000123, 2 of "
                                 "2048 bytes differ."),
                 qPrintable(errors));

        const QString hex = imageFile({}, "flash.hex");
        QCOMPARE(runUpdate({"--line", kLine, "--read", hex, "--size", "3K"}, &errors), 0);
        const FirmwareImage read = loadImageFile(hex, 0).image;
        QCOMPARE(read.bytesAt(0x08000000, 3073), firmware(2048) + old.mid(2048, 1024) + '\xFF');
    }

    void startedWithoutArgumentsItOpensItsWindow()
    {
        QString errors;
        QCOMPARE(runUpdate({}, &errors), 1);  // its window's program is not beside it yet
        QVERIFY2(errors.startsWith("plc-update: cannot start its window "), qPrintable(errors));

        const QString window = QFileInfo(m_program).dir().filePath(
            QFileInfo(QStringLiteral(PLC_UPDATE_WINDOW)).fileName());
        QVERIFY(QFile::copy(QStringLiteral(PLC_UPDATE_WINDOW), window));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(m_program, {});
        // The window stays open until it is closed.
        QVERIFY(!process.waitForFinished(1500));
        process.kill();
        process.waitForFinished();
        QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()).contains("cannot start"),
                 false);
    }

    void switchFromTheRunningFirmware()
    {
        const QByteArray image = firmware(2048);
        QString errors;
        QVERIFY2(runUpdate({"--switch", "--line", kLine, imageFile(image)}, &errors) == 0,
                 qPrintable(errors));
        QCOMPARE(wire(m_sim->plc.frames().mid(0, 1)), QStringList{"E11 3010 02 1F1F"});
        QCOMPARE(m_sim->plc.loader().flash(0, image.size()), image);
        // The write is in the user's history, with the digest of the image written.
        const QList<HistoryLine> lines = readHistoryLines(
            qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/PLC Tavrix/history.jsonl"));
        QVERIFY(!lines.isEmpty());
        const HistoryEntry &last = lines.constLast().entry;
        QCOMPARE(last.action + ' ' + last.outcome, "firmware update done");
        QCOMPARE(last.sha256, QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex());
    }

    void unfinishedUpdateIsRemembered_data()
    {
        // before, after: the device's mark in the tool's settings file
        testing::columns<QStringList, int, bool, bool>({"arguments", "fault", "before", "after"});
        row("firmware started", QStringList(), int(None), true, false);
        row("left in the loader", QStringList{"--no-start"}, int(None), false, true);
        row("verification differs", QStringList(), int(StoresWrong), false, true);
        row("the loader never answered", QStringList(), int(NotInLoader), true, true);
    }

    void unfinishedUpdateIsRemembered()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, fault);
        QFETCH(bool, before);
        QFETCH(bool, after);
        if (fault != NotInLoader)
            m_sim->plc.enterLoader();
        if (fault == StoresWrong)
            m_sim->plc.loader().storeWrong(0x08000123, 0x00);
        settingsfile::setUpdateUnfinished(device(), before);
        QString errors;
        runUpdate(arguments << "--line" << kLine << imageFile(firmware(2048)), &errors);
        QCOMPARE(settingsfile::updateUnfinished(device()), after);
    }

    void ctrlCWithOnePortTellsOfThePartialFirmware()
    {
        m_sim->plc.enterLoader();
        m_sim->plc.loader().setPace(true);
        QProcess process;
        process.start(m_program, {"--line", kLine, imageFile(firmware())});
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT((errors += process.readAllStandardError()).contains("write 1/"),
                                 20000);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 130);
        QVERIFY2(
            (errors + process.readAllStandardError()).contains(("Cancelled." + kPartial).toUtf8()),
            errors.constData());
        QVERIFY(m_sim->plc.frames("L21").isEmpty());
    }

    void cancelStopsAtBlockBoundary()
    {
        m_sim->plc.enterLoader();
        LoaderPort port;
        QCOMPARE(port.open(device(), *LoaderLine::parse(kLine, nullptr)), QString());
        LoaderClient client(port);
        QVERIFY(client.connectLoader().ok());
        connect(&client, &LoaderClient::progress, this,
                [&](LoaderClient::Phase phase, int done, int) {
                    if (phase == LoaderClient::Phase::Write && done == 3)
                        client.cancel();
                });
        const UpdateOutcome outcome = client.write(rawImage(firmware(), 0x08000000).image);
        QCOMPARE(int(outcome.kind), int(UpdateOutcome::Kind::Cancelled));
        QCOMPARE(outcome.message, QStringLiteral("Cancelled.") + kPartial);
        QCOMPARE(m_sim->plc.frames("L31").size(), 3);
        QVERIFY(m_sim->plc.frames("L21").isEmpty());
        QVERIFY(m_sim->plc.inLoader());
    }

    void independentClientWritesWhatWeReadBack()
    {
        const QString stm32flash = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
        if (stm32flash.isEmpty())
            QSKIP("stm32flash is not installed");
        QByteArray image = firmware();
        image[77] = 0x5A;
        m_sim->plc.enterLoader();
        QProcess process;
        process.start(stm32flash,
                      {"-m", "8n1", "-b", "115200", "-w", imageFile(image), "-v", device()});
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitCode() == 0, process.readAll().constData());

        LoaderPort port;
        QCOMPARE(port.open(device(), *LoaderLine::parse(kLine, nullptr)), QString());
        LoaderClient client(port);
        QVERIFY(client.connectLoader().ok());
        QByteArray back;
        QVERIFY(client.read(0x08000000, int(image.size()), &back).ok());
        QCOMPARE(back, image);
    }

    void severalPortsSideBySide()
    {
        // COM1 to COM3 in their loaders, COM2 not: it fails alone, the others are written whole.
        QVERIFY2(m_sim->addControllers(2), qPrintable(m_sim->error()));
        m_sim->controller(1).enterLoader();
        m_sim->controller(3).enterLoader();
        const QByteArray image = firmware(4096);
        QProcess process;
        process.start(m_program, {"--ports", "COM1,COM2,COM3", "--line", kLine, imageFile(image)});
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitCode(), 1);
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        for (int n = 1; n <= 3; ++n) {
            const QString label =
                QStringLiteral("COM%1 (%2): ").arg(n).arg(m_sim->controller(n).devicePath());
            QVERIFY2(out.contains(label +
                                  (n == 2 ? "No answer from the controller's loader" : "done in")),
                     qPrintable(out));
            if (n != 2)
                QCOMPARE(m_sim->controller(n).loader().flash(0, image.size()), image);
        }
    }

private:
    // Runs the program beside the settings file (in <tool folder>/update/) to its end.
    int runUpdate(const QStringList &arguments, QString *errors)
    {
        QProcess process;
        process.start(m_program, arguments);
        if (!process.waitForFinished(120000))
            process.kill();
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QString imageFile(const QByteArray &bytes, const QString &name = QStringLiteral("fw.bin"))
    {
        const QString path = QFileInfo(m_sim->settingsFile()).dir().filePath(name);
        return testing::writeBytes(path, bytes) ? path : QString();
    }
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList loader(const QString &command, bool addresses = true) const
    {
        QStringList found;
        for (const VirtualPlc::Frame &f : m_sim->plc.frames(command))
            found.append(addresses ? f.address : f.data);
        return found;
    }
    QString device() const { return m_sim->plc.devicePath(); }

    std::unique_ptr<SimFixture> m_sim;
    QString m_program;
};

QTEST_GUILESS_MAIN(TestUpdateSim)

#include "tst_update_sim.moc"
