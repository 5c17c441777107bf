#include "test_helpers.h"

#include <QFile>

namespace plc {

namespace testing {

QStringList rowTexts(const GridModel &grid, int cols)
{
    const int shown = cols >= 0 ? cols : grid.cols() - (grid.lastColumnOptional() ? 1 : 0);
    QStringList rows;
    for (int row = 1; row < grid.rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < shown; ++col)
            cells.append(grid.text(row, col));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace testing

}  // namespace plc
