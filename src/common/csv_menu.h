#pragma once

#include <QList>
#include <QStringList>
#include <functional>

class GridFrame;
class Prompts;
struct CsvTable;

// Gives a table's frame the context-menu entries "Export CSV..." (objectName exportCsv) and
// "Import CSV..." (importCsv). The frame takes the menu so that it opens over the table even
// while the table is locked. An import whose file fails the table's check changes nothing and
// says where; imported gets the rows of a file that passed.
void addCsvMenu(GridFrame &frame, Prompts &prompts, const CsvTable &table,
                std::function<void(const QList<QStringList> &rows)> imported);
