// Measures the read exchange against the virtual controller: throughput, CPU per exchange, and
// the CPU spent while an unanswered exchange waits out its timeout.
#include "exchange.h"
#include "ini_file.h"
#include "plc_link.h"
#include "settings_store.h"
#include "virtual_plc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using namespace plc;
using namespace plc::sim;

namespace {

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("set.ini"));
    setSettingsFilePath(ini);

    VirtualPlc plc;
    QString error;
    if (!plc.start(&error)) {
        std::fprintf(stderr, "exchange_bench: %s\n", qPrintable(error));
        return 1;
    }
    writeIniValue(ini, QStringLiteral("PORTS"), QStringLiteral("COM1"), plc.devicePath());
    writeIniValue(ini, QStringLiteral("COM"), QStringLiteral("Speed"), QStringLiteral("4"));
    writeIniValue(ini, QStringLiteral("COM"), QStringLiteral("Bit_num"), QStringLiteral("1"));

    PlcLink link;
    applyStoredPortSettings(link);
    link.open();

    constexpr int kExchanges = 1000;
    QElapsedTimer wall;
    double cpu0 = processCpuSeconds();
    wall.start();
    int failures = 0;
    for (int i = 0; i < kExchanges; ++i) {
        if (link.exchange(Request::read(0x3600, 64), 650).received.size() != 132)
            ++failures;
    }
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = processCpuSeconds() - cpu0;
    std::printf("64-byte reads:        %d exchanges in %.3f s, %.0f exchanges/s, %d failed\n",
                kExchanges, seconds, kExchanges / seconds, failures);
    std::printf("CPU per exchange:     %.1f us (process CPU time)\n", 1e6 * cpu / kExchanges);

    plc.failAddress(QStringLiteral("3600"), VirtualPlc::Fault::Silence);
    cpu0 = processCpuSeconds();
    wall.restart();
    const bool unanswered =
        link.exchange(Request::read(0x3600, 64), 1000).kind == Reply::Kind::NoAnswer;
    const double waitWall = double(wall.nsecsElapsed()) / 1e9;
    const double waitCpu = processCpuSeconds() - cpu0;
    std::printf("Unanswered exchange:  %s after %.3f s wall, %.4f s CPU while waiting\n",
                unanswered ? "timed out" : "ANSWERED?", waitWall, waitCpu);
    link.close();
    plc.stop();
    return failures == 0 && unanswered ? 0 : 1;
}
