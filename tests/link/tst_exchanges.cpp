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

// The four exchanges against the virtual controller over a real pseudo-terminal.
class TestExchanges : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksum_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("digits");
        // Reading 2 bytes at 2008: the nine characters and ETX add up to 0x1D4.
        QTest::newRow("worked read example") << QByteArray("E00200802\x03") << "D4";
        // 7 x 'A' + ';' + ETX = 0x205: the low byte keeps its leading zero.
        QTest::newRow("sum 0x205") << QByteArray("AAAAAAA;\x03") << "05";
        QTest::newRow("service word") << QByteArray("E11300002FF0F\x03") << "D1";
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
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("length");
        QTest::newRow("2 bytes") << "02" << 8;
        QTest::newRow("8 bytes") << "08" << 20;
        QTest::newRow("64 bytes") << "40" << 132;
    }

    void readAcceptedByLength()
    {
        QFETCH(QString, count);
        QFETCH(int, length);
        m_f->sim.plc.poke(0x2008, QByteArray::fromHex("03C4"));
        const QString answer = readMemory(m_f->link, 350, "2008", count);
        QCOMPARE(answer.size(), length);
        QCOMPARE(answer.at(0), QChar(0x02));
        QCOMPARE(answer.mid(1, 4), "03C4");
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
        const QString answer = readMemory(m_f->link, 150, "3600", "40");
        QCOMPARE(answer.size(), 132);
        QVERIFY(clock.elapsed() >= 300);
    }

    void readOneCharacterShortTimesOut()
    {
        m_f->sim.plc.setTruncation(1);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(readMemory(m_f->link, 100, "2008", "02"), QString());
        QVERIFY(clock.elapsed() >= 100);  // never early
        QVERIFY(clock.elapsed() < 600);
    }

    void readKeepsExtraCharacters()
    {
        m_f->sim.plc.setExtraCharacters("XYZ");
        const QString answer = readMemory(m_f->link, 350, "2008", "02");
        QCOMPARE(answer.size(), 11);
        QVERIFY(answer.endsWith(QLatin1String("XYZ")));
    }

    void writeAnswerCodes_data()
    {
        QTest::addColumn<int>("kind");  // 0 ACK, 1 NAK, 2 'X', 3 silence
        QTest::addColumn<QString>("code");
        QTest::newRow("ACK") << 0 << "6";
        QTest::newRow("NAK") << 1 << "15";
        QTest::newRow("X") << 2 << "58";
        QTest::newRow("silence") << 3 << "16";
    }

    void writeAnswerCodes()
    {
        QFETCH(int, kind);
        QFETCH(QString, code);
        if (kind == 1)
            m_f->sim.plc.failWrite(1, VirtualPlc::Fault::Nak);
        if (kind == 2)
            m_f->sim.plc.setWriteAnswer('X');
        if (kind == 3)
            m_f->sim.plc.failWrite(1, VirtualPlc::Fault::Silence);
        QCOMPARE(writeMemory(m_f->link, 100, "E11", "3000", "02", "FF0F"), code);
    }

    void writeFrameOnTheWire()
    {
        QCOMPARE(writeMemory(m_f->link, 650, "E10", "2002", "02", "0080"), QStringLiteral("6"));
        const auto frames = m_f->sim.plc.frames();
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.at(0).command, "E10");
        QCOMPARE(frames.at(0).raw, frame::build(QStringLiteral("E10200202") + "0080"));
        QCOMPARE(m_f->sim.plc.peek(0x2002, 2), QByteArray::fromHex("0080"));
    }

    void probes_data()
    {
        QTest::addColumn<int>("delayMs");     // before every answer; the timeout is 100 ms
        QTest::addColumn<int>("truncation");  // characters missing from the CPU-type answer
        QTest::addColumn<QString>("enq");
        QTest::addColumn<QString>("type");
        row("answered", 0, 0, "6", "291");
        row("just in time", 60, 0, "6", "291");
        row("too late", 160, 0, "", "");
        // The answer is STX, four digits, ETX and two checksum digits: 8 characters.
        row("CPU type 7 characters", 0, 1, "6", "");
    }

    void probes()
    {
        QFETCH(int, delayMs);
        QFETCH(int, truncation);
        QFETCH(QString, enq);
        QFETCH(QString, type);
        m_f->sim.plc.setAnswerDelay(delayMs);
        m_f->sim.plc.setTruncation(truncation);
        QCOMPARE(sendCharacter(m_f->link, 100, 5), enq);
        Pause(100);  // a late answer has arrived and gone
        QCOMPARE(readCpuType(m_f->link, 100, "0E02"), type);
    }

    void lateAnswerIsNotTakenForTheNext()
    {
        m_f->sim.plc.poke(0x2000, QByteArray::fromHex("1111"));
        m_f->sim.plc.poke(0x2100, QByteArray::fromHex("2222"));
        m_f->sim.plc.setAnswerDelay(150);
        QCOMPARE(readMemory(m_f->link, 50, "2000", "02"), QString());
        m_f->sim.plc.setAnswerDelay(0);
        Pause(300);  // the late answer has arrived by now
        const QString answer = readMemory(m_f->link, 350, "2100", "02");
        QCOMPARE(answer.mid(1, 4), "2222");
    }

    void exchangeOnAClosedPortFails()
    {
        m_f->link.close();
        QVERIFY_THROWS_EXCEPTION(Failure, readMemory(m_f->link, 100, "2008", "02"));
    }

private:
    std::unique_ptr<TransferFixture> m_f;
};

QTEST_GUILESS_MAIN(TestExchanges)

#include "tst_exchanges.moc"
