#include "commands.h"

#include "aux_transfer.h"
#include "buffer_reader.h"
#include "config_file.h"
#include "connection_test.h"
#include "console.h"
#include "csv_table.h"
#include "exit_code.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_transfer.h"
#include "project_compare.h"
#include "request_check.h"
#include "sensor_check.h"
#include "uart_port.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <functional>
#include <optional>

namespace plc {

namespace {

const QString kUart1 = QStringLiteral("uart1");
const QString kUart2 = QStringLiteral("uart2");
const QString kOneWire = QStringLiteral("onewire");

const UartPort &uartOf(const QString &part)
{
    return part == kUart2 ? UartPort::uart2() : UartPort::uart1();
}

UartTabState &uartState(WindowConfig &config, const QString &part)
{
    return config.uarts.at(part == kUart2 ? 1 : 0);
}

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

Outcome downloadPart(CommandEnv &env, const WindowConfig &config, const QString &part)
{
    if (part == kOneWire) {
        const OneWireTabState state{{AuxMode(config.auxMode), FieldNetSettings()}, config.sensors};
        return downloadAuxConfig(env.ctx, state);
    }
    const UartTabState &state = config.uarts.at(part == kUart2 ? 1 : 0);
    return downloadPortConfig(env.ctx, uartOf(part), state.settings, state.requests);
}

// Reads a part back into config, as the tab shows an upload.
Outcome uploadPart(CommandEnv &env, WindowConfig &config, const QString &part)
{
    if (part == kOneWire) {
        const Result<AuxConfigUpload> upload = uploadAuxConfig(env.ctx);
        if (upload.done()) {
            AuxSettings settings{AuxMode(config.auxMode), FieldNetSettings()};
            applyAuxUpload(upload.value, settings);
            config.auxMode = int(settings.mode);
            config.sensors = upload.value.sensors;
        }
        return upload.outcome;
    }
    const Result<PortConfigUpload> upload = uploadPortConfig(env.ctx, uartOf(part));
    if (upload.done()) {
        UartTabState &state = uartState(config, part);
        if (applyPortUpload(upload.value, state.settings)) {
            state.requests.clear();
            for (const ModbusRequest &request : upload.value.requests)
                state.requests.append(requestCells(request));
        }
    }
    return upload.outcome;
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
    return {{kUart1, &ErrorBuffer::uart1(), kUart1BufferCaption, kModbusErrorHeadings},
            {kUart2, &ErrorBuffer::uart2(), kUart2BufferCaption, kModbusErrorHeadings},
            {kOneWire, &ErrorBuffer::oneWire(), kOneWireBufferCaption, kOneWireErrorHeadings}};
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
        lines.append(QStringLiteral("(not kept: the port is not a Modbus master)"));
        return lines;
    }
    QList<QStringList> rows{{}};
    for (const QString &heading : part.headings.split(QLatin1Char('|')))
        rows.first().append(heading.trimmed());
    for (int i = 0; i < records->size(); ++i)
        rows.append({QString::number(i + 1), records->at(i).state, records->at(i).description});
    return lines + textTable(rows);
}

const CsvTable &csvTableOf(const QString &part)
{
    return part == kOneWire ? sensorCsvTable() : requestCsvTable();
}

QList<QStringList> &tableRows(WindowConfig &config, const QString &part)
{
    return part == kOneWire ? config.sensors : uartState(config, part).requests;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

}  // namespace

const QStringList &configParts()
{
    static const QStringList parts = {kUart1, kUart2, kOneWire};
    return parts;
}

void PortRun::end(const Outcome &how)
{
    outcome = how;
}

void PortRun::takeCtrlC(bool raised)
{
    interrupted = raised && outcome.kind == Outcome::Kind::Cancelled;
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

PortRun runDownload(CommandEnv &env, const WindowConfig &config, const QStringList &parts)
{
    PortRun run;
    run.writes = true;
    for (const QString &part : configParts()) {
        if (!parts.contains(part))
            continue;
        if (!runPart(env, run, part, [&] { return downloadPart(env, config, part); }))
            break;
        run.lines.append(part + QStringLiteral(": written"));
    }
    run.json = QJsonObject{{QStringLiteral("written"), QJsonArray::fromStringList(run.partsDone)}};
    return run;
}

namespace {

// Reads every part into config; stops at the first that fails.
void uploadAll(CommandEnv &env, WindowConfig &config, PortRun &run)
{
    for (const QString &part : configParts()) {
        if (!runPart(env, run, part, [&] { return uploadPart(env, config, part); }))
            return;
        run.lines.append(part + QStringLiteral(": read"));
    }
}

}  // namespace

PortRun runUpload(CommandEnv &env, const WindowConfig &startUp, const QString &file)
{
    PortRun run;
    WindowConfig config = startUp;
    uploadAll(env, config, run);
    if (!run.outcome.done())
        return run;
    try {
        ConfigRecord record;
        record.gather(config);
        writeConfigFile(file, record);
    } catch (const Failure &f) {
        run.end(report(env.ctx, QString(), Outcome::of(f)));
        return run;
    }
    run.lines.append(QStringLiteral("saved ") + file);
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

PortRun runVerify(CommandEnv &env, const WindowConfig &fileConfig)
{
    PortRun run;
    WindowConfig held = fileConfig;  // what the controller does not hold stays as in the file
    uploadAll(env, held, run);
    run.lines.clear();
    if (!run.outcome.done())
        return run;
    Project file;
    file.config = fileConfig;
    Project controller;
    controller.config = held;
    run.lines = differenceLines(
        projectDifferences(file, controller,
                           {ProjectPart::Uart1, ProjectPart::Uart2, ProjectPart::OneWire}),
        QStringLiteral("file"), QStringLiteral("controller"));
    run.json = QJsonObject{{QStringLiteral("differences"), QJsonArray::fromStringList(run.lines)}};
    if (run.lines.isEmpty()) {
        run.summary = QStringLiteral("equal");
        run.lines.append(run.summary);
    } else {
        run.differs = true;
        run.summary = QStringLiteral("%1 difference%2")
                          .arg(run.lines.size())
                          .arg(run.lines.size() == 1 ? "" : "s");
    }
    return run;
}

void runCsv(Console &console, const QString &file, const QString &part, const QString &csvFile)
{
    ConfigRecord record = readConfigFile(file);
    WindowConfig config = record.spread(startUpWindowConfig());
    QList<QStringList> &rows = tableRows(config, part);
    if (csvFile.isEmpty()) {
        console.resultBytes(tableToCsv(csvTableOf(part), rows));
        return;
    }
    rows = tableFromCsv(csvTableOf(part), readFile(csvFile));
    record.gather(config);
    writeConfigFile(file, record);
    console.result(
        QStringLiteral("%1: %2 rows imported into %3").arg(part).arg(rows.size()).arg(file));
}

}  // namespace plc
