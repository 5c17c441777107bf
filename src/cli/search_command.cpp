#include "search_command.h"

#include "bus_match.h"
#include "bus_search.h"
#include "console.h"
#include "file_commands.h"
#include "link_action.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace plc {

namespace {

// The texts of the search command, for the translator.
struct SearchCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::SearchCommand)
};

// A ROM code as one word, Byte 0 first: "28FF4B12030000A1".
QString romWord(const QStringList &cells)
{
    return cells.mid(0, kRomBytes).join(QString());
}

QJsonValue rowJson(int row)
{
    return row > 0 ? QJsonValue(row) : QJsonValue(QJsonValue::Null);
}

// The lines: a device and where it stands, then each sensor not found.
QStringList searchLines(const BusMatch &match, const std::optional<QList<SensorCells>> &table)
{
    QList<QStringList> rows;
    for (const DevicePlace &device : match.devices) {
        if (!table)
            rows.append({romWord(device.rom)});
        else
            rows.append({romWord(device.rom), device.row > 0
                                                  ? sensorRowLabel(device.row, device.name)
                                                  : SearchCommandTexts::tr("new")});
    }
    for (int row : match.notFound) {
        const SensorCells &sensor = table->at(row - 1);
        rows.append(
            {romWord(sensor),
             SearchCommandTexts::tr("not found: %1").arg(sensorRowLabel(row, sensorName(sensor)))});
    }
    return textTable(rows);
}

QJsonObject searchJson(const BusMatch &match, const std::optional<QList<SensorCells>> &table)
{
    QJsonArray devices;
    for (const DevicePlace &device : match.devices) {
        devices.append(QJsonObject{{QStringLiteral("rom"), romWord(device.rom)},
                                   {QStringLiteral("row"), rowJson(device.row)},
                                   {QStringLiteral("name"), device.name}});
    }
    QJsonArray notFound;
    for (int row : match.notFound) {
        const SensorCells &sensor = table->at(row - 1);
        notFound.append(QJsonObject{{QStringLiteral("row"), row},
                                    {QStringLiteral("rom"), romWord(sensor)},
                                    {QStringLiteral("name"), sensorName(sensor)}});
    }
    return {{QStringLiteral("devices"), devices}, {QStringLiteral("notFound"), notFound}};
}

}  // namespace

PortRun runSearch(CommandEnv &env, const std::optional<QList<SensorCells>> &table)
{
    PortRun run;
    env.progress.setLabel(QStringLiteral("search"));
    const Result<QList<RomCode>> found = searchBus(env.ctx);
    run.end(report(env.ctx, QString(), found.outcome));
    if (!run.outcome.done())
        return run;
    // Without a table every device is new and nothing can be missing.
    const BusMatch match = matchBus(found.value, table.value_or(QList<SensorCells>()));
    const int n = int(found.value.size());
    run.summary = n == 1 ? SearchCommandTexts::tr("1 device found")
                         : SearchCommandTexts::tr("%1 devices found").arg(n);
    run.lines = searchLines(match, table);
    run.json = searchJson(match, table);
    return run;
}

PortCommand searchCommand(Console &console, const QString &file)
{
    std::optional<QList<SensorCells>> table;
    if (!file.isEmpty())
        table = readCommandFile(console, file).config.sensors;
    return [table](CommandEnv &env, int) {
        return runSearch(env, table);
    };
}

}  // namespace plc
