#include "tool_update_settings.h"

#include "settings_store.h"
#include "write_record.h"

namespace plc {

namespace {

const QString kToolPort = QStringLiteral("Tool_port");
const QString kDevice = QStringLiteral("Device");
const QString kSpeed = QStringLiteral("Speed");
const QString kParity = QStringLiteral("Parity");
const QString kEntry = QStringLiteral("Entry");

// How an update ended, as one word of the history: the loader's own words where the tool's
// outcomes have none.
QString updateOutcomeWord(UpdateOutcome::Kind kind)
{
    using Kind = UpdateOutcome::Kind;
    switch (kind) {
        case Kind::Done:
            return QStringLiteral("done");
        case Kind::Cancelled:
            return QStringLiteral("cancelled");
        case Kind::Unanswered:
            return QStringLiteral("timeout");
        case Kind::WrongAnswer:
            return QStringLiteral("wrong-answer");
        case Kind::Refused:
            return QStringLiteral("refused");
        case Kind::ReadoutProtected:
            return QStringLiteral("read-protected");
        case Kind::WriteProtected:
            return QStringLiteral("write-protected");
        case Kind::VerifyDiffers:
            return QStringLiteral("verify-differs");
        case Kind::BadImage:
            return QStringLiteral("bad-image");
        case Kind::PortNotOpened:
            return QStringLiteral("port-not-opened");
        case Kind::PortLost:
            break;
    }
    return QStringLiteral("port-lost");
}

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

void ToolUpdateSettings::recordWrite(const FirmwareWrite &write)
{
    recordFirmwareUpdate({write.portNumber, write.device, {}}, write.imageFile, write.written,
                         updateOutcomeWord(write.outcome.kind), write.outcome.message,
                         write.partial);
}

}  // namespace plc
