#include "history_command.h"

#include "console.h"
#include "exit_code.h"
#include "history_file.h"
#include "history_filter.h"
#include "link_action.h"
#include "multi_port.h"
#include "plc_link.h"
#include "write_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plc {

namespace {

// The texts of the history command, for the translator.
struct HistoryCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::HistoryCommand)
};

}  // namespace

int runHistory(Console &console, bool json, const std::optional<QString> &since)
{
    HistoryFilter filter;
    if (since) {
        const std::optional<QDateTime> time = parseSince(*since);
        if (!time)
            throw Failure(
                HistoryCommandTexts::tr("--since %1: not an ISO 8601 date (2025-03-01) or "
                                        "date-time (2025-03-01T08:15).\nTry plc-config "
                                        "--help.")
                    .arg(*since));
        filter.since = *time;
    }
    const QString path = historyFilePath();
    const QList<HistoryLine> lines = filteredHistory(HistoryFile(path).read(), filter);
    if (lines.isEmpty())
        console.note(HistoryCommandTexts::tr("No write recorded in %1.")
                         .arg(QDir::toNativeSeparators(path)));
    if (json) {
        for (const HistoryLine &line : lines)
            console.resultBytes(line.text + '\n');
        return exitCodeOf({Outcome::Kind::Done});
    }
    QList<QStringList> rows;
    for (const HistoryLine &line : lines) {
        const HistoryEntry &entry = line.entry;
        rows.append({entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     portLabel({entry.portNumber, entry.device, {}}), entry.action,
                     entry.file.isNull() ? QStringLiteral("-") : entry.file, entry.resultText()});
    }
    for (const QString &row : textTable(rows))
        console.result(row);
    return exitCodeOf({Outcome::Kind::Done});
}

PortRun recordDownload(const CommandEnv &env, const QString &file, bool allParts,
                       const ProjectParts &parts, const PortRun &run)
{
    Outcome outcome = run.outcome;
    outcome.written.sent = run.sent;
    if (!reachedPort(outcome))
        return run;
    QStringList keys;
    for (ProjectPart part : parts)
        keys.append(partKey(part));
    const QString action = allParts ? QStringLiteral("download")
                                    : QStringLiteral("download ") + keys.join(QLatin1Char(','));
    HistoryEntry entry = newHistoryEntry(action, env.ctx.link.port());
    entry.file = QFileInfo(file).absoluteFilePath();
    takeSent(entry, run.sent);
    takeOutcome(entry, run.outcome, leftPartial(run));
    recordWrite(entry);
    return run;
}

}  // namespace plc
