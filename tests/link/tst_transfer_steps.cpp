#include "failure.h"
#include "settings_store.h"
#include "transfer_fixture.h"
#include "transfer_steps.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

// The shared transfer steps against the virtual controller: what counts as a read answer, and
// a port lost while a step waits.
class TestTransferSteps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void readAnswerShape_data();
    void readAnswerShape();
    void lostPortEndsTheWaitAtOnce();

private:
    std::unique_ptr<TransferFixture> m_f;
};

void TestTransferSteps::init()
{
    m_f = std::make_unique<TransferFixture>();
    QVERIFY2(m_f->sim.ok(), qPrintable(m_f->sim.error()));
    m_f->link.open();
}

void TestTransferSteps::cleanup()
{
    m_f.reset();
}

void TestTransferSteps::readAnswerShape_data()
{
    QTest::addColumn<QByteArray>("raw");   // the whole answer to a read of 2 bytes
    QTest::addColumn<QString>("failure");  // empty: read as the word 0x3412
    QTest::newRow("well formed") << QByteArray(
                                        "\x02"
                                        "1234\x03"
                                        "CA")
                                 << "";
    QTest::newRow("characters after the checksum") << QByteArray(
                                                          "\x02"
                                                          "1234\x03"
                                                          "CAxyz")
                                                   << "";
    QTest::newRow("checksum not examined") << QByteArray(
                                                  "\x02"
                                                  "1234\x03"
                                                  "00")
                                           << "";
    QTest::newRow("no STX first") << QByteArray(
                                         "\x06"
                                         "1234\x03"
                                         "CA")
                                  << "Wrong answer from PLC";
    QTest::newRow("lower-case digits") << QByteArray(
                                              "\x02"
                                              "12ab\x03"
                                              "CA")
                                       << "Wrong answer from PLC";
    QTest::newRow("not hexadecimal") << QByteArray(
                                            "\x02"
                                            "12G4\x03"
                                            "CA")
                                     << "Wrong answer from PLC";
    QTest::newRow("ETX early") << QByteArray(
                                      "\x02"
                                      "123\x03"
                                      "CA0")
                               << "Wrong answer from PLC";
    QTest::newRow("ETX late") << QByteArray(
                                     "\x02"
                                     "12345\x03"
                                     "C")
                              << "Wrong answer from PLC";
    QTest::newRow("one character short") << QByteArray(
                                                "\x02"
                                                "1234\x03"
                                                "C")
                                         << "Answer timeout from PLC";
}

void TestTransferSteps::readAnswerShape()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, failure);
    m_f->sim.plc.setReadAnswer(QStringLiteral("2008"), raw);
    try {
        const quint16 word = steps::readWord(m_f->link, 100, 0x2008);
        QCOMPARE(QString(), failure);
        QCOMPARE(word, quint16(0x3412));
    } catch (const Failure &f) {
        QCOMPARE(f.description(), failure);
    }
}

void TestTransferSteps::lostPortEndsTheWaitAtOnce()
{
    m_f->sim.plc.loseLineAt(QStringLiteral("2008"));
    QElapsedTimer clock;
    clock.start();
    try {
        steps::readWord(m_f->link, 1000, 0x2008);
        QFAIL("the read went through");
    } catch (const Failure &f) {
        const QString start =
            QStringLiteral("The serial port COM1 (%1) was lost: ").arg(m_f->sim.plc.devicePath());
        QVERIFY2(f.description().startsWith(start), qPrintable(f.description()));
        QVERIFY(f.description().size() > start.size());
    }
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!m_f->link.isOpen());
}

QTEST_GUILESS_MAIN(TestTransferSteps)
#include "tst_transfer_steps.moc"
