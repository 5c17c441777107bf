// update_bench: a 64 KB image through the virtual controller's paced loader at 115200 baud, by
// plc-update and by stm32flash (when installed) in the same run: wall time against the
// modelled limit (the wire time of every byte both ways, the page erases and the programming)
// and the client's CPU time.
#include "virtual_plc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <cstdio>

using namespace plc;
using namespace plc::sim;

namespace {

constexpr int kBaud = 115200;
constexpr int kBitsPerByte = 10;  // 8N1: a pseudo-terminal carries no parity
constexpr double kPageEraseS = 0.020;
constexpr double kHalfWordS = 52.5e-6;

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// What the loader's log says the run had to take at least.
double modelledLimit(const QList<VirtualPlc::Frame> &frames)
{
    qint64 bytes = 0;
    double busy = 0;
    for (const VirtualPlc::Frame &f : frames) {
        if (!f.command.startsWith(QLatin1Char('L')))
            continue;
        bytes += f.raw.size() + f.answer.size();
        if (f.command == QLatin1String("L31") && f.valid)
            busy += f.count.toInt() / 2 * kHalfWordS;
        if ((f.command == QLatin1String("L43") || f.command == QLatin1String("L44")) && f.valid)
            busy += (f.count.isEmpty() ? 1 : f.count.toInt()) * kPageEraseS;
    }
    return double(bytes) * kBitsPerByte / kBaud + busy;
}

struct Run {
    bool ok = false;
    double wall = 0;
    double limit = 0;
    double cpu = 0;
};

Run measure(VirtualPlc &plc, const QString &program, const QStringList &arguments)
{
    plc.enterLoader();
    plc.clearLog();
    QProcess process;
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool finished = process.waitForFinished(600000);
    Run run;
    run.wall = double(clock.nsecsElapsed()) / 1e9;
    run.cpu = childCpuSeconds() - cpuBefore;
    run.ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok)
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program),
                     process.readAllStandardError().constData());
    run.limit = modelledLimit(plc.frames());
    return run;
}

void report(const char *name, const Run &run)
{
    std::printf("%-12s %s  wall %7.3f s  limit %7.3f s  ratio %5.3f  CPU %6.3f s (%4.1f%%)\n", name,
                run.ok ? "ok    " : "FAILED", run.wall, run.limit, run.wall / run.limit, run.cpu,
                100.0 * run.cpu / run.wall);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QByteArray image(64 * 1024, 0);
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 131 + i / 256) & 0xFF);
    const QString file = dir.filePath(QStringLiteral("fw.bin"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size())
        return 1;
    out.close();

    VirtualPlc plc;
    QString error;
    if (!plc.start(&error)) {
        std::fprintf(stderr, "update_bench: %s\n", qPrintable(error));
        return 1;
    }
    plc.loader().setPace(true);
    std::printf("64 KB image, paced loader at %d baud (8N1), verify on\n", kBaud);
    const Run ours = measure(plc, QStringLiteral(PLC_UPDATE),
                             {QStringLiteral("--port"), plc.devicePath(), QStringLiteral("--line"),
                              QStringLiteral("115200,N,8,1"), file});
    report("plc-update", ours);
    const QString stm32flash = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
    if (stm32flash.isEmpty()) {
        std::printf("stm32flash   not installed\n");
        return ours.ok ? 0 : 1;
    }
    const Run theirs = measure(
        plc, stm32flash,
        {QStringLiteral("-m"), QStringLiteral("8n1"), QStringLiteral("-b"), QString::number(kBaud),
         QStringLiteral("-w"), file, QStringLiteral("-v"), plc.devicePath()});
    report("stm32flash", theirs);
    return ours.ok && theirs.ok ? 0 : 1;
}
