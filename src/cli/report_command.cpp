#include "report_command.h"

#include "console.h"
#include "exit_code.h"
#include "file_commands.h"
#include "multi_port.h"
#include "report_document.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace plc {

namespace {

// The texts of the report command, for the translator.
struct ReportCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ReportCommand)
};

}  // namespace

PortRun readControllerFindings(Console &console, const PortSetup &port, const Project &file,
                               const ProjectParts &parts, const std::atomic<bool> &stop,
                               ControllerFindings *found)
{
    return runOnPort(console, port, stop, [&](CommandEnv &env, int) {
        const PortRun test = runTest(env);
        if (!test.outcome.done())
            return test;
        PortRun verify = runVerify(env, file, parts);
        if (verify.outcome.done()) {
            const QString cpuType =
                test.json.toObject().value(QStringLiteral("cpuType")).toString();
            *found = {portLabel(port), cpuType, verify.differs ? verify.lines : QStringList()};
        }
        return verify;
    });
}

int runReport(Console &console, const QString &file, const std::optional<PortSetup> &port,
              const QString &out, const std::atomic<bool> &stop)
{
    CommissioningReport report = fileReport(file, readCommandFile(console, file));
    if (port) {
        ControllerFindings found;
        const PortRun run =
            readControllerFindings(console, *port, report.project, partsOfFile(file), stop, &found);
        if (!run.outcome.done())
            return run.code();
        report.controller = found;
    }
    writeReportPdf(report, out);
    console.result(ReportCommandTexts::tr("saved %1").arg(out));
    return exitCodeOf({Outcome::Kind::Done});
}

}  // namespace plc
