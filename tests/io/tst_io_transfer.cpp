#include "ini_file.h"
#include "io_transfer.h"
#include "settings_store.h"
#include "table_steps.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QtTest>

using namespace plc;
using namespace plc::sim;

namespace {

const PointBytes kExample{1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
const QStringList kExampleFrames = {"E11 3000 02 0FFF", "E11 2000 08 0300020004000000",
                                    "E11 3000 02 0000"};

}  // namespace

// The I/O map's download and upload against the virtual controller over a real pseudo-terminal:
// the exact frames, a failure at each write, and what an upload brings back.
class TestIoTransfer : public TransferTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TransferTest::init();
        m_f->link.setLineSettings(LineSettings::parse("19200,N,8,1"));  // not what set.ini says
    }

    void cleanup()
    {
        QCOMPARE(m_f->progress.opened, 0);
        TransferTest::cleanup();
    }

    void download_data()
    {
        testing::columns<PointBytes, QStringList>({"types", "frames"});
        // The refused and unanswered writes are the fault matrix's.
        testing::row(
            "empty map", PointBytes{},
            QStringList{"E11 3000 02 0FFF", "E11 2000 08 0000000000000000", "E11 3000 02 0000"});
        testing::row("inputs 0, 1, 17 and output 2", kExample, kExampleFrames);
    }

    void download()
    {
        QFETCH(PointBytes, types);
        QVERIFY(run([&] { return downloadIoMap(m_f->ctx, types); }));
        QCOMPARE(m_f->prompts.messages(), QStringList());
        QTEST(m_f->frames(), "frames");
        // It goes out with the settings the link has, not the stored ones.
        QCOMPARE(m_f->link.lineSettings().text(), QStringLiteral("19200,N,8,1"));
    }

    void upload_data()
    {
        // pieceSize: the answer in pieces 30 ms apart; 0 in one
        testing::columns<bool, int, QStringList, quint32, quint32>(
            {"silent", "pieceSize", "messages", "inputs", "outputs"});
        testing::row("answered", false, 0, QStringList(), 0x20003U, 0x4U);
        testing::row("answered in pieces", false, 5, QStringList(), 0x20003U, 0x4U);
        testing::row("silent", true, 0, QStringList{tablesteps::kSilence}, 0xAAU, 0xAAU);
    }

    void upload()
    {
        QFETCH(bool, silent);
        QFETCH(int, pieceSize);
        m_f->sim.plc.pokeIoBlock(QByteArray::fromHex("0300020004000000"));
        if (silent)
            m_f->sim.plc.failAddress(QStringLiteral("2000"), VirtualPlc::Fault::Silence);
        m_f->sim.plc.splitAnswers(pieceSize, 30);
        IoMasks masks{0xAA, 0xAA};           // what a silent controller must leave alone
        applyStoredPortSettings(m_f->link);  // as the window does before an upload
        QVERIFY(run([&] {
            const Result<IoMasks> read = uploadIoMap(m_f->ctx);
            if (read.done())
                masks = read.value;
            return read.outcome;
        }));
        QTEST(m_f->prompts.messages(), "messages");
        QCOMPARE(m_f->frames(), QStringList{"E00 2000 08"});
        QTEST(masks.inputs, "inputs");
        QTEST(masks.outputs, "outputs");
        QCOMPARE(m_f->link.lineSettings().text(), QStringLiteral("9600,N,8,1"));
    }

    void portThatCannotOpen_data() { testing::boolColumn("upload", "download", "upload"); }

    void portThatCannotOpen()
    {
        QFETCH(bool, upload);
        writeIniValue(m_f->sim.settingsFile(), "PORTS", "COM4", "/nonexistent/tty");
        m_f->sim.setCom(QStringLiteral("Port_num"), QStringLiteral("3"));
        applyStoredPortSettings(m_f->link);
        QVERIFY(run([&] {
            return upload ? uploadIoMap(m_f->ctx).outcome : downloadIoMap(m_f->ctx, kExample);
        }));
        QCOMPARE(m_f->prompts.messages().size(), 1);
        QVERIFY2(m_f->prompts.messages().at(0).startsWith("Cannot open COM4 (/nonexistent/tty): "),
                 qPrintable(m_f->prompts.messages().at(0)));
        QCOMPARE(m_f->sim.plc.frames().size(), 0);
    }

private:
};

QTEST_GUILESS_MAIN(TestIoTransfer)

#include "tst_io_transfer.moc"
