#include "sensor_replace.h"

#include "grid_model.h"
#include "sensor_check.h"
#include "sensor_editing.h"

#include <QRegularExpression>

namespace plc {

RomCode romCodeOfText(const QString &typed)
{
    static const QRegularExpression separators(QStringLiteral("[\\s:\\-]+"));
    QStringList pieces = typed.split(separators, Qt::SkipEmptyParts);
    if (pieces.size() == 1 && pieces.first().size() > 2) {
        const QString joined = pieces.takeFirst();
        for (int i = 0; i < joined.size(); i += 2)
            pieces.append(joined.mid(i, 2));
    }
    RomCode rom;
    for (int k = 0; k < kRomBytes; ++k)
        rom.append(pieces.value(k));
    // Anything typed past the eighth byte is kept in the last one, so the check refuses it.
    if (pieces.size() > kRomBytes)
        rom.last() += pieces.mid(kRomBytes).join(QString());
    return rom;
}

QString romCodeText(const RomCode &rom)
{
    return rom.join(QLatin1Char(' '));
}

QString replaceSensorRom(GridModel &grid, int row, const RomCode &rom)
{
    if (!isSensorRow(grid, row))
        return QString();
    // The code is judged as the table's check judges a row, with the row's own register.
    SensorCells cells = rom.mid(0, kRomBytes);
    cells.append(grid.text(row, sensorcol::Register));
    const auto fault = checkSensorTable({cells});
    if (fault && fault->code < kRomBytes)
        return sensorFaultMessage({row, fault->code});
    for (int k = 0; k < kRomBytes; ++k)
        grid.setText(row, sensorcol::Byte0 + k, rom.at(k));
    return QString();
}

}  // namespace plc
