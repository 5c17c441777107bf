#include "conv_library.h"
#include "converter.h"
#include "failure.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

namespace {

using testing::row;

// The conv library beside the test program, counting the calls made of it.
struct CountingCodec : FloatCodec {
    Bytes floatToBytes(float value) override { return ++calls, library.floatToBytes(value); }
    float toReal(const Bytes &bytes) override { return ++calls, library.toReal(bytes); }

    ConvLibrary library{{QCoreApplication::applicationDirPath()}};
    int calls = 0;
};

// The conversion's result, or the text of its failure.
QString outcome(bool toIeee, const QString &text, FloatCodec &codec)
{
    try {
        return toIeee ? toIeeeDigits(text, codec) : toFloatText(text, codec);
    } catch (const Failure &failure) {
        return failure.description();
    }
}

}  // namespace

// The converter's conversions with the conv library: digits, texts, refusals,
// the library.
class TestConverter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A comma as decimal separator: the converter must not follow it.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void roundTrip_data()
    {
        // shown: the number at single precision, 7 digits at most
        testing::columns<QString, QString, QString>({"typed", "digits", "shown"});
        row("point", "1.5", "3FC00000", "1.5");
        row("comma", "1,5", "3FC00000", "1.5");
        row("blanks, sign", " +1,5 ", "3FC00000", "1.5");
        row("rounded", "0,1", "3DCCCCCD", "0.1");
        row("7 digits kept", "-123456.789", "C7F12065", "-123456.8");
        row("zero", "0", "00000000", "0");
        row("negative zero", "-0", "80000000", "-0");
        row("smallest denormal", "1.401298E-45", "00000001", "1.401298E-45");
        row("largest denormal", "1.1754942E-38", "007FFFFF", "1.175494E-38");
        row("smallest normal", "1.17549435e-38", "00800000", "1.175494E-38");
        row("largest normal", "3.4028235E+38", "7F7FFFFF", "3.402823E+38");
        row("below the smallest", "-1e-50", "80000000", "-0");
        row("infinity", "inf", "7F800000", "INF");
        row("negative infinity", "-INF", "FF800000", "-INF");
        row("not a number", "NaN", "7FC00000", "NAN");
    }

    void roundTrip()
    {
        QFETCH(QString, typed);
        QFETCH(QString, digits);
        QFETCH(QString, shown);
        CountingCodec codec;
        QCOMPARE(outcome(true, typed, codec), digits);
        QCOMPARE(outcome(false, digits, codec), shown);
        QCOMPARE(outcome(false, digits.toLower(), codec), shown);
        QCOMPARE(codec.calls, 3);  // one call of the library per conversion
    }

    void refused_data()
    {
        testing::columns<bool, QString, QString>({"toIeee", "text", "message"});
        const QString ieee = QStringLiteral("Incorrect value for conversion to IEEE format!");
        const QString toFloat = QStringLiteral("Incorrect value for conversion to float format!");
        const QString notNumber = QStringLiteral("Type mismatch: \"%1\" is not a number");
        const QString notByte = QStringLiteral("Type mismatch: \"%1\" is not a hexadecimal byte");
        row("empty", true, "", ieee);
        row("blanks", true, "  ", notNumber.arg("  "));
        row("two commas", true, "1,5,2", notNumber.arg("1.5,2"));
        row("inner blank", true, "1 5", notNumber.arg("1 5"));
        row("too large", true, "1e39",
            "Overflow: \"1e39\" is too large for a single-precision number");
        row("7 characters", false, "3FC0000", toFloat);
        row("9 characters", false, "3FC000000", toFloat);
        row("8 and a blank", false, "3FC00000 ", toFloat);
        row("leading blank", false, " 3FC0000", notByte.arg(" 3"));
        row("not hexadecimal", false, "3FC0000G", notByte.arg("0G"));
    }

    void refused()
    {
        QFETCH(bool, toIeee);
        QFETCH(QString, text);
        QFETCH(QString, message);
        CountingCodec codec;
        QCOMPARE(outcome(toIeee, text, codec), message);
        QCOMPARE(codec.calls, 0);  // no conversion at all
    }

    void library_data()
    {
        // message: %1: the folder
        testing::columns<QString, QString>({"folder", "message"});
        row("no library", QDir::tempPath(),
            "The conversion library conv cannot be loaded: Cannot load library %1/conv: "
            "(%1/libconv.so: cannot open shared object file: No such file or directory)");
        row("a function missing", QStringLiteral(CONV_ONLY_TO_REAL_DIR),
            "The conversion library conv (%1/libconv.so) has no function float_to_byte_array");
    }

    void library()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        ConvLibrary library({folder});
        for (int attempt = 0; attempt < 2; ++attempt) {  // each conversion tries again
            QCOMPARE(outcome(true, QStringLiteral("1"), library), message.arg(folder));
            QCOMPARE(outcome(false, QStringLiteral("3F800000"), library), message.arg(folder));
        }
    }
};

QTEST_GUILESS_MAIN(TestConverter)

#include "tst_converter.moc"
