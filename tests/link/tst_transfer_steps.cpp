#include "failure.h"
#include "settings_store.h"
#include "test_helpers.h"
#include "transfer_fixture.h"
#include "transfer_steps.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

using namespace plc;

// The shared transfer steps against the virtual controller: what counts as a read answer, and
// a port lost while a step waits.
class TestTransferSteps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        testing::start(m_f);
        m_f->link.open();
    }

    void cleanup() { m_f.reset(); }

    void readAnswerShape_data()
    {
        // raw (the whole answer to a read of 2 bytes: < STX, > ETX, ! ACK), failure (empty: read
        // as the word 0x3412)
        testing::columns<QString, QString>({"raw", "failure"});
        const QString read;
        const QString wrong = QStringLiteral("Wrong answer from PLC");
        testing::row("well formed", "<1234>CA", read);
        testing::row("characters after the checksum", "<1234>CAxyz", read);
        testing::row("checksum not examined", "<1234>00", read);
        testing::row("no STX first", "!1234>CA", wrong);
        testing::row("lower-case digits", "<12ab>CA", wrong);
        testing::row("not hexadecimal", "<12G4>CA", wrong);
        testing::row("ETX early", "<123>CA0", wrong);
        testing::row("ETX late", "<12345>C", wrong);
        testing::row("one character short", "<1234>C", QStringLiteral("Answer timeout from PLC"));
    }

    void readAnswerShape()
    {
        QFETCH(QString, raw);
        QFETCH(QString, failure);
        raw.replace(QLatin1Char('<'), QChar(0x02)).replace(QLatin1Char('>'), QChar(0x03));
        raw.replace(QLatin1Char('!'), QChar(0x06));
        m_f->sim.plc.setReadAnswer(QStringLiteral("2008"), raw.toLatin1());
        try {
            const quint16 word = steps::readWord(m_f->link, 100, 0x2008);
            QCOMPARE(QString(), failure);
            QCOMPARE(word, quint16(0x3412));
        } catch (const Failure &f) {
            QCOMPARE(f.description(), failure);
        }
    }

    void lostPortEndsTheWaitAtOnce()
    {
        m_f->sim.plc.loseLineAt(QStringLiteral("2008"));
        QElapsedTimer clock;
        clock.start();
        try {
            steps::readWord(m_f->link, 1000, 0x2008);
            QFAIL("the read went through");
        } catch (const Failure &f) {
            const QString start = QStringLiteral("The serial port COM1 (%1) was lost: ")
                                      .arg(m_f->sim.plc.devicePath());
            QVERIFY2(f.description().startsWith(start), qPrintable(f.description()));
            QVERIFY(f.description().size() > start.size());
        }
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m_f->link.isOpen());
    }

private:
    std::unique_ptr<TransferFixture> m_f;
};

QTEST_GUILESS_MAIN(TestTransferSteps)

#include "tst_transfer_steps.moc"
