// Measures a download to eight controllers at once against one alone, in the same run: the
// command line's `download` of both UART tables (128 requests each) and 127 sensors, through
// --ports COM1,...,COM8 and through --port COM1; wall time and the CPU the command costs.
#include "config_file.h"
#include "config_record.h"
#include "sim_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>
#include <cstdio>

using namespace plc;

namespace {

constexpr int kControllers = 8;

// Both UARTs masters of 128 requests, the 1-wire port a master of 127 sensors.
WindowConfig fullConfig()
{
    WindowConfig c = startUpWindowConfig();
    for (UartTabState &uart : c.uarts) {
        uart.settings.mode = UartMode::ModbusMaster;
        for (int i = 1; i <= 128; ++i) {
            uart.requests.append({QString::number(i), "10", QString::number(10 * i),
                                  QString::number(100 + 10 * i), QString::number((i - 1) % 5),
                                  "100"});
        }
    }
    c.auxMode = 0;
    for (int i = 0; i < 127; ++i) {
        const QString b = QString::number(i, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        c.sensors.append(
            {"28", b, "4B", "12", "03", "00", "00", "A1", QString::number(1500 + 2 * i)});
    }
    return c;
}

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Figures {
    double wall = 0;
    double cpu = 0;
    int code = -1;
};

Figures download(const QString &file, const QStringList &portArguments, const QString &settings)
{
    const double cpu0 = childCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.start(QStringLiteral(PLC_CONFIG), QStringList{"download", file} + portArguments +
                                                  QStringList{"--settings", settings});
    process.waitForFinished(-1);
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    return {wall, childCpuSeconds() - cpu0, process.exitCode()};
}

void print(const char *what, const Figures &f)
{
    std::printf("%-28s wall %.3f s, CPU %.3f s (%.1f%% of one core), exit code %d\n", what, f.wall,
                f.cpu, 100.0 * f.cpu / f.wall, f.code);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SimFixture sim;
    if (!sim.ok() || !sim.addControllers(kControllers - 1)) {
        std::fprintf(stderr, "multi_bench: %s\n", qPrintable(sim.error()));
        return 1;
    }
    const QString file = QFileInfo(sim.settingsFile()).absolutePath() + "/full.vqc";
    ConfigRecord record;
    record.gather(fullConfig());
    writeConfigFile(file, record);

    QStringList ports;
    for (int n = 1; n <= kControllers; ++n)
        ports.append(QStringLiteral("COM%1").arg(n));
    const Figures one = download(file, {"--port", "COM1"}, sim.settingsFile());
    const Figures eight = download(file, {"--ports", ports.join(',')}, sim.settingsFile());
    print("one controller", one);
    print("eight controllers at once", eight);
    std::printf("eight against one: %.3f x wall time (goal at most 1.1 x)\n",
                eight.wall / one.wall);
    bool same = true;
    const QStringList first = wire(sim.controller(1).frames());
    for (int n = 2; n <= kControllers; ++n)
        same = same && wire(sim.controller(n).frames()) == first.mid(first.size() / 2);
    std::printf("every controller received the single-port frames: %s\n", same ? "yes" : "no");
    return one.code == 0 && eight.code == 0 && same ? 0 : 1;
}
