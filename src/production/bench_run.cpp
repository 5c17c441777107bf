#include "bench_run.h"

#include "commands.h"
#include "console.h"
#include "history_command.h"
#include "link_action.h"
#include "multi_port.h"
#include "plc_link.h"
#include "ports_in_use.h"
#include "progress.h"
#include "service_transfer.h"
#include "stop_switch.h"
#include "update_program.h"
#include "write_record.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>

namespace plc {

namespace {

// The texts of a port's run, for the translator.
struct BenchRunTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::BenchRun)
};

// A step as the window shows it; the reports keep its name (benchStepName).
QString shownStep(const QString &step)
{
    return BenchRunTexts::tr(step.toLatin1().constData());
}
// The new firmware starts up before it answers.
constexpr int kFirmwareStartMs = 500;

// The progress of a whole run from the transfers' progress of each step: steps weigh alike, and
// within a step each part a transfer opens its progress for.
class BenchProgress : public ProgressDisplay {
public:
    BenchProgress(BenchWatch &watch, ConsoleProgress &lines, int steps)
        : m_watch(watch), m_lines(lines), m_steps(qMax(1, steps))
    {
    }

    void beginStep(int step, int parts)
    {
        m_step = step;
        m_parts = qMax(1, parts);
        m_opened = 0;
        show(0);
    }
    void end() { m_watch.percentChanged(100); }

    void open() override { ++m_opened; }
    void setPercent(int percent) override
    {
        show(((qMax(1, m_opened) - 1) * 100 + percent) / m_parts);
    }
    void close() override {}
    // The console's line ("uart1: 5/16") names the part and the piece.
    void pieceDone(int piece, int pieces) override { m_lines.pieceDone(piece, pieces); }

private:
    void show(int stepPercent)
    {
        m_watch.percentChanged((m_step * 100 + qBound(0, stepPercent, 100)) / m_steps);
    }

    BenchWatch &m_watch;
    ConsoleProgress &m_lines;
    int m_steps;
    int m_step = 0;
    int m_parts = 1;
    int m_opened = 0;
};

// One port's run: its link, the command line's surroundings for the commands, and the steps.
class BenchRun {
public:
    BenchRun(const PortSetup &port, const BenchPlan &plan, StopSwitch &stop, BenchWatch &watch)
        : m_plan(plan),
          m_stop(stop),
          m_watch(watch),
          m_console([this](const QString &text) { m_result.messages.append(text); },
                    [this](const QString &line) {
                        m_watch.stepChanged(shownStep(m_step) + QLatin1Char(' ') + line);
                    }),
          m_prompts(m_console),
          m_lines(m_console),
          m_progress(watch, m_lines, int(plan.steps.size())),
          m_ctx{m_link, m_prompts, m_progress},
          m_env{m_console, m_prompts, m_lines, m_ctx}
    {
        m_link.setPort(port);
        m_link.setStopFlag(&stop.flag());
    }

    BenchResult run()
    {
        QElapsedTimer clock;
        clock.start();
        const PortSetup &port = m_link.port();
        // Who a port the bench holds is named as, to whoever else wants it.
        const QString holder = PortsInUse::instance().claim(
            port.device, &m_link, BenchRunTexts::tr("the production window"));
        if (holder.isEmpty()) {
            if (readCpuType() && runSteps()) {
                m_result.passed = true;
                m_result.text = passedText();
                m_progress.end();
            }
            PortsInUse::instance().release(port.device, &m_link);
        } else {
            m_result.text = portInUseText(port, holder);
        }
        m_result.ms = clock.elapsed();
        return m_result;
    }

private:
    bool readCpuType()
    {
        m_step = QStringLiteral(QT_TRANSLATE_NOOP("plc::BenchRun", "CPU type"));
        m_watch.stepChanged(shownStep(m_step));
        const PortRun test = runTest(m_env);
        if (!ended(test, false))
            return false;
        m_result.cpuType = test.json.toObject().value(QStringLiteral("cpuType")).toString();
        m_watch.cpuTypeRead(m_result.cpuType);
        return true;
    }

    bool runSteps()
    {
        for (int i = 0; i < m_plan.steps.size(); ++i) {
            const BenchStep step = m_plan.steps.at(i);
            m_step = benchStepName(step);
            m_watch.stepChanged(shownStep(m_step));
            const bool byParts = step == BenchStep::Download || step == BenchStep::Verify;
            m_progress.beginStep(i, byParts ? int(m_plan.parts.size()) : 1);
            if (!ended(runStep(step), step == BenchStep::FirmwareUpdate))
                return false;
            m_result.stepsDone.append(m_step);
        }
        m_watch.stepChanged(BenchRunTexts::tr("done"));
        return true;
    }

    PortRun runStep(BenchStep step)
    {
        switch (step) {
            case BenchStep::FirmwareUpdate:
                return updateFirmware();
            case BenchStep::Download:
                // In the history as the command line's download of the same file.
                return recordDownload(m_env, m_plan.file, true, m_plan.parts,
                                      runDownload(m_env, m_plan.project, m_plan.parts));
            case BenchStep::Verify:
                return runVerify(m_env, m_plan.project, m_plan.parts);
            case BenchStep::Restart:
                break;
        }
        PortRun restart;
        restart.end(restartPlc(m_ctx));  // the console's prompts ask nothing
        recordActionOutcome(QStringLiteral("restart"), m_link.port(), QString(), restart.outcome,
                            cpuTypeNumber());
        return restart;
    }

    PortRun updateFirmware()
    {
        PortRun update;
        update.end(runUpdateProgram(m_plan.updaters, m_link.port(), m_plan.image, m_plan.loaderLine,
                                    m_stop, [this](const QString &line) {
                                        m_watch.stepChanged(shownStep(m_step) +
                                                            QStringLiteral(": ") + line);
                                    }));
        if (update.outcome.done())
            Pause(kFirmwareStartMs);
        return update;
    }

    std::optional<int> cpuTypeNumber() const
    {
        bool ok = false;
        const int number = m_result.cpuType.toInt(&ok);
        return ok ? std::optional(number) : std::nullopt;
    }

    // Takes how a step ended: true when the run goes on. A stop raised meanwhile ends the run
    // even after a step that was done. ownText: the step's own words tell a stop too.
    bool ended(PortRun run, bool ownText)
    {
        run.takeCtrlC(m_stop.isRaised());
        if (run.outcome.done() && !run.differs && !m_stop.isRaised())
            return true;
        m_result.partial = leftPartial(run);
        m_result.text = endText(run, ownText);
        if (m_result.partial)
            m_result.text += BenchRunTexts::tr(", left with a partial download");
        m_result.messages += run.lines;
        return false;
    }

    QString endText(const PortRun &run, bool ownText) const
    {
        const Outcome &outcome = run.outcome;
        if (m_stop.isRaised() && (!ownText || outcome.message.isEmpty()))
            return BenchRunTexts::tr("cancelled");
        if (outcome.done())
            return run.summary;  // verify: "2 differences"
        if (outcome.kind == Outcome::Kind::PortNotOpened && !outcome.detail.isEmpty())
            return outcome.detail;  // which port and why, where the message says less
        return outcome.message.isEmpty() ? outcome.detail : outcome.message;
    }

    const BenchPlan &m_plan;
    StopSwitch &m_stop;
    BenchWatch &m_watch;
    BenchResult m_result;
    QString m_step;
    PlcLink m_link;
    Console m_console;
    ConsolePrompts m_prompts;
    ConsoleProgress m_lines;
    BenchProgress m_progress;
    TransferContext m_ctx;
    CommandEnv m_env;
};

}  // namespace

QString passedText()
{
    return BenchRunTexts::tr("passed");
}

QString benchStepName(BenchStep step)
{
    switch (step) {
        case BenchStep::FirmwareUpdate:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::BenchRun", "firmware update"));
        case BenchStep::Download:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::BenchRun", "download"));
        case BenchStep::Verify:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::BenchRun", "verify"));
        case BenchStep::Restart:
            break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP("plc::BenchRun", "restart"));
}

BenchResult runBenchPort(const PortSetup &port, const BenchPlan &plan, StopSwitch &stop,
                         BenchWatch &watch)
{
    return BenchRun(port, plan, stop, watch).run();
}

}  // namespace plc
