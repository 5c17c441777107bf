#include "status_texts.h"

#include "outcome.h"

namespace plc {

QString portStatusText(int portNumber, const QString &device, const QString &lineSettings,
                       bool present)
{
    const QString port = QStringLiteral("COM%1").arg(portNumber);
    QString settings = lineSettings;
    settings.replace(QLatin1Char(','), QLatin1Char(' '));
    if (device.isEmpty())
        return QStringLiteral("%1 → no device, %2").arg(port, settings);
    const QString absent = present ? QString() : QStringLiteral(" (not present)");
    // Where the device is the port's own name (Windows) there is nothing to map.
    if (device == port)
        return QStringLiteral("%1%2, %3").arg(port, absent, settings);
    return QStringLiteral("%1 → %2%3, %4").arg(port, device, absent, settings);
}

QString actionStatusText(const QString &action, const Outcome &outcome, bool updateUnfinished)
{
    if (updateUnfinished && outcome.kind == Outcome::Kind::Unanswered)
        return actionStatusText(action, outcome) +
               QStringLiteral(
                   "; the controller may still be in its loader after an unfinished "
                   "firmware update: run the update again to finish it");
    const WriteTally &w = outcome.written;
    // Cut off midway: by the controller or the port, or by the user once the port was open.
    const bool cancelled = outcome.kind == Outcome::Kind::Cancelled && outcome.openMs >= 0;
    const bool cut = outcome.isLinkFailure() || cancelled;
    if (cut && w.isPartial()) {
        const bool pieces = w.plannedPieces > 0;
        return QStringLiteral(
                   "%1 %5 after %2 of %3 %4: the controller may hold a partial "
                   "configuration; download again")
            .arg(action)
            .arg(pieces ? w.pieces : w.writes)
            .arg(pieces ? w.plannedPieces : w.plannedWrites)
            .arg(pieces ? QStringLiteral("pieces") : QStringLiteral("writes"),
                 cancelled ? QStringLiteral("cancelled") : QStringLiteral("stopped"));
    }
    QString result;
    if (cut || outcome.kind == Outcome::Kind::Failed) {
        // What really happened, where the message box says less, on one line.
        result = outcome.detail.isEmpty() ? outcome.message : outcome.detail;
        result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        result.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (w.plannedWrites > 0 && w.writes == 0)
            result += QStringLiteral("; nothing written");
    } else if (outcome.openMs < 0) {
        result = QStringLiteral("nothing sent");
    } else {
        result = QStringLiteral("done%1 in %2 s")
                     .arg(outcome.verified ? QStringLiteral(" and verified") : QString())
                     .arg(outcome.openMs / 1000.0, 0, 'f', 1);
        if (!outcome.detail.isEmpty())
            result += QStringLiteral(", ") + outcome.detail;
    }
    return action + QStringLiteral(": ") + result;
}

}  // namespace plc
