#pragma once

#include <QString>
#include <QtGlobal>

namespace plc {

// A closed range of whole numbers a check demands, and how tool tips say it ("1–247").
struct NumberRange {
    qint64 low;
    qint64 high;

    constexpr bool contains(qint64 value) const { return value >= low && value <= high; }

    // "1–4095", or "1–4095 ms" with a unit.
    QString text(const QString &unit = QString()) const
    {
        const QString range = QStringLiteral("%1\u2013%2").arg(low).arg(high);
        return unit.isEmpty() ? range : range + QLatin1Char(' ') + unit;
    }
};

}  // namespace plc
