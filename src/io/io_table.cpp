#include "io_table.h"

#include "shown_words.h"

namespace plc {

// The headings as the window shows them in another language (files keep them as they are).
[[maybe_unused]] const char *const kShownIoHeadings[] = {
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Address"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Function"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Prog.name")};

IoTable::IoTable(QObject *parent) : GridModel(3, parent) {}

void IoTable::setHeadings()
{
    setHeadingLine(QStringLiteral("Address | Function | Prog.name "));
}

void IoTable::addPointRows()
{
    // "IO  0" ... "IO  20": the number keeps a blank in front for its sign.
    for (int point = 0; point < kIoPoints; ++point)
        insertGridRow(point + 1, QStringLiteral("IO  %1").arg(point));
}

void IoTable::show(const IoMap &map)
{
    for (int point = 0; point < kIoPoints; ++point) {
        setText(point + 1, iocol::Function, map.function[point]);
        setText(point + 1, iocol::Name, map.name[point]);
    }
}

QVariant IoTable::data(const QModelIndex &index, int role) const
{
    // The cells keep the texts project files hold; the window shows them translated.
    if (role == Qt::DisplayRole && index.column() == iocol::Function)
        return shownEntry(text(index.row() + 1, index.column()));
    return GridModel::data(index, role);
}

Qt::ItemFlags IoTable::flags(const QModelIndex &index) const
{
    const int gridRow = index.row() + 1;
    const bool pointRow = gridRow <= kIoPoints && gridRow < rows() - 1;
    if (pointRow && index.column() == iocol::Function)
        return GridModel::flags(index) | Qt::ItemIsEditable;
    return GridModel::flags(index);
}

}  // namespace plc
