#include "grid_model.h"
#include "port_transfer.h"
#include "request_record.h"
#include "table_steps.h"
#include "test_helpers.h"
#include "transfer_fixture.h"
#include "uart_port.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace plc;
using namespace plc::sim;

namespace {

using tablesteps::addCases;
using tablesteps::kSilence;

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

const QString kRange = QStringLiteral("Please, use valid range - address range from 1 to 247 ");
const QString kDigits = QStringLiteral("Please, use only digit n the address field ");

const UartPort &uart(int n)
{
    return n == 1 ? UartPort::uart1() : UartPort::uart2();
}

struct DownloadCase {
    int port, mode, requests;
    QStringList frames;
    QList<int> percents;  // empty: no progress window
};
struct StopCase {
    bool confirmed;
    int mode;
    QString address, numWord, message, title;  // numWord of request 2
};
struct UploadCase {
    int word;
    QStringList reads;
    int mode, speed, parity;  // what the tab shows after
    QString address;
    int rows;
};
struct SlaveStopCase {
    QString address, timeout, message;
};
struct SlaveUploadCase {
    int word, timeoutWord;
    bool silent;
    QString speed, parity, address, timeout;  // as the lists show them
};

}  // namespace

enum class Transfer { Download, Upload, SlaveDownload, SlaveUpload };
Q_DECLARE_METATYPE(Transfer)

// The UART transfers against the virtual controller over a real pseudo-terminal: the exact
// frames, the failure paths, and what reaches the tab.
class TestPortTransfer : public TransferTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TransferTest::init();
        m_grid = std::make_unique<GridModel>(7);
    }

    void downloadFrames_data()
    {
        const QString start = "E11 3000 02 0FFF";
        const QString end = "E11 3000 02 0000";
        const QString go = "E10 2002 02 0080";
        const QString piece = "E11 2502 ";
        addCases<DownloadCase>({
            {"7 requests, one write",
             {1, 0, 7, {start, "E11 2008 02 07D4", piece + "38 " + records(1, 7), end, go}, {}}},
            {"8 requests, one full piece",
             {1, 0, 8, {start, "E11 2008 02 08D4", piece + "40 " + records(1, 8), end, go}, {100}}},
            {"9 requests, two pieces", {1, 0, 9, kNineRequests, {89, 100}}},
            {"empty master table",
             {2, 0, 0, {start, "E11 2006 02 00D4", "E11 2902 00", end, go}, {}}},
            {"slave, table not sent", {1, 1, 3, {start, "E11 2008 02 0C54", end, go}, {}}},
            {"not use", {2, 2, 3, {start, "E11 2006 02 0000", end, "E10 2002 02 8000"}, {}}},
        });
    }

    void downloadFrames()
    {
        QFETCH(DownloadCase, c);
        fill(*m_grid, c.requests);
        const PortSettings settings{UartMode(c.mode), 4, 2, QStringLiteral("12"), QString()};
        QVERIFY(run([&] { return download(c.port, settings); }));
        QCOMPARE(m_f->prompts.messages(), QStringList());
        QCOMPARE(m_f->prompts.shown.at(0).text, downloadQuestion());
        QCOMPARE(m_f->frames(), c.frames);
        QCOMPARE(m_f->progress.opened, c.mode == 0 ? 1 : 0);
        QCOMPARE(m_f->progress.percents, c.percents);
    }

    void downloadStopsBeforeSending_data()
    {
        const QString config = QStringLiteral("Error in configurations");
        const QString size =
            "You configuration has error in the size of request  - row 2\r\nColumn [Num word]";
        const QString notNumber = "Row 2, column [Num word]: \"1x\" is not a whole number";
        addCases<StopCase>({
            {"cancelled", {false, 0, "5", "10", {}, {}}},
            {"faulty table in slave mode", {true, 1, "5", "126", size, config}},
            {"cell not a number", {true, 2, "5", "1x", notNumber, {}}},
            {"slave address 0", {true, 1, "0", "10", kRange, config}},
            {"slave address 248", {true, 1, "248", "10", kRange, config}},
            {"slave address 12a", {true, 1, "12a", "10", kDigits, config}},
        });
    }

    void downloadStopsBeforeSending()
    {
        QFETCH(StopCase, c);
        fill(*m_grid, 3);
        m_grid->setText(2, requestcol::NumWord, c.numWord);
        m_f->prompts.confirmAnswers.enqueue(c.confirmed);
        const PortSettings settings{UartMode(c.mode), 4, 2, c.address, QString()};
        QVERIFY(run([&] { return download(1, settings); }));
        QCOMPARE(m_f->prompts.messages(),
                 c.message.isNull() ? QStringList() : QStringList{c.message});
        if (!c.message.isNull())
            QCOMPARE(m_f->prompts.shown.last().title, c.title);
        QCOMPARE(m_f->sim.plc.frames().size(), 0);
    }

    void fullTableRoundTrip()
    {
        fill(*m_grid, 128);
        const PortSettings settings{UartMode::ModbusMaster, 0, 0, QString(), QString()};
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
        QCOMPARE(m_f->frames(), frames);
        QCOMPARE(m_f->progress.percents, percents);

        m_f->sim.plc.clearLog();
        const Result<PortConfigUpload> upload = m_f->show(uploadPortConfig(m_f->ctx, uart(2)));
        QVERIFY(upload.done());
        QCOMPARE(m_f->frames(), reads);
        QCOMPARE(upload.value.word.requestCount, 128);
        GridModel back(7);
        PortSettings settingsBack;
        QVERIFY(applyPortUpload(upload.value, settingsBack));
        back.showUploadedRows(requestRows(upload.value.requests));
        QCOMPARE(int(settingsBack.mode), int(UartMode::ModbusMaster));
        QCOMPARE(back.rows(), 130);
        QCOMPARE(testing::rowTexts(back), testing::rowTexts(*m_grid));
    }

    void secondTransferIsIgnoredWhileOneWaits()
    {
        fill(*m_grid, 9);
        const PortSettings settings{UartMode::ModbusMaster, 4, 2, QString(), QString()};
        bool secondStarted = true;
        QTimer::singleShot(50, this,
                           [&] { secondStarted = run([&] { return upload(2, m_settings); }); });
        QVERIFY(run([&] { return download(1, settings); }));
        QVERIFY(!secondStarted);
        QCOMPARE(m_f->frames(), kNineRequests);
    }

    void upload_data()
    {
        QStringList reads127 = {"E00 2008 02"};
        for (int k = 0; k < 15; ++k)
            reads127.append("E00 " + QString::number(0x2502 + 64 * k, 16).toUpper() + " 40");
        reads127.append("E00 28C2 38");
        const QStringList wordOnly = {"E00 2008 02"};
        addCases<UploadCase>({
            {"0xC403", {0xC403, {"E00 2008 02", "E00 2502 18"}, 0, 4, 0, "9", 5}},
            {"0xC47F", {0xC47F, reads127, 0, 4, 0, "9", 129}},
            {"0x4205 slave", {0x4205, wordOnly, 1, 2, 0, "5", 4}},
            {"0x0000 not use", {0x0000, wordOnly, 2, 7, 1, "9", 4}},
            {"0x7000 no mode", {0x7000, wordOnly, 1, 7, 1, "9", 4}},
            {"0x2000 no mode", {0x2000, wordOnly, 1, 7, 1, "9", 4}},
        });
    }

    void upload()
    {
        QFETCH(UploadCase, c);
        m_f->sim.plc.pokeWord(0x2008, quint16(c.word));
        m_f->sim.plc.poke(0x2502, QByteArray::fromHex(records(1, 127).toLatin1()));
        fill(*m_grid, 2);
        m_grid->setText(1, requestcol::Address, QStringLiteral("old"));
        PortSettings settings{UartMode::ModbusSlave, 7, 1, "9", "3"};
        QVERIFY(run([&] { return upload(1, settings); }));
        QCOMPARE(m_f->frames(), c.reads);
        QCOMPARE(int(settings.mode), c.mode);
        QCOMPARE(settings.speed, c.speed);
        QCOMPARE(settings.parity, c.parity);
        QCOMPARE(settings.address, c.address);
        QCOMPARE(settings.timeout, QStringLiteral("3"));  // never uploaded here
        QCOMPARE(m_grid->rows(), c.rows);
        QCOMPARE(m_grid->text(c.rows - 1, 0), QString::number(c.rows - 1));
        const bool master = c.mode == 0;
        QCOMPARE(m_grid->text(1, requestcol::Address), master ? QStringLiteral("1") : "old");
        for (int row = 1; master && row < c.rows - 1; ++row)
            QCOMPARE(requestFromRow(m_grid->dataRows(), row), request(row));
        QCOMPARE(m_f->progress.opened, master ? 1 : 0);
    }

    void slaveDownloadKeepsLinkSettings()
    {
        m_f->link.setLineSettings(LineSettings::parse("19200,N,8,1"));  // not what set.ini says
        const PortSettings settings{UartMode::ModbusMaster, 7, 2, "1", "2"};
        QVERIFY(run([&] { return downloadSlaveSettings(m_f->ctx, uart(2), settings); }));
        QCOMPARE(m_f->prompts.messages(), QStringList());
        QCOMPARE(m_f->link.lineSettings().text(), QStringLiteral("19200,N,8,1"));
        QCOMPARE(m_f->frames(), (QStringList{"E11 3000 02 0FFF", "E11 2006 02 0157",
                                             "E11 2004 02 0200", "E11 3000 02 0000"}));
    }

    void slaveDownloadStops_data()
    {
        const QString timeoutRange = "Please, use valid range - timeout range from 0 to 32767 ";
        // The refused and unanswered writes are the fault matrix's.
        addCases<SlaveStopCase>({
            {"address 0", {"0", "2", kRange}},
            {"address 300", {"300", "2", kRange}},
            {"address 1x", {"1x", "2", kDigits}},
            {"timeout -1", {"1", "-1", timeoutRange}},
            {"timeout 32768", {"1", "32768", timeoutRange}},
            {"timeout empty", {"1", "", timeoutRange}},
        });
    }

    void slaveDownloadStops()
    {
        QFETCH(SlaveStopCase, c);
        const PortSettings settings{UartMode::ModbusSlave, 7, 2, c.address, c.timeout};
        QVERIFY(run([&] { return downloadSlaveSettings(m_f->ctx, uart(2), settings); }));
        QCOMPARE(m_f->prompts.messages(), QStringList{c.message});
        QVERIFY(m_f->sim.plc.frames().isEmpty());
    }

    void slaveUpload_data()
    {
        addCases<SlaveUploadCase>({
            {"05CE", {0xCE05, 150, false, "256000", "Even", "5", "150"}},
            {"parity index 3 kept", {0xDE05, 0xFFFF, false, "256000", "None", "5", "-1"}},
            {"silent", {0xCE05, 150, true, "9600", "None", "2", "7"}},
        });
    }

    void slaveUpload()
    {
        QFETCH(SlaveUploadCase, c);
        m_f->sim.plc.pokeWord(0x2006, quint16(c.word));
        m_f->sim.plc.pokeWord(0x2004, quint16(c.timeoutWord));
        if (c.silent)
            m_f->sim.plc.failAddress(QStringLiteral("2004"), VirtualPlc::Fault::Silence);
        PortSettings settings{UartMode::NotUse, 0, 2, QStringLiteral("2"), QStringLiteral("7")};
        QVERIFY(run([&] {
            const Result<SlaveSettingsUpload> read = uploadSlaveSettings(m_f->ctx, uart(2));
            if (read.done())
                applySlaveUpload(read.value, settings);
            return read.outcome;
        }));
        QCOMPARE(m_f->prompts.messages(), c.silent ? QStringList{kSilence} : QStringList());
        QCOMPARE(m_f->frames(), (QStringList{"E00 2006 02", "E00 2004 02"}));
        QCOMPARE(int(settings.mode), int(UartMode::NotUse));
        QCOMPARE(speedEntries().at(settings.speed), c.speed);
        QCOMPARE(parityEntries().at(settings.parity), c.parity);
        QCOMPARE(settings.address, c.address);
        QCOMPARE(settings.timeout, c.timeout);
    }

    void answerTimeouts_data()
    {
        // address: the exchanges at this address answer late
        testing::columns<Transfer, QString, int, bool>(
            {"transfer", "address", "delayMs", "answered"});
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

    void answerTimeouts()
    {
        QFETCH(Transfer, transfer);
        QFETCH(QString, address);
        QFETCH(int, delayMs);
        QFETCH(bool, answered);
        m_f->sim.plc.pokeWord(0x2008, 0xC401);  // a master with one request
        m_f->sim.plc.delayAddress(address, delayMs);
        fill(*m_grid, 1);
        PortSettings settings{UartMode::ModbusMaster, 4, 0, "5", "100"};
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

private:
    // An upload applied as the tab applies it.
    Outcome upload(int port, PortSettings &settings)
    {
        const Result<PortConfigUpload> read = uploadPortConfig(m_f->ctx, uart(port));
        if (read.done() && applyPortUpload(read.value, settings))
            m_grid->showUploadedRows(requestRows(read.value.requests));
        return read.outcome;
    }
    Outcome download(int port, const PortSettings &settings)
    {
        return downloadPortConfig(m_f->ctx, uart(port), settings, m_grid->dataRows());
    }

    std::unique_ptr<GridModel> m_grid;
    PortSettings m_settings;
};

QTEST_GUILESS_MAIN(TestPortTransfer)

#include "tst_port_transfer.moc"
