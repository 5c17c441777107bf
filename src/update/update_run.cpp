#include "update_run.h"

#include "flash_read.h"
#include "side_by_side.h"
#include "switch_to_loader.h"
#include "update_settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace plc {

namespace {

constexpr qint32 kSafeBaud = 115200;  // every loader follows it

// The texts of the command line's runs, for the translator.
struct UpdateRunTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::UpdateRun)
};

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
                    static const char *const names[] = {
                        QT_TRANSLATE_NOOP("plc::UpdateRun", "erase"),
                        QT_TRANSLATE_NOOP("plc::UpdateRun", "write"),
                        QT_TRANSLATE_NOOP("plc::UpdateRun", "verify")};
                    print(QStringLiteral("%1 %2/%3")
                              .arg(UpdateRunTexts::tr(names[int(phase)]))
                              .arg(done)
                              .arg(total));
                });
    }

private:
    LoaderClient::Phase m_phase = LoaderClient::Phase::Erase;
    int m_tenth = -1;
};

// One port's run: the port, its loader client, and the steps of the task in order. Each step
// returns false once the run has ended (its outcome then says how).
class PortRun {
public:
    PortRun(const PortJob &job, const UpdateRequest &request, const Say &tell)
        : m_job(job), m_request(request), m_tell(tell), m_client(m_port)
    {
    }

    LoaderClient &client() { return m_client; }
    UpdateOutcome outcome() const { return m_outcome; }
    const PortReach &reach() const { return m_reach; }

    bool switchToLoader()
    {
        if (!m_request.loaderSwitch)
            return true;
        m_tell(UpdateRunTexts::tr("switching the controller to its loader"));
        m_reach.reached = check(m_request.loaderSwitch->switchPort(m_job.number, m_job.device));
        return m_reach.reached;
    }

    // Opens at the requested speed; a loader that does not answer at a faster one is tried at
    // 115200 once more.
    bool connect()
    {
        LoaderLine line = m_request.line;
        if (!open(line))
            return false;
        UpdateOutcome outcome = m_client.connectLoader();
        const bool silent = outcome.kind == UpdateOutcome::Kind::Unanswered ||
                            outcome.kind == UpdateOutcome::Kind::WrongAnswer;
        if (silent && line.baudRate > kSafeBaud) {
            m_tell(UpdateRunTexts::tr("no answer at %1 baud; falling back to %2 baud")
                       .arg(line.baudRate)
                       .arg(kSafeBaud));
            line.baudRate = kSafeBaud;
            if (!open(line))
                return false;
            outcome = m_client.connectLoader();
        }
        m_reach.reached = m_reach.reached || outcome.loaderAnswered();
        if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected && m_request.readoutUnprotect &&
            m_request.task == UpdateRequest::Task::Write && m_job.backupFile.isEmpty()) {
            m_tell(UpdateRunTexts::tr("Readout Unprotect: the whole flash is erased"));
            outcome = m_client.unprotect(true);
        }
        if (outcome.kind == UpdateOutcome::Kind::Unanswered && !m_request.loaderSwitch)
            outcome.message +=
                UpdateRunTexts::tr(" From the command line, --switch sends that word first.");
        if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected)
            outcome.message += readoutHint();
        if (!check(outcome))
            return false;
        m_tell(m_client.info().text());
        return true;
    }

    bool backup()
    {
        if (m_job.backupFile.isEmpty())
            return true;
        return tellDone(backupErasedPages(m_client, m_request.image, m_job.backupFile));
    }

    bool write()
    {
        WriteOptions options = m_request.options;
        options.start = options.start && m_request.exit.isEmpty();
        UpdateOutcome outcome = m_client.write(m_request.image, options);
        if (outcome.kind == UpdateOutcome::Kind::WriteProtected && m_request.writeUnprotect) {
            m_tell(UpdateRunTexts::tr("Write Unprotect"));
            outcome = m_client.unprotect(false);
            if (outcome.ok())
                outcome = m_client.write(m_request.image, options);
        }
        if (outcome.kind == UpdateOutcome::Kind::WriteProtected)
            outcome.message += UpdateRunTexts::tr(" Run again with --write-unprotect to do so.");
        if (!check(outcome))
            return false;
        if (options.start != m_request.options.start && !drive(m_request.exit))
            return false;
        m_reach.started = m_request.options.start;
        const WriteCounts &c = m_client.counts();
        m_tell(UpdateRunTexts::tr("done: %1 pages erased, %2 blocks written, %3 blank blocks "
                                  "skipped, %4 verified, %5")
                   .arg(c.pagesErased)
                   .arg(c.blocksWritten)
                   .arg(c.blocksSkipped)
                   .arg(c.blocksVerified)
                   .arg(!m_request.options.start
                            ? UpdateRunTexts::tr("the controller stays in its loader")
                        : m_request.exit.isEmpty()
                            ? UpdateRunTexts::tr("firmware started")
                            : UpdateRunTexts::tr("firmware started by the exit sequence")));
        return true;
    }

    bool read() { return tellDone(readFlashToFile(m_client, m_request.readSize, m_job.readFile)); }
    bool compare() { return tellDone(compareWithFlash(m_client, m_request.image)); }

private:
    bool open(const LoaderLine &line)
    {
        const QString notOpened = m_port.open(m_job.device, line);
        if (!notOpened.isEmpty())
            return check({UpdateOutcome::Kind::PortNotOpened, notOpened});
        m_tell(QStringLiteral("%1 (%2), %3").arg(m_job.name, m_job.device, line.text()));
        return drive(m_request.entry);
    }

    bool drive(const ModemSequence &sequence)
    {
        const QString failed = runModemSequence(sequence, m_port);
        return failed.isEmpty() || check({UpdateOutcome::Kind::PortNotOpened, failed});
    }

    QString readoutHint() const
    {
        if (m_request.task != UpdateRequest::Task::Write)
            return UpdateRunTexts::tr(" Reading and comparing are not possible while it lasts.");
        if (!m_job.backupFile.isEmpty() && m_request.readoutUnprotect)
            return UpdateRunTexts::tr(
                " Its flash cannot be read for a backup: run again with "
                "--no-backup in place of --backup to go on without one.");
        return UpdateRunTexts::tr(
            " Run again with --readout-unprotect to do so. Whether the flash "
            "is write-protected too shows only then: add --write-unprotect "
            "to remove that in the same run.");
    }

    bool check(const UpdateOutcome &outcome)
    {
        m_outcome = outcome;
        return outcome.ok();
    }

    bool tellDone(const UpdateOutcome &outcome)
    {
        if (outcome.ok())
            m_tell(outcome.message);
        return check(outcome);
    }

    const PortJob &m_job;
    const UpdateRequest &m_request;
    const Say &m_tell;
    LoaderPort m_port;
    LoaderClient m_client;
    UpdateOutcome m_outcome;
    PortReach m_reach;
};

}  // namespace

UpdateOutcome runOnPort(const PortJob &job, const UpdateRequest &request, const Say &tell,
                        const Say &progress, InterruptWatch *watch, PortReach *reach)
{
    PortRun run(job, request, tell);
    ProgressPrinter printer(run.client(), progress);
    LoaderClient &client = run.client();
    if (watch) {
        QObject::connect(watch, &InterruptWatch::interrupted, &client,
                         [&client] { client.cancel(); });
        if (watch->requested())
            client.cancel();
    }
    bool done = run.switchToLoader() && run.connect();
    switch (request.task) {
        case UpdateRequest::Task::Write:
            done = done && run.backup() && run.write();
            break;
        case UpdateRequest::Task::Read:
            done = done && run.read();
            break;
        case UpdateRequest::Task::Compare:
            done = done && run.compare();
            break;
    }
    if (!done)
        tell(run.outcome().message);
    if (reach)
        *reach = run.reach();
    return done ? UpdateOutcome{} : run.outcome();
}

namespace {

// A write that ended goes into the user's history of writes.
void recordWrite(const PortJob &job, const UpdateRequest &request, const UpdateOutcome &outcome,
                 const PortReach &reach)
{
    if (request.task != UpdateRequest::Task::Write || !request.settings)
        return;
    request.settings->recordWrite(firmwareWrite(job.number, job.device, request.imageFile,
                                                request.image, outcome, reach.reached));
}

}  // namespace

int runOnOnePort(const PortJob &job, const UpdateRequest &request, const Say &say)
{
    InterruptWatch watch;
    UnfinishedMarks marks(request.settings, {job.device});
    PortReach reach;
    const UpdateOutcome outcome = runOnPort(job, request, say, say, &watch, &reach);
    marks.end(0, reach.reached, reach.started);
    recordWrite(job, request, outcome, reach);
    return exitCodeOf(outcome.ending(watch.requested()));
}

int runOnPorts(const QList<PortJob> &jobs, const UpdateRequest &request)
{
    InterruptWatch watch;
    QStringList names;
    for (const PortJob &job : jobs)
        names.append(QStringLiteral("%1 (%2)").arg(job.name, job.device));
    ProgressBoard board(names, ProgressBoard::stderrIsTerminal());
    QList<UpdateOutcome> outcomes(jobs.size());
    std::vector<PortReach> reaches(size_t(jobs.size()));
    QStringList devices;
    for (const PortJob &job : jobs)
        devices.append(job.device);
    UnfinishedMarks marks(request.settings, devices);
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
            outcomes[i] = runOnPort(
                jobs.at(i), request, tell,
                [&board, i](const QString &line) { board.show(i, line); }, &watch,
                &reaches[size_t(i)]);
            ms[i] = clock.elapsed();
        },
        [&](int i) {
            marks.end(i, reaches[size_t(i)].reached, reaches[size_t(i)].started);
            recordWrite(jobs.at(i), request, outcomes.at(i), reaches[size_t(i)]);
            codes[i] = exitCodeOf(outcomes.at(i).ending(watch.requested()));
            const QString seconds = QString::number(double(ms.at(i)) / 1000.0, 'f', 1);
            const QString ending =
                outcomes.at(i).ok() ? UpdateRunTexts::tr("done in %1 s").arg(seconds)
                                    : UpdateRunTexts::tr("%1 after %2 s (exit code %3)")
                                          .arg(last.at(i), seconds, QString::number(codes.at(i)));
            board.show(i, ending);
            std::printf("%s\n", qPrintable(QStringLiteral("%1: %2").arg(names.at(i), ending)));
            std::fflush(stdout);
        });
    return worstExitCode(codes);
}

}  // namespace plc
