// Download and upload cycles of random configurations of every size against the virtual
// controller, with random faults. After each cycle whose download and upload both succeeded,
// what was read back must equal what was written. The process's memory and open file
// descriptors are printed at the start and the end; more descriptors at the end is a failure.
//
//   soak [--cycles N] [--seed S] [--fault-rate P]
#include "aux_transfer.h"
#include "grid_model.h"
#include "io_block.h"
#include "io_transfer.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_transfer.h"
#include "request_record.h"
#include "scripted_prompts.h"
#include "sensor_record.h"
#include "settings_store.h"
#include "sim_fixture.h"
#include "uart_port.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <memory>

using namespace plc;
using namespace plc::sim;

namespace {

using Injection = VirtualPlc::Injection;

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot).size());
}

// One cycle's controller, link and window values.
class Bench {
public:
    explicit Bench(QRandomGenerator &random, double faultRate)
        : m_random(random), m_faultRate(faultRate)
    {
        restart();
    }

    // Runs one transfer with, now and then, one fault at one of its first frames. True when the
    // user saw no message.
    bool transfer(const std::function<Outcome(TransferContext &)> &action, int frames)
    {
        m_sim->plc.clearLog();
        bool lost = false;
        const bool injected = m_random.generateDouble() < m_faultRate;
        if (injected) {
            static const Injection::Kind kinds[] = {
                Injection::Kind::Nak,   Injection::Kind::Silence, Injection::Kind::Short,
                Injection::Kind::Wrong, Injection::Kind::Extra,   Injection::Kind::Lose};
            const Injection::Kind kind = kinds[m_random.bounded(int(std::size(kinds)))];
            lost = kind == Injection::Kind::Lose;
            m_sim->plc.inject(1 + m_random.bounded(qMax(1, frames)), {kind, 0});
            ++faults;
        } else {
            m_sim->plc.inject(0, {});
        }
        m_prompts.clear();
        report(*m_ctx, QString(), action(*m_ctx));
        if (!m_prompts.messages().isEmpty() && !injected)
            std::printf("unexpected: %s\n", qPrintable(m_prompts.messages().join(" / ")));
        if (m_link->isOpen())
            ++leaks;
        if (lost && !m_prompts.messages().isEmpty())
            restart();  // the line is gone; a new controller takes its place
        return m_prompts.messages().isEmpty();
    }

    int faults = 0;
    int leaks = 0;
    int compared = 0;  // round trips whose download and upload both succeeded

private:
    void restart()
    {
        m_ctx.reset();
        m_link.reset();
        m_sim.reset();
        m_sim = std::make_unique<SimFixture>();
        if (!m_sim->ok())
            qFatal("%s", qPrintable(m_sim->error()));
        m_link = std::make_unique<PlcLink>();
        applyStoredPortSettings(*m_link);
        m_ctx = std::make_unique<TransferContext>(TransferContext{*m_link, m_prompts, m_progress});
    }

    QRandomGenerator &m_random;
    double m_faultRate;
    ScriptedPrompts m_prompts;
    RecordingProgress m_progress;
    std::unique_ptr<SimFixture> m_sim;
    std::unique_ptr<PlcLink> m_link;
    std::unique_ptr<TransferContext> m_ctx;
};

QString number(QRandomGenerator &r, int low, int high)
{
    return QString::number(low + r.bounded(high - low + 1));
}

QList<QStringList> randomRequests(QRandomGenerator &r)
{
    QList<QStringList> rows;
    const int n = r.bounded(kMaxRequests + 1);
    for (int i = 0; i < n; ++i) {
        // Within what the table check allows for the function's class.
        const int function = r.bounded(5);
        const bool coils = function == 0 || function == 3;
        const int count = 1 + r.bounded(coils ? 255 : 123);
        const int end = coils ? 3071 : 7999;
        rows.append({number(r, 1, 247), QString::number(count), number(r, 0, end - count),
                     number(r, 0, end - count), QString::number(function), number(r, 1, 4095)});
    }
    return rows;
}

QList<SensorCells> randomSensors(QRandomGenerator &r)
{
    QList<SensorCells> rows;
    const int n = r.bounded(128);  // at most 127 sensors
    for (int i = 0; i < n; ++i) {
        SensorCells cells;
        for (int b = 0; b < 8; ++b)
            cells.append(QString::asprintf("%02X", r.bounded(256)));
        cells.append(number(r, 0, 7997));
        rows.append(cells);
    }
    return rows;
}

// One UART: a random mode and table written, read back, compared.
bool uartCycle(Bench &bench, QRandomGenerator &r, const UartPort &port)
{
    PortSettings written{UartMode(r.bounded(3)), r.bounded(8), r.bounded(3), number(r, 1, 247),
                         QStringLiteral("2")};
    GridModel grid(7);
    grid.setDataRows(randomRequests(r));
    const int pieces = (8 * (grid.rows() - 2) + 63) / 64;
    if (!bench.transfer(
            [&](TransferContext &ctx) {
                return downloadPortConfig(ctx, port, written, grid.dataRows());
            },
            4 + pieces))
        return true;
    PortSettings read{UartMode::NotUse, 0, 0, QString(), QStringLiteral("2")};
    GridModel back(7);
    if (!bench.transfer(
            [&](TransferContext &ctx) {
                const Result<PortConfigUpload> upload = uploadPortConfig(ctx, port);
                if (upload.done() && applyPortUpload(upload.value, read))
                    back.showUploadedRows(requestRows(upload.value.requests));
                return upload.outcome;
            },
            1 + pieces))
        return true;
    ++bench.compared;
    if (read.mode != written.mode)
        return false;
    if (written.mode == UartMode::NotUse)
        return true;
    if (read.speed != written.speed || read.parity != written.parity)
        return false;
    if (written.mode == UartMode::ModbusSlave)
        return read.address == written.address;
    return back.dataRows() == grid.dataRows();
}

bool oneWireCycle(Bench &bench, QRandomGenerator &r)
{
    OneWireTabState written;
    written.settings.mode = AuxMode(r.bounded(3));
    written.settings.fieldNet = {r.bounded(5), r.bounded(3), r.bounded(2), r.bounded(2)};
    written.sensors = randomSensors(r);
    const int pieces = (10 * int(written.sensors.size()) + 63) / 64;
    if (!bench.transfer([&](TransferContext &ctx) { return downloadAuxConfig(ctx, written); },
                        3 + pieces))
        return true;
    AuxSettings read;
    GridModel back(10);
    if (!bench.transfer(
            [&](TransferContext &ctx) {
                const Result<AuxConfigUpload> upload = uploadAuxConfig(ctx);
                if (upload.done()) {
                    applyAuxUpload(upload.value, read);
                    back.showUploadedRows(upload.value.sensors);
                }
                return upload.outcome;
            },
            1 + pieces))
        return true;
    ++bench.compared;
    if (read.mode != written.settings.mode)
        return false;
    if (read.mode == AuxMode::FieldNet)
        return read.fieldNet == written.settings.fieldNet;
    return read.mode == AuxMode::NotUse || back.dataRows() == written.sensors;
}

bool ioCycle(Bench &bench, QRandomGenerator &r)
{
    PointBytes types{};
    for (quint8 &t : types)
        t = quint8(r.bounded(3));
    if (!bench.transfer([&](TransferContext &ctx) { return downloadIoMap(ctx, types); }, 3))
        return true;
    IoMasks read;
    if (!bench.transfer(
            [&](TransferContext &ctx) {
                const Result<IoMasks> masks = uploadIoMap(ctx);
                read = masks.value;
                return masks.outcome;
            },
            1))
        return true;
    ++bench.compared;
    const IoMasks written = masksOf(types);
    return read.inputs == written.inputs && read.outputs == written.outputs;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("cycles"), QStringLiteral("Cycles to run."),
                      QStringLiteral("N"), QStringLiteral("100")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("S"),
                      QString::number(QRandomGenerator::system()->generate())});
    parser.addOption({QStringLiteral("fault-rate"),
                      QStringLiteral("Share of transfers with one fault."), QStringLiteral("P"),
                      QStringLiteral("0.2")});
    parser.process(app);
    const int cycles = parser.value(QStringLiteral("cycles")).toInt();
    const quint32 seed = parser.value(QStringLiteral("seed")).toUInt();
    QRandomGenerator random(seed);
    std::printf("soak: %d cycles, seed %u\n", cycles, seed);

    Bench bench(random, parser.value(QStringLiteral("fault-rate")).toDouble());
    const long rss0 = residentKiB();
    const int fds0 = openDescriptors();
    std::printf("start: %ld KiB resident, %d descriptors\n", rss0, fds0);
    int mismatches = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        const bool same = uartCycle(bench, random, UartPort::uart1()) &&
                          uartCycle(bench, random, UartPort::uart2()) &&
                          oneWireCycle(bench, random) && ioCycle(bench, random);
        if (!same) {
            ++mismatches;
            std::printf("cycle %d: read back differs from what was written\n", cycle);
        }
        if (cycle % 10 == 0)
            std::printf("cycle %d: %ld KiB, %d descriptors, %d faults so far\n", cycle,
                        residentKiB(), openDescriptors(), bench.faults);
    }
    const long rss1 = residentKiB();
    const int fds1 = openDescriptors();
    std::printf(
        "end: %ld KiB resident, %d descriptors; %d faults injected, %d round trips compared, "
        "%d mismatches, %d ports left open\n",
        rss1, fds1, bench.faults, bench.compared, mismatches, bench.leaks);
    return mismatches == 0 && bench.leaks == 0 && fds1 <= fds0 ? 0 : 1;
}
