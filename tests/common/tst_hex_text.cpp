#include "failure.h"
#include "hex_text.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

// Hexadecimal text as it travels on the line, and the whole-number conversions.
class TestHexText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hexToNum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("00FF") << "00FF" << 255;
        QTest::newRow("lower case gives 0") << "ff" << 0;
        QTest::newRow("bad digit gives 0") << "1G" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("four digits") << "FFFF" << 65535;
        QTest::newRow("seven digits") << "FFFFFFF" << 0xFFFFFFF;
        QTest::newRow("mixed case gives 0") << "0aB" << 0;
        QTest::newRow("blank gives 0") << " 1" << 0;
    }

    void hexToNum()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(hexToNumber(text), value);
    }

    void digitsArePaddedNeverCut()
    {
        QCOMPARE(hextext::digits(0xA, 2), QStringLiteral("0A"));
        QCOMPARE(hextext::digits(0x1234, 2), QStringLiteral("1234"));
        QCOMPARE(hextext::digits(0, 4), QStringLiteral("0000"));
    }

    void wordsTravelLowByteFirst_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("onWire");
        QTest::newRow("0x1234") << 0x1234 << "3412";
        QTest::newRow("0x5701") << 0x5701 << "0157";
        QTest::newRow("0x0FFF") << 0x0FFF << "FF0F";
        QTest::newRow("0") << 0 << "0000";
    }

    void wordsTravelLowByteFirst()
    {
        QFETCH(int, value);
        QFETCH(QString, onWire);
        QCOMPARE(hextext::word(quint16(value)), onWire);
        QCOMPARE(int(hextext::wordAt(QStringLiteral("\x02") + onWire, 0)), value);
    }

    void wordAtReadsAnswerData()
    {
        const QString answer = QStringLiteral("\00205CE3412\003AB");  // STX 05CE3412 ETX AB
        QCOMPARE(int(hextext::wordAt(answer, 0)), 0xCE05);
        QCOMPARE(int(hextext::wordAt(answer, 2)), 0x1234);
        QCOMPARE(int(hextext::wordAt(QString(), 0)), 0);  // an empty answer decodes as 0
    }

    void wholeNumber_data()
    {
        testing::columns<QString, bool, qint64>({"text", "isNumber", "value"});
        QTest::newRow("plain") << "247" << true << qint64(247);
        QTest::newRow("blanks around") << " 12 " << true << qint64(12);
        QTest::newRow("negative") << "-5" << true << qint64(-5);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("sign only") << "-" << false << qint64(0);
        QTest::newRow("decimal point") << "1.5" << false << qint64(0);
        QTest::newRow("hex") << "0x10" << false << qint64(0);
    }

    void wholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(qint64, value);
        const auto n = hextext::wholeNumber(text);
        QCOMPARE(n.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*n, value);
    }

    void toInt16FailsWithTheText()
    {
        QCOMPARE(hextext::toInt16(QStringLiteral("-32768")), qint16(-32768));
        try {
            hextext::toInt16(QStringLiteral("abc"));
            QFAIL("no failure");
        } catch (const Failure &f) {
            QVERIFY(f.description().contains(QLatin1String("\"abc\"")));
        }
        QVERIFY_THROWS_EXCEPTION(Failure, hextext::toInt16(QStringLiteral("32768")));
    }
};

QTEST_GUILESS_MAIN(TestHexText)

#include "tst_hex_text.moc"
