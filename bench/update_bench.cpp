// update_bench [ROUNDS]: a 64 KB image through the virtual controller's paced loader at 115200
// baud, by plc-update and by stm32flash (when installed), taking turns for ROUNDS rounds (3 by
// default) on the same loader: wall time against the modelled limit (the wire time of every
// byte both ways, the page erases and the programming) and the client's CPU time. Where the
// time beyond the limit goes: the program's start (to the first byte the loader reads), its
// end (from the last command the loader read to the exit), and the exchanges between, with the
// client's reply time as the loader sees it (from an answer's last byte written to the client's
// next bytes read). The verdict compares the medians: a shared machine's scheduler moves single
// runs by a percent either way.
#include "virtual_plc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/resource.h>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <optional>

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

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// The answers a client waits for in a command: the ACK of each part it sends (the command, then
// an address, a length, a block or a page list), Get's list and a Read Memory's bytes coming
// with the ACK before them.
int answersOf(const VirtualPlc::Frame &f)
{
    if (f.command == QLatin1String("L7F") || f.command == QLatin1String("L00") ||
        f.command == QLatin1String("L02"))
        return 1;
    if (f.command == QLatin1String("L11") || f.command == QLatin1String("L31"))
        return 3;
    return 2;  // Go, Erase: the command and its address or page list
}

// What the loader's log says the run had to take at least; *answers counts what the client
// waited for.
double modelledLimit(const QList<VirtualPlc::Frame> &frames, int *answers)
{
    qint64 bytes = 0;
    double busy = 0;
    *answers = 0;
    for (const VirtualPlc::Frame &f : frames) {
        if (!f.command.startsWith(QLatin1Char('L')))
            continue;
        *answers += answersOf(f);
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
    double start = 0;  // to the first command the loader read
    double end = 0;    // from the last command the loader read to the exit
    int answers = 0;
    double replyUs = 0;  // the median of the client's reply times seen by the loader

    double ratio() const { return wall / limit; }
};

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// When the loader read the first command of a run.
struct CommandTimes {
    std::mutex mutex;
    std::optional<Clock::time_point> first;
    std::optional<Clock::time_point> last;

    void note()
    {
        std::lock_guard<std::mutex> lock(mutex);
        last = Clock::now();
        if (!first)
            first = last;
    }
};

Run measure(VirtualPlc &plc, CommandTimes &times, const QString &program,
            const QStringList &arguments)
{
    plc.enterLoader();
    plc.clearLog();
    times.first.reset();
    times.last.reset();
    QProcess process;
    const double cpuBefore = childCpuSeconds();
    const Clock::time_point started = Clock::now();
    process.start(program, arguments);
    const bool finished = process.waitForFinished(600000);
    const Clock::time_point ended = Clock::now();
    Run run;
    run.wall = secondsBetween(started, ended);
    run.cpu = childCpuSeconds() - cpuBefore;
    run.ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok)
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program),
                     process.readAllStandardError().constData());
    run.limit = modelledLimit(plc.frames(), &run.answers);
    run.replyUs = median(plc.loaderReplyDelaysUs());
    std::lock_guard<std::mutex> lock(times.mutex);
    if (times.first)
        run.start = secondsBetween(started, *times.first);
    if (times.last)
        run.end = secondsBetween(*times.last, ended);
    return run;
}

void report(const char *name, const Run &run)
{
    std::printf("%-12s %s  wall %7.3f s  limit %7.3f s  ratio %5.3f  CPU %6.3f s (%4.1f%%)\n", name,
                run.ok ? "ok    " : "FAILED", run.wall, run.limit, run.wall / run.limit, run.cpu,
                100.0 * run.cpu / run.wall);
    // The limit is spent between the first command and the last; start and end are overhead.
    const double overhead = run.wall - run.limit - run.start - run.end;
    std::printf(
        "%-12s start %5.1f ms  end %5.1f ms  exchanges %6.1f ms over the limit: %5.1f us "
        "for each of %d answers; reply %5.1f us (median)\n",
        "", run.start * 1e3, run.end * 1e3, overhead * 1e3,
        run.answers > 0 ? overhead / run.answers * 1e6 : 0.0, run.answers, run.replyUs);
}

double medianRatio(const QList<Run> &runs)
{
    QList<double> ratios;
    for (const Run &run : runs)
        ratios.append(run.ratio());
    return median(ratios);
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
    CommandTimes times;
    plc.setFrameCallback([&times](const VirtualPlc::Frame &f) {
        if (f.command.startsWith(QLatin1Char('L')))
            times.note();
    });
    QString error;
    if (!plc.start(&error)) {
        std::fprintf(stderr, "update_bench: %s\n", qPrintable(error));
        return 1;
    }
    plc.loader().setPace(true);
    const int rounds = qMax(1, argc > 1 ? QByteArray(argv[1]).toInt() : 3);
    std::printf("64 KB image, paced loader at %d baud (8N1), verify on, %d rounds\n", kBaud,
                rounds);
    const QString stm32flash = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
    QList<Run> ours;
    QList<Run> theirs;
    bool ok = true;
    for (int round = 0; round < rounds; ++round) {
        ours.append(measure(plc, times, QStringLiteral(PLC_UPDATE),
                            {QStringLiteral("--port"), plc.devicePath(), QStringLiteral("--line"),
                             QStringLiteral("115200,N,8,1"), file}));
        report("plc-update", ours.last());
        ok = ok && ours.last().ok;
        if (stm32flash.isEmpty())
            continue;
        theirs.append(measure(plc, times, stm32flash,
                              {QStringLiteral("-m"), QStringLiteral("8n1"), QStringLiteral("-b"),
                               QString::number(kBaud), QStringLiteral("-w"), file,
                               QStringLiteral("-v"), plc.devicePath()}));
        report("stm32flash", theirs.last());
        ok = ok && theirs.last().ok;
    }
    const double oursRatio = medianRatio(ours);
    std::printf("median ratio: plc-update %5.3f", oursRatio);
    if (stm32flash.isEmpty()) {
        std::printf(", stm32flash not installed\n");
        return ok ? 0 : 1;
    }
    const double theirsRatio = medianRatio(theirs);
    std::printf(", stm32flash %5.3f: plc-update is %s, %s 1.02\n", theirsRatio,
                oursRatio <= theirsRatio ? "no slower" : "SLOWER",
                oursRatio <= 1.02 ? "within" : "BEYOND");
    return ok ? 0 : 1;
}