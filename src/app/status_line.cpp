#include "status_line.h"

#include "outcome.h"

QString portStatusText(int portNumber, const QString &device, const QString &lineSettings)
{
    const QString port = QStringLiteral("COM%1").arg(portNumber);
    QString settings = lineSettings;
    settings.replace(QLatin1Char(','), QLatin1Char(' '));
    if (device.isEmpty())
        return QStringLiteral("%1 → no device, %2").arg(port, settings);
    // Where the device is the port's own name (Windows) there is nothing to map.
    if (device == port)
        return QStringLiteral("%1, %2").arg(port, settings);
    return QStringLiteral("%1 → %2, %3").arg(port, device, settings);
}

QString actionStatusText(const QString &action, const Outcome &outcome)
{
    QString result;
    const bool failed = outcome.isLinkFailure() || outcome.kind == Outcome::Kind::Failed;
    if (failed) {
        result = outcome.message;
        result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    } else if (outcome.openMs < 0) {
        result = QStringLiteral("nothing sent");
    } else {
        result = QStringLiteral("done in %1 s").arg(outcome.openMs / 1000.0, 0, 'f', 1);
    }
    return action + QStringLiteral(": ") + result;
}
