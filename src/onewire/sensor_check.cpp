#include "sensor_check.h"

#include "aux_mode_word.h"
#include "grid_model.h"
#include "hex_text.h"
#include "row_name.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace plc {

namespace {

// The texts of the sensor check, for the translator.
struct SensorCheckTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::SensorCheck)
};

// A ROM byte goes out as its text unchanged, so anything but two digits would shift every
// later byte of the record.
bool isHexByte(const QString &text)
{
    static const QRegularExpression twoDigits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{2}")));
    return twoDigits.match(text).hasMatch();
}

}  // namespace

std::optional<SensorFault> checkSensorTable(const QList<SensorCells> &sensors)
{
    if (sensors.size() > kMaxSensors)
        return SensorFault{kMaxSensors + 1, 9};
    for (int i = 0; i < sensors.size(); ++i) {
        const SensorCells &cells = sensors.at(i);
        for (int k = 0; k < kRomBytes; ++k) {
            if (!isHexByte(cells.value(k)))
                return SensorFault{i + 1, k};
        }
        const auto registerNumber = hextext::wholeNumber(cells.value(kRomBytes));
        if (!registerNumber || !kSensorRegisters.contains(*registerNumber))
            return SensorFault{i + 1, 8};
    }
    return std::nullopt;
}

QString sensorErrorTitle()
{
    return SensorCheckTexts::tr("Error in configuration");
}

QString sensorFaultMessage(const SensorFault &fault)
{
    const QString start = SensorCheckTexts::tr("You configuration has error");
    if (fault.code == 9) {
        return start +
               SensorCheckTexts::tr(" - too much sensors. Maximum value is %1").arg(kMaxSensors);
    }
    if (fault.code == 8) {
        return start +
               SensorCheckTexts::tr(" in master addresing data Dxxxx. Row is %1").arg(fault.row);
    }
    return start + SensorCheckTexts::tr(" in the addresing data - row %1\r\nColumn Byte %2")
                       .arg(fault.row)
                       .arg(fault.code);
}

QString sensorColumnLimits(int col)
{
    if (col == sensorcol::Num)
        return SensorCheckTexts::tr("up to %1 sensors").arg(kMaxSensors);
    if (col >= sensorcol::Byte0 && col < sensorcol::Byte0 + kRomBytes)
        return SensorCheckTexts::tr("two hexadecimal digits");
    if (col == sensorcol::Register)
        return SensorCheckTexts::tr("Dxxxx register, a whole number %1")
            .arg(kSensorRegisters.text());
    if (col == sensorcol::Name)
        return nameLimits();
    return QString();
}

const CsvTable &sensorCsvTable()
{
    static const CsvTable table = [] {
        CsvTable t;
        t.headings = columnNames(kSensorTableHeadingLine);
        t.lastColumnOptional = true;
        t.check = [](const QList<QStringList> &rows) -> std::optional<TableFault> {
            for (int r = 0; r < rows.size(); ++r) {
                const QString refusal = nameRefusal(sensorName(rows.at(r)));
                if (!refusal.isEmpty())
                    return TableFault{r + 1, sensorcol::Name, refusal};
            }
            const auto fault = checkSensorTable(rows);
            if (!fault)
                return std::nullopt;
            // Codes 0 to 7 name the ROM bytes, 8 the register, 9 the number of rows.
            const int col = fault->code == 9 ? -1 : sensorcol::Byte0 + fault->code;
            return TableFault{fault->row, col, sensorFaultMessage(*fault)};
        };
        return t;
    }();
    return table;
}

}  // namespace plc
