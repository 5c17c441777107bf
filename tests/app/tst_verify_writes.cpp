#include "aux_transfer.h"
#include "grid_model.h"
#include "io_transfer.h"
#include "link_action.h"
#include "plc_link.h"
#include "settings_store.h"
#include "port_transfer.h"
#include "request_record.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"
#include "uart_port.h"

#include <QtTest>
#include <memory>

namespace {

enum class Download { UartMaster, UartSlaveSettings, OneWireMaster, FieldNet, IoMap };

const QString kDiffers =
    QStringLiteral("The controller holds something else than was written: %1 at %2");

}  // namespace

Q_DECLARE_METATYPE(Download)

// "Verify after writing" on each download against the virtual controller: off, the line
// carries the writes alone; on, a clean download is followed by the reads an upload makes and
// shows nothing, and a controller that keeps another byte gives the message naming where.
class TestVerifyWrites : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void readBack_data();
    void readBack();

private:
    void download(Download which);

    std::unique_ptr<SimFixture> m_sim;
    std::unique_ptr<PlcLink> m_link;
    ScriptedPrompts m_prompts;
    RecordingProgress m_progress;
    std::unique_ptr<TransferContext> m_ctx;
};

void TestVerifyWrites::init()
{
    m_sim = std::make_unique<SimFixture>();
    QVERIFY2(m_sim->ok(), qPrintable(m_sim->error()));
    m_link = std::make_unique<PlcLink>();
    Setup_port(*m_link);
    m_prompts.clear();
    m_ctx = std::make_unique<TransferContext>(TransferContext{*m_link, m_prompts, m_progress});
}

void TestVerifyWrites::cleanup()
{
    QVERIFY(!m_link->isOpen());
    QCOMPARE(m_progress.closed, m_progress.opened);
    m_ctx.reset();
    m_link.reset();
    m_sim.reset();
}

void TestVerifyWrites::download(Download which)
{
    const UartPort &uart1 = UartPort::uart1();
    GridModel grid(7);
    OneWireTabState aux;
    switch (which) {
        case Download::UartMaster:
            for (int i = 1; i <= 9; ++i) {
                writeRequestToRow(grid, i, {i, 10, 10 * i, 100 + 10 * i, 1, 100});
                grid.appendGridRow();
            }
            return downloadPortConfig(*m_ctx, uart1, {UartMode::Master, 4, 2, {}, {}}, grid);
        case Download::UartSlaveSettings:
            return downloadSlaveSettings(*m_ctx, UartPort::uart2(),
                                         {UartMode::Slave, 7, 2, QStringLiteral("1"), "2"});
        case Download::OneWireMaster:
            for (int i = 1; i <= 7; ++i)
                aux.sensors.append({"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"});
            aux.settings.mode = AuxMode::OneWireMaster;
            return downloadAuxConfig(*m_ctx, aux);
        case Download::FieldNet:
            aux.settings.mode = AuxMode::FieldNet;
            return downloadAuxConfig(*m_ctx, aux);
        case Download::IoMap:
            return downloadIoMap(*m_ctx, {1, 1, 2});
    }
}

void TestVerifyWrites::readBack_data()
{
    QTest::addColumn<Download>("which");
    QTest::addColumn<int>("wrongAt");  // the controller keeps another byte here; 0: none
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QString>("message");

    const QStringList uart = {"E00 2008 02", "E00 2502 40", "E00 2542 08"};
    const QStringList oneWire = {"E00 200A 02", "E00 200C 40", "E00 204C 06"};
    QTest::newRow("UART master") << Download::UartMaster << 0 << uart << QString();
    QTest::newRow("UART master, table")
        << Download::UartMaster << 0x2545 << uart << kDiffers.arg("request table", "2545");
    QTest::newRow("UART master, port word")
        << Download::UartMaster << 0x2009 << uart.mid(0, 1) << kDiffers.arg("port word", "2008");
    QTest::newRow("UART slave settings, timeout")
        << Download::UartSlaveSettings << 0x2004 << QStringList{"E00 2006 02", "E00 2004 02"}
        << kDiffers.arg("slave timeout", "2004");
    QTest::newRow("1-wire master") << Download::OneWireMaster << 0 << oneWire << QString();
    QTest::newRow("1-wire master, sensors")
        << Download::OneWireMaster << 0x2050 << oneWire << kDiffers.arg("sensor records", "2050");
    QTest::newRow("Field Net") << Download::FieldNet << 0 << QStringList{"E00 200A 02"}
                               << QString();
    QTest::newRow("I/O map, block") << Download::IoMap << 0x2003 << QStringList{"E00 2000 08"}
                                    << kDiffers.arg("I/O map block", "2003");
}

void TestVerifyWrites::readBack()
{
    QFETCH(Download, which);
    QFETCH(int, wrongAt);
    QFETCH(QStringList, reads);
    QFETCH(QString, message);
    if (wrongAt)
        m_sim->plc.storeWrong(wrongAt, 0x5A);

    // Off: the writes alone, and a controller keeping something else goes unnoticed.
    QVERIFY(runLinkAction(*m_ctx, [&] { download(which); }));
    QCOMPARE(m_prompts.messages(), QStringList());
    const QStringList writes = wire(m_sim->plc.frames());
    QVERIFY(m_sim->plc.frames("E00").isEmpty());

    // On: the same writes, then the reads.
    m_sim->plc.clearLog();
    m_ctx->verifyWrites = true;
    QVERIFY(runLinkAction(*m_ctx, [&] { download(which); }));
    QCOMPARE(m_prompts.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    const QStringList frames = wire(m_sim->plc.frames());
    QCOMPARE(frames.mid(0, writes.size()), writes);
    QCOMPARE(frames.mid(writes.size()), reads);
}

QTEST_GUILESS_MAIN(TestVerifyWrites)
#include "tst_verify_writes.moc"
