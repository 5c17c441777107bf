#include "csv_menu.h"

#include "csv_table.h"
#include "failure.h"
#include "grid_model.h"
#include "grid_view.h"
#include "prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace plc {

namespace {

// The texts of the CSV entries, for the translator.
struct CsvMenuTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::CsvMenu)
};

CsvFolders &csvFolders()
{
    static CsvFolders folders;
    return folders;
}

QString startFolder()
{
    return csvFolders().start ? csvFolders().start() : QString();
}

void folderChosen(const QString &path)
{
    if (csvFolders().chosen)
        csvFolders().chosen(path);
}

// "UART 1 requests: 9 rows exported to /tmp/x.csv"; "...: nothing imported from ..." when the
// file was not read or refused.
enum class Done { Exported, Imported };

void noteRows(const CsvNotes &notes, int rows, Done done, const QString &path)
{
    if (!notes.note)
        return;
    const QString count = rows < 0    ? CsvMenuTexts::tr("nothing")
                          : rows == 1 ? CsvMenuTexts::tr("1 row")
                                      : CsvMenuTexts::tr("%1 rows").arg(rows);
    const QString text = done == Done::Exported ? CsvMenuTexts::tr("%1: %2 exported to %3")
                                                : CsvMenuTexts::tr("%1: %2 imported from %3");
    notes.note(text.arg(notes.tableName, count, QDir::toNativeSeparators(path)));
}

void exportTable(GridFrame &frame, Prompts &prompts, const CsvTable &table, const CsvNotes &notes)
{
    QString path = prompts.saveFileName(&frame, CsvMenuTexts::tr("Export CSV"), startFolder(),
                                        csvFilter(), kCsvSuffix);
    if (path.isEmpty())
        return;
    folderChosen(path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kCsvSuffix;
    const QList<QStringList> rows = frame.view().gridModel().dataRows();
    const QByteArray csv = tableToCsv(table, rows);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        noteRows(notes, -1, Done::Exported, path);
        prompts.message(&frame,
                        CsvMenuTexts::tr("Cannot write %1: %2").arg(path, file.errorString()));
        return;
    }
    noteRows(notes, int(rows.size()), Done::Exported, path);
}

void importTable(GridFrame &frame, Prompts &prompts, const CsvTable &table, const CsvNotes &notes,
                 const std::function<void(const QList<QStringList> &)> &imported)
{
    const QString path =
        prompts.openFileName(&frame, CsvMenuTexts::tr("Import CSV"), startFolder(), csvFilter());
    if (path.isEmpty())
        return;
    folderChosen(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        noteRows(notes, -1, Done::Imported, path);
        prompts.message(&frame,
                        CsvMenuTexts::tr("Cannot open %1: %2").arg(path, file.errorString()));
        return;
    }
    QList<QStringList> rows;
    try {
        rows = tableFromCsv(table, file.readAll());
    } catch (const Failure &f) {
        noteRows(notes, -1, Done::Imported, path);
        prompts.message(&frame, f.description());
        return;
    }
    imported(rows);
    noteRows(notes, int(rows.size()), Done::Imported, path);
}

}  // namespace

void setCsvFolders(CsvFolders folders)
{
    csvFolders() = std::move(folders);
}

void addCsvMenu(GridFrame &frame, Prompts &prompts, const CsvTable &table, CsvNotes notes,
                std::function<void(const QList<QStringList> &rows)> imported)
{
    auto *exportAction = new QAction(CsvMenuTexts::tr("Export CSV..."), &frame);
    exportAction->setObjectName(QStringLiteral("exportCsv"));
    auto *importAction = new QAction(CsvMenuTexts::tr("Import CSV..."), &frame);
    importAction->setObjectName(QStringLiteral("importCsv"));
    QObject::connect(exportAction, &QAction::triggered, &frame, [&frame, &prompts, &table, notes] {
        exportTable(frame, prompts, table, notes);
    });
    QObject::connect(importAction, &QAction::triggered, &frame,
                     [&frame, &prompts, &table, notes, imported = std::move(imported)] {
                         importTable(frame, prompts, table, notes, imported);
                     });
    frame.addAction(exportAction);
    frame.addAction(importAction);
    frame.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace plc
