#include "config_diff.h"

#include "aux_mode_word.h"
#include "port_word.h"
#include "request_record.h"
#include "sensor_record.h"

#include <functional>

namespace plc {

namespace {

const QStringList kUartModes = {QStringLiteral("Master"), QStringLiteral("Slave"),
                                QStringLiteral("Not use")};
const QStringList kAuxModes = {QStringLiteral("1-wire master"), QStringLiteral("Field Net"),
                               QStringLiteral("Not use")};

QString differs(const QString &what, const QString &file, const QString &held)
{
    return QStringLiteral("%1: file %2, controller %3").arg(what, file, held);
}

// Cells compare as numbers when both are whole numbers ("010" is 10; "0A" is 0A), else as
// hexadecimal bytes do, in any case.
bool sameCell(const QString &a, const QString &b)
{
    bool aNumber = false;
    bool bNumber = false;
    const qlonglong x = a.trimmed().toLongLong(&aNumber);
    const qlonglong y = b.trimmed().toLongLong(&bNumber);
    if (aNumber && bNumber)
        return x == y;
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// A table's rows, cell by cell; the columns from 1 on are named by columnName.
void compareRows(const QString &part, const QList<QStringList> &file,
                 const QList<QStringList> &held, const std::function<QString(int)> &columnName,
                 QStringList &out)
{
    if (file.size() != held.size()) {
        out.append(differs(part + QStringLiteral(" rows"), QString::number(file.size()),
                           QString::number(held.size())));
    }
    for (int row = 0; row < qMin(file.size(), held.size()); ++row) {
        const QStringList &f = file.at(row);
        const QStringList &h = held.at(row);
        for (int col = 0; col < qMax(f.size(), h.size()); ++col) {
            if (!sameCell(f.value(col), h.value(col))) {
                out.append(differs(
                    QStringLiteral("%1 row %2 %3").arg(part).arg(row + 1).arg(columnName(col + 1)),
                    f.value(col), h.value(col)));
            }
        }
    }
}

void compareUart(const QString &part, const UartTabState &file, const UartTabState &held,
                 QStringList &out)
{
    const PortSettings &f = file.settings;
    const PortSettings &h = held.settings;
    if (f.mode != h.mode) {
        out.append(differs(part + QStringLiteral(" mode"), kUartModes.value(int(f.mode)),
                           kUartModes.value(int(h.mode))));
        return;
    }
    if (f.mode == UartMode::NotUse)
        return;
    if (f.speed != h.speed)
        out.append(differs(part + QStringLiteral(" speed"), speedEntries().value(f.speed),
                           speedEntries().value(h.speed)));
    if (f.parity != h.parity)
        out.append(differs(part + QStringLiteral(" parity"), parityEntries().value(f.parity),
                           parityEntries().value(h.parity)));
    if (f.mode == UartMode::ModbusSlave) {
        if (!sameCell(f.address, h.address))
            out.append(differs(part + QStringLiteral(" address"), f.address, h.address));
        return;
    }
    compareRows(part, file.requests, held.requests, &requestColumnName, out);
}

}  // namespace

QStringList configDifferences(const WindowConfig &file, const WindowConfig &held)
{
    QStringList out;
    compareUart(QStringLiteral("uart1"), file.uarts.at(0), held.uarts.at(0), out);
    compareUart(QStringLiteral("uart2"), file.uarts.at(1), held.uarts.at(1), out);
    const QString aux = QStringLiteral("onewire");
    if (file.auxMode != held.auxMode) {
        out.append(differs(aux + QStringLiteral(" mode"), kAuxModes.value(file.auxMode),
                           kAuxModes.value(held.auxMode)));
    } else if (file.auxMode == int(AuxMode::OneWireMaster)) {
        compareRows(aux, file.sensors, held.sensors, &sensorColumnName, out);
    }
    return out;
}

}  // namespace plc
