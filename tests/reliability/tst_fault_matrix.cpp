#include "aux_transfer.h"
#include "buffer_reader.h"
#include "bus_search.h"
#include "com_setting.h"
#include "grid_model.h"
#include "io_block.h"
#include "io_transfer.h"
#include "link_action.h"
#include "plc_link.h"
#include "settings_store.h"
#include "port_transfer.h"
#include "request_record.h"
#include "scripted_prompts.h"
#include "service_transfer.h"
#include "sim_fixture.h"
#include "uart_port.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QtTest>
#include <iterator>
#include <memory>

// Every user action that talks to the controller, run clean and then with each fault injected
// at each of its frames. A new transfer adds a row to the action table, not a test.

namespace {

using Injection = VirtualPlc::Injection;
using Kind = Injection::Kind;
using Frame = VirtualPlc::Frame;

const QString kNak = QStringLiteral("Wrong answer from PLC");
const QString kSilence = QStringLiteral("Answer timeout from PLC");
const QString kLost = QStringLiteral("The serial port COM1 (%1) was lost: ");
const QString kTested = QStringLiteral("Successful connect to the CPU with type 291");
const QString kNoType = QStringLiteral(
    "No second answer from PLC with type. Check cable connection,port setting,"
    "and e.t.c.");

// How an action treats the answer to one of its frames.
enum class Answer { Examined, Unexamined, Probe };

// The values a window would show: what an action reads into and what a failed one must leave.
struct Values {
    PortSettings settings{UartMode::Master, 4, 2, QStringLiteral("5"), QStringLiteral("100")};
    GridModel grid{7};
    AuxSettings aux;
    GridModel sensors{10};
    IoMasks io;
    GridModel errors{3};
    QList<RomCode> found;

    QString text() const
    {
        QStringList t{QString::number(int(settings.mode)),
                      QString::number(settings.speed),
                      QString::number(settings.parity),
                      settings.address,
                      settings.timeout,
                      QString::number(int(aux.mode)),
                      QString::number(aux.fieldNet.speed),
                      QString::number(io.inputs),
                      QString::number(io.outputs)};
        for (const GridModel *g : {&grid, &sensors, &errors}) {
            for (const QStringList &row : g->dataRows())
                t.append(row.join(QLatin1Char(',')));
        }
        for (const RomCode &code : found)
            t.append(code.join(QString()));
        return t.join(QLatin1Char('|'));
    }
};

// One run of one action: its own controller, link, prompts and progress window.
struct Run {
    SimFixture sim;
    PlcLink link;
    ScriptedPrompts prompts;
    RecordingProgress progress;
    TransferContext ctx{link, prompts, progress};
    Values values;

    bool action(const std::function<void()> &body) { return runLinkAction(ctx, body); }
};

struct Action {
    QString name;
    std::function<void(Run &)> prepare;
    std::function<void(Run &)> run;
    std::function<int(const Frame &)> timeoutMs;
    std::function<Answer(const Frame &, int frame)> answer;  // frames count from 1
};

Answer examinedUnlessCommandWord(const Frame &f, int)
{
    return f.address == QLatin1String("2002") ? Answer::Unexamined : Answer::Examined;
}

std::function<int(const Frame &)> serviceOr(int other)
{
    return [other](const Frame &f) {
        return f.address == QLatin1String("3000") ? 1000 : other;
    };
}

void fillRequests(GridModel &grid)
{
    writeRequestToRow(grid, 1, {1, 10, 0, 100, 1, 100});
    grid.appendGridRow();
    grid.renumber();
}

void prepareController(Run &r)
{
    VirtualPlc &plc = r.sim.plc;
    plc.pokeWord(0x2008, 0xC401);  // UART 1: a master with one request
    plc.pokeWord(0x2006, 0x4205);  // UART 2: a slave
    plc.pokeWord(0x2004, 150);
    plc.poke(0x2502, QByteArray::fromHex("010A000064006410"));
    plc.pokeWord(0x200A, 0xC001);  // one sensor
    plc.poke(0x200C, QByteArray::fromHex("FF28124B0003A100DC05"));
    plc.poke(0x2000, QByteArray::fromHex("0300020004000000"));
    plc.poke(0x3600, QByteArray::fromHex("85"));
    plc.setOneWireDevices({QByteArray::fromHex("28FF4B12030000A1")});
}

QList<Action> actions()
{
    QList<Action> list;
    const auto noPrepare = [](Run &) {
    };
    list.append(
        {"COM-port Test", noPrepare,
         [](Run &r) {
             Com_setting dialog(r.prompts, nullptr);
             dialog.findChild<QComboBox *>(QStringLiteral("Bit_setting"))->setCurrentIndex(1);
             dialog.testConnection();
         },
         [](const Frame &) { return 100; },
         [](const Frame &, int) {
             return Answer::Probe;
         }});
    for (int n : {1, 2}) {
        const UartPort &port = n == 1 ? UartPort::uart1() : UartPort::uart2();
        for (UartMode mode : {UartMode::Master, UartMode::Slave, UartMode::NotUse}) {
            list.append({QStringLiteral("UART %1 download, mode %2").arg(n).arg(int(mode)),
                         [mode](Run &r) {
                             fillRequests(r.values.grid);
                             r.values.settings.mode = mode;
                         },
                         [&port](Run &r) {
                             r.action([&] {
                                 downloadPortConfig(r.ctx, port, r.values.settings, r.values.grid);
                             });
                         },
                         serviceOr(650), examinedUnlessCommandWord});
        }
        list.append(
            {QStringLiteral("UART %1 upload").arg(n), prepareController,
             [&port](Run &r) {
                 r.action([&] {
                     applyPortUpload(uploadPortConfig(r.ctx, port), r.values.settings,
                                     r.values.grid);
                 });
             },
             [&port](const Frame &f) { return f.address == port.portWordAddress ? 350 : 650; },
             examinedUnlessCommandWord});
    }
    list.append(
        {"UART 2 slave Download", noPrepare,
         [](Run &r) {
             r.action([&] { downloadSlaveSettings(r.ctx, UartPort::uart2(), r.values.settings); });
         },
         serviceOr(650), examinedUnlessCommandWord});
    list.append({"UART 2 slave Upload", prepareController,
                 [](Run &r) {
                     r.action([&] {
                         applySlaveUpload(uploadSlaveSettings(r.ctx, UartPort::uart2()),
                                          r.values.settings);
                     });
                 },
                 [](const Frame &) { return 350; }, examinedUnlessCommandWord});
    for (AuxMode mode : {AuxMode::OneWireMaster, AuxMode::FieldNet, AuxMode::NotUse}) {
        list.append({QStringLiteral("1-wire download, mode %1").arg(int(mode)), noPrepare,
                     [mode](Run &r) {
                         OneWireTabState state;
                         state.settings.mode = mode;
                         state.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"}};
                         r.action([&] { downloadAuxConfig(r.ctx, state); });
                     },
                     [mode](const Frame &f) {
                         if (f.address == QLatin1String("3000"))
                             return 1000;
                         if (f.address == QLatin1String("200A"))
                             return mode == AuxMode::OneWireMaster ? 450 : 350;
                         return 650;
                     },
                     examinedUnlessCommandWord});
    }
    list.append({"1-wire upload", prepareController,
                 [](Run &r) {
                     r.action([&] {
                         applyAuxUpload(uploadAuxConfig(r.ctx), r.values.aux, r.values.sensors);
                     });
                 },
                 [](const Frame &) { return 350; }, examinedUnlessCommandWord});
    list.append({"bus search", prepareController,
                 [](Run &r) {
                     r.action([&] {
                         Setup_port(r.link);
                         r.values.found = searchBus(r.link, 20);
                     });
                 },
                 [](const Frame &) { return 350; },
                 [](const Frame &, int frame) {
                     // The first read of the service word only lets the controller catch up.
                     return frame == 2 ? Answer::Unexamined : Answer::Examined;
                 }});
    list.append({"I/O map download", noPrepare,
                 [](Run &r) {
                     PointBytes types{};
                     types[0] = 1;
                     types[2] = 2;
                     r.action([&] { downloadIoMap(r.ctx, types); });
                 },
                 serviceOr(350), examinedUnlessCommandWord});
    list.append({"I/O map upload", prepareController,
                 [](Run &r) { r.action([&] { r.values.io = uploadIoMap(r.ctx); }); },
                 [](const Frame &) { return 150; }, examinedUnlessCommandWord});
    for (int n : {1, 2, 3}) {
        const ErrorBuffer &buffer = n == 1   ? ErrorBuffer::uart1()
                                    : n == 2 ? ErrorBuffer::uart2()
                                             : ErrorBuffer::oneWire();
        list.append(
            {n == 3 ? QStringLiteral("1-wire buffer") : QStringLiteral("Modbus buffer %1").arg(n),
             [](Run &r) {
                 prepareController(r);
                 r.sim.plc.pokeWord(0x2006, 0xC402);  // UART 2 a master too
             },
             [&buffer](Run &r) {
                 r.action([&] { readErrorBuffer(r.ctx, buffer, r.values.errors); });
             },
             [&buffer](const Frame &f) {
                 return f.address == buffer.countWordAddress ? buffer.wordTimeoutMs
                                                             : buffer.blockTimeoutMs;
             },
             examinedUnlessCommandWord});
    }
    list.append({"restart", noPrepare, [](Run &r) { r.action([&] { restartPlc(r.ctx); }); },
                 [](const Frame &) { return 1000; },
                 [](const Frame &, int) {
                     return Answer::Unexamined;
                 }});
    list.append({"update", noPrepare,
                 [](Run &r) {
                     r.action([&] {
                         updateFirmware(r.ctx, {QStringLiteral("/bin/true")},
                                        [](const QString &) {});
                     });
                 },
                 [](const Frame &) { return 1000; },
                 [](const Frame &, int) {
                     return Answer::Unexamined;
                 }});
    return list;
}

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
    void initTestCase();
    void faults_data();
    void faults();
    void cleanupTestCase();

private:
    struct Clean {
        QStringList frames;
        QString values;
        QStringList messages;
        QList<Frame> raw;
    };
    static Clean runClean(const Action &action);
    QList<Action> m_actions;
    QHash<QString, Clean> m_clean;
    int m_frames = 0;
};

TestFaultMatrix::Clean TestFaultMatrix::runClean(const Action &action)
{
    Run r;
    action.prepare(r);
    Setup_port(r.link);
    action.run(r);
    return {wire(r.sim.plc.frames()), r.values.text(), r.prompts.messages(), r.sim.plc.frames()};
}

void TestFaultMatrix::initTestCase()
{
    const QString only = qEnvironmentVariable("PLC_MATRIX_ACTIONS");
    for (const Action &action : actions()) {
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

void TestFaultMatrix::faults_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("frame");  // from 1
    QTest::addColumn<int>("fault");
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

void TestFaultMatrix::faults()
{
    QFETCH(int, action);
    QFETCH(int, frame);
    QFETCH(int, fault);
    const Action &a = m_actions.at(action);
    const Clean &clean = m_clean.value(a.name);
    const Frame &target = clean.raw.at(frame - 1);
    const Fault &f = kFaults[fault];
    const int timeout = a.timeoutMs(target);
    const int ms = f.delay ? timeout + f.msFromTimeout : f.msFromTimeout;

    Run r;
    a.prepare(r);
    Setup_port(r.link);
    const QString before = r.values.text();
    r.sim.plc.inject(frame, {f.kind, ms});
    a.run(r);

    const Answer answer = a.answer(target, frame);
    const bool tooLate = f.kind == Kind::Delay && f.msFromTimeout > 0;
    const QString expected = expectedMessage(answer, target, tooLate ? Kind::Silence : f.kind);
    const QStringList shown = r.prompts.messages();
    const bool succeeded = expected.isEmpty() || expected == kTested;
    if (expected == kLost) {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.at(0).startsWith(kLost.arg(r.sim.plc.devicePath())),
                 qPrintable(shown.at(0)));
    } else {
        QCOMPARE(shown, expected.isEmpty() ? QStringList() : QStringList{expected});
    }
    if (succeeded) {
        QCOMPARE(wire(r.sim.plc.frames()), clean.frames);
        QCOMPARE(r.values.text(), clean.values);
    } else {
        // Nothing is written after a failure that stops the action, and nothing read reaches
        // the window.
        QCOMPARE(r.sim.plc.frames().size(), frame);
        if (answer != Answer::Probe)
            QCOMPARE(r.values.text(), before);
    }
    QVERIFY(!r.link.isOpen());
    QCOMPARE(r.progress.closed, r.progress.opened);
    if (f.kind != Kind::Lose) {
        r.link.open();  // the port is free for the next action
        r.link.close();
    }
}

void TestFaultMatrix::cleanupTestCase()
{
    qInfo("fault matrix: %d actions, %d frames, %d faults: %d runs", int(m_actions.size()),
          m_frames, int(std::size(kFaults)), m_frames * int(std::size(kFaults)));
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_fault_matrix.moc"
