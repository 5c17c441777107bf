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
        testing::columns<QString, int>({"text", "value"});
        testing::row("00FF", "00FF", 255);
        testing::row("lower case gives 0", "ff", 0);
        testing::row("bad digit gives 0", "1G", 0);
        testing::row("empty", "", 0);
        testing::row("four digits", "FFFF", 65535);
        testing::row("seven digits", "FFFFFFF", 0xFFFFFFF);
        testing::row("mixed case gives 0", "0aB", 0);
        testing::row("blank gives 0", " 1", 0);
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
        testing::columns<int, QString>({"value", "onWire"});
        testing::row("0x1234", 0x1234, "3412");
        testing::row("0x5701", 0x5701, "0157");
        testing::row("0x0FFF", 0x0FFF, "FF0F");
        testing::row("0", 0, "0000");
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
        testing::row("plain", "247", true, qint64(247));
        testing::row("blanks around", " 12 ", true, qint64(12));
        testing::row("negative", "-5", true, qint64(-5));
        testing::row("letters", "12a", false, qint64(0));
        testing::row("empty", "", false, qint64(0));
        testing::row("sign only", "-", false, qint64(0));
        testing::row("decimal point", "1.5", false, qint64(0));
        testing::row("hex", "0x10", false, qint64(0));
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
