#include "aux_transfer.h"
#include "onewire_test_support.h"
#include "sensor_record.h"
#include "table_steps.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QtTest>

using namespace plc;

using onewiretest::sensor;
using onewiretest::sensors;
using tablesteps::addCases;

namespace {

QString records(int first, int last)
{
    QString text;
    for (int i = first; i <= last; ++i)
        text += encodeSensor(sensor(i));
    return text;
}

// The frames of a table of n sensors in 64-byte pieces from 200C: written, or read back.
QStringList pieces(int n, bool write)
{
    const QString text = records(1, n);
    QStringList frames;
    for (int first = 0; first < text.size(); first += 128) {
        const QString piece = text.mid(first, 128);
        const QString address = hextext::digits(0x200C + first / 2, 4);
        frames.append((write ? "E11 " : "E00 ") + address + " " +
                      hextext::digits(piece.size() / 2, 2) + (write ? " " + piece : QString()));
    }
    return frames;
}

const QString kStart = QStringLiteral("E11 3000 02 0FFF");
const QString kEnd = QStringLiteral("E11 3000 02 0000");
const FieldNetSettings kStartUpLists;

// A master download: the service word, the mode word, these writes, the service word again.
QStringList master(const QString &word, const QStringList &writes)
{
    return QStringList{kStart, "E11 200A 02 " + word} + writes + QStringList{kEnd};
}

struct DownloadCase {
    int mode;
    QList<int> lists;
    int sensors;
    QStringList frames;
    bool progress;
    QList<int> percents;
};
struct UploadCase {
    int word;
    QStringList reads;
    int mode;
    QList<int> lists;
    int sensors;
};

}  // namespace

// The "1-wire" tab's transfers against the virtual controller over a real pseudo-terminal: the
// exact frames of each mode, the failure paths, and what reaches the tab.
class TestAuxTransfer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { testing::start(m_f); }

    void cleanup()
    {
        QVERIFY(m_f->released());  // every transfer releases the port
        m_f.reset();
    }

    void downloadFrames_data()
    {
        const QList<int> startUp = {4, 2, 1, 1};
        QList<int> percents;
        for (int k = 1; k <= 20; ++k)
            percents.append(qMin(100, qRound(100.0 * 128 * k / 2540)));
        const QStringList all = master("7FC0", pieces(127, true));
        QVERIFY(all.at(21).startsWith("E11 24CC 36 "));  // the last record ends just before 2502
        const QString seven = records(1, 7);
        const QStringList sevenPieces = {"E11 200C 40 " + seven.left(128),
                                         "E11 204C 06 " + seven.mid(128)};
        addCases<DownloadCase>({
            {"no sensor", {0, startUp, 0, master("00C0", {}), false, {}}},
            {"1 sensor",
             {0, startUp, 1, master("01C0", {"E11 200C 0A FF28124B0003A100DC05"}), true, {}}},
            {"6 sensors",
             {0, startUp, 6, master("06C0", {"E11 200C 3C " + records(1, 6)}), true, {}}},
            {"7 sensors", {0, startUp, 7, master("07C0", sevenPieces), true, {91, 100}}},
            {"127 sensors", {0, startUp, 127, all, true, percents}},
            {"Field Net 9600, None, 7, 1", {1, {0, 0, 0, 0}, 2, {"E11 200A 02 0080"}, false, {}}},
            {"Field Net 115200, Odd, 8, 2", {1, {4, 1, 1, 1}, 2, {"E11 200A 02 80B7"}, false, {}}},
            {"Not use", {2, startUp, 2, {kStart, "E11 200A 02 0000", kEnd}, false, {}}},
        });
    }

    void downloadFrames()
    {
        QFETCH(DownloadCase, c);
        const QList<int> &lists = c.lists;
        const OneWireTabState state{{AuxMode(c.mode), {lists[0], lists[1], lists[2], lists[3]}},
                                    onewiretest::sensors(c.sensors)};
        QVERIFY(run([&] { return downloadAuxConfig(m_f->ctx, state); }));
        QCOMPARE(m_f->prompts.shown.size(), 1);
        QCOMPARE(m_f->prompts.shown.at(0).text,
                 QStringLiteral("You are shure for download configuration to the PLC ? "));
        QCOMPARE(m_f->frames(), c.frames);
        QCOMPARE(m_f->progress.opened, c.progress ? 1 : 0);
        QCOMPARE(m_f->progress.percents, c.percents);
    }

    void downloadStopsBeforeSending_data()
    {
        testing::columns<bool, int, int, QString>({"confirmed", "mode", "sensors", "message"});
        testing::row("cancelled", false, 0, 2, QString());
        testing::row("faulty hidden table refuses Field Net", true, 1, 2,
                     "You configuration has error in the addresing data - row 2\r\nColumn Byte 4");
        testing::row("faulty hidden table refuses Not use", true, 2, 2,
                     "You configuration has error in the addresing data - row 2\r\nColumn Byte 4");
        testing::row("128 sensors", true, 0, 128,
                     "You configuration has error - too much sensors. "
                     "Maximum value is 127");
    }

    void downloadStopsBeforeSending()
    {
        QFETCH(bool, confirmed);
        QFETCH(int, mode);
        QFETCH(int, sensors);
        QFETCH(QString, message);
        OneWireTabState state{{AuxMode(mode), kStartUpLists}, onewiretest::sensors(sensors)};
        state.sensors[1][4] = QStringLiteral("3");  // one digit would shift every later byte
        if (sensors == 128)
            state.sensors[1][4] = QStringLiteral("03");
        m_f->prompts.confirmAnswers.enqueue(confirmed);
        QVERIFY(run([&] { return downloadAuxConfig(m_f->ctx, state); }));
        QCOMPARE(m_f->prompts.messages(), message.isNull() ? QStringList() : QStringList{message});
        if (!message.isNull())
            QCOMPARE(m_f->prompts.shown.last().title, QStringLiteral("Error in configuration"));
        QCOMPARE(m_f->sim.plc.frames().size(), 0);
    }

    void upload_data()
    {
        const QList<int> before = {1, 1, 0, 0};  // the lists before the upload
        const QStringList wordOnly = {"E00 200A 02"};
        const QStringList seven = {"E00 200A 02", "E00 200C 40", "E00 204C 06"};
        addCases<UploadCase>({
            {"master, no sensor", {0xC000, wordOnly, 0, before, 0}},
            {"master, 7 sensors", {0xC007, seven, 0, before, 7}},
            {"master, 127 sensors", {0xC07F, wordOnly + pieces(127, false), 0, before, 127}},
            {"Field Net 80BB", {0xBB80, wordOnly, 1, {4, 2, 1, 1}, 0}},
            {"Field Net 0080", {0x8000, wordOnly, 1, {0, 0, 0, 0}, 0}},
            {"Not use", {0x0000, wordOnly, 2, before, 0}},
        });
    }

    void upload()
    {
        QFETCH(UploadCase, c);
        m_f->sim.plc.pokeWord(0x200A, quint16(c.word));
        m_f->sim.plc.poke(0x200C, QByteArray::fromHex(records(1, 127).toLatin1()));
        GridModel grid(10);
        grid.setDataRows({sensor(9), sensor(8)});
        grid.setText(1, 1, QStringLiteral("old"));
        AuxSettings settings{AuxMode::FieldNet, {1, 1, 0, 0}};
        QVERIFY(run([&] { return upload(settings, grid); }));
        QCOMPARE(m_f->frames(), c.reads);
        QVERIFY(m_f->prompts.shown.isEmpty());
        QCOMPARE(int(settings.mode), c.mode);
        const QList<int> &l = c.lists;
        QVERIFY(settings.fieldNet == (FieldNetSettings{l[0], l[1], l[2], l[3]}));
        // Cut back whatever the mode: the sensors read, then the entry row numbered after them;
        // with none, row 1 stays as it was and serves as the entry row.
        const int n = c.sensors;
        QCOMPARE(grid.rows(), n + 2);
        QCOMPARE(grid.dataRows(), onewiretest::sensors(n));
        QCOMPARE(grid.text(n + 1, 0), QString::number(n == 0 ? 1 : n + 1));
        QCOMPARE(grid.text(n + 1, 1), n == 0 ? QStringLiteral("old") : QString());
        QCOMPARE(m_f->progress.opened, c.mode == 0 ? 1 : 0);
    }

private:
    bool run(const std::function<Outcome()> &action) { return m_f->run(action); }
    // An upload applied as the tab applies it.
    Outcome upload(AuxSettings &settings, GridModel &grid)
    {
        const Result<AuxConfigUpload> read = uploadAuxConfig(m_f->ctx);
        if (read.done()) {
            applyAuxUpload(read.value, settings);
            grid.showUploadedRows(read.value.sensors);
        }
        return read.outcome;
    }

    std::unique_ptr<TransferFixture> m_f;
};

QTEST_GUILESS_MAIN(TestAuxTransfer)

#include "tst_aux_transfer.moc"
