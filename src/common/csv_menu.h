#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace plc {

class GridFrame;
class Prompts;
struct CsvTable;

// How a table's CSV entries name it and where they say what they did: the status line's
// "UART 1 requests: 9 rows exported to /tmp/x.csv". No note without a channel.
struct CsvNotes {
    QString tableName;
    std::function<void(const QString &text)> note;
};

// Where the CSV file dialogs start, and what is told of the file each one chose. The program
// sets them once (its last-used folder lives above this layer); unset, the dialogs start in
// the platform's default folder.
struct CsvFolders {
    std::function<QString()> start;
    std::function<void(const QString &path)> chosen;
};
void setCsvFolders(CsvFolders folders);

// Gives a table's frame the context-menu entries "Export CSV..." (objectName exportCsv) and
// "Import CSV..." (importCsv). The frame takes the menu so that it opens over the table even
// while the table is locked. An import whose file fails the table's check changes nothing and
// says where; imported gets the rows of a file that passed. Each file written or read, or not,
// ends in a note with the rows and the file.
void addCsvMenu(GridFrame &frame, Prompts &prompts, const CsvTable &table, CsvNotes notes,
                std::function<void(const QList<QStringList> &rows)> imported);

}  // namespace plc
