// Measures the table transfers against the virtual controller: on a UART tab a "Write to PLC" of
// 128 requests and an "Upload from PLC" of 127, on the 1-wire tab both of 127 sensors; their
// wall time against the pauses the controller needs, and the CPU they cost. Then a compare of a
// whole project with the controller against the four uploads of the same parts.
#include "aux_transfer.h"
#include "exchange.h"
#include "grid_model.h"
#include "io_block.h"
#include "io_transfer.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_transfer.h"
#include "project_compare.h"
#include "request_record.h"
#include "scripted_prompts.h"
#include "sensor_record.h"
#include "settings_store.h"
#include "sim_fixture.h"
#include "uart_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

using namespace plc;
using namespace plc::sim;

namespace {

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Wall and CPU seconds of one piece of work, the mean of `runs` of it; the process figure
// includes the controller's thread, the thread figure is the tool alone.
struct Measure {
    double wall = 0;
    double processCpu = 0;
    double threadCpu = 0;

    template <typename Work>
    static Measure of(Work work, int runs = 1)
    {
        const double process0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double thread0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < runs; ++i)
            work();
        return {double(clock.nsecsElapsed()) / 1e9 / runs,
                (cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process0) / runs,
                (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - thread0) / runs};
    }
};

// A few milliseconds of CPU per upload are near the clocks' grain: the uploads whose answers
// come late run this often and the figures are their mean.
constexpr int kLateRuns = 10;

// The controller's own answer time for the frames a transfer sent: the same requests again,
// back to back, with no pause.
double answerTime(PlcLink &link, const QList<VirtualPlc::Frame> &frames)
{
    link.open();
    const Measure m = Measure::of([&] {
        for (const VirtualPlc::Frame &f : frames) {
            const int address = f.address.toInt(nullptr, 16);
            if (f.command == QLatin1String("E00")) {
                link.exchange(Request::read(address, f.count.toInt(nullptr, 16)), 650);
            } else {
                const auto command = f.command == QLatin1String("E10")
                                         ? Request::Command::CommandWrite
                                         : Request::Command::Write;
                link.exchange(Request::write(address, f.data, command), 650);
            }
        }
    });
    link.close();
    return m.wall;
}

void print(const char *what, const Measure &m, double pauses, double answers, int exchanges)
{
    std::printf("%s\n", what);
    std::printf("  wall time            %.4f s (%d exchanges)\n", m.wall, exchanges);
    std::printf("  mandated pauses      %.3f s\n", pauses);
    std::printf("  controller answers   %.4f s (the same frames replayed without pauses)\n",
                answers);
    if (pauses > 0)
        std::printf("  wall / pauses        %.3f\n", m.wall / pauses);
    std::printf("  wall / (pauses + answers)  %.3f\n", m.wall / (pauses + answers));
    std::printf("  CPU, whole process   %.3f s = %.1f%% of wall (controller thread included)\n",
                m.processCpu, 100 * m.processCpu / m.wall);
    std::printf("  CPU, tool thread     %.4f s = %.2f%% of wall\n", m.threadCpu,
                100 * m.threadCpu / m.wall);
}

// "Write to PLC" and "Upload from PLC" of 127 sensors on the 1-wire tab; true when both went
// through and the table came back as sent.
bool benchOneWire(TransferContext &ctx, VirtualPlc &plc)
{
    OneWireTabState state;
    state.settings.mode = AuxMode::OneWireMaster;
    for (int i = 0; i < 127; ++i) {
        const QString b = QString::number(i, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        state.sensors.append(
            {"28", b, "4B", "12", "03", "00", "00", "A1", QString::number(1500 + 2 * i)});
    }
    plc.clearLog();
    const Measure down =
        Measure::of([&] { report(ctx, QString(), downloadAuxConfig(ctx, state)); });
    const auto downFrames = plc.frames();
    // 100 ms after each of the 20 pieces.
    print("Download of 127 sensors", down, 20 * 0.1, answerTime(ctx.link, downFrames),
          int(downFrames.size()));

    // Read back at once, then with every answer 12 ms late as on a 115200 baud line.
    bool same = true;
    for (int delay : {0, 12}) {
        plc.setAnswerDelay(delay);
        AuxConfigUpload upload;
        const Measure up = Measure::of(
            [&] {
                plc.clearLog();
                upload = report(ctx, QString(), uploadAuxConfig(ctx)).value;
            },
            delay == 0 ? 1 : kLateRuns);
        const auto upFrames = plc.frames();
        print(delay == 0 ? "Upload of 127 sensors" : "Upload of 127 sensors, answers 12 ms late",
              up, 0, answerTime(ctx.link, upFrames), int(upFrames.size()));
        same = same && upload.sensors == state.sensors;
    }
    return same;
}

// A whole project written, then compared with the controller: its wall time against the four
// uploads of the same parts one after the other. True when the compare found no difference.
bool benchCompare(TransferContext &ctx, const QList<QStringList> &requests)
{
    Project project;
    for (UartTabState &uart : project.config.uarts) {
        uart.settings = {UartMode::ModbusMaster, 4, 2, QString(), QString()};
        uart.requests = requests.mid(0, 127);  // the count field holds at most 127
    }
    project.config.auxMode = int(AuxMode::OneWireMaster);
    for (int i = 0; i < 127; ++i) {
        const QString b = QString::number(i, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        project.config.sensors.append(
            {"28", b, "4B", "12", "03", "00", "00", "A1", QString::number(1500 + 2 * i)});
    }
    for (int point = 0; point < kIoPoints; point += 2)
        applyChoice(project.ioMap, point, point % 4 ? IoChoice::Output : IoChoice::Input);
    if (!loadToPlc(ctx, project, allProjectParts()).outcome.done())
        return false;

    const Measure uploads = Measure::of([&] {
        report(ctx, QString(), uploadPortConfig(ctx, UartPort::uart1()));
        report(ctx, QString(), uploadPortConfig(ctx, UartPort::uart2()));
        report(ctx, QString(), uploadAuxConfig(ctx));
        report(ctx, QString(), uploadIoMap(ctx));
    });
    Project held;
    QList<Difference> differences;
    const Measure compare = Measure::of([&] {
        report(ctx, QString(), readFromPlc(ctx, project, allProjectParts(), &held).outcome);
        differences = projectDifferences(project, held);
    });
    std::printf("Compare of a whole project (2 x 127 requests, 127 sensors, the I/O map)\n");
    std::printf("  the four uploads     %.4f s\n", uploads.wall);
    std::printf("  compare              %.4f s = %.3f of the uploads\n", compare.wall,
                compare.wall / uploads.wall);
    return differences.isEmpty();
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SimFixture sim;
    if (!sim.ok()) {
        std::fprintf(stderr, "transfer_bench: %s\n", qPrintable(sim.error()));
        return 1;
    }
    sim.setCom(QStringLiteral("Speed"), QStringLiteral("4"));

    PlcLink link;
    applyStoredPortSettings(link);  // as the window does before each transfer
    ScriptedPrompts prompts;
    RecordingProgress progress;
    TransferContext ctx{link, prompts, progress};
    const UartPort &port = UartPort::uart1();

    GridModel grid(7);
    for (int i = 1; i <= 128; ++i) {
        writeRequestToRow(grid, i, {i, 10, 10 * i, 100 + 10 * i, (i - 1) % 5, 100});
        grid.appendGridRow();
    }
    grid.renumber();
    const PortSettings settings{UartMode::ModbusMaster, 4, 2, QString(), QString()};

    const Measure down = Measure::of(
        [&] { report(ctx, QString(), downloadPortConfig(ctx, port, settings, grid.dataRows())); });
    const auto downFrames = sim.plc.frames();
    // 100 ms after each of the 16 pieces, and once more before the progress window closes.
    const double downPauses = 17 * 0.1;
    print("Download of 128 requests", down, downPauses, answerTime(link, downFrames),
          int(downFrames.size()));

    // The same table read back with a count of 127 in the port word.
    sim.plc.pokeWord(0x2008, 0xC47F);
    sim.plc.clearLog();
    PortConfigUpload upload;
    const Measure up =
        Measure::of([&] { upload = report(ctx, QString(), uploadPortConfig(ctx, port)).value; });
    const auto upFrames = sim.plc.frames();
    print("Upload of 127 requests", up, 0, answerTime(link, upFrames), int(upFrames.size()));

    // The virtual controller answers at once; a 64-byte answer takes about 12 ms on a
    // 115200 baud line, so the same upload again with that delay shows the cost of waiting.
    sim.plc.setAnswerDelay(12);
    const Measure slow = Measure::of(
        [&] {
            sim.plc.clearLog();
            upload = report(ctx, QString(), uploadPortConfig(ctx, port)).value;
        },
        kLateRuns);
    print("Upload of 127 requests, answers 12 ms late", slow, 0, answerTime(link, sim.plc.frames()),
          int(sim.plc.frames().size()));

    sim.plc.setAnswerDelay(0);
    const bool sensorsBack = benchOneWire(ctx, sim.plc);
    const bool compared = benchCompare(ctx, grid.dataRows());

    const bool ok = prompts.messages().isEmpty() && upload.requests.size() == 127 &&
                    upload.requests.at(126).masterAddress == 1370 && sensorsBack && compared;
    if (!ok)
        std::fprintf(stderr, "transfer_bench: a transfer failed: %s\n",
                     qPrintable(prompts.messages().join(QLatin1String("; "))));
    return ok ? 0 : 1;
}
