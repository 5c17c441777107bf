#pragma once

#include "grid_model.h"
#include "io_map.h"

namespace plc {

// Columns of the I/O map table.
namespace iocol {
constexpr int Address = 0;
constexpr int Function = 1;
constexpr int Name = 2;  // "Prog.name"
}  // namespace iocol

// The I/O map table's text: the heading row, one row per point in front of an empty last row,
// and the map's Function and Prog.name texts. The Function cells of the points are the only
// editable cells: the chooser opens there and nowhere else.
class IoTable : public GridModel {
    Q_OBJECT

public:
    explicit IoTable(QObject *parent = nullptr);

    void setHeadings();
    // Inserts the rows "IO  0" to "IO  20" in front of the empty last row.
    void addPointRows();
    // Writes the map's texts into the point rows (point i is grid row i + 1).
    void show(const IoMap &map);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

}  // namespace plc
