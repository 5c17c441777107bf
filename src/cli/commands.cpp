#include "commands.h"

#include "buffer_reader.h"
#include "connection_test.h"
#include "console.h"
#include "exit_code.h"
#include "link_action.h"
#include "plc_link.h"
#include "project_compare.h"
#include "project_names.h"
#include "shown_words.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <functional>

namespace plc {

namespace {

// The texts of the commands, for the translator.
struct CommandsTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::Commands)
};

// Runs one part as its button would, its messages on standard error, and takes how it ended:
// a part that fails is where the run stopped. True when it is done.
bool runPart(CommandEnv &env, PortRun &run, const QString &part,
             const std::function<Outcome()> &action)
{
    env.progress.setLabel(part);
    run.end(report(env.ctx, QString(), action()));
    if (!run.outcome.done()) {
        run.part = part;
        return false;
    }
    run.partsDone.append(part);
    return true;
}

// A part as the command line names it: "uart1", "iomap".
bool runPart(CommandEnv &env, PortRun &run, ProjectPart part,
             const std::function<Outcome()> &action)
{
    return runPart(env, run, partKey(part), action);
}

// The error buffers: the name a result goes by, the table's caption and heading line.
struct BufferPart {
    QString name;
    const ErrorBuffer *buffer;
    QString caption;
    QString headings;
};

QList<BufferPart> bufferParts()
{
    return {{partKey(ProjectPart::Uart1), &ErrorBuffer::uart1(), uart1BufferCaption(),
             kModbusErrorHeadings},
            {partKey(ProjectPart::Uart2), &ErrorBuffer::uart2(), uart2BufferCaption(),
             kModbusErrorHeadings},
            {partKey(ProjectPart::OneWire), &ErrorBuffer::oneWire(), oneWireBufferCaption(),
             kOneWireErrorHeadings}};
}

QJsonValue bufferJson(const BufferRecords &records)
{
    if (!records)
        return QJsonValue::Null;  // the buffer is not kept
    QJsonArray rows;
    for (int i = 0; i < records->size(); ++i) {
        rows.append(QJsonObject{{QStringLiteral("number"), i + 1},
                                {QStringLiteral("type"), records->at(i).state},
                                {QStringLiteral("description"), records->at(i).description}});
    }
    return rows;
}

}  // namespace

QStringList textTable(const QList<QStringList> &rows)
{
    QList<int> widths;
    for (const QStringList &row : rows) {
        for (int col = 0; col < row.size(); ++col) {
            if (widths.size() <= col)
                widths.append(0);
            widths[col] = qMax(widths.at(col), int(row.at(col).size()));
        }
    }
    QStringList lines;
    for (const QStringList &row : rows) {
        QString line;
        for (int col = 0; col < row.size(); ++col) {
            const bool last = col == row.size() - 1;
            line += last ? row.at(col) : row.at(col).leftJustified(widths.at(col)) + " | ";
        }
        lines.append(line);
    }
    return lines;
}

namespace {

QStringList bufferText(const BufferPart &part, const BufferRecords &records)
{
    QStringList lines{part.caption};
    if (!records) {
        lines.append(CommandsTexts::tr("(not kept: the port is not a Modbus master)"));
        return lines;
    }
    QList<QStringList> rows{{}};
    for (const QString &heading : part.headings.split(QLatin1Char('|')))
        rows.first().append(shownHeading(heading.trimmed()));
    for (int i = 0; i < records->size(); ++i) {
        const ErrorRow shown = shownErrorRow(records->at(i));
        rows.append({QString::number(i + 1), shown.state, shown.description});
    }
    return lines + textTable(rows);
}

}  // namespace

Project startUpProject()
{
    Project project;
    project.config = startUpWindowConfig();
    return project;
}

ProjectParts partsOfFile(const QString &path)
{
    if (isProjectFileName(path))
        return allProjectParts();
    return {ProjectPart::Uart1, ProjectPart::Uart2, ProjectPart::OneWire};
}

QList<Difference> differencesIn(Project left, Project right, const ProjectParts &parts,
                                Compared compared)
{
    if (!parts.contains(ProjectPart::IoMap)) {  // a configuration file has no place for them
        right.fieldNet = left.fieldNet;
        right.config.uarts[1].bits = left.config.uarts[1].bits;
        right.config.uarts[1].stop = left.config.uarts[1].stop;
    }
    return projectDifferences(left, right, parts, compared);
}

void PortRun::end(const Outcome &how)
{
    outcome = how;
    sent += how.written.sent;
}

void PortRun::takeCtrlC(bool raised)
{
    interrupted = raised && outcome.kind == Outcome::Kind::Cancelled;
}

void PortRun::takeDifferences(const QStringList &differences)
{
    differs = !differences.isEmpty();
    lines = differences;
    if (differs) {
        summary = differences.size() == 1
                      ? CommandsTexts::tr("1 difference")
                      : CommandsTexts::tr("%1 differences").arg(differences.size());
    } else {
        summary = CommandsTexts::tr("equal");
        lines.append(summary);
    }
}

int PortRun::code() const
{
    return exitCodeOf({outcome.kind, differs, interrupted});
}

PortRun runTest(CommandEnv &env)
{
    PortRun run;
    const Outcome test = testConnection(env.ctx.link);
    env.prompts.message(nullptr, test.message);
    if (test.kind == Outcome::Kind::PortNotOpened)
        env.console.note(test.detail);
    run.end(test);
    if (run.outcome.done()) {
        run.lines.append(test.detail);
        run.json = QJsonObject{{QStringLiteral("cpuType"), test.detail.section(u' ', -1)}};
    }
    return run;
}

PortRun runDownload(CommandEnv &env, const Project &project, const ProjectParts &parts)
{
    PortRun run;
    run.writes = true;
    for (ProjectPart part : allProjectParts()) {
        if (!parts.contains(part))
            continue;
        const auto write = [&] {
            return runOnLink(env.ctx.link,
                             [&] { return writeProjectPart(env.ctx, project, part); });
        };
        if (!runPart(env, run, part, write))
            break;
        run.lines.append(CommandsTexts::tr("%1: written").arg(partKey(part)));
    }
    run.json = QJsonObject{{QStringLiteral("written"), QJsonArray::fromStringList(run.partsDone)}};
    return run;
}

PortRun runRead(CommandEnv &env, const Project &base, const ProjectParts &parts, Project *read)
{
    PortRun run;
    Project project = base;
    for (ProjectPart part : parts) {
        const auto readPart = [&] {
            return runOnLink(env.ctx.link, [&] {
                readProjectPart(env.ctx, project, part);
                return Outcome();
            });
        };
        if (!runPart(env, run, part, readPart))
            return run;
        run.lines.append(CommandsTexts::tr("%1: read").arg(partKey(part)));
    }
    *read = project;
    return run;
}

PortRun runUpload(CommandEnv &env, const Project &base, const QString &file)
{
    Project project;
    const ProjectParts parts = partsOfFile(file);
    PortRun run = runRead(env, base, parts, &project);
    if (!run.outcome.done())
        return run;
    if (isProjectFileName(file)) {
        const QString named = namesKeptText(keepProjectNames(base, project, parts));
        if (!named.isEmpty())
            env.console.note(QStringLiteral("%1: %2").arg(file, named));
    }
    try {
        writeAnyConfigFile(file, project);
    } catch (const Failure &f) {
        run.end(report(env.ctx, QString(), Outcome::of(f)));
        return run;
    }
    run.lines.append(CommandsTexts::tr("saved %1").arg(file));
    run.json = QJsonObject{{QStringLiteral("file"), file}};
    return run;
}

PortRun runBuffers(CommandEnv &env)
{
    PortRun run;
    const QList<BufferPart> parts = bufferParts();
    QList<BufferRecords> read;
    for (const BufferPart &part : parts) {
        const bool done = runPart(env, run, part.name, [&] {
            const Result<BufferRecords> records = readErrorBuffer(env.ctx, *part.buffer);
            read.append(records.value);
            return records.outcome;
        });
        if (!done)
            return run;
    }
    QJsonObject all;
    QStringList lines;
    for (int i = 0; i < parts.size(); ++i) {
        all.insert(parts.at(i).name, bufferJson(read.at(i)));
        if (i > 0)
            lines.append(QString());
        lines += bufferText(parts.at(i), read.at(i));
    }
    run.json = all;
    run.lines = QStringList{lines.join(QLatin1Char('\n'))};
    return run;
}

PortRun runVerify(CommandEnv &env, const Project &file, const ProjectParts &parts)
{
    Project held;  // what the controller does not hold stays as in the file
    PortRun run = runRead(env, file, parts, &held);
    run.lines.clear();
    if (!run.outcome.done())
        return run;
    const QStringList lines =
        differenceLines(differencesIn(file, held, parts), CommandsTexts::tr("file"),
                        CommandsTexts::tr("controller"));
    run.json = QJsonObject{{QStringLiteral("differences"), QJsonArray::fromStringList(lines)}};
    run.takeDifferences(lines);
    return run;
}

}  // namespace plc
