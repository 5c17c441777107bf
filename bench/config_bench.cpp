// Saves and loads a full configuration (both request tables and the sensor table at 128 rows)
// and prints the time each takes: gathering and writing, reading, checking and spreading. Then
// the same configuration (127 sensors, the most a project holds) with a full I/O map as a
// project file: writing its bytes, and reading and checking them.
#include "config_file.h"
#include "config_record.h"
#include "project_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace plc;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    WindowConfig full;
    for (auto &uart : full.uarts) {
        uart.settings = {UartMode::ModbusMaster, 4, 2, QStringLiteral("1"), QStringLiteral("2")};
        for (int i = 0; i < 128; ++i)
            uart.requests.append({QString::number(i + 1), "10", QString::number(10 * i),
                                  QString::number(100 + 10 * i), "3", "100"});
    }
    full.auxMode = 0;
    for (int i = 0; i < 128; ++i)
        full.sensors.append({"28", "FF", "4B", "12", "03", "00", QString::asprintf("%02X", i), "A1",
                             QString::number(1500 + 2 * i)});

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.vqc"));
    constexpr int kRuns = 200;
    ConfigRecord record;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kRuns; ++i) {
        record.gather(full);
        writeConfigFile(path, record);
    }
    const double saveMs = double(clock.nsecsElapsed()) / 1e6 / kRuns;
    clock.restart();
    int rows = 0;
    for (int i = 0; i < kRuns; ++i)
        rows += int(readConfigFile(path).spread(full).sensors.size());
    const double loadMs = double(clock.nsecsElapsed()) / 1e6 / kRuns;
    std::printf("full configuration, %d runs: save %.3f ms, load %.3f ms (%d rows)\n", kRuns,
                saveMs, loadMs, rows / kRuns);

    Project project;
    project.config = full;
    project.config.sensors.removeLast();
    for (int point = 0; point < kIoPoints; ++point)
        applyChoice(project.ioMap, point, point % 2 ? IoChoice::Output : IoChoice::Input);
    clock.restart();
    QByteArray bytes;
    for (int i = 0; i < kRuns; ++i)
        bytes = projectBytes(project);
    const double writeMs = double(clock.nsecsElapsed()) / 1e6 / kRuns;
    clock.restart();
    rows = 0;
    for (int i = 0; i < kRuns; ++i)
        rows += int(readProject(bytes).project->config.sensors.size());
    const double readMs = double(clock.nsecsElapsed()) / 1e6 / kRuns;
    std::printf("full project, %d bytes: write %.3f ms, read %.3f ms (%d sensors)\n",
                int(bytes.size()), writeMs, readMs, rows / kRuns);
    return 0;
}
