#include "service_transfer.h"
#include "settings_store.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QtTest>
#include <atomic>

using namespace plc;
using namespace plc::sim;

namespace {

using testing::row;

enum Action { Restart, Update };
enum Program { Recorder, Missing, NotExecutable, Folder, WillNotStart };

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
    void init()
    {
        m_f.reset();  // the old fixture forgets the settings file as it goes
        testing::start(m_f);
        QCOMPARE(m_f->link.lineSettings().text(), kStartSettings);
        m_f->sim.setCom(QStringLiteral("Speed"), QStringLiteral("1"));
        m_startedWithPortOpen.clear();
        m_started.clear();
        for (const QString &path : m_candidates)
            QDir(QFileInfo(path).path()).removeRecursively();
    }

    void actions_data()
    {
        // answer (of the controller: 0 ACK, 1 NAK, 2 none), lineSettings (of the link afterwards)
        testing::columns<int, bool, int, QStringList, QString>(
            {"action", "ok", "answer", "frames", "lineSettings"});
        row("restart cancelled", 0, false, 0, QStringList(), kStartSettings);
        row("update cancelled, settings applied", 1, false, 0, QStringList(), kStoredSettings);
        // The controller restarts or switches over: refusal and silence change nothing.
        for (const int answer : {0, 1, 2}) {
            QTest::addRow("restart, answer %d", answer)
                << 0 << true << answer << QStringList{kRestartFrame} << kStartSettings;
            QTest::addRow("update, answer %d", answer)
                << 1 << true << answer << QStringList{kUpdateFrame} << kStoredSettings;
        }
    }

    void actions()
    {
        QFETCH(int, action);
        QFETCH(bool, ok);
        QFETCH(int, answer);
        QFETCH(QStringList, frames);
        QFETCH(QString, lineSettings);
        install(Recorder);
        m_f->prompts.confirmAnswers.enqueue(ok);
        if (answer != 0)
            m_f->sim.plc.failWrite(
                1, answer == 1 ? VirtualPlc::Fault::Nak : VirtualPlc::Fault::Silence);
        run(Action(action));

        QCOMPARE(m_f->frames(), frames);
        QCOMPARE(m_f->prompts.shown.size(), 1);  // the question and nothing else
        QCOMPARE(m_f->prompts.shown.at(0).kind, QStringLiteral("confirm"));
        QCOMPARE(m_f->prompts.shown.at(0).text,
                 action == Restart ? "You are shure for restart PLC ? "
                                   : "You are shure for update firmware for the PLC ? ");
        QCOMPARE(m_f->link.lineSettings().text(), lineSettings);
        QCOMPARE(m_startedWithPortOpen,
                 action == Update && ok ? QList<bool>{false} : QList<bool>());
    }

    void updateProgram_data()
    {
        // beside (what lies at the path beside the program), inPrivate (and at the one in the
        // private folder)
        testing::columns<int, int, QStringList, QString, QStringList>(
            {"beside", "inPrivate", "frames", "message", "started"});
        // Without the program the controller would wait for a firmware load that nothing starts.
        const QString missing = QStringLiteral(
                                    "The firmware update program %1 or %2 is missing or "
                                    "cannot be run; nothing was sent to the PLC")
                                    .arg(m_candidates.at(0), m_candidates.at(1));
        const QStringList none;
        const QStringList update{kUpdateFrame};
        row("missing", int(Missing), int(Missing), none, missing, none);
        row("not executable", int(NotExecutable), int(Missing), none, missing, none);
        row("a folder", int(Folder), int(Missing), none, missing, none);
        row("will not start", int(WillNotStart), int(Missing), update,
            "Cannot start " + m_program + ": execv: No such file or directory",
            QStringList{m_program});
        row("in the private folder", int(Missing), int(Recorder), update, QString(),
            QStringList{m_candidates.at(1)});
        row("in both: the one beside the program", int(Recorder), int(Recorder), update, QString(),
            QStringList{m_program});
        row("beside not executable: the private one", int(NotExecutable), int(Recorder), update,
            QString(), QStringList{m_candidates.at(1)});
    }

    void updateProgram()
    {
        QFETCH(int, beside);
        QFETCH(int, inPrivate);
        QFETCH(QStringList, frames);
        QFETCH(QString, message);
        QFETCH(QStringList, started);
        install(Program(beside), 0);
        install(Program(inPrivate), 1);
        run(Update, true);

        QCOMPARE(m_f->frames(), frames);
        QCOMPARE(m_f->prompts.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        // Asked only when there is a program to start.
        QCOMPARE(m_f->prompts.shown.size(), int(!frames.isEmpty()) + int(!message.isEmpty()));
        QCOMPARE(m_started, started);
    }

    void updateProgramStartsAfterPortClosedAndPause()
    {
        install(Recorder);
        std::atomic<qint64> frameAt{0};
        m_f->sim.plc.setFrameCallback(
            [&](const VirtualPlc::Frame &) { frameAt = QDateTime::currentMSecsSinceEpoch(); });
        QFileSystemWatcher watcher({QFileInfo(m_program).path()});
        QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
        QFile record(QFileInfo(m_program).path() + QStringLiteral("/started"));

        run(Update, true);

        QCOMPARE(m_startedWithPortOpen, QList<bool>{false});
        while (!record.exists())
            QVERIFY2(changed.wait(5000), "the update program did not start");
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QList<QByteArray> fields = record.readAll().simplified().split(' ');
        QCOMPARE(fields.value(1), QByteArray("0"));  // no arguments
        const qint64 afterWrite = fields.at(0).toLongLong() - frameAt;
        QVERIFY2(afterWrite >= 100, qPrintable(QString::number(afterWrite)));
        QCOMPARE(m_f->frames(), QStringList{kUpdateFrame});
    }

private:
    // Runs an action as its button does, the update program started through a recorder that
    // notes whether the port was open then.
    void run(Action action, bool startForReal = false)
    {
        if (action == Restart) {
            m_f->show(restartPlc(m_f->ctx));
        } else {
            applyStoredPortSettings(
                m_f->link);  // the update takes the stored settings, the restart not
            m_f->show(updateFirmware(m_f->ctx, m_candidates, [&](const QString &path) {
                m_startedWithPortOpen.append(m_f->link.isOpen());
                m_started.append(path);
                if (startForReal)
                    startProgram(path);
            }));
        }
        QVERIFY(!m_f->link.isOpen());
    }
    // Puts a program at a candidate path: beside the program (0) or in the private folder (1).
    void install(Program program, int at = 0)
    {
        if (program == Missing)
            return;
        const QString path = m_candidates.at(at);
        QVERIFY(QDir().mkpath(program == Folder ? path : QFileInfo(path).path()));
        QFile file(path);
        if (program == Recorder || program == NotExecutable)
            QVERIFY(QFile::copy(QStringLiteral(UPDATE_RECORDER), path));
        if (program == NotExecutable)
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        if (program == WillNotStart) {
            QVERIFY(testing::writeBytes(path, "#!/nonexistent/interpreter\n"));
            QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
        }
    }

    std::unique_ptr<TransferFixture> m_f;
    QTemporaryDir m_folder;   // the program's folder
    QTemporaryDir m_private;  // an installed program's private folder
    const QStringList m_candidates = updateProgramPaths({m_folder.path(), m_private.path()});
    const QString m_program = m_candidates.at(0);
    QList<bool> m_startedWithPortOpen;
    QStringList m_started;
};

QTEST_GUILESS_MAIN(TestServiceTransfer)

#include "tst_service_transfer.moc"
