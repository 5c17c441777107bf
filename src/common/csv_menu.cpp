#include "csv_menu.h"

#include "csv_table.h"
#include "failure.h"
#include "grid_model.h"
#include "grid_view.h"
#include "prompts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace plc {

namespace {

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
void noteRows(const CsvNotes &notes, int rows, const QString &done, const QString &path)
{
    if (!notes.note)
        return;
    const QString count = rows < 0    ? QStringLiteral("nothing")
                          : rows == 1 ? QStringLiteral("1 row")
                                      : QStringLiteral("%1 rows").arg(rows);
    notes.note(QStringLiteral("%1: %2 %3 %4")
                   .arg(notes.tableName, count, done, QDir::toNativeSeparators(path)));
}

void exportTable(GridFrame &frame, Prompts &prompts, const CsvTable &table, const CsvNotes &notes)
{
    QString path = prompts.saveFileName(&frame, QStringLiteral("Export CSV"), startFolder(),
                                        kCsvFilter, kCsvSuffix);
    if (path.isEmpty())
        return;
    folderChosen(path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kCsvSuffix;
    const QList<QStringList> rows = frame.view().gridModel().dataRows();
    const QByteArray csv = tableToCsv(table, rows);
    QSaveFile file(path);
    const QString exported = QStringLiteral("exported to");
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        noteRows(notes, -1, exported, path);
        prompts.message(&frame,
                        QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return;
    }
    noteRows(notes, int(rows.size()), exported, path);
}

void importTable(GridFrame &frame, Prompts &prompts, const CsvTable &table, const CsvNotes &notes,
                 const std::function<void(const QList<QStringList> &)> &imported)
{
    const QString path =
        prompts.openFileName(&frame, QStringLiteral("Import CSV"), startFolder(), kCsvFilter);
    if (path.isEmpty())
        return;
    folderChosen(path);
    const QString from = QStringLiteral("imported from");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        noteRows(notes, -1, from, path);
        prompts.message(&frame, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
        return;
    }
    QList<QStringList> rows;
    try {
        rows = tableFromCsv(table, file.readAll());
    } catch (const Failure &f) {
        noteRows(notes, -1, from, path);
        prompts.message(&frame, f.description());
        return;
    }
    imported(rows);
    noteRows(notes, int(rows.size()), from, path);
}

}  // namespace

void setCsvFolders(CsvFolders folders)
{
    csvFolders() = std::move(folders);
}

void addCsvMenu(GridFrame &frame, Prompts &prompts, const CsvTable &table, CsvNotes notes,
                std::function<void(const QList<QStringList> &rows)> imported)
{
    auto *exportAction = new QAction(QStringLiteral("Export CSV..."), &frame);
    exportAction->setObjectName(QStringLiteral("exportCsv"));
    auto *importAction = new QAction(QStringLiteral("Import CSV..."), &frame);
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
