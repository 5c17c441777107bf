#include "grid_model.h"
#include "port_transfer.h"
#include "request_record.h"
#include "settings_store.h"
#include "transfer_fixture.h"
#include "uart_port.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

namespace {

// Request i of the test tables; request 3 ends in the field 0x2064 (function 2, timeout 100).
ModbusRequest request(int i)
{
    return {i, 10, 10 * i, 100 + 10 * i, (i - 1) % 5, 100};
}

QString records(int first, int last)
{
    QString text;
    for (int i = first; i <= last; ++i)
        text += encodeRequest(request(i));
    return text;
}

void fill(GridModel &grid, int n)
{
    while (grid.rows() > 2)
        grid.removeGridRow(2);
    for (int i = 1; i <= n; ++i) {
        writeRequestToRow(grid, i, request(i));
        grid.appendGridRow();
    }
    grid.renumber();
}

// The writes of a master download of 9 requests at speed 115200 and parity None on UART 1.
const QStringList kNineRequests = {"E11 3000 02 0FFF",
                                   "E11 2008 02 09D4",
                                   "E11 2502 40 " + records(1, 8),
                                   "E11 2542 08 " + records(9, 9),
                                   "E11 3000 02 0000",
                                   "E10 2002 02 0080"};

const QString kSilence = QStringLiteral("Answer timeout from PLC");
const QString kRange = QStringLiteral("Please, use valid range - address range from 1 to 247 ");
const QString kDigits = QStringLiteral("Please, use only digit n the address field ");

const UartPort &uart(int n)
{
    return n == 1 ? UartPort::uart1() : UartPort::uart2();
}

}  // namespace

// The UART transfers against the virtual controller over a real pseudo-terminal: the exact
// frames, the failure paths, and what reaches the tab.
class TestPortTransfer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void downloadFrames_data();
    void downloadFrames();
    void downloadStopsBeforeSending_data();
    void downloadStopsBeforeSending();
    void fullTableRoundTrip();
    void secondTransferIsIgnoredWhileOneWaits();
    void upload_data();
    void upload();
    void slaveDownloadKeepsLinkSettings();
    void slaveDownloadStops_data();
    void slaveDownloadStops();
    void slaveUpload_data();
    void slaveUpload();
    void answerTimeouts_data();
    void answerTimeouts();

private:
    bool run(const std::function<Outcome()> &action) { return m_f->run(action); }
    // An upload applied as the tab applies it.
    Outcome upload(int port, PortSettings &settings)
    {
        const Result<PortConfigUpload> read = uploadPortConfig(m_f->ctx, uart(port));
        if (read.done() && applyPortUpload(read.value, settings))
            applyRequestTable(*m_grid, read.value.requests);
        return read.outcome;
    }
    Outcome download(int port, const PortSettings &settings)
    {
        return downloadPortConfig(m_f->ctx, uart(port), settings, m_grid->dataRows());
    }

    std::unique_ptr<TransferFixture> m_f;
    std::unique_ptr<GridModel> m_grid;
    PortSettings m_settings;
};

void TestPortTransfer::init()
{
    m_f = std::make_unique<TransferFixture>();
    QVERIFY2(m_f->sim.ok(), qPrintable(m_f->sim.error()));
    m_grid = std::make_unique<GridModel>(7);
}

void TestPortTransfer::cleanup()
{
    QVERIFY(m_f->released());  // every transfer releases the port
    m_f.reset();
}

void TestPortTransfer::downloadFrames_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QList<int>>("percents");  // empty: no progress window
    const QString start = "E11 3000 02 0FFF";
    const QString end = "E11 3000 02 0000";
    const QString go = "E10 2002 02 0080";
    QTest::newRow("7 requests, one write")
        << 1 << 0 << 7
        << QStringList{start, "E11 2008 02 07D4", "E11 2502 38 " + records(1, 7), end, go}
        << QList<int>{};
    QTest::newRow("8 requests, one full piece")
        << 1 << 0 << 8
        << QStringList{start, "E11 2008 02 08D4", "E11 2502 40 " + records(1, 8), end, go}
        << QList<int>{100};
    QTest::newRow("9 requests, two pieces") << 1 << 0 << 9 << kNineRequests << QList<int>{89, 100};
    QTest::newRow("empty master table")
        << 2 << 0 << 0 << QStringList{start, "E11 2006 02 00D4", "E11 2902 00", end, go}
        << QList<int>{};
    QTest::newRow("slave, table not sent")
        << 1 << 1 << 3 << QStringList{start, "E11 2008 02 0C54", end, go} << QList<int>{};
    QTest::newRow("not use") << 2 << 2 << 3
                             << QStringList{start, "E11 2006 02 0000", end, "E10 2002 02 8000"}
                             << QList<int>{};
}

void TestPortTransfer::downloadFrames()
{
    QFETCH(int, port);
    QFETCH(int, mode);
    QFETCH(int, requests);
    QFETCH(QStringList, frames);
    QFETCH(QList<int>, percents);
    fill(*m_grid, requests);
    const PortSettings settings{UartMode(mode), 4, 2, QStringLiteral("12"), QString()};
    QVERIFY(run([&] { return download(port, settings); }));
    QCOMPARE(m_f->prompts.messages(), QStringList());
    QCOMPARE(m_f->prompts.shown.at(0).text, kDownloadQuestion);
    QCOMPARE(wire(m_f->sim.plc.frames()), frames);
    QCOMPARE(m_f->progress.opened, mode == 0 ? 1 : 0);
    QCOMPARE(m_f->progress.percents, percents);
}

void TestPortTransfer::downloadStopsBeforeSending_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("numWord");  // of request 2
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    const QString config = QStringLiteral("Error in configurations");
    QTest::newRow("cancelled") << false << 0 << "5"
                               << "10" << QString() << QString();
    QTest::newRow("faulty table in slave mode")
        << true << 1 << "5"
        << "126"
        << "You configuration has error in the size of request  - row 2\r\nColumn [Num word]"
        << config;
    QTest::newRow("cell not a number")
        << true << 2 << "5"
        << "1x"
        << "Row 2, column [Num word]: \"1x\" is not a whole number" << QString();
    QTest::newRow("slave address 0") << true << 1 << "0"
                                     << "10" << kRange << config;
    QTest::newRow("slave address 248") << true << 1 << "248"
                                       << "10" << kRange << config;
    QTest::newRow("slave address 12a") << true << 1 << "12a"
                                       << "10" << kDigits << config;
}

void TestPortTransfer::downloadStopsBeforeSending()
{
    QFETCH(bool, confirmed);
    QFETCH(int, mode);
    QFETCH(QString, address);
    QFETCH(QString, numWord);
    QFETCH(QString, message);
    QFETCH(QString, title);
    fill(*m_grid, 3);
    m_grid->setText(2, requestcol::NumWord, numWord);
    m_f->prompts.confirmAnswers.enqueue(confirmed);
    const PortSettings settings{UartMode(mode), 4, 2, address, QString()};
    QVERIFY(run([&] { return download(1, settings); }));
    QCOMPARE(m_f->prompts.messages(), message.isNull() ? QStringList() : QStringList{message});
    if (!message.isNull())
        QCOMPARE(m_f->prompts.shown.last().title, title);
    QCOMPARE(m_f->sim.plc.frames().size(), 0);
}

void TestPortTransfer::fullTableRoundTrip()
{
    fill(*m_grid, 128);
    const PortSettings settings{UartMode::Master, 0, 0, QString(), QString()};
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run([&] { return download(2, settings); }));
    QVERIFY(clock.elapsed() >= 1700);  // 100 ms after each of 16 pieces, and at the end
    QStringList frames = {"E11 3000 02 0FFF", "E11 2006 02 80C0"};
    QStringList reads = {"E00 2006 02"};
    QList<int> percents;
    for (int k = 0; k < 16; ++k) {
        const QString address = QString::number(0x2902 + 64 * k, 16).toUpper();
        frames.append("E11 " + address + " 40 " + records(8 * k + 1, 8 * k + 8));
        reads.append("E00 " + address + " 40");
        percents.append(qRound(100.0 * (k + 1) / 16));
    }
    frames += QStringList{"E11 3000 02 0000", "E10 2002 02 0080"};
    QCOMPARE(wire(m_f->sim.plc.frames()), frames);
    QCOMPARE(m_f->progress.percents, percents);

    m_f->sim.plc.clearLog();
    const Result<PortConfigUpload> upload = m_f->show(uploadPortConfig(m_f->ctx, uart(2)));
    QVERIFY(upload.done());
    QCOMPARE(wire(m_f->sim.plc.frames()), reads);
    QCOMPARE(upload.value.word.requestCount, 128);
    GridModel back(7);
    PortSettings settingsBack;
    QVERIFY(applyPortUpload(upload.value, settingsBack));
    applyRequestTable(back, upload.value.requests);
    QCOMPARE(int(settingsBack.mode), int(UartMode::Master));
    QCOMPARE(back.rows(), 130);
    for (int row = 1; row < 130; ++row) {
        for (int col = 0; col < 7; ++col)
            QCOMPARE(back.text(row, col), m_grid->text(row, col));
    }
}

void TestPortTransfer::secondTransferIsIgnoredWhileOneWaits()
{
    fill(*m_grid, 9);
    const PortSettings settings{UartMode::Master, 4, 2, QString(), QString()};
    bool secondStarted = true;
    QTimer::singleShot(50, this,
                       [&] { secondStarted = run([&] { return upload(2, m_settings); }); });
    QVERIFY(run([&] { return download(1, settings); }));
    QVERIFY(!secondStarted);
    QCOMPARE(wire(m_f->sim.plc.frames()), kNineRequests);
}

void TestPortTransfer::upload_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<int>("mode");  // what the tab shows after
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("parity");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("rows");
    QStringList reads127 = {"E00 2008 02"};
    for (int k = 0; k < 15; ++k)
        reads127.append("E00 " + QString::number(0x2502 + 64 * k, 16).toUpper() + " 40");
    reads127.append("E00 28C2 38");
    const QStringList wordOnly = {"E00 2008 02"};
    QTest::newRow("0xC403") << 0xC403 << QStringList{"E00 2008 02", "E00 2502 18"} << 0 << 4 << 0
                            << "9" << 5;
    QTest::newRow("0xC47F") << 0xC47F << reads127 << 0 << 4 << 0 << "9" << 129;
    QTest::newRow("0x4205 slave") << 0x4205 << wordOnly << 1 << 2 << 0 << "5" << 4;
    QTest::newRow("0x0000 not use") << 0x0000 << wordOnly << 2 << 7 << 1 << "9" << 4;
    QTest::newRow("0x7000 no mode") << 0x7000 << wordOnly << 1 << 7 << 1 << "9" << 4;
    QTest::newRow("0x2000 no mode") << 0x2000 << wordOnly << 1 << 7 << 1 << "9" << 4;
}

void TestPortTransfer::upload()
{
    QFETCH(int, word);
    QFETCH(QStringList, reads);
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(int, parity);
    QFETCH(QString, address);
    QFETCH(int, rows);
    m_f->sim.plc.pokeWord(0x2008, quint16(word));
    m_f->sim.plc.poke(0x2502, QByteArray::fromHex(records(1, 127).toLatin1()));
    fill(*m_grid, 2);
    m_grid->setText(1, requestcol::Address, QStringLiteral("old"));
    PortSettings settings{UartMode::Slave, 7, 1, QStringLiteral("9"), QStringLiteral("3")};
    QVERIFY(run([&] { return upload(1, settings); }));
    QCOMPARE(wire(m_f->sim.plc.frames()), reads);
    QCOMPARE(int(settings.mode), mode);
    QCOMPARE(settings.speed, speed);
    QCOMPARE(settings.parity, parity);
    QCOMPARE(settings.address, address);
    QCOMPARE(settings.timeout, QStringLiteral("3"));  // never uploaded here
    QCOMPARE(m_grid->rows(), rows);
    QCOMPARE(m_grid->text(rows - 1, 0), QString::number(rows - 1));
    const bool master = mode == 0;
    QCOMPARE(m_grid->text(1, requestcol::Address), master ? QStringLiteral("1") : "old");
    for (int row = 1; master && row < rows - 1; ++row)
        QCOMPARE(requestFromRow(m_grid->dataRows(), row), request(row));
    QCOMPARE(m_f->progress.opened, master ? 1 : 0);
}

void TestPortTransfer::slaveDownloadKeepsLinkSettings()
{
    m_f->link.setLineSettings(LineSettings::parse("19200,N,8,1"));  // not what set.ini says
    const PortSettings settings{UartMode::Master, 7, 2, QStringLiteral("1"), QStringLiteral("2")};
    QVERIFY(run([&] { return downloadSlaveSettings(m_f->ctx, uart(2), settings); }));
    QCOMPARE(m_f->prompts.messages(), QStringList());
    QCOMPARE(m_f->link.lineSettings().text(), QStringLiteral("19200,N,8,1"));
    QCOMPARE(wire(m_f->sim.plc.frames()), (QStringList{"E11 3000 02 0FFF", "E11 2006 02 0157",
                                                       "E11 2004 02 0200", "E11 3000 02 0000"}));
}

void TestPortTransfer::slaveDownloadStops_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("timeout");
    QTest::addColumn<QString>("message");
    const QString timeoutRange =
        QStringLiteral("Please, use valid range - timeout range from 0 to 32767 ");
    // The refused and unanswered writes are the fault matrix's.
    QTest::newRow("address 0") << "0"
                               << "2" << kRange;
    QTest::newRow("address 300") << "300"
                                 << "2" << kRange;
    QTest::newRow("address 1x") << "1x"
                                << "2" << kDigits;
    QTest::newRow("timeout -1") << "1"
                                << "-1" << timeoutRange;
    QTest::newRow("timeout 32768") << "1"
                                   << "32768" << timeoutRange;
    QTest::newRow("timeout empty") << "1"
                                   << "" << timeoutRange;
}

void TestPortTransfer::slaveDownloadStops()
{
    QFETCH(QString, address);
    QFETCH(QString, timeout);
    QFETCH(QString, message);
    const PortSettings settings{UartMode::Slave, 7, 2, address, timeout};
    QVERIFY(run([&] { return downloadSlaveSettings(m_f->ctx, uart(2), settings); }));
    QCOMPARE(m_f->prompts.messages(), QStringList{message});
    QVERIFY(m_f->sim.plc.frames().isEmpty());
}

void TestPortTransfer::slaveUpload_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("timeoutWord");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("speed");  // as the lists show them
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("timeout");
    QTest::newRow("05CE") << 0xCE05 << 150 << false << "256000"
                          << "Even"
                          << "5"
                          << "150";
    QTest::newRow("parity index 3 kept") << 0xDE05 << 0xFFFF << false << "256000"
                                         << "None"
                                         << "5"
                                         << "-1";
    QTest::newRow("silent") << 0xCE05 << 150 << true << "9600"
                            << "None"
                            << "2"
                            << "7";
}

void TestPortTransfer::slaveUpload()
{
    QFETCH(int, word);
    QFETCH(int, timeoutWord);
    QFETCH(bool, silent);
    QFETCH(QString, speed);
    QFETCH(QString, parity);
    QFETCH(QString, address);
    QFETCH(QString, timeout);
    m_f->sim.plc.pokeWord(0x2006, quint16(word));
    m_f->sim.plc.pokeWord(0x2004, quint16(timeoutWord));
    if (silent)
        m_f->sim.plc.failAddress(QStringLiteral("2004"), VirtualPlc::Fault::Silence);
    PortSettings settings{UartMode::NotUse, 0, 2, QStringLiteral("2"), QStringLiteral("7")};
    QVERIFY(run([&] {
        const Result<SlaveSettingsUpload> read = uploadSlaveSettings(m_f->ctx, uart(2));
        if (read.done())
            applySlaveUpload(read.value, settings);
        return read.outcome;
    }));
    QCOMPARE(m_f->prompts.messages(), silent ? QStringList{kSilence} : QStringList());
    QCOMPARE(wire(m_f->sim.plc.frames()), (QStringList{"E00 2006 02", "E00 2004 02"}));
    QCOMPARE(int(settings.mode), int(UartMode::NotUse));
    QCOMPARE(speedEntries().at(settings.speed), speed);
    QCOMPARE(parityEntries().at(settings.parity), parity);
    QCOMPARE(settings.address, address);
    QCOMPARE(settings.timeout, timeout);
}

enum class Transfer { Download, Upload, SlaveDownload, SlaveUpload };
Q_DECLARE_METATYPE(Transfer)

void TestPortTransfer::answerTimeouts_data()
{
    QTest::addColumn<Transfer>("transfer");
    QTest::addColumn<QString>("address");  // the exchanges at this address answer late
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("answered");
    struct Exchange {
        const char *name;
        Transfer transfer;
        const char *address;
        int timeoutMs;
    };
    const Exchange exchanges[] = {
        {"service word", Transfer::Download, "3000", 1000},
        {"port word write", Transfer::Download, "2008", 650},
        {"table write", Transfer::Download, "2502", 650},
        {"port word read", Transfer::Upload, "2008", 350},
        {"table read", Transfer::Upload, "2502", 650},
        {"slave port word write", Transfer::SlaveDownload, "2006", 650},
        {"slave timeout write", Transfer::SlaveDownload, "2004", 650},
        {"slave port word read", Transfer::SlaveUpload, "2006", 350},
        {"slave timeout read", Transfer::SlaveUpload, "2004", 350},
    };
    for (const Exchange &e : exchanges) {
        QTest::addRow("%s, %d ms: just in time", e.name, e.timeoutMs)
            << e.transfer << e.address << e.timeoutMs - 80 << true;
        QTest::addRow("%s, %d ms: too late", e.name, e.timeoutMs)
            << e.transfer << e.address << e.timeoutMs + 80 << false;
    }
}

void TestPortTransfer::answerTimeouts()
{
    QFETCH(Transfer, transfer);
    QFETCH(QString, address);
    QFETCH(int, delayMs);
    QFETCH(bool, answered);
    m_f->sim.plc.pokeWord(0x2008, 0xC401);  // a master with one request
    m_f->sim.plc.delayAddress(address, delayMs);
    fill(*m_grid, 1);
    PortSettings settings{UartMode::Master, 4, 0, QStringLiteral("5"), QStringLiteral("100")};
    QVERIFY(run([&] {
        switch (transfer) {
            case Transfer::Download:
                return download(1, settings);
            case Transfer::Upload:
                return uploadPortConfig(m_f->ctx, uart(1)).outcome;
            case Transfer::SlaveDownload:
                return downloadSlaveSettings(m_f->ctx, uart(2), settings);
            case Transfer::SlaveUpload:
                break;
        }
        return uploadSlaveSettings(m_f->ctx, uart(2)).outcome;
    }));
    QCOMPARE(m_f->prompts.messages(), answered ? QStringList() : QStringList{kSilence});
}

QTEST_GUILESS_MAIN(TestPortTransfer)
#include "tst_port_transfer.moc"
