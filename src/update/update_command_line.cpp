#include "update_command_line.h"

#include "firmware_image.h"
#include "loader_client.h"
#include "loader_port.h"
#include "side_by_side.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <cstdio>

namespace plc {

namespace {

using Say = std::function<void(const QString &)>;

void say(const QString &text)
{
    std::fprintf(stderr, "plc-update: %s\n", qPrintable(text));
    std::fflush(stderr);
}

int badArguments(const QString &text)
{
    say(text);
    say(QStringLiteral(
        "usage: plc-update [--port COMn|device]... [--ports A,B,...] [--line 115200,E,8,1] "
        "[--no-verify] [--no-start] [--readout-unprotect] [--write-unprotect] FILE"));
    return exitCodeOf({Outcome::Kind::Failed});
}

// Progress: each phase as it starts, then every tenth of it.
class ProgressPrinter : public QObject {
public:
    ProgressPrinter(LoaderClient &client, Say print)
    {
        connect(&client, &LoaderClient::progress, this,
                [this, print](LoaderClient::Phase phase, int done, int total) {
                    const int tenth = total > 0 ? done * 10 / total : 10;
                    if (phase == m_phase && tenth == m_tenth)
                        return;
                    m_phase = phase;
                    m_tenth = tenth;
                    static const char *names[] = {"erase", "write", "verify"};
                    print(QStringLiteral("%1 %2/%3")
                              .arg(QLatin1String(names[int(phase)]))
                              .arg(done)
                              .arg(total));
                });
    }

private:
    LoaderClient::Phase m_phase = LoaderClient::Phase::Erase;
    int m_tenth = -1;
};

// One port to update: how it is named, its device, and what to do there.
struct PortJob {
    QString name;
    QString device;
};

struct UpdateChoices {
    LoaderLine line;
    WriteOptions options;
    bool readoutUnprotect = false;
    bool writeUnprotect = false;
};

// The update of one port, its messages through tell and its progress through progress; how it
// ended. Ctrl-C (interrupted, delivered on this thread) stops a write at its next block.
UpdateOutcome updatePort(const PortJob &job, const FirmwareImage &image,
                         const UpdateChoices &choices, const Say &tell, const Say &progress,
                         InterruptWatch *watch)
{
    const auto finish = [&tell](const UpdateOutcome &outcome, const QString &hint = QString()) {
        tell(outcome.message + hint);
        return outcome;
    };
    LoaderPort loaderPort;
    const QString notOpened = loaderPort.open(job.device, choices.line);
    if (!notOpened.isEmpty())
        return finish(UpdateOutcome{UpdateOutcome::Kind::PortNotOpened, notOpened});
    LoaderClient client(loaderPort);
    ProgressPrinter printer(client, progress);
    if (watch) {
        QObject::connect(watch, &InterruptWatch::interrupted, &client,
                         [&client] { client.cancel(); });
        if (watch->requested())
            client.cancel();
    }
    tell(QStringLiteral("%1 (%2), %3").arg(job.name, job.device, choices.line.text()));

    UpdateOutcome outcome = client.connectLoader();
    if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected && choices.readoutUnprotect) {
        tell(QStringLiteral("Readout Unprotect: the whole flash is erased"));
        outcome = client.unprotect(true);
    }
    if (!outcome.ok())
        return finish(outcome, outcome.kind == UpdateOutcome::Kind::ReadoutProtected
                                   ? QStringLiteral(" Run again with --readout-unprotect to do so.")
                                   : QString());
    tell(client.info().text());
    outcome = client.write(image, choices.options);
    if (outcome.kind == UpdateOutcome::Kind::WriteProtected && choices.writeUnprotect) {
        tell(QStringLiteral("Write Unprotect"));
        outcome = client.unprotect(false);
        if (outcome.ok())
            outcome = client.write(image, choices.options);
    }
    if (!outcome.ok())
        return finish(outcome, outcome.kind == UpdateOutcome::Kind::WriteProtected
                                   ? QStringLiteral(" Run again with --write-unprotect to do so.")
                                   : QString());
    const WriteCounts &c = client.counts();
    tell(QStringLiteral("done: %1 pages erased, %2 blocks written, %3 blank blocks skipped, %4 "
                        "verified, %5")
             .arg(c.pagesErased)
             .arg(c.blocksWritten)
             .arg(c.blocksSkipped)
             .arg(c.blocksVerified)
             .arg(choices.options.start ? QStringLiteral("firmware started")
                                        : QStringLiteral("the controller stays in its loader")));
    return {};
}

// Several ports side by side, each on its own thread with its own loader client; a line per port
// on standard output as each ends, then the exit code: the highest of the ports', 130 after
// Ctrl-C.
int updatePorts(const QList<PortJob> &jobs, const FirmwareImage &image,
                const UpdateChoices &choices)
{
    InterruptWatch watch;
    QStringList names;
    for (const PortJob &job : jobs)
        names.append(QStringLiteral("%1 (%2)").arg(job.name, job.device));
    ProgressBoard board(names, ProgressBoard::stderrIsTerminal());
    QList<UpdateOutcome> outcomes(jobs.size());
    QList<int> codes(jobs.size(), 0);
    QList<qint64> ms(jobs.size(), 0);
    QList<QString> last(jobs.size());
    runSideBySide(
        int(jobs.size()),
        [&](int i) {
            QElapsedTimer clock;
            clock.start();
            const Say tell = [&, i](const QString &text) {
                last[i] = text;  // only this port's thread writes it
                board.say(i, text);
            };
            outcomes[i] = updatePort(
                jobs.at(i), image, choices, tell,
                [&board, i](const QString &line) { board.show(i, line); }, &watch);
            ms[i] = clock.elapsed();
        },
        [&](int i) {
            codes[i] = exitCodeOf(outcomes.at(i).ending(watch.requested()));
            const QString seconds = QString::number(double(ms.at(i)) / 1000.0, 'f', 1);
            const QString line = outcomes.at(i).ok()
                                     ? QStringLiteral("%1: done in %2 s").arg(names.at(i), seconds)
                                     : QStringLiteral("%1: %2 after %3 s (exit code %4)")
                                           .arg(names.at(i), last.at(i), seconds)
                                           .arg(codes.at(i));
            board.show(i, line.mid(names.at(i).size() + 2));
            std::printf("%s\n", qPrintable(line));
            std::fflush(stdout);
        });
    return worstExitCode(codes);
}

// The ports of --port (each time given) and --ports; the stored port without either.
QList<PortJob> choosePorts(const QCommandLineParser &parser, const StoredPort &stored,
                           const std::function<QString(int)> &deviceOf)
{
    QStringList given = parser.values(QStringLiteral("port"));
    for (const QString &list : parser.values(QStringLiteral("ports")))
        given += list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (given.isEmpty()) {
        return {{stored.number > 0 ? QStringLiteral("COM%1").arg(stored.number) : stored.device,
                 stored.device}};
    }
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<PortJob> jobs;
    for (const QString &name : given) {
        const auto com = comName.match(name.trimmed());
        jobs.append(
            {name.trimmed(), com.hasMatch() ? deviceOf(com.captured(1).toInt()) : name.trimmed()});
    }
    return jobs;
}

}  // namespace

int runUpdateCommandLine(const QStringList &arguments, const StoredPort &stored,
                         const std::function<QString(int)> &deviceOf)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("port"));
    const QCommandLineOption ports(QStringLiteral("ports"), QString(), QStringLiteral("list"));
    const QCommandLineOption line(QStringLiteral("line"), QString(), QStringLiteral("line"),
                                  QStringLiteral("115200,E,8,1"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"));
    const QCommandLineOption noStart(QStringLiteral("no-start"));
    const QCommandLineOption readoutUnprotect(QStringLiteral("readout-unprotect"));
    const QCommandLineOption writeUnprotect(QStringLiteral("write-unprotect"));
    parser.addOptions({port, ports, line, noVerify, noStart, readoutUnprotect, writeUnprotect});
    if (!parser.parse(arguments))
        return badArguments(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return badArguments(QStringLiteral("name one image file (Intel HEX or raw binary)"));
    QString error;
    const auto loaderLine = LoaderLine::parse(parser.value(line), &error);
    if (!loaderLine)
        return badArguments(error);

    // Every device is resolved here, before any port starts: the settings file is read on this
    // thread only.
    const QList<PortJob> jobs = choosePorts(parser, stored, deviceOf);
    QStringList devices;
    for (const PortJob &job : jobs) {
        if (job.device.isEmpty())
            return badArguments(QStringLiteral("no serial port: name one with --port"));
        if (devices.contains(job.device))
            return badArguments(QStringLiteral("%1 is named twice").arg(job.device));
        devices.append(job.device);
    }

    const ImageFile file = loadImageFile(parser.positionalArguments().at(0), loader::kFlashStart);
    const auto finish = [](const UpdateOutcome &outcome) {
        say(outcome.message);
        return exitCodeOf(outcome.ending());
    };
    if (!file.error.isEmpty())
        return finish({UpdateOutcome::Kind::BadImage, file.error});
    if (file.image.isEmpty())
        return finish(
            {UpdateOutcome::Kind::BadImage, checkImageFits(file.image, loader::kFlashStart, 0)});

    UpdateChoices choices{*loaderLine,
                          {!parser.isSet(noVerify), !parser.isSet(noStart)},
                          parser.isSet(readoutUnprotect),
                          parser.isSet(writeUnprotect)};
    if (jobs.size() > 1)
        return updatePorts(jobs, file.image, choices);
    return exitCodeOf(updatePort(jobs.first(), file.image, choices, &say, &say, nullptr).ending());
}

}  // namespace plc
