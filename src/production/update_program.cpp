#include "update_program.h"

#include "stop_switch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace plc {

namespace {

// The program's exit codes besides 0: what each means in the tool's terms.
Outcome::Kind kindOfExit(int code)
{
    switch (code) {
        case 1:
            return Outcome::Kind::Refused;
        case 3:
            return Outcome::Kind::PortNotOpened;
        case 130:
            return Outcome::Kind::Cancelled;
        default:
            return Outcome::Kind::Failed;
    }
}

// Stops the program at its next block, as Ctrl-C in a shell does.
void interrupt(QProcess &process)
{
#ifdef Q_OS_UNIX
    if (process.processId() > 0)
        ::kill(pid_t(process.processId()), SIGINT);
#else
    process.terminate();
#endif
}

// Its lines without the name each starts with.
QString lineText(QByteArray line)
{
    const QByteArray prefix = "plc-update: ";
    if (line.startsWith(prefix))
        line.remove(0, prefix.size());
    return QString::fromLocal8Bit(line.trimmed());
}

}  // namespace

Outcome runUpdateProgram(const QStringList &candidates, const PortSetup &port, const QString &image,
                         const QString &loaderLine, StopSwitch &stop,
                         const std::function<void(const QString &line)> &progress)
{
    const auto found = std::find_if(candidates.begin(), candidates.end(), [](const QString &path) {
        return QFileInfo(path).isExecutable() && QFileInfo(path).isFile();
    });
    if (found == candidates.end())
        return {
            Outcome::Kind::Failed,
            QCoreApplication::translate("plc::UpdateProgram",
                                        "The firmware update program %1 is missing or cannot "
                                        "be run")
                .arg(candidates.join(QCoreApplication::translate("plc::UpdateProgram", " or "))),
            {},
            {},
            -1};

    QProcess process;
    QEventLoop loop;
    QByteArray pending;
    QString last;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
        pending += process.readAllStandardError();
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = lineText(pending.left(end));
            pending.remove(0, end + 1);
            if (line.isEmpty())
                continue;
            last = line;
            progress(line);
        }
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failedToStart = true;
        loop.quit();
    });
    QObject::connect(&stop, &StopSwitch::raised, &process, [&process] { interrupt(process); });
    // The controller is switched with the line settings the rest of the run uses.
    QStringList arguments{QStringLiteral("--switch"), QStringLiteral("--port"), port.device};
    if (!port.line.text().isEmpty())
        arguments << QStringLiteral("--plc-line") << port.line.text();
    if (!loaderLine.isEmpty())
        arguments << QStringLiteral("--line") << loaderLine;
    process.start(*found, arguments << image);
    if (!failedToStart && process.state() != QProcess::NotRunning) {
        if (stop.isRaised())  // raised before the connection above could see it
            interrupt(process);
        loop.exec();
    }
    if (!pending.trimmed().isEmpty())
        last = lineText(pending);

    if (failedToStart || process.exitStatus() != QProcess::NormalExit) {
        const Outcome::Kind kind =
            stop.isRaised() ? Outcome::Kind::Cancelled : Outcome::Kind::Failed;
        return {kind,
                QCoreApplication::translate("plc::UpdateProgram",
                                            "The firmware update program %1 did not run to its "
                                            "end: %2")
                    .arg(*found, process.errorString()),
                {},
                {},
                -1};
    }
    if (process.exitCode() == 0)
        return Outcome();
    return {kindOfExit(process.exitCode()), last, {}, {}, -1};
}

}  // namespace plc
