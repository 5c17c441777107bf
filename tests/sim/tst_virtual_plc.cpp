#include "exchange.h"
#include "frame.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QSerialPort>
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
        testing::row("bad checksum", badSum);
        testing::row("data shorter than count", frame::build(QStringLiteral("E11300002FF")));
        testing::row("unknown command", frame::build(QStringLiteral("E99300002")));
        testing::row("lower-case digits", frame::build(QStringLiteral("E11300002ff0f")));
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
        QCOMPARE(
            m_f->link.exchange(Request::write(0x2000, "0180", Request::Command::CommandWrite), 350)
                .kind,
            Reply::Kind::Acknowledged);
        QCOMPARE(m_f->sim.plc.peek(0x3000, 1), QByteArray(1, '\x02'));
        QCOMPARE(m_f->sim.plc.peek(0x3002, 8), devices.at(0));
        QCOMPARE(m_f->link.exchange(Request::read(0x300A, 8), 350).digits(), "2800112233445566");
    }

    void failedWriteIsNotStored()
    {
        m_f->sim.plc.failWrite(2, VirtualPlc::Fault::Nak);
        QCOMPARE(m_f->link.exchange(Request::write(0x3000, "FF0F"), 350).kind,
                 Reply::Kind::Acknowledged);
        QCOMPARE(m_f->link.exchange(Request::write(0x2008, "03C4"), 350).kind,
                 Reply::Kind::Refused);
        QCOMPARE(m_f->sim.plc.peek(0x2008, 2), QByteArray(2, '\0'));
        QCOMPARE(m_f->sim.plc.frames(QStringLiteral("E11")).size(), 2);
    }

    void cpuTypeIsConfigurable()
    {
        m_f->sim.plc.setCpuType(0x0501);
        QCOMPARE(m_f->link.exchange(Request::cpuTypeProbe(0x0E02), 100).word(), 1281);
        QCOMPARE(m_f->sim.plc.frames().constLast().command, QStringLiteral("0"));
    }

private:
    // Bytes the link would never send, straight onto the line; the first answer that comes.
    QByteArray rawExchange(const QByteArray &request)
    {
        m_f->link.close();
        QSerialPort port(m_f->sim.plc.devicePath());
        if (!port.open(QIODevice::ReadWrite))
            return QByteArray();
        port.write(request);
        port.waitForBytesWritten(150);
        return port.waitForReadyRead(150) ? port.readAll() : QByteArray();
    }
    std::unique_ptr<TransferFixture> m_f;
};

QTEST_GUILESS_MAIN(TestVirtualPlc)

#include "tst_virtual_plc.moc"
