#include "edit_labels.h"

#include <QCoreApplication>

namespace plc {

namespace {

// The names of the steps to undo, for the translator.
struct EditLabelTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::EditLabels)
};

QString partTitle(ConfigPart part)
{
    switch (part) {
        case ConfigPart::Uart1:
            return EditLabelTexts::tr("UART 1");
        case ConfigPart::Uart2:
            return EditLabelTexts::tr("UART 2");
        case ConfigPart::OneWire:
            return EditLabelTexts::tr("1-wire");
        case ConfigPart::IoMap:
            return EditLabelTexts::tr("I/O map");
        case ConfigPart::Note:
            return EditLabelTexts::tr("project note");
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
    const bool sensors = part == ConfigPart::OneWire;
    const int row = singleRowChange(before, after);
    if (row < 0) {
        return sensors ? EditLabelTexts::tr("change sensor table")
                       : EditLabelTexts::tr("change %1 requests").arg(partTitle(part));
    }
    // By what happened to the row: added, deleted, edited; sensors, then requests.
    static const char *const labels[2][3] = {
        {QT_TRANSLATE_NOOP("plc::EditLabels", "add sensor %1"),
         QT_TRANSLATE_NOOP("plc::EditLabels", "delete sensor %1"),
         QT_TRANSLATE_NOOP("plc::EditLabels", "edit sensor %1")},
        {QT_TRANSLATE_NOOP("plc::EditLabels", "add request %1"),
         QT_TRANSLATE_NOOP("plc::EditLabels", "delete request %1"),
         QT_TRANSLATE_NOOP("plc::EditLabels", "edit request %1")}};
    const int change = after.size() > before.size() ? 0 : after.size() < before.size() ? 1 : 2;
    return EditLabelTexts::tr(labels[sensors ? 0 : 1][change]).arg(row + 1);
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
        return EditChange{EditLabelTexts::tr("change configuration"), std::nullopt, false};

    const ConfigPart part = changed.constFirst();
    const QStringList settingsBefore = partSettingsText(before, part);
    const QStringList settingsAfter = partSettingsText(after, part);
    if (part == ConfigPart::Note)
        return EditChange{EditLabelTexts::tr("edit project note"), part, true};
    if (part == ConfigPart::IoMap)
        return EditChange{EditLabelTexts::tr("change I/O map"), part, true};
    if (settingsBefore != settingsAfter) {
        const bool tableToo = partText(before, part).mid(settingsBefore.size()) !=
                              partText(after, part).mid(settingsAfter.size());
        const QString label = tableToo ? EditLabelTexts::tr("change %1 configuration")
                                       : EditLabelTexts::tr("change %1 settings");
        return EditChange{label.arg(partTitle(part)), part, !tableToo};
    }
    return EditChange{tableChange(part, partText(before, part).mid(settingsBefore.size()),
                                  partText(after, part).mid(settingsAfter.size())),
                      part, false};
}

}  // namespace plc
