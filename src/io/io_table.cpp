#include "io_table.h"

namespace plc {

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

Qt::ItemFlags IoTable::flags(const QModelIndex &index) const
{
    const int gridRow = index.row() + 1;
    const bool pointRow = gridRow <= kIoPoints && gridRow < rows() - 1;
    if (pointRow && index.column() == iocol::Function)
        return GridModel::flags(index) | Qt::ItemIsEditable;
    return GridModel::flags(index);
}

}  // namespace plc
