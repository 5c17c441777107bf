#include "bus_match.h"

#include "row_name.h"

#include <QCoreApplication>
#include <QSet>

namespace plc {

namespace {

QSet<QString> romKeysOf(const QList<SensorCells> &sensors)
{
    QSet<QString> keys;
    for (const SensorCells &sensor : sensors)
        keys.insert(sensorIdentity(sensor));
    return keys;
}

}  // namespace

QString sensorRowLabel(int row, const QString &name)
{
    return QCoreApplication::translate("plc::BusMatch", "row %1").arg(namedRowText(row, name));
}

BusMatch matchBus(const QList<RomCode> &found, const QList<SensorCells> &sensors)
{
    BusMatch match;
    QSet<QString> foundKeys;
    for (const RomCode &rom : found) {
        const QString key = sensorIdentity(rom);
        foundKeys.insert(key);
        DevicePlace place{rom, 0, QString()};
        for (int i = 0; i < sensors.size() && place.row == 0; ++i) {
            if (sensorIdentity(sensors.at(i)) == key) {
                place.row = i + 1;
                place.name = sensorName(sensors.at(i));
            }
        }
        match.devices.append(place);
    }
    for (int i = 0; i < sensors.size(); ++i) {
        if (!foundKeys.contains(sensorIdentity(sensors.at(i))))
            match.notFound.append(i + 1);
    }
    return match;
}

QString devicePlaceText(const DevicePlace &place)
{
    if (place.row == 0)
        return QCoreApplication::translate("plc::BusMatch", "new");
    return QCoreApplication::translate("plc::BusMatch", "in table, %1")
        .arg(sensorRowLabel(place.row, place.name));
}

QList<RomCode> devicesNotIn(const QList<RomCode> &found, const QList<SensorCells> &sensors)
{
    QSet<QString> known = romKeysOf(sensors);
    QList<RomCode> fresh;
    for (const RomCode &rom : found) {
        const QString key = sensorIdentity(rom);
        if (known.contains(key))
            continue;
        known.insert(key);
        fresh.append(rom);
    }
    return fresh;
}

}  // namespace plc
