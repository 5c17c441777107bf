// Measures the traffic monitor: what publishing costs a link while nobody listens, the time per
// exchange appended to an open monitor window, and the memory it holds once its ring is full.
#include "exchange_feed.h"
#include "scripted_prompts.h"
#include "traffic_model.h"
#include "traffic_monitor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>

#include <unistd.h>
#include <cstdio>

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
    const QByteArray address = QByteArray::number(0x2502 + 64 * (n % 64), 16).toUpper();
    if (n % 2 == 0)
        return {QDateTime::currentDateTime(),
                1,
                QStringLiteral("/dev/ttyUSB0"),
                "\x02"
                "E11" +
                    address + "40" + digits + "\x03" + "5A",
                "\x06",
                3,
                ExchangeOutcome::Accepted};
    return {QDateTime::currentDateTime(),
            1,
            QStringLiteral("/dev/ttyUSB0"),
            "\x02"
            "E00" +
                address + "40\x03" + "C1",
            "\x02" + digits + "\x03" + "80",
            12,
            ExchangeOutcome::Accepted};
}

// Appends kAppends exchanges; the event loop turns after every `turnEvery` of them.
double microsecondsPerAppend(const QList<ExchangeRecord> &records, int turnEvery)
{
    ExchangeFeed &feed = ExchangeFeed::instance();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kAppends; ++i) {
        feed.publish(records.at(i % records.size()));
        if ((i + 1) % turnEvery == 0)
            QCoreApplication::processEvents();
    }
    return double(clock.nsecsElapsed()) / 1e3 / kAppends;
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

    const double before = residentMiB();
    ScriptedPrompts prompts;
    auto *monitor = new TrafficMonitor(prompts);
    monitor->show();
    QCoreApplication::processEvents();
    const double opened = residentMiB();

    const double perAppend = microsecondsPerAppend(records, 1);
    const double full = residentMiB();
    std::printf("Open, loop turns after each: %.1f us per append (%d appends)\n", perAppend,
                kAppends);
    const double batched = microsecondsPerAppend(records, 1000);
    std::printf("Open, loop turns per 1000:   %.1f us per append\n", batched);
    monitor->findChild<QLineEdit *>(QStringLiteral("filterText"))->setText(QStringLiteral("E00"));
    const double filtered = microsecondsPerAppend(records, 1);
    std::printf("Open, filter \"E00\":          %.1f us per append, %d of %d rows shown\n",
                filtered, monitor->model().rowCount(), monitor->model().keptCount());
    const double end = residentMiB();
    std::printf(
        "Resident memory:       %.1f MiB before, %.1f MiB open, %.1f MiB after %d, "
        "%.1f MiB after %d (ring of %d)\n",
        before, opened, full, kAppends, end, 3 * kAppends, monitor->model().capacity());
    const bool bounded = monitor->model().keptCount() == TrafficModel::kDefaultCapacity;
    delete monitor;
    return bounded ? 0 : 1;
}
