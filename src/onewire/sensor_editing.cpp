#include "sensor_editing.h"

#include "grid_model.h"
#include "hex_text.h"
#include "keep_names.h"
#include "row_name.h"
#include "sensor_check.h"

#include <QCoreApplication>
#include <optional>

namespace plc {

namespace {

// The texts of the sensor table's edits, for the translator.
struct SensorEditingTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::SensorEditing)
};

// The row a choice stands for: a choice below the table (left over from a longer table) is the
// entry row.
int rowOf(const GridModel &grid, int chosenRow)
{
    return qBound(1, chosenRow, grid.rows() - 1);
}

// The register number that a sensor added after the last one gets, if the last one has a number.
std::optional<qint64> numberAfterLast(const GridModel &grid)
{
    const auto last = hextext::wholeNumber(grid.text(grid.dataRowCount(), sensorcol::Register));
    return last ? std::optional<qint64>(*last + kRegisterStep) : std::nullopt;
}

QString registerAfterLast(const GridModel &grid)
{
    if (grid.dataRowCount() == 0)
        return kFirstSensorRegister;
    const auto next = numberAfterLast(grid);
    return next ? QString::number(*next) : kFirstSensorRegister;
}

}  // namespace

SensorCells sensorDialogPreset(const GridModel &grid, int chosenRow, SensorDialogMode mode)
{
    SensorCells cells;
    if (mode == SensorDialogMode::Modify) {
        const int row = rowOf(grid, chosenRow);
        for (int col = sensorcol::Byte0; col <= sensorcol::Name; ++col)
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
    for (int c = 0; c < cells.size() && sensorcol::Byte0 + c <= sensorcol::Name; ++c)
        grid.setText(row, sensorcol::Byte0 + c, sensorCellText(sensorcol::Byte0 + c, cells.at(c)));
}

QString showUploadedSensors(GridModel &grid, const QList<SensorCells> &read)
{
    const NamesKept named = keepSensorNames(grid.dataRows(), read);
    grid.showUploadedRows(named.rows);
    return namesKeptText(named);
}

QString sensorCellText(int col, const QString &text)
{
    return col == sensorcol::Name ? cutName(text) : text;
}

bool isSensorRow(const GridModel &grid, int row)
{
    return row >= 1 && row <= grid.dataRowCount();
}

bool deleteSensor(GridModel &grid, int chosenRow)
{
    if (!isSensorRow(grid, chosenRow))
        return false;
    grid.removeGridRow(chosenRow);
    grid.renumber();
    return true;
}

QString deleteSensorQuestion()
{
    return SensorEditingTexts::tr("You are shure for delete this sensor?");
}

QString deleteAllQuestion()
{
    return SensorEditingTexts::tr("Delete all sensors from the table?");
}

void deleteAllSensors(GridModel &grid)
{
    grid.setRows(1);
    grid.setRows(2);
}

QString foundStartLimits()
{
    return SensorEditingTexts::tr(
               "Dxxxx register of the first device found, a whole number %1; "
               "the next ones follow %2 apart")
        .arg(kSensorRegisters.text())
        .arg(kRegisterStep);
}

QString placeFoundSensors(GridModel &grid, const QList<QStringList> &found,
                          const QString &startAddress, FoundPlacement placement)
{
    if (!found.isEmpty()) {
        const bool fromStart = placement == FoundPlacement::ReplaceAll || grid.dataRowCount() == 0;
        const auto first = fromStart ? hextext::wholeNumber(startAddress) : numberAfterLast(grid);
        if (!first) {
            return fromStart
                       ? SensorEditingTexts::tr("The start address must be a whole number")
                       : SensorEditingTexts::tr("The last sensor's Dxxxx must be a whole number");
        }
        if (placement == FoundPlacement::ReplaceAll)
            deleteAllSensors(grid);
        grid.centreAllColumns();
        qint64 next = *first;
        for (const QStringList &code : found) {
            const int row = grid.rows() - 1;
            for (int k = 0; k < kRomBytes; ++k)
                grid.setText(row, sensorcol::Byte0 + k, code.value(k));
            grid.setText(row, sensorcol::Register, QString::number(next));
            next += kRegisterStep;
            grid.appendGridRow();
        }
    }
    grid.renumber();
    return QString();
}

}  // namespace plc
