#include "status_texts.h"

#include "outcome.h"

#include <QCoreApplication>

namespace plc {

namespace {

// The texts of the status line, for the translator.
struct StatusTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::StatusTexts)
};

}  // namespace

QString portStatusText(int portNumber, const QString &device, const QString &lineSettings,
                       bool present)
{
    const QString port = QStringLiteral("COM%1").arg(portNumber);
    QString settings = lineSettings;
    settings.replace(QLatin1Char(','), QLatin1Char(' '));
    if (device.isEmpty())
        return StatusTexts::tr("%1 → no device, %2").arg(port, settings);
    // Where the device is the port's own name (Windows) there is nothing to map.
    const QString shownDevice = device == port ? port : QStringLiteral("%1 → %2").arg(port, device);
    if (!present)
        return StatusTexts::tr("%1 (not present), %2").arg(shownDevice, settings);
    return QStringLiteral("%1, %2").arg(shownDevice, settings);
}

QString actionStatusText(const QString &action, const Outcome &outcome, bool updateUnfinished)
{
    if (updateUnfinished && outcome.kind == Outcome::Kind::Unanswered)
        return actionStatusText(action, outcome) +
               StatusTexts::tr(
                   "; the controller may still be in its loader after an unfinished "
                   "firmware update: run the update again to finish it");
    // The action's name as the history keeps it, shown translated.
    const QString shownAction = QCoreApplication::translate("plc::ActionNames", action.toUtf8());
    const WriteTally &w = outcome.written;
    // Cut off midway: by the controller or the port, or by the user once the port was open.
    const bool cancelled = outcome.kind == Outcome::Kind::Cancelled && outcome.openMs >= 0;
    const bool cut = outcome.isLinkFailure() || cancelled;
    if (cut && w.isPartial()) {
        const bool pieces = w.plannedPieces > 0;
        // By how it was cut off, then by what was counted.
        static const char *const texts[2][2] = {
            {QT_TRANSLATE_NOOP("plc::StatusTexts",
                               "%1 cancelled after %2 of %3 pieces: the controller may hold a "
                               "partial configuration; download again"),
             QT_TRANSLATE_NOOP("plc::StatusTexts",
                               "%1 cancelled after %2 of %3 writes: the controller may hold a "
                               "partial configuration; download again")},
            {QT_TRANSLATE_NOOP("plc::StatusTexts",
                               "%1 stopped after %2 of %3 pieces: the controller may hold a "
                               "partial configuration; download again"),
             QT_TRANSLATE_NOOP("plc::StatusTexts",
                               "%1 stopped after %2 of %3 writes: the controller may hold a "
                               "partial configuration; download again")}};
        return StatusTexts::tr(texts[cancelled ? 0 : 1][pieces ? 0 : 1])
            .arg(shownAction)
            .arg(pieces ? w.pieces : w.writes)
            .arg(pieces ? w.plannedPieces : w.plannedWrites);
    }
    QString result;
    if (cut || outcome.kind == Outcome::Kind::Failed) {
        // What really happened, where the message box says less, on one line.
        result = outcome.detail.isEmpty() ? outcome.message : outcome.detail;
        result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        result.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (w.plannedWrites > 0 && w.writes == 0)
            result += StatusTexts::tr("; nothing written");
    } else if (outcome.openMs < 0) {
        result = StatusTexts::tr("nothing sent");
    } else {
        result = (outcome.verified ? StatusTexts::tr("done and verified in %1 s")
                                   : StatusTexts::tr("done in %1 s"))
                     .arg(outcome.openMs / 1000.0, 0, 'f', 1);
        if (!outcome.detail.isEmpty())
            result += QStringLiteral(", ") + outcome.detail;
    }
    return StatusTexts::tr("%1: %2").arg(shownAction, result);
}

}  // namespace plc
