#include "sensor_record.h"

#include "grid_model.h"
#include "hex_text.h"
#include "keep_names.h"

namespace plc {

namespace {

// The ROM byte that each of the record's first eight bytes carries: the controller keeps the
// code as four 16-bit words, each low byte first. The encoder and the decoder both read this
// one table, so the download and the upload cannot disagree.
constexpr int kRomByteAt[kRomBytes] = {1, 0, 3, 2, 5, 4, 7, 6};
// The register number follows as a 16-bit word, low byte first.
constexpr int kRegisterChar = 2 * kRomBytes;

QString registerText(const QString &number)
{
    const auto value = hextext::wholeNumber(number);
    // A number the word cannot hold goes out as 0; the table check keeps it from coming here.
    if (!value || *value < 0 || *value > 0xFFFF)
        return QStringLiteral("0000");
    return hextext::word(quint16(*value));
}

}  // namespace

QString encodeSensor(const SensorCells &cells)
{
    QString record;
    for (int rom : kRomByteAt)
        record += cells.value(rom).toUpper();
    return record + registerText(cells.value(kRomBytes));
}

SensorCells decodeSensor(QStringView record)
{
    SensorCells cells(kRomBytes + 1);
    for (int k = 0; k < kRomBytes; ++k)
        cells[kRomByteAt[k]] = record.mid(2 * k, 2).toString();
    const QString word = hextext::swapPairs(record.mid(kRegisterChar, 4).toString());
    cells[kRomBytes] = QString::number(qint16(hexToNumber(word)));
    return cells;
}

QString sensorTableText(const QList<SensorCells> &sensors)
{
    QString text;
    for (const SensorCells &cells : sensors)
        text += encodeSensor(cells);
    return text;
}

QList<SensorCells> decodeSensorTableText(const QString &text, int n)
{
    QList<SensorCells> sensors;
    for (int i = 0; i < n; ++i)
        sensors.append(
            decodeSensor(QStringView(text).mid(kSensorRecordChars * i, kSensorRecordChars)));
    return sensors;
}

// The headings as the window shows them in another language (files keep them as they are).
[[maybe_unused]] const char *const kShownSensorHeadings[] = {
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Num"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 0"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 1"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 2"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 3"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 4"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 5"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 6"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Byte 7"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Dxxxx")};

QString sensorColumnName(int col)
{
    static const QStringList names = columnNames(kSensorTableHeadingLine);
    return names.value(col);
}

QString sensorName(const SensorCells &row)
{
    return row.value(sensorcol::Name - 1);
}

QString sensorIdentity(const SensorCells &row)
{
    QStringList rom;
    for (int k = 0; k < kRomBytes; ++k)
        rom.append(row.value(k).trimmed().toUpper());
    return rom.join(QLatin1Char(' '));
}

NamesKept keepSensorNames(const QList<SensorCells> &table, const QList<SensorCells> &read)
{
    return keepNames(table, read, sensorcol::Name - 1, &sensorIdentity);
}

}  // namespace plc
