#include "buffer_reader.h"
#include "grid_model.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QtTest>
#include <memory>

using namespace plc;
using namespace plc::sim;

namespace {

using testing::row;
using testing::rowTexts;

const QString kSilence = QStringLiteral("Answer timeout from PLC");

// Table 1 and 2 are the UARTs' Modbus buffers, table 0 the 1-wire buffer.
const ErrorBuffer &buffer(int table)
{
    if (table == 0)
        return ErrorBuffer::oneWire();
    return table == 2 ? ErrorBuffer::uart2() : ErrorBuffer::uart1();
}

// Record k of the test buffers: a byte for each k, covering many codes and classes.
quint8 recordByte(int k)
{
    return quint8((k * 37 + 3) & 0xFF);
}

QByteArray testRecords()
{
    QByteArray bytes;
    for (int k = 1; k <= kMaxErrorRecords; ++k)
        bytes.append(char(recordByte(k)));
    return bytes;
}

// A table as an earlier read left it: five records and the spare row.
void fillEarlierRead(GridModel &grid)
{
    showErrorRecords(
        grid, QList<ErrorRow>(5, {QStringLiteral("Active error"), QStringLiteral("MBErr 10")}));
}

}  // namespace

// The error-buffer reader against the virtual controller over a real pseudo-terminal: the reads
// on the wire, the rows they give, and the table left alone when there is nothing to show.
class TestBufferReader : public TransferTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TransferTest::init();
        m_grid = std::make_unique<GridModel>(3);
        for (int base : {0x3600, 0x3680, 0x3700})
            m_f->sim.plc.poke(base, testRecords());
    }

    void cleanup()
    {
        QCOMPARE(m_f->progress.opened > 0, m_f->frames().size() > 1);  // while blocks are read
        TransferTest::cleanup();
    }

    void readsCountedRecords_data()
    {
        testing::columns<int, int, QStringList, int>({"table", "word", "reads", "count"});
        const QStringList uart1 = {"E00 2008 02", "E00 3600 40"};
        const QStringList uart2 = {"E00 2006 02", "E00 3680 40"};
        const QStringList oneWire = {"E00 200A 02", "E00 3700 40"};
        row("UART 1 n = 0", 1, 0xC000, uart1, 0);
        row("UART 1 n = 3", 1, 0xC403, uart1, 3);
        row("UART 2 n = 64", 2, 0xD840, uart2, 64);
        row("UART 2 n = 65", 2, 0xC041, uart2 + QStringList{"E00 36C0 40"}, 65);
        row("UART 1 n = 70", 1, 0xC046, uart1 + QStringList{"E00 3640 40"}, 70);
        row("UART 1 n = 128", 1, 0xC480, uart1 + QStringList{"E00 3640 40"}, 128);
        row("UART 2 count 200 reads the 128 records there are", 2, 0xC0C8,
            uart2 + QStringList{"E00 36C0 40"}, 128);
        row("1-wire n = 0", 0, 0xC000, QStringList{"E00 200A 02"}, 0);
        row("1-wire n = 3", 0, 0xC003, oneWire, 3);
        row("1-wire n = 64", 0, 0xC040, oneWire, 64);
        row("1-wire n = 70", 0, 0xC046, oneWire + QStringList{"E00 3740 40"}, 70);
        row("1-wire n = 127 without mode bits", 0, 0x007F, oneWire + QStringList{"E00 3740 40"},
            127);
        row("1-wire Field Net word", 0, 0xBB80, QStringList{"E00 200A 02"}, 0);
    }

    void readsCountedRecords()
    {
        QFETCH(int, table);
        QFETCH(int, word);
        QFETCH(QStringList, reads);
        QFETCH(int, count);
        m_f->sim.plc.pokeWord(buffer(table).countWordAddress, quint16(word));
        fillEarlierRead(*m_grid);
        read(table);
        QCOMPARE(m_f->prompts.messages(), QStringList());
        QCOMPARE(m_f->frames(), reads);
        QCOMPARE(m_grid->rows(), count + 2);
        for (int k = 1; k <= count; ++k) {
            const ErrorRow expected = buffer(table).decode(k, recordByte(k));
            QCOMPARE(m_grid->text(k, 0), QString::number(k));
            QCOMPARE(m_grid->text(k, 1), expected.state);
            QCOMPARE(m_grid->text(k, 2), expected.description);
        }
        QCOMPARE(rowTexts(*m_grid).last(), QString::number(count + 1) + "||");
    }

    void secondBlockTexts_data()
    {
        // record: at records 64 and 65
        testing::columns<int, int, QString, QString>({"table", "record", "row64", "row65"});
        row("UART 1 0x80", 1, 0x80, "64|Inactive error|", "65|Inactive error|");
        row("UART 2 0x80", 2, 0x80, "64|Inactive error|", "65|Old error|");
        row("UART 2 0x8D", 2, 0x8D, "64|Active error|MBErr 13", "65|Active error|MBErr 13");
        row("1-wire 0xE1", 0, 0xE1, "64|Active error|No device found error :1",
            "65|Active error|No any device error :1");
        row("1-wire 0xC1", 0, 0xC1, "64|Active error|Timeout error number :1",
            "65|Active error|Timeout error number :1");
    }

    void secondBlockTexts()
    {
        QFETCH(int, table);
        QFETCH(int, record);
        QFETCH(QString, row64);
        QFETCH(QString, row65);
        m_f->sim.plc.pokeWord(buffer(table).countWordAddress, 0xC046);
        m_f->sim.plc.poke(buffer(table).base + 63, QByteArray(2, char(record)));
        read(table);
        const QStringList rows = rowTexts(*m_grid);
        QCOMPARE(rows.size(), 71);
        QCOMPARE(rows.at(63), row64);
        QCOMPARE(rows.at(64), row65);
        QCOMPARE(rows.at(70), QStringLiteral("71||"));
    }

    void tableLeftAsItWas_data()
    {
        // silent: the address the controller does not answer
        testing::columns<int, int, QString, QStringList>({"table", "word", "silent", "reads"});
        row("UART 1 slave 0x4005", 1, 0x4005, "", QStringList{"E00 2008 02"});
        row("UART 1 bit 14 clear", 1, 0x8003, "", QStringList{"E00 2008 02"});
        row("UART 2 not use 0x0000", 2, 0x0000, "", QStringList{"E00 2006 02"});
        row("UART 2 bit 15 clear", 2, 0x7F03, "", QStringList{"E00 2006 02"});
        row("UART 1 silent word", 1, 0xC046, "2008", QStringList{"E00 2008 02"});
        row("UART 1 silent first block, n = 0", 1, 0xC000, "3600",
            QStringList{"E00 2008 02", "E00 3600 40"});
        row("UART 2 silent second block", 2, 0xC046, "36C0",
            QStringList{"E00 2006 02", "E00 3680 40", "E00 36C0 40"});
        row("1-wire silent word", 0, 0xC046, "200A", QStringList{"E00 200A 02"});
        row("1-wire silent second block", 0, 0xC046, "3740",
            QStringList{"E00 200A 02", "E00 3700 40", "E00 3740 40"});
    }

    void tableLeftAsItWas()
    {
        QFETCH(int, table);
        QFETCH(int, word);
        QFETCH(QString, silent);
        QFETCH(QStringList, reads);
        m_f->sim.plc.pokeWord(buffer(table).countWordAddress, quint16(word));
        if (!silent.isEmpty())
            m_f->sim.plc.failAddress(silent, VirtualPlc::Fault::Silence);
        fillEarlierRead(*m_grid);
        const QStringList before = rowTexts(*m_grid);
        read(table);
        QCOMPARE(m_f->prompts.messages(), silent.isEmpty() ? QStringList() : QStringList{kSilence});
        QCOMPARE(m_f->frames(), reads);
        QCOMPARE(rowTexts(*m_grid), before);
    }

    void noStaleText_data()
    {
        // count: of the second read
        testing::columns<int, int, int, QStringList>({"table", "count", "record1", "rows"});
        row("UART 1 n = 0", 1, 0, 0x84, QStringList{"1||"});
        row("UART 1 code 9 at row 1", 1, 2, 0x09,
            QStringList{"1|Active error|", "2|No error|", "3||"});
        row("UART 2 code 19 at row 1", 2, 1, 0x13, QStringList{"1|Active error|", "2||"});
        row("1-wire n = 0", 0, 0, 0xC3, QStringList{"1||"});
        row("1-wire class 0", 0, 1, 0x00, QStringList{"1|No error|", "2||"});
    }

    void noStaleText()
    {
        QFETCH(int, table);
        QFETCH(int, count);
        QFETCH(int, record1);
        QFETCH(QStringList, rows);
        const int address = buffer(table).countWordAddress;
        m_f->sim.plc.pokeWord(address, 0xC046);
        m_f->sim.plc.poke(buffer(table).base, QByteArray(70, char(0x84)));
        read(table);
        QCOMPARE(m_grid->rows(), 72);
        QVERIFY(!m_grid->text(1, 2).isEmpty());

        m_f->sim.plc.pokeWord(address, quint16(0xC000 + count));
        m_f->sim.plc.poke(buffer(table).base, QByteArray(2, '\0'));
        m_f->sim.plc.poke(buffer(table).base, QByteArray(1, char(record1)));
        read(table);
        QCOMPARE(m_f->prompts.messages(), QStringList());
        QCOMPARE(rowTexts(*m_grid), rows);
    }

private:
    void read(int table)
    {
        const Result<BufferRecords> read = m_f->show(readErrorBuffer(m_f->ctx, buffer(table)));
        QVERIFY(read.outcome.kind != Outcome::Kind::Busy);
        if (read.done() && read.value)  // as the tab shows a read
            showErrorRecords(*m_grid, *read.value);
    }

    std::unique_ptr<GridModel> m_grid;
};

QTEST_GUILESS_MAIN(TestBufferReader)

#include "tst_buffer_reader.moc"
