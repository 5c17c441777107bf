#pragma once

#include "update_settings.h"

namespace plc {

// plc-update's settings in the configuration tool's settings file (its [PORTS], [UPDATE] and
// [UNFINISHED_UPDATE] sections), which the caller has pointed the settings file path at.
class ToolUpdateSettings : public UpdateSettings {
public:
    QString deviceOf(int number) const override;
    WindowChoices windowChoices() const override;
    void keepWindowChoices(const WindowChoices &choices) override;
    bool updateUnfinished(const QString &device) const override;
    void setUpdateUnfinished(const QString &device, bool unfinished) override;
    void recordWrite(const FirmwareWrite &write) override;
};

}  // namespace plc
