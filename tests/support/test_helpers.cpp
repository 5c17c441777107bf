#include "test_helpers.h"

namespace testing {

QStringList rowTexts(const GridModel &grid, int cols)
{
    const int shown = cols < 0 ? grid.cols() : cols;
    QStringList rows;
    for (int row = 1; row < grid.rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < shown; ++col)
            cells.append(grid.text(row, col));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

}  // namespace testing
