// Measures the traffic monitor: what publishing costs a link while nobody listens, the time per
// exchange appended to an open monitor window, and the memory it holds once its ring is full.
#include "exchange_feed.h"
#include "scripted_prompts.h"
#include "traffic_model.h"
#include "traffic_monitor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

#include <unistd.h>
#include <cstdio>
#include <ctime>

using namespace plc;

namespace {

int kAppends = 100000;  // or the first argument

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0;
}

// A 64-byte write and its ACK, or a 64-byte read and its answer: the longest frames there are.
ExchangeRecord exchange(int n)
{
    const QByteArray digits = QByteArray(128, char('0' + n % 10));
    const int address = 0x2502 + 64 * (n % 64);
    const Request request = n % 2 == 0 ? Request::write(address, QString::fromLatin1(digits))
                                       : Request::read(address, 64);
    const Reply reply = n % 2 == 0 ? Reply{Reply::Kind::Acknowledged, "\x06", {}}
                                   : Reply{Reply::Kind::Data, "\x02" + digits + "\x03" + "80", {}};
    return {QDateTime::currentDateTime(),
            1,
            QStringLiteral("/dev/ttyUSB0"),
            request,
            request.frame(),
            reply,
            n % 2 == 0 ? 3 : 12};
}

// Appends kAppends exchanges; the event loop turns after every `turnEvery` of them. The rows
// still held back at the end are shown within the time measured.
double microsecondsPerAppend(TrafficModel &model, const QList<ExchangeRecord> &records,
                             int turnEvery)
{
    ExchangeFeed &feed = ExchangeFeed::instance();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kAppends; ++i) {
        feed.publish(records.at(i % records.size()));
        if ((i + 1) % turnEvery == 0)
            QCoreApplication::processEvents();
    }
    model.showHeldRows();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e3 / kAppends;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// One exchange per millisecond, about as fast as a link goes, for a second: the CPU the thread
// spends per exchange, laying out and painting included, and the idle loop's own ticks.
double cpuMicrosecondsPaced(const QList<ExchangeRecord> &records)
{
    constexpr int kCount = 1000;
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    int n = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        ExchangeFeed::instance().publish(records.at(n % records.size()));
        if (++n == kCount)
            loop.quit();
    });
    const double cpu0 = threadCpuSeconds();
    tick.start();
    loop.exec();
    tick.stop();
    QTimer::singleShot(200, &loop, &QEventLoop::quit);  // the last rows show
    loop.exec();
    return (threadCpuSeconds() - cpu0) * 1e6 / kCount;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1)
        kAppends = qMax(1, QByteArray(argv[1]).toInt());
    QList<ExchangeRecord> records;
    for (int n = 0; n < 128; ++n)
        records.append(exchange(n));

    // What every exchange of a link pays while the monitor is closed: one look at the feed.
    constexpr int kLooks = 10000000;
    QElapsedTimer clock;
    clock.start();
    int listened = 0;
    for (int i = 0; i < kLooks; ++i)
        listened += ExchangeFeed::instance().isListened() ? 1 : 0;
    std::printf("Monitor closed:        %.1f ns per exchange (%d listened)\n",
                double(clock.nsecsElapsed()) / kLooks, listened);

    const double idle = cpuMicrosecondsPaced(records);
    std::printf("Monitor closed, one exchange per ms: %.1f us CPU per exchange (the loop alone)\n",
                idle);

    const double before = residentMiB();
    ScriptedPrompts prompts;
    auto *monitor = new TrafficMonitor(prompts);
    monitor->show();
    QCoreApplication::processEvents();
    const double opened = residentMiB();

    const double perAppend = microsecondsPerAppend(monitor->model(), records, 1);
    const double full = residentMiB();
    std::printf("Open, loop turns after each: %.1f us per append (%d appends)\n", perAppend,
                kAppends);
    const double paced = cpuMicrosecondsPaced(records);
    std::printf("Open, one exchange per ms:   %.1f us CPU per exchange (%.1f us over the loop)\n",
                paced, paced - idle);
    const double batched = microsecondsPerAppend(monitor->model(), records, 1000);
    std::printf("Open, loop turns per 1000:   %.1f us per append\n", batched);
    monitor->findChild<QLineEdit *>(QStringLiteral("filterText"))->setText(QStringLiteral("E00"));
    const double filtered = microsecondsPerAppend(monitor->model(), records, 1);
    std::printf("Open, filter \"E00\":          %.1f us per append, %d of %d rows shown\n",
                filtered, monitor->model().rowCount(), monitor->model().keptCount());
    const double pacedFiltered = cpuMicrosecondsPaced(records);
    std::printf("Open, filter, one per ms:    %.1f us CPU per exchange (%.1f us over the loop)\n",
                pacedFiltered, pacedFiltered - idle);
    const double end = residentMiB();
    std::printf(
        "Resident memory:       %.1f MiB before, %.1f MiB open, %.1f MiB after %d, "
        "%.1f MiB after %d (ring of %d)\n",
        before, opened, full, kAppends, end, 3 * kAppends, monitor->model().capacity());
    const bool bounded = monitor->model().keptCount() == TrafficModel::kDefaultCapacity;
    delete monitor;
    return bounded ? 0 : 1;
}
