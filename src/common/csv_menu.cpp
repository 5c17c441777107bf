#include "csv_menu.h"

#include "csv_table.h"
#include "failure.h"
#include "grid_model.h"
#include "grid_view.h"
#include "prompts.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void exportTable(GridFrame &frame, Prompts &prompts, const CsvTable &table)
{
    QString path = prompts.saveFileName(&frame, QStringLiteral("Export CSV"), QString(), kCsvFilter,
                                        kCsvSuffix);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kCsvSuffix;
    const QByteArray csv = tableToCsv(table, frame.view().gridModel().dataRows());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        prompts.message(&frame,
                        QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

void importTable(GridFrame &frame, Prompts &prompts, const CsvTable &table,
                 const std::function<void(const QList<QStringList> &)> &imported)
{
    const QString path =
        prompts.openFileName(&frame, QStringLiteral("Import CSV"), QString(), kCsvFilter);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts.message(&frame, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
        return;
    }
    QList<QStringList> rows;
    try {
        rows = tableFromCsv(table, file.readAll());
    } catch (const Failure &f) {
        prompts.message(&frame, f.description());
        return;
    }
    imported(rows);
}

}  // namespace

void addCsvMenu(GridFrame &frame, Prompts &prompts, const CsvTable &table,
                std::function<void(const QList<QStringList> &rows)> imported)
{
    auto *exportAction = new QAction(QStringLiteral("Export CSV..."), &frame);
    exportAction->setObjectName(QStringLiteral("exportCsv"));
    auto *importAction = new QAction(QStringLiteral("Import CSV..."), &frame);
    importAction->setObjectName(QStringLiteral("importCsv"));
    QObject::connect(exportAction, &QAction::triggered, &frame,
                     [&frame, &prompts, &table] { exportTable(frame, prompts, table); });
    QObject::connect(importAction, &QAction::triggered, &frame,
                     [&frame, &prompts, &table, imported = std::move(imported)] {
                         importTable(frame, prompts, table, imported);
                     });
    frame.addAction(exportAction);
    frame.addAction(importAction);
    frame.setContextMenuPolicy(Qt::ActionsContextMenu);
}
