#include "firmware_image.h"

#include "loader_protocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace plc {

bool FirmwareImage::add(quint32 address, const QByteArray &bytes, quint32 *overlapAt)
{
    if (bytes.isEmpty())
        return true;
    const quint64 end = quint64(address) + quint64(bytes.size());
    auto next = m_runs.upper_bound(address);
    auto previous = next == m_runs.begin() ? m_runs.end() : std::prev(next);
    const bool hitsPrevious =
        previous != m_runs.end() && quint64(previous->first) + previous->second.size() > address;
    const bool hitsNext = next != m_runs.end() && next->first < end;
    if (hitsPrevious || hitsNext) {
        if (overlapAt)
            *overlapAt = hitsPrevious ? address : next->first;
        return false;
    }
    auto run = previous;
    if (run != m_runs.end() && quint64(run->first) + run->second.size() == address)
        run->second += bytes;
    else
        run = m_runs.emplace(address, bytes).first;
    if (next != m_runs.end() && next->first == end) {
        run->second += next->second;
        m_runs.erase(next);
    }
    return true;
}

qint64 FirmwareImage::byteCount() const
{
    qint64 count = 0;
    for (const auto &run : m_runs)
        count += run.second.size();
    return count;
}

quint32 FirmwareImage::lowest() const
{
    return m_runs.begin()->first;
}

quint32 FirmwareImage::highest() const
{
    const auto &last = *m_runs.rbegin();
    return quint32(last.first + quint32(last.second.size()) - 1);
}

QByteArray FirmwareImage::bytesAt(quint32 address, int count) const
{
    QByteArray bytes(count, char(0xFF));
    const quint64 end = quint64(address) + quint64(count);
    auto run = m_runs.upper_bound(address);
    if (run != m_runs.begin())
        run = std::prev(run);
    for (; run != m_runs.end() && run->first < end; ++run) {
        const quint64 from = qMax<quint64>(run->first, address);
        const quint64 to = qMin<quint64>(run->first + quint64(run->second.size()), end);
        for (quint64 at = from; at < to; ++at)
            bytes[qsizetype(at - address)] = run->second.at(qsizetype(at - run->first));
    }
    return bytes;
}

QList<quint32> FirmwareImage::pieces(quint32 base, int size) const
{
    QList<quint32> found;
    for (const auto &[start, bytes] : m_runs) {
        if (start < base)
            continue;
        const quint64 last = quint64(start) + quint64(bytes.size()) - 1;
        for (quint64 piece = (start - base) / quint64(size); piece <= (last - base) / quint64(size);
             ++piece) {
            const quint32 at = quint32(base + piece * quint64(size));
            if (found.isEmpty() || found.last() != at)
                found.append(at);
        }
    }
    return found;
}

namespace {

// The texts of image files, for the translator.
struct FirmwareImageTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::FirmwareImage)
};

ImageFile hexError(int line, const QString &what)
{
    return {FirmwareImage(), FirmwareImageTexts::tr("line %1: %2").arg(line).arg(what)};
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

ImageFile parseIntelHex(const QByteArray &text)
{
    ImageFile file;
    quint32 base = 0;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        if (!line.startsWith(':'))
            return hexError(number, FirmwareImageTexts::tr("a record starts with ':'"));
        const QByteArray digits = line.mid(1);
        const QByteArray record = QByteArray::fromHex(digits);
        bool hex = digits.size() % 2 == 0 && record.size() * 2 == digits.size();
        for (const char c : digits)
            hex = hex && std::isxdigit(static_cast<unsigned char>(c));
        if (!hex || record.size() < 5 || record.size() != quint8(record.at(0)) + 5)
            return hexError(number, FirmwareImageTexts::tr("not a well-formed record"));
        quint8 sum = 0;
        for (const char c : record)
            sum = quint8(sum + quint8(c));
        if (sum != 0) {
            const quint8 stated = quint8(record.back());
            return hexError(number, FirmwareImageTexts::tr("bad checksum %1, the record needs %2")
                                        .arg(twoDigits(stated), twoDigits(quint8(stated - sum))));
        }
        const int count = quint8(record.at(0));
        const quint32 offset = (quint8(record.at(1)) << 8) | quint8(record.at(2));
        const int type = quint8(record.at(3));
        const QByteArray data = record.mid(4, count);
        const quint32 word = count == 2 ? (quint8(data.at(0)) << 8) | quint8(data.at(1)) : 0;
        switch (type) {
            case 0x00: {
                const quint64 address = quint64(base) + offset;
                if (address + quint64(count) > 0x100000000ULL)
                    return hexError(number,
                                    FirmwareImageTexts::tr("data beyond the 4 GB address space"));
                quint32 overlap = 0;
                if (!file.image.add(quint32(address), data, &overlap))
                    return hexError(number, FirmwareImageTexts::tr("data at %1 given twice")
                                                .arg(loader::hexAddress(overlap)));
                break;
            }
            case 0x01:
                return file;  // what follows the end-of-file record is not part of the image
            case 0x02:
            case 0x04:
                if (count != 2)
                    return hexError(number,
                                    FirmwareImageTexts::tr("an address record holds 2 bytes"));
                base = type == 0x02 ? word << 4 : word << 16;
                break;
            case 0x05:
                if (count != 4)
                    return hexError(number,
                                    FirmwareImageTexts::tr("a start address holds 4 bytes"));
                break;
            default:
                return hexError(
                    number,
                    FirmwareImageTexts::tr("record type %1 is not supported").arg(twoDigits(type)));
        }
    }
    return {FirmwareImage(),
            FirmwareImageTexts::tr("no end-of-file record: the file is cut short")};
}

ImageFile rawImage(const QByteArray &bytes, quint32 base)
{
    ImageFile file;
    if (quint64(base) + quint64(bytes.size()) > 0x100000000ULL)
        file.error = FirmwareImageTexts::tr("larger than the 4 GB address space");
    else
        file.image.add(base, bytes);
    return file;
}

namespace {

bool readsAsHex(const QByteArray &bytes)
{
    if (!bytes.startsWith(':'))
        return false;
    for (const char c : bytes) {
        if (c != ':' && c != '\r' && c != '\n' && !std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

}  // namespace

ImageFile loadImageFile(const QString &path, quint32 base)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {FirmwareImage(),
                FirmwareImageTexts::tr("Cannot read the image %1: %2").arg(path, f.errorString())};
    const QByteArray bytes = f.readAll();
    const bool hex =
        isHexFileName(path) ||
        (QFileInfo(path).suffix().toLower() != QLatin1String("bin") && readsAsHex(bytes));
    ImageFile file = hex ? parseIntelHex(bytes) : rawImage(bytes, base);
    if (!file.error.isEmpty())
        file.error = (hex ? FirmwareImageTexts::tr("Bad Intel HEX file %1: %2")
                          : FirmwareImageTexts::tr("Bad binary file %1: %2"))
                         .arg(path, file.error);
    return file;
}

bool isHexFileName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("hex") || suffix == QLatin1String("ihex") ||
           suffix == QLatin1String("ihx");
}

namespace {

// One record: count, offset, type, data, and the two's complement of the sum of them all.
QByteArray hexRecord(quint8 type, quint16 offset, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char(offset >> 8));
    bytes.append(char(offset & 0xFF));
    bytes.append(char(type));
    bytes += data;
    quint8 sum = 0;
    for (const char c : bytes)
        sum = quint8(sum + quint8(c));
    bytes.append(char(quint8(-sum)));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

}  // namespace

QByteArray intelHexText(quint32 address, const QByteArray &bytes)
{
    constexpr int kRecordBytes = 16;
    QByteArray text;
    int upper = -1;
    for (int at = 0; at < bytes.size();) {
        const quint32 here = address + quint32(at);
        if (int(here >> 16) != upper) {
            upper = int(here >> 16);
            const char high[] = {char(upper >> 8), char(upper & 0xFF)};
            text += hexRecord(0x04, 0, QByteArray(high, 2));
        }
        // A record stays within its 64 KB segment.
        const int n = int(
            std::min<qint64>({kRecordBytes, bytes.size() - at, qint64(0x10000 - (here & 0xFFFF))}));
        text += hexRecord(0x00, quint16(here & 0xFFFF), bytes.mid(at, n));
        at += n;
    }
    return text + hexRecord(0x01, 0, QByteArray());
}

QString saveFlashFile(const QString &path, quint32 address, const QByteArray &bytes)
{
    QSaveFile file(path);
    const QByteArray contents = isHexFileName(path) ? intelHexText(address, bytes) : bytes;
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        return FirmwareImageTexts::tr("Cannot write %1: %2").arg(path, file.errorString());
    return QString();
}

QString checkImageFits(const FirmwareImage &image, quint32 flashStart, quint32 flashSize)
{
    if (image.isEmpty())
        return FirmwareImageTexts::tr("The image is empty: there is nothing to write");
    const quint64 flashEnd = quint64(flashStart) + flashSize;
    const QString flash =
        FirmwareImageTexts::tr("the flash (%1 to %2, %3 KB)")
            .arg(loader::hexAddress(flashStart), loader::hexAddress(quint32(flashEnd - 1)))
            .arg(flashSize / 1024);
    if (image.lowest() < flashStart || image.lowest() >= flashEnd)
        return FirmwareImageTexts::tr("The image lies outside %1: it has data at %2")
            .arg(flash, loader::hexAddress(image.lowest()));
    if (image.highest() >= flashEnd)
        return FirmwareImageTexts::tr("The image does not fit %1: it reaches %2")
            .arg(flash, loader::hexAddress(image.highest()));
    return QString();
}

}  // namespace plc
