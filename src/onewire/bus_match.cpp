#include "bus_match.h"

#include "row_name.h"

#include <QSet>

namespace plc {

namespace {

QSet<QString> romKeysOf(const QList<SensorCells> &sensors)
{
    QSet<QString> keys;
    for (const SensorCells &sensor : sensors)
        keys.insert(romKey(sensor));
    return keys;
}

}  // namespace

QString sensorRowLabel(int row, const QString &name)
{
    return QStringLiteral("row ") + namedRowText(row, name);
}

QString romKey(const QStringList &cells)
{
    QString key;
    for (int k = 0; k < kRomBytes; ++k)
        key += cells.value(k).trimmed().toUpper();
    return key;
}

BusMatch matchBus(const QList<RomCode> &found, const QList<SensorCells> &sensors)
{
    BusMatch match;
    QSet<QString> foundKeys;
    for (const RomCode &rom : found) {
        const QString key = romKey(rom);
        foundKeys.insert(key);
        DevicePlace place{rom, 0, QString()};
        for (int i = 0; i < sensors.size() && place.row == 0; ++i) {
            if (romKey(sensors.at(i)) == key) {
                place.row = i + 1;
                place.name = sensorName(sensors.at(i));
            }
        }
        match.devices.append(place);
    }
    for (int i = 0; i < sensors.size(); ++i) {
        if (!foundKeys.contains(romKey(sensors.at(i))))
            match.notFound.append(i + 1);
    }
    return match;
}

QString devicePlaceText(const DevicePlace &place)
{
    if (place.row == 0)
        return QStringLiteral("new");
    return QStringLiteral("in table, ") + sensorRowLabel(place.row, place.name);
}

QList<RomCode> devicesNotIn(const QList<RomCode> &found, const QList<SensorCells> &sensors)
{
    QSet<QString> known = romKeysOf(sensors);
    QList<RomCode> fresh;
    for (const RomCode &rom : found) {
        const QString key = romKey(rom);
        if (known.contains(key))
            continue;
        known.insert(key);
        fresh.append(rom);
    }
    return fresh;
}

}  // namespace plc
