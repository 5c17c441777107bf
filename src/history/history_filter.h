#pragma once

#include "history_entry.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace plc {

// Which history lines to show: those since a time, of one port, action and outcome; an empty
// choice takes every line.
struct HistoryFilter {
    QDateTime since;  // invalid: from the first
    QString port;     // as HistoryEntry::portText() says it
    QString action;
    QString outcome;

    bool matches(const HistoryEntry &entry) const;
};

QList<HistoryLine> filteredHistory(const QList<HistoryLine> &lines, const HistoryFilter &filter);

// An ISO 8601 date ("2025-03-01", the start of that day here) or date-time
// ("2025-03-01T08:15", "2025-03-01T08:15:02Z", "...+02:00"; local time without a zone); none
// for any other text.
std::optional<QDateTime> parseSince(const QString &text);

}  // namespace plc
