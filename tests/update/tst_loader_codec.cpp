#include "firmware_image.h"
#include "loader_protocol.h"
#include "modem_lines.h"
#include "test_helpers.h"

#include <QtTest>

using namespace plc;

using namespace loader;
using testing::row;

namespace {

// One record with its checksum (the two's complement of the sum of its bytes).
QByteArray record(int type, quint16 offset, const QByteArray &data)
{
    const char head[] = {char(data.size()), char(offset >> 8), char(offset & 0xFF), char(type)};
    QByteArray bytes = QByteArray(head, 4) + data;
    quint8 sum = 0;
    for (const char c : bytes)
        sum = quint8(sum + quint8(c));
    bytes.append(char(quint8(-sum)));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

const QByteArray kLinear = record(0x04, 0, QByteArray::fromHex("0800"));
const QByteArray kEnd = ":00000001FF\n";  // the end-of-file record every file ends with

// Modem lines that record each change with the time it came, on a clock the pauses advance;
// RTS refused where asked, as a port without that line does.
class RecordedLines : public ModemLines {
public:
    explicit RecordedLines(bool refuseRts) : m_refuseRts(refuseRts) {}
    QString setLine(ModemLine line, bool asserted) override
    {
        if (line == ModemLine::Rts && m_refuseRts)
            return QStringLiteral("no RTS");
        changes.append(QStringLiteral("%1=%2@%3").arg(modemLineName(line)).arg(asserted).arg(m_ms));
        return QString();
    }
    void pause(int ms) override { m_ms += ms; }
    QStringList changes;

private:
    bool m_refuseRts;
    int m_ms = 0;
};

}  // namespace

// The loader's frames and answers, and the image files, without a port. The frame vectors are
// worked out by hand from the loader's published protocol: a command and its complement, an
// address most significant byte first and the XOR of its bytes, a block or page list preceded
// by its count - 1 and followed by the XOR of everything.
class TestLoaderCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frames_data()
    {
        // expected: hex
        testing::columns<QByteArray, QByteArray>({"frame", "expected"});
        row("Get", commandFrame(Get), QByteArray("00ff"));
        row("Get ID", commandFrame(GetId), QByteArray("02fd"));
        row("Read Memory", commandFrame(ReadMemory), QByteArray("11ee"));
        row("Go", commandFrame(Go), QByteArray("21de"));
        row("Write Memory", commandFrame(WriteMemory), QByteArray("31ce"));
        row("Erase", commandFrame(Erase), QByteArray("43bc"));
        row("Extended Erase", commandFrame(ExtendedErase), QByteArray("44bb"));
        row("Write Unprotect", commandFrame(WriteUnprotect), QByteArray("738c"));
        row("Readout Unprotect", commandFrame(ReadoutUnprotect), QByteArray("926d"));
        row("flash start", addressFrame(kFlashStart), QByteArray("0800000008"));
        row("flash size word", addressFrame(0x1FFFF7E0), QByteArray("1ffff7e0f7"));
        row("read 256", readLengthFrame(256), QByteArray("ff00"));
        row("read 2", readLengthFrame(2), QByteArray("01fe"));
        row("write 4 bytes", dataFrame(QByteArray::fromHex("01020304")),
            QByteArray("030102030407"));
        row("write 256 x 0x55", dataFrame(QByteArray(256, 0x55)),
            QByteArray("ff") + QByteArray(256, 0x55).toHex() + "ff");
        row("erase pages 0 1 2", eraseFrame({0, 1, 2}), QByteArray("0200010201"));
        row("extended erase 0, 256", extendedEraseFrame({0, 0x100}), QByteArray("00010000010000"));
    }

    void frames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(), expected);
    }

    void answers()
    {
        const auto get = parseGetAnswer(QByteArray::fromHex("0522000102114379").chopped(1));
        QVERIFY(get);
        QCOMPARE(get->version, quint8(0x22));
        QVERIFY(get->has(Erase) && !get->has(ExtendedErase));
        QVERIFY(!parseGetAnswer(QByteArray::fromHex("0522000102")));  // one short
        QCOMPARE(parseIdAnswer(QByteArray::fromHex("010410")), std::optional<quint16>(0x410));
        QCOMPARE(chipFor(0x410)->pageSize, 1024);
        QCOMPARE(chipFor(0x414)->pageSize, 2048);
        QCOMPARE(chipFor(0x422)->flashSizeAddress, quint32(0x1FFFF7CC));
        QVERIFY(!chipFor(0x999));
    }

    void writeProtection_data()
    {
        // pid, the four write protection bytes (complements between them on the chip), pages
        // asked about, the locked ones
        testing::columns<int, QByteArray, QList<int>, QList<int>>(
            {"pid", "wrp", "pages", "locked"});
        row("nothing locked", 0x410, QByteArray::fromHex("FFFFFFFF"), QList<int>{0, 1, 127},
            QList<int>{});
        row("1 KB pages: 4 to a bit", 0x410, QByteArray::fromHex("FDFFFFFF"),
            QList<int>{3, 4, 7, 8}, QList<int>{4, 7});
        row("2 KB pages: the last bit locks the rest", 0x414, QByteArray::fromHex("FFFFFF7F"),
            QList<int>{61, 62, 255}, QList<int>{62, 255});
    }

    void writeProtection()
    {
        QFETCH(int, pid);
        QFETCH(QByteArray, wrp);
        QFETCH(QList<int>, pages);
        QFETCH(QList<int>, locked);
        QByteArray options = QByteArray::fromHex("A55AFF00FF00FF00");
        for (const char byte : wrp)
            options.append(byte).append(char(~byte));
        QCOMPARE(writeProtectedPages(options, *chipFor(quint16(pid)), pages), locked);
    }

    void hexFile_data()
    {
        // error (empty: read), content (hex, from lowest, 0xFF in gaps)
        testing::columns<QByteArray, QString, quint32, QByteArray>(
            {"text", "error", "lowest", "content"});
        const QByteArray data = record(0x00, 0x0010, QByteArray::fromHex("0102030405"));
        row("data, end", QByteArray(":10010000214601360121470136007EFE09D2190140\n") + kEnd,
            QString(), quint32(0x100), QByteArray("214601360121470136007efe09d21901"));
        row("linear address, start address",
            kLinear + data + record(0x05, 0, QByteArray::fromHex("08000101")) + kEnd, QString(),
            quint32(0x08000010), QByteArray("0102030405"));
        row("segment address", record(0x02, 0, QByteArray::fromHex("1000")) + data + kEnd,
            QString(), quint32(0x10010), QByteArray("0102030405"));
        row("two runs, a gap",
            kLinear + data + record(0x00, 0x0017, QByteArray::fromHex("AA")) + kEnd, QString(),
            quint32(0x08000010), QByteArray("0102030405ffffaa"));
        row("records after the end ignored", kLinear + data + kEnd + ":zz\n", QString(),
            quint32(0x08000010), QByteArray("0102030405"));
        QByteArray bad = data;
        bad[bad.size() - 3] = bad.at(bad.size() - 3) == '0' ? '1' : '0';
        row("bad checksum", kLinear + bad + kEnd, "line 2: bad checksum", quint32(0), QByteArray());
        row("overlap", kLinear + data + record(0x00, 0x0014, "\x11\x22") + kEnd,
            "line 3: data at 0x08000014 given twice", quint32(0), QByteArray());
        row("type 03", record(0x03, 0, QByteArray(4, 0)) + kEnd,
            "line 1: record type 03 is not supported", quint32(0), QByteArray());
        row("count wrong", QByteArray(":0500000001FA\n") + kEnd, "line 1: not a well-formed record",
            quint32(0), QByteArray());
        row("cut short", kLinear + data, "no end-of-file record: the file is cut short", quint32(0),
            QByteArray());
    }

    void hexFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QFETCH(quint32, lowest);
        QFETCH(QByteArray, content);
        const ImageFile file = parseIntelHex(text);
        QCOMPARE(file.error.left(error.size()), error);
        if (!error.isEmpty())
            return;
        QCOMPARE(file.image.lowest(), lowest);
        const int size = int(file.image.highest() - lowest + 1);
        QCOMPARE(file.image.bytesAt(lowest, size).toHex(), content);
    }

    void modemSequences_data()
    {
        // changes: each line set, with its time in ms; error: what names the bad part
        testing::columns<QString, bool, QString, QString>(
            {"text", "refuseRts", "changes", "error"});
        row("reset with boot mode", "rts=1,dtr=0,wait=100,dtr=1,wait=50", false,
            "RTS=1@0 DTR=0@0 DTR=1@100", QString());
        row("blanks and case", " DTR = 1 , Wait=20 ,rts=0", false, "DTR=1@0 RTS=0@20", QString());
        row("a line the port cannot drive stops it", "dtr=1,wait=5,rts=1,dtr=0", true, "DTR=1@0",
            "no RTS");
        row("a level other than 0 or 1", "dtr=2", false, QString(), "\"dtr=2\" in the line");
        row("an unknown line", "rts=1,cts=1", false, QString(), "\"cts=1\" in the line");
        row("a wait too long", "wait=10001", false, QString(), "\"wait=10001\" in the line");
        row("an empty part", "dtr=1,,wait=5", false, QString(), "\"\" in the line");
    }

    void modemSequences()
    {
        QFETCH(QString, text);
        QFETCH(bool, refuseRts);
        QFETCH(QString, changes);
        QFETCH(QString, error);
        QString parseError;
        const auto sequence = parseModemSequence(text, &parseError);
        QCOMPARE(bool(sequence), !changes.isEmpty());
        RecordedLines lines(refuseRts);
        const QString failed = sequence ? runModemSequence(*sequence, lines) : parseError;
        QCOMPARE(failed.left(error.size()), error);
        QCOMPARE(lines.changes.join(' '), changes);
    }

    void hexWrittenReadsBack_data()
    {
        testing::columns<quint32, int>({"address", "size"});
        row("one short record", kFlashStart + 0x10, 5);
        row("across a 64 KB segment", kFlashStart + 0xFFF8, 40);
    }

    void hexWrittenReadsBack()
    {
        QFETCH(quint32, address);
        QFETCH(int, size);
        QByteArray bytes;
        for (int i = 0; i < size; ++i)
            bytes.append(char(i * 37));
        const ImageFile file = parseIntelHex(intelHexText(address, bytes));
        QCOMPARE(file.error, QString());
        QCOMPARE(file.image.lowest(), address);
        QCOMPARE(file.image.bytesAt(address, size + 1), bytes + char(0xFF));
    }

    void fits_data()
    {
        // pages: of 1 KB it covers
        testing::columns<quint32, int, QString, QList<quint32>>(
            {"address", "size", "error", "pages"});
        row("empty", kFlashStart, 0, "The image is empty: there is nothing to write",
            QList<quint32>());
        row("two pages", kFlashStart, 2048, QString(),
            QList<quint32>{kFlashStart, kFlashStart + 0x400});
        row("across a page end", kFlashStart + 0x3F0, 0x20, QString(),
            QList<quint32>{kFlashStart, kFlashStart + 0x400});
        row("below flash", quint32(0x07FFFFF0), 32,
            "The image lies outside the flash (0x08000000 to 0x0800FFFF, 64 KB): it has data at "
            "0x07FFFFF0",
            QList<quint32>());
        row("one byte too many", kFlashStart, 65537,
            "The image does not fit the flash (0x08000000 to 0x0800FFFF, 64 KB): it reaches "
            "0x08010000",
            QList<quint32>());
    }

    void fits()
    {
        QFETCH(quint32, address);
        QFETCH(int, size);
        QFETCH(QString, error);
        QFETCH(QList<quint32>, pages);
        const FirmwareImage image = rawImage(QByteArray(size, 0x11), address).image;
        QCOMPARE(checkImageFits(image, kFlashStart, 65536), error);
        if (error.isEmpty())
            QCOMPARE(image.pieces(kFlashStart, 1024), pages);
    }
};

QTEST_GUILESS_MAIN(TestLoaderCodec)

#include "tst_loader_codec.moc"
