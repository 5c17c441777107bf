#include "tool_update_settings.h"

#include "settings_store.h"

namespace plc {

namespace {

const QString kToolPort = QStringLiteral("Tool_port");
const QString kDevice = QStringLiteral("Device");
const QString kSpeed = QStringLiteral("Speed");
const QString kParity = QStringLiteral("Parity");
const QString kEntry = QStringLiteral("Entry");

}  // namespace

QString ToolUpdateSettings::deviceOf(int number) const
{
    return settingsfile::portDevice(number);
}

WindowChoices ToolUpdateSettings::windowChoices() const
{
    using settingsfile::updateValue;
    WindowChoices choices;
    choices.toolPort = updateValue(kToolPort).toInt();
    choices.device = updateValue(kDevice);
    bool ok = false;
    const int speed = updateValue(kSpeed).toInt(&ok);
    if (ok && speed > 0)
        choices.speed = speed;
    choices.evenParity = updateValue(kParity) != QLatin1String("N");
    choices.entry = updateValue(kEntry);
    return choices;
}

void ToolUpdateSettings::keepWindowChoices(const WindowChoices &choices)
{
    using settingsfile::setUpdateValue;
    setUpdateValue(kToolPort, QString::number(choices.toolPort));
    setUpdateValue(kDevice, choices.device);
    setUpdateValue(kSpeed, QString::number(choices.speed));
    setUpdateValue(kParity, choices.evenParity ? QStringLiteral("E") : QStringLiteral("N"));
    setUpdateValue(kEntry, choices.entry);
}

bool ToolUpdateSettings::updateUnfinished(const QString &device) const
{
    return settingsfile::updateUnfinished(device);
}

void ToolUpdateSettings::setUpdateUnfinished(const QString &device, bool unfinished)
{
    settingsfile::setUpdateUnfinished(device, unfinished);
}

}  // namespace plc
