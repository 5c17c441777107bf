#include "connection_test.h"
#include "exchange.h"
#include "failure.h"
#include "frame.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QtTest>
#include <memory>

using namespace plc;
using namespace plc::sim;

using testing::row;

// The exchanges against the virtual controller over a real pseudo-terminal.
class TestExchanges : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksum_data()
    {
        testing::columns<QByteArray, QString>({"body", "digits"});
        // Reading 2 bytes at 2008: the nine characters and ETX add up to 0x1D4.
        row("worked read example", QByteArray("E00200802\x03"), "D4");
        // 7 x 'A' + ';' + ETX = 0x205: the low byte keeps its leading zero.
        row("sum 0x205", QByteArray("AAAAAAA;\x03"), "05");
        row("service word", QByteArray("E11300002FF0F\x03"), "D1");
    }

    void checksum()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, digits);
        QCOMPARE(frame::checksum(body), digits);
    }

    void init()
    {
        testing::start(m_f);
        m_f->link.open();
        QVERIFY(m_f->link.isOpen());
    }

    void cleanup() { m_f.reset(); }

    void readAcceptedByLength_data()
    {
        testing::columns<QString, int>({"count", "length"});
        row("2 bytes", "02", 8);
        row("8 bytes", "08", 20);
        row("64 bytes", "40", 132);
    }

    void readAcceptedByLength()
    {
        QFETCH(QString, count);
        QFETCH(int, length);
        m_f->sim.plc.poke(0x2008, QByteArray::fromHex("03C4"));
        const Reply answer = read(350, 0x2008, count.toInt(nullptr, 16));
        QCOMPARE(answer.kind, Reply::Kind::Data);
        QCOMPARE(answer.received.size(), length);
        QCOMPARE(answer.received.at(0), '\x02');
        QCOMPARE(answer.digits().left(4), "03C4");
        QCOMPARE(answer.word(), 0xC403);
        const auto frames = m_f->sim.plc.frames();
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.at(0).raw, frame::build(QStringLiteral("E002008") + count));
    }

    void readInPiecesOutlastingTheTimeout()
    {
        // 132 characters in pieces of 20, 60 ms apart: 360 ms in all, no gap as long as 150 ms.
        m_f->sim.plc.splitAnswers(20, 60);
        QElapsedTimer clock;
        clock.start();
        const Reply answer = read(150, 0x3600, 64);
        QCOMPARE(answer.kind, Reply::Kind::Data);
        QCOMPARE(answer.received.size(), 132);
        QVERIFY(clock.elapsed() >= 300);
    }

    void readOneCharacterShortTimesOut()
    {
        m_f->sim.plc.setTruncation(1);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(read(100, 0x2008, 2).kind, Reply::Kind::NoAnswer);
        QVERIFY(clock.elapsed() >= 100);  // never early
        QVERIFY(clock.elapsed() < 600);
    }

    void readKeepsExtraCharacters()
    {
        m_f->sim.plc.setExtraCharacters("XYZ");
        const Reply answer = read(350, 0x2008, 2);
        QCOMPARE(answer.kind, Reply::Kind::Data);
        QCOMPARE(answer.received.size(), 11);
        QVERIFY(answer.received.endsWith("XYZ"));
    }

    void writeAnswerCodes_data()
    {
        // kind: 0 ACK, 1 NAK, 2 'X', 3 silence
        testing::columns<int, Reply::Kind, int>({"kind", "reply", "code"});
        row("ACK", 0, Reply::Kind::Acknowledged, 0x06);
        row("NAK", 1, Reply::Kind::Refused, 0x15);
        row("X", 2, Reply::Kind::WrongAnswer, int('X'));
        row("silence", 3, Reply::Kind::NoAnswer, -1);
    }

    void writeAnswerCodes()
    {
        QFETCH(int, kind);
        QFETCH(Reply::Kind, reply);
        QFETCH(int, code);
        if (kind == 1)
            m_f->sim.plc.failWrite(1, VirtualPlc::Fault::Nak);
        if (kind == 2)
            m_f->sim.plc.setWriteAnswer('X');
        if (kind == 3)
            m_f->sim.plc.failWrite(1, VirtualPlc::Fault::Silence);
        const Reply answer = m_f->link.exchange(Request::write(0x3000, "FF0F"), 100);
        QCOMPARE(answer.kind, reply);
        QCOMPARE(answer.firstCode(), code);
    }

    void writeFrameOnTheWire()
    {
        const Request write = Request::write(0x2002, "0080", Request::Command::CommandWrite);
        QCOMPARE(m_f->link.exchange(write, 650).kind, Reply::Kind::Acknowledged);
        const auto frames = m_f->sim.plc.frames();
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.at(0).command, "E10");
        QCOMPARE(frames.at(0).raw, frame::build(QStringLiteral("E10200202") + "0080"));
        QCOMPARE(m_f->sim.plc.peek(0x2002, 2), QByteArray::fromHex("0080"));
    }

    void probes_data()
    {
        // delayMs (before every answer; the timeout is 100 ms), truncation (characters missing from
        // the CPU-type answer), type (-1: no CPU type)
        testing::columns<int, int, Reply::Kind, int>({"delayMs", "truncation", "enq", "type"});
        row("answered", 0, 0, Reply::Kind::Acknowledged, 291);
        row("just in time", 60, 0, Reply::Kind::Acknowledged, 291);
        row("too late", 160, 0, Reply::Kind::NoAnswer, -1);
        // The answer is STX, four digits, ETX and two checksum digits: 8 characters.
        row("CPU type 7 characters", 0, 1, Reply::Kind::Acknowledged, -1);
    }

    void probes()
    {
        QFETCH(int, delayMs);
        QFETCH(int, truncation);
        QFETCH(Reply::Kind, enq);
        QFETCH(int, type);
        m_f->sim.plc.setAnswerDelay(delayMs);
        m_f->sim.plc.setTruncation(truncation);
        QCOMPARE(m_f->link.exchange(Request::enquiry(), 100).kind, enq);
        Pause(100);  // a late answer has arrived and gone
        const Reply probe = m_f->link.exchange(Request::cpuTypeProbe(0x0E02), 100);
        QCOMPARE(probe.isData() ? int(probe.word()) : -1, type);
    }

    // The connection test gives the controller 100 ms for each answer, no more.
    void connectionTestWaitsOneHundredMs_data()
    {
        testing::columns<int, QString>({"delayMs", "message"});
        row("inside", 70, "Successful connect to the CPU with type 291");
        row("outside", 140,
            "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
    }

    void connectionTestWaitsOneHundredMs()
    {
        QFETCH(int, delayMs);
        QFETCH(QString, message);
        m_f->sim.plc.setAnswerDelay(delayMs);
        QCOMPARE(testConnection(m_f->link).message, message);
    }

    void lateAnswerIsNotTakenForTheNext()
    {
        m_f->sim.plc.poke(0x2000, QByteArray::fromHex("1111"));
        m_f->sim.plc.poke(0x2100, QByteArray::fromHex("2222"));
        m_f->sim.plc.setAnswerDelay(150);
        QCOMPARE(read(50, 0x2000, 2).kind, Reply::Kind::NoAnswer);
        m_f->sim.plc.setAnswerDelay(0);
        Pause(300);  // the late answer has arrived by now
        QCOMPARE(read(350, 0x2100, 2).digits(), "2222");
    }

    void exchangeOnAClosedPortFails()
    {
        m_f->link.close();
        QVERIFY_THROWS_EXCEPTION(Failure, read(100, 0x2008, 2));
    }

private:
    Reply read(int timeoutMs, int address, int bytes)
    {
        return m_f->link.exchange(Request::read(address, bytes), timeoutMs);
    }

    std::unique_ptr<TransferFixture> m_f;
};

QTEST_GUILESS_MAIN(TestExchanges)

#include "tst_exchanges.moc"
