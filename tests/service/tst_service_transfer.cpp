#include "ini_file.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_setup.h"
#include "scripted_prompts.h"
#include "service_transfer.h"
#include "sim_fixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <memory>

namespace {

enum Action { Restart, Update };
enum Answer { Ack, Nak, Silence };

QStringList wire(const QList<VirtualPlc::Frame> &frames)
{
    QStringList texts;
    for (const auto &f : frames)
        texts.append(QStringList{f.command, f.address, f.count, f.data}.join(' '));
    return texts;
}

const QString kRestartFrame = QStringLiteral("E11 3011 02 12AD");
const QString kUpdateFrame = QStringLiteral("E11 3010 02 1F1F");
// The line settings the window applied when it started, and those stored since.
const QString kStartSettings = QStringLiteral("9600,N,8,1");
const QString kStoredSettings = QStringLiteral("19200,N,8,1");

}  // namespace

// The restart and the firmware-update hand-over against the virtual controller over a real
// pseudo-terminal: the frames, the questions, the update program and when it starts.
class TestServiceTransfer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void actions_data();
    void actions();
    void updateProgramStartsAfterPortClosedAndPause();
    void updateProgramMissingSendsNothing_data();
    void updateProgramMissingSendsNothing();
    void updateProgramThatWillNotStart();
    void portThatWillNotOpen_data();
    void portThatWillNotOpen();

private:
    // Runs an action as its button does; the update program is started through recordStart.
    void run(Action action)
    {
        runLinkAction(*m_ctx, [&] {
            if (action == Restart)
                restartPlc(*m_ctx);
            else
                updateFirmware(*m_ctx, m_program, [&](const QString &path) { recordStart(path); });
        });
    }
    void recordStart(const QString &path)
    {
        startedWithPortOpen.append(m_link->isOpen());
        if (startForReal)
            startProgram(path);
    }
    // Puts a copy of the recorder where the update program is looked for.
    void installRecorder() const
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_program).path()));
        QVERIFY(QFile::copy(QStringLiteral(UPDATE_RECORDER), m_program));
    }

    std::unique_ptr<SimFixture> m_sim;
    std::unique_ptr<PlcLink> m_link;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<RecordingProgress> m_progress;
    std::unique_ptr<TransferContext> m_ctx;
    std::unique_ptr<QTemporaryDir> m_folder;  // the program's folder
    QString m_program;
    QList<bool> startedWithPortOpen;  // one entry per start
    bool startForReal = false;
};

void TestServiceTransfer::init()
{
    m_sim = std::make_unique<SimFixture>();
    QVERIFY2(m_sim->ok(), qPrintable(m_sim->error()));
    m_link = std::make_unique<PlcLink>();
    Setup_port(*m_link);  // as the window does when it starts
    QCOMPARE(m_link->lineSettings(), kStartSettings);
    m_sim->setCom(QStringLiteral("Speed"), QStringLiteral("1"));
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_progress = std::make_unique<RecordingProgress>();
    m_ctx = std::make_unique<TransferContext>(TransferContext{*m_link, *m_prompts, *m_progress});
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_program = updateProgramPath(m_folder->path());
    startedWithPortOpen.clear();
    startForReal = false;
}

void TestServiceTransfer::cleanup()
{
    QVERIFY(!m_link->isOpen());
    QCOMPARE(m_progress->opened, 0);
    m_ctx.reset();
    m_link.reset();
    m_sim.reset();
}

void TestServiceTransfer::actions_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("lineSettings");  // of the link afterwards

    const QString restart = QStringLiteral("You are shure for restart PLC ? ");
    const QString update = QStringLiteral("You are shure for update firmware for the PLC ? ");
    QTest::newRow("restart cancelled")
        << int(Restart) << false << int(Ack) << QStringList() << restart << kStartSettings;
    QTest::newRow("update cancelled, settings applied")
        << int(Update) << false << int(Ack) << QStringList() << update << kStoredSettings;
    // The controller restarts or switches over: refusal and silence change nothing.
    const char *answers[] = {"ACK", "NAK", "silence"};
    for (const int answer : {Ack, Nak, Silence}) {
        QTest::addRow("restart, %s", answers[answer])
            << int(Restart) << true << answer << QStringList{kRestartFrame} << restart
            << kStartSettings;
        QTest::addRow("update, %s", answers[answer])
            << int(Update) << true << answer << QStringList{kUpdateFrame} << update
            << kStoredSettings;
    }
}

void TestServiceTransfer::actions()
{
    QFETCH(int, action);
    QFETCH(bool, ok);
    QFETCH(int, answer);
    QFETCH(QStringList, frames);
    QFETCH(QString, question);
    QFETCH(QString, lineSettings);

    installRecorder();
    m_prompts->confirmAnswers.enqueue(ok);
    if (answer != Ack)
        m_sim->plc.failWrite(1,
                             answer == Nak ? VirtualPlc::Fault::Nak : VirtualPlc::Fault::Silence);
    run(Action(action));

    QCOMPARE(wire(m_sim->plc.frames()), frames);
    QCOMPARE(m_prompts->shown.size(), 1);  // the question and nothing else
    QCOMPARE(m_prompts->shown.at(0).kind, QStringLiteral("confirm"));
    QCOMPARE(m_prompts->shown.at(0).text, question);
    QCOMPARE(m_link->lineSettings(), lineSettings);
    QCOMPARE(startedWithPortOpen.size(), action == Update && ok ? 1 : 0);
}

void TestServiceTransfer::updateProgramStartsAfterPortClosedAndPause()
{
    installRecorder();
    std::atomic<qint64> frameAt{0};
    m_sim->plc.setFrameCallback(
        [&](const VirtualPlc::Frame &) { frameAt = QDateTime::currentMSecsSinceEpoch(); });
    QFileSystemWatcher watcher({m_folder->filePath(QStringLiteral("update"))});
    QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
    const QString started = m_folder->filePath(QStringLiteral("update/started"));
    startForReal = true;

    run(Update);

    QCOMPARE(m_prompts->messages(), QStringList());
    QCOMPARE(startedWithPortOpen, QList<bool>{false});
    while (!QFile::exists(started))
        QVERIFY2(changed.wait(5000), "the update program did not start");
    QFile record(started);
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QList<QByteArray> fields = record.readAll().simplified().split(' ');
    QCOMPARE(fields.size(), 2);
    QCOMPARE(fields.at(1), QByteArray("0"));  // no arguments
    const qint64 afterWrite = fields.at(0).toLongLong() - frameAt;
    QVERIFY2(afterWrite >= 100, qPrintable(QString::number(afterWrite)));
    QCOMPARE(wire(m_sim->plc.frames()), QStringList{kUpdateFrame});
}

void TestServiceTransfer::updateProgramMissingSendsNothing_data()
{
    QTest::addColumn<int>("kind");  // 0 none, 1 a file that cannot run, 2 a folder
    QTest::newRow("missing") << 0;
    QTest::newRow("not executable") << 1;
    QTest::newRow("a folder") << 2;
}

void TestServiceTransfer::updateProgramMissingSendsNothing()
{
    QFETCH(int, kind);
    if (kind == 1) {
        installRecorder();
        QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner));
    } else if (kind == 2) {
        QVERIFY(QDir().mkpath(m_program));
    }

    run(Update);

    QCOMPARE(m_prompts->messages(),
             QStringList{QStringLiteral("The firmware update program %1 is missing or cannot be "
                                        "run; nothing was sent to the PLC")
                             .arg(m_program)});
    QCOMPARE(m_prompts->shown.size(), 1);  // not even asked
    QCOMPARE(wire(m_sim->plc.frames()), QStringList());
    QCOMPARE(startedWithPortOpen.size(), 0);
}

void TestServiceTransfer::updateProgramThatWillNotStart()
{
    QVERIFY(QDir().mkpath(QFileInfo(m_program).path()));
    QFile script(m_program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/nonexistent/interpreter\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    startForReal = true;

    run(Update);

    QCOMPARE(wire(m_sim->plc.frames()), QStringList{kUpdateFrame});
    QCOMPARE(startedWithPortOpen, QList<bool>{false});
    QCOMPARE(
        m_prompts->messages(),
        QStringList{
            QStringLiteral("Cannot start %1: execv: No such file or directory").arg(m_program)});
}

void TestServiceTransfer::portThatWillNotOpen_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("restart") << int(Restart);
    QTest::newRow("update") << int(Update);
}

void TestServiceTransfer::portThatWillNotOpen()
{
    QFETCH(int, action);
    installRecorder();
    const QString device = QStringLiteral("/nonexistent/plc-tty");
    m_link->setPort(1, device);  // what the restart uses
    Write_ini(m_sim->settingsFile(), QStringLiteral("PORTS"), QStringLiteral("COM1"), device);

    run(Action(action));

    QCOMPARE(wire(m_sim->plc.frames()), QStringList());
    QCOMPARE(startedWithPortOpen.size(), 0);
    const QStringList messages = m_prompts->messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).startsWith(QStringLiteral("Cannot open COM1 (%1): ").arg(device)),
             qPrintable(messages.at(0)));
}

QTEST_GUILESS_MAIN(TestServiceTransfer)
#include "tst_service_transfer.moc"
