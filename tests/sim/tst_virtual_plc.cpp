#include "exchange.h"
#include "frame.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QtTest>
#include <memory>

using namespace plc;
using namespace plc::sim;

// The virtual controller itself: what the tests and plc-sim rely on.
class TestVirtualPlc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        testing::start(m_f);
        m_f->link.open();
    }

    void cleanup() { m_f.reset(); }

    void badFramesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("request");
        QByteArray good = frame::build(QStringLiteral("E11300002FF0F"));
        QByteArray badSum = good;
        badSum[badSum.size() - 1] = badSum.at(badSum.size() - 1) == '0' ? '1' : '0';
        QTest::newRow("bad checksum") << badSum;
        QTest::newRow("data shorter than count") << frame::build(QStringLiteral("E11300002FF"));
        QTest::newRow("unknown command") << frame::build(QStringLiteral("E99300002"));
        QTest::newRow("lower-case digits") << frame::build(QStringLiteral("E11300002ff0f"));
    }

    void badFramesAreRefused()
    {
        QFETCH(QByteArray, request);
        QCOMPARE(rawExchange(request), QByteArray(1, frame::NAK));
        QCOMPARE(m_f->sim.plc.peek(0x3000, 2), QByteArray(2, '\0'));
        QVERIFY(!m_f->sim.plc.frames().constLast().valid);
    }

    void busSearchLoadsTheDevices()
    {
        const QList<QByteArray> devices = {QByteArray::fromHex("28FF4B6A011603AA"),
                                           QByteArray::fromHex("2800112233445566")};
        m_f->sim.plc.setOneWireDevices(devices);
        QCOMPARE(writeMemory(m_f->link, 350, "E10", "2000", "02", "0180"), QStringLiteral("6"));
        QCOMPARE(m_f->sim.plc.peek(0x3000, 1), QByteArray(1, '\x02'));
        QCOMPARE(m_f->sim.plc.peek(0x3002, 8), devices.at(0));
        const QString answer = readMemory(m_f->link, 350, "300A", "08");
        QCOMPARE(answer.mid(1, 16), QStringLiteral("2800112233445566"));
    }

    void failedWriteIsNotStored()
    {
        m_f->sim.plc.failWrite(2, VirtualPlc::Fault::Nak);
        QCOMPARE(writeMemory(m_f->link, 350, "E11", "3000", "02", "FF0F"), QStringLiteral("6"));
        QCOMPARE(writeMemory(m_f->link, 350, "E11", "2008", "02", "03C4"), QStringLiteral("15"));
        QCOMPARE(m_f->sim.plc.peek(0x2008, 2), QByteArray(2, '\0'));
        QCOMPARE(m_f->sim.plc.frames(QStringLiteral("E11")).size(), 2);
    }

    void cpuTypeIsConfigurable()
    {
        m_f->sim.plc.setCpuType(0x0501);
        QCOMPARE(readCpuType(m_f->link, 100, "0E02"), QStringLiteral("1281"));
        QCOMPARE(m_f->sim.plc.frames().constLast().command, QStringLiteral("0"));
    }

private:
    QByteArray rawExchange(const QByteArray &request)
    {
        bool accepted = false;
        return m_f->link.exchange(
            request, 150, [](const QByteArray &t) { return !t.isEmpty(); }, &accepted);
    }
    std::unique_ptr<TransferFixture> m_f;
};

QTEST_GUILESS_MAIN(TestVirtualPlc)

#include "tst_virtual_plc.moc"
