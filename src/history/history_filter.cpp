#include "history_filter.h"

namespace plc {

bool HistoryFilter::matches(const HistoryEntry &entry) const
{
    if (since.isValid() && entry.time < since)
        return false;
    if (!port.isEmpty() && entry.portText() != port)
        return false;
    if (!action.isEmpty() && entry.action != action)
        return false;
    return outcome.isEmpty() || entry.outcome == outcome;
}

QList<HistoryLine> filteredHistory(const QList<HistoryLine> &lines, const HistoryFilter &filter)
{
    QList<HistoryLine> kept;
    for (const HistoryLine &line : lines) {
        if (filter.matches(line.entry))
            kept.append(line);
    }
    return kept;
}

std::optional<QDateTime> parseSince(const QString &text)
{
    // Qt reads the date at the start of a date-time too: the "T" tells them apart.
    const qsizetype t = text.indexOf(QLatin1Char('T'));
    if (t < 0) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? std::optional(date.startOfDay()) : std::nullopt;
    }
    if (t == text.size() - 1)
        return std::nullopt;  // Qt would take a date with a "T" and no time
    const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

}  // namespace plc
