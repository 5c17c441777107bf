#include "file_commands.h"

#include "config_file.h"
#include "console.h"
#include "csv_table.h"
#include "failure.h"
#include "project_transfer.h"
#include "request_check.h"
#include "sensor_check.h"

#include <QCoreApplication>
#include <QFile>

namespace plc {

namespace {

// The texts of the file commands, for the translator.
struct FileCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::FileCommands)
};

const CsvTable &csvTableOf(ProjectPart part)
{
    return part == ProjectPart::OneWire ? sensorCsvTable() : requestCsvTable();
}

QList<QStringList> &tableRows(WindowConfig &config, ProjectPart part)
{
    if (part == ProjectPart::OneWire)
        return config.sensors;
    return config.uarts[part == ProjectPart::Uart2 ? 1 : 0].requests;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(FileCommandTexts::tr("Cannot open %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

}  // namespace

Project readCommandFile(Console &console, const QString &path)
{
    QStringList ignored;
    Project project = readAnyConfigFile(path, &ignored);
    if (!ignored.isEmpty())
        console.note(FileCommandTexts::tr("%1: keys this program does not know are ignored: %2")
                         .arg(path, ignored.join(QStringLiteral(", "))));
    return project;
}

void runCsv(Console &console, const QString &file, const QString &part, const QString &csvFile)
{
    const ProjectPart table = partOfKey(part).value_or(ProjectPart::Uart1);
    const bool isProject = isProjectFileName(file);
    ConfigRecord record;
    Project project;
    if (isProject) {
        project = readCommandFile(console, file);
    } else {
        record = readConfigFile(file);
        project.config = record.spread(startUpWindowConfig());
    }
    QList<QStringList> &rows = tableRows(project.config, table);
    if (csvFile.isEmpty()) {
        console.resultBytes(tableToCsv(csvTableOf(table), rows));
        return;
    }
    rows = tableFromCsv(csvTableOf(table), readFile(csvFile));
    if (isProject) {
        writeAnyConfigFile(file, project);
    } else {
        record.gather(project.config);
        writeConfigFile(file, record);
    }
    console.result(
        FileCommandTexts::tr("%1: %2 rows imported into %3").arg(part).arg(rows.size()).arg(file));
}

void runConvert(Console &console, const QString &in, const QString &out)
{
    if (!isProjectFileName(in) && !isProjectFileName(out)) {
        writeConfigFile(out, readConfigFile(in));
    } else {
        const Project project = readCommandFile(console, in);
        writeAnyConfigFile(out, project);
        if (!isProjectFileName(out)) {
            for (const QString &lost : partsLostInConfigFile(project))
                console.note(lost);
        }
    }
    console.result(FileCommandTexts::tr("saved %1").arg(out));
}

}  // namespace plc
