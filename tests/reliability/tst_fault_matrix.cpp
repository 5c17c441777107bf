#include "link_actions.h"
#include "test_helpers.h"

#include <QRegularExpression>
#include <QtTest>
#include <iterator>

using namespace plc;
using namespace plc::sim;

// Every user action that talks to the controller, run clean and then with each fault injected
// at each of its frames. A new transfer adds an entry to the registry of actions, not a test.

namespace {

using Injection = VirtualPlc::Injection;
using Kind = Injection::Kind;
using Frame = VirtualPlc::Frame;
using Answer = AnswerUse;

const QString kNak = QStringLiteral("Wrong answer from PLC");
const QString kSilence = QStringLiteral("Answer timeout from PLC");
const QString kLost = QStringLiteral("The serial port COM1 (%1) was lost: ");
const QString kTested = QStringLiteral("Successful connect to the CPU with type 291");
const QString kNoType = QStringLiteral(
    "No second answer from PLC with type. Check cable connection,port setting,"
    "and e.t.c.");

// One run of one action: its own controller, link, prompts and progress window.
struct Run {
    TransferFixture f;
    ActionValues values;
};

struct Fault {
    const char *name;
    Kind kind;
    int msFromTimeout;  // Delay: relative to the frame's timeout; Split: the gap
    bool delay = false;
};

const Fault kFaults[] = {
    {"NAK", Kind::Nak, 0},
    {"silence", Kind::Silence, 0},
    {"just in time", Kind::Delay, -50, true},
    {"too late", Kind::Delay, 60, true},
    {"in pieces", Kind::Split, 20},
    {"a character short", Kind::Short, 0},
    {"extra characters", Kind::Extra, 0},
    {"wrong answer", Kind::Wrong, 0},
    {"port lost", Kind::Lose, 0},
};

bool isRead(const Frame &f)
{
    return f.command == QLatin1String("E00") || f.command == QLatin1String("0");
}

// What the user is shown when fault strikes a frame answered this way; empty for success.
QString expectedMessage(Answer answer, const Frame &frame, Kind kind)
{
    const bool read = isRead(frame);
    const bool succeeds = kind == Kind::Delay || kind == Kind::Split || kind == Kind::Extra ||
                          (kind == Kind::Wrong && !read);
    if (answer == Answer::Probe)
        return succeeds ? kTested : kNoType;
    if (kind == Kind::Lose)
        return kLost;
    if (succeeds || answer == Answer::Unexamined)
        return QString();
    if (kind == Kind::Wrong || (kind == Kind::Nak && !read))
        return kNak;
    return kSilence;
}

}  // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString only = qEnvironmentVariable("PLC_MATRIX_ACTIONS");
        for (const LinkAction &action : linkActions()) {
            if (!only.isEmpty() && !action.name.contains(QRegularExpression(only)))
                continue;
            m_actions.append(action);
            const Clean clean = runClean(action);
            QVERIFY2(!clean.frames.isEmpty(), qPrintable(action.name));
            const bool probe = action.answer(clean.raw.first(), 1) == Answer::Probe;
            QCOMPARE(clean.messages, probe ? QStringList{kTested} : QStringList());
            m_clean.insert(action.name, clean);
            m_frames += int(clean.frames.size());
        }
    }

    void faults_data()
    {
        // frame: from 1
        testing::columns<int, int, int>({"action", "frame", "fault"});
        for (int a = 0; a < m_actions.size(); ++a) {
            const Clean &clean = m_clean.value(m_actions.at(a).name);
            for (int k = 1; k <= clean.frames.size(); ++k) {
                for (int f = 0; f < int(std::size(kFaults)); ++f)
                    QTest::addRow("%s, frame %d (%s): %s", qPrintable(m_actions.at(a).name), k,
                                  qPrintable(clean.frames.at(k - 1)), kFaults[f].name)
                        << a << k << f;
            }
        }
    }

    void faults()
    {
        QFETCH(int, action);
        QFETCH(int, frame);
        QFETCH(int, fault);
        const LinkAction &a = m_actions.at(action);
        const Clean &clean = m_clean.value(a.name);
        const Frame &target = clean.raw.at(frame - 1);
        const Fault &f = kFaults[fault];
        const int timeout = a.timeoutMs(target);
        const int ms = f.delay ? timeout + f.msFromTimeout : f.msFromTimeout;

        Run r;
        a.prepare(r.f, r.values);
        const QString before = r.values.text();
        r.f.sim.plc.inject(frame, {f.kind, ms});
        r.f.show(a.run(r.f, r.values));

        const Answer answer = a.answer(target, frame);
        const bool tooLate = f.kind == Kind::Delay && f.msFromTimeout > 0;
        const QString expected = expectedMessage(answer, target, tooLate ? Kind::Silence : f.kind);
        const QStringList shown = r.f.prompts.messages();
        const bool succeeded = expected.isEmpty() || expected == kTested;
        if (expected == kLost) {
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown.at(0).startsWith(kLost.arg(r.f.sim.plc.devicePath())),
                     qPrintable(shown.at(0)));
        } else {
            QCOMPARE(shown, expected.isEmpty() ? QStringList() : QStringList{expected});
        }
        if (succeeded) {
            QCOMPARE(r.f.frames(), clean.frames);
            QCOMPARE(r.values.text(), clean.values);
        } else {
            // Nothing is written after a failure that stops the action, and nothing read reaches
            // the window.
            QCOMPARE(r.f.sim.plc.frames().size(), frame);
            if (answer != Answer::Probe)
                QCOMPARE(r.values.text(), before);
            // The progress shown is that of the pieces that went through, no further.
            const QList<int> &shown = r.f.progress.percents;
            QCOMPARE(shown, clean.percents.mid(0, shown.size()));
        }
        QVERIFY(r.f.released());
        if (f.kind != Kind::Lose) {
            r.f.link.open();  // the port is free for the next action
            r.f.link.close();
        }
    }

    void cleanupTestCase()
    {
        qInfo("fault matrix: %d actions, %d frames, %d faults: %d runs", int(m_actions.size()),
              m_frames, int(std::size(kFaults)), m_frames * int(std::size(kFaults)));
    }

private:
    struct Clean {
        QStringList frames;
        QString values;
        QStringList messages;
        QList<Frame> raw;
        QList<int> percents;  // the progress window's, in order
    };
    static Clean runClean(const LinkAction &action)
    {
        Run r;
        action.prepare(r.f, r.values);
        r.f.show(action.run(r.f, r.values));
        return {r.f.frames(), r.values.text(), r.f.prompts.messages(), r.f.sim.plc.frames(),
                r.f.progress.percents};
    }

    QList<LinkAction> m_actions;
    QHash<QString, Clean> m_clean;
    int m_frames = 0;
};

QTEST_MAIN(TestFaultMatrix)

#include "tst_fault_matrix.moc"
