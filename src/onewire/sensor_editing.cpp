#include "sensor_editing.h"

#include "grid_model.h"
#include "hex_text.h"

namespace {

// The row a choice stands for: a choice below the table (left over from a longer table) is the
// entry row.
int rowOf(const GridModel &grid, int chosenRow)
{
    return qBound(1, chosenRow, grid.rows() - 1);
}

QString registerAfterLast(const GridModel &grid)
{
    const int n = sensorCount(grid);
    if (n == 0)
        return kFirstSensorRegister;
    const auto last = hextext::wholeNumber(grid.text(n, sensorcol::Register));
    return last ? QString::number(*last + kRegisterStep) : kFirstSensorRegister;
}

}  // namespace

SensorCells sensorDialogPreset(const GridModel &grid, int chosenRow, SensorDialogMode mode)
{
    SensorCells cells;
    if (mode == SensorDialogMode::Modify) {
        const int row = rowOf(grid, chosenRow);
        for (int col = sensorcol::Byte0; col <= sensorcol::Register; ++col)
            cells.append(grid.text(row, col));
        return cells;
    }
    cells = SensorCells(kRomBytes, QStringLiteral("00"));
    cells.append(registerAfterLast(grid));
    return cells;
}

void storeSensor(GridModel &grid, SensorDialogMode mode, int chosenRow, const SensorCells &cells)
{
    grid.centreAllColumns();
    int row = rowOf(grid, chosenRow);
    if (mode == SensorDialogMode::Add) {
        row = grid.rows() - 1;
        grid.setText(row, sensorcol::Num, QString::number(row));
        grid.appendGridRow(QString::number(grid.rows()));
    }
    for (int c = 0; c < cells.size() && c < kRomBytes + 1; ++c)
        grid.setText(row, sensorcol::Byte0 + c, cells.at(c));
}

bool deleteSensor(GridModel &grid, int chosenRow)
{
    if (chosenRow < 1 || chosenRow > sensorCount(grid))
        return false;
    grid.removeGridRow(chosenRow);
    grid.renumber();
    return true;
}

void deleteAllSensors(GridModel &grid)
{
    grid.setRows(1);
    grid.setRows(2);
}
