#include "edit_labels.h"

namespace plc {

namespace {

QString partTitle(ConfigPart part)
{
    switch (part) {
        case ConfigPart::Uart1:
            return QStringLiteral("UART 1");
        case ConfigPart::Uart2:
            return QStringLiteral("UART 2");
        case ConfigPart::OneWire:
            return QStringLiteral("1-wire");
        case ConfigPart::IoMap:
            return QStringLiteral("I/O map");
        case ConfigPart::Note:
            return QStringLiteral("project note");
    }
    return QString();
}

// The one row where two row lists part, when they differ by exactly one row added, removed or
// changed; -1 otherwise.
int singleRowChange(const QStringList &before, const QStringList &after)
{
    const int shorter = int(qMin(before.size(), after.size()));
    int first = 0;
    while (first < shorter && before.at(first) == after.at(first))
        ++first;
    const qsizetype sizeDiff = after.size() - before.size();
    if (sizeDiff < -1 || sizeDiff > 1)
        return -1;
    // What follows the row must be the same, shifted by the row added or removed.
    const int skipBefore = sizeDiff == 1 ? 0 : 1;
    const int skipAfter = sizeDiff == -1 ? 0 : 1;
    if (before.mid(first + skipBefore) != after.mid(first + skipAfter))
        return -1;
    return first;
}

QString tableChange(ConfigPart part, const QStringList &before, const QStringList &after)
{
    const QString noun =
        part == ConfigPart::OneWire ? QStringLiteral("sensor") : QStringLiteral("request");
    const int row = singleRowChange(before, after);
    if (row < 0) {
        return part == ConfigPart::OneWire
                   ? QStringLiteral("change sensor table")
                   : QStringLiteral("change %1 requests").arg(partTitle(part));
    }
    const QString verb = after.size() > before.size()   ? QStringLiteral("add")
                         : after.size() < before.size() ? QStringLiteral("delete")
                                                        : QStringLiteral("edit");
    return QStringLiteral("%1 %2 %3").arg(verb, noun).arg(row + 1);
}

}  // namespace

std::optional<EditChange> describeEdit(const Project &before, const Project &after)
{
    QList<ConfigPart> changed;
    for (ConfigPart part : kConfigParts) {
        if (partText(before, part) != partText(after, part))
            changed.append(part);
    }
    if (changed.isEmpty())
        return std::nullopt;
    if (changed.size() > 1)
        return EditChange{QStringLiteral("change configuration"), std::nullopt, false};

    const ConfigPart part = changed.constFirst();
    const QStringList settingsBefore = partSettingsText(before, part);
    const QStringList settingsAfter = partSettingsText(after, part);
    if (part == ConfigPart::Note)
        return EditChange{QStringLiteral("edit project note"), part, true};
    if (part == ConfigPart::IoMap)
        return EditChange{QStringLiteral("change I/O map"), part, true};
    if (settingsBefore != settingsAfter) {
        const bool tableToo = partText(before, part).mid(settingsBefore.size()) !=
                              partText(after, part).mid(settingsAfter.size());
        return EditChange{QStringLiteral("change %1 %2")
                              .arg(partTitle(part), tableToo ? QStringLiteral("configuration")
                                                             : QStringLiteral("settings")),
                          part, !tableToo};
    }
    return EditChange{tableChange(part, partText(before, part).mid(settingsBefore.size()),
                                  partText(after, part).mid(settingsAfter.size())),
                      part, false};
}

}  // namespace plc
