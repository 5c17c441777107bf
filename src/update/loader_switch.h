#pragma once

#include "line_settings.h"
#include "update_command_line.h"

namespace plc {

// --switch: writes the controller's update word over its own protocol, as the configuration
// tool's "Start update firmware for STM32F3" does, then leaves the port to the loader.
class FrameLoaderSwitch : public LoaderSwitch {
public:
    // stored: the line settings the tool keeps for its port (read by the caller, once).
    explicit FrameLoaderSwitch(LineSettings stored) : m_line(std::move(stored)) {}

    QString prepare(const QString &plcLine) override;
    UpdateOutcome switchPort(int number, const QString &device) override;

private:
    LineSettings m_line;
};

}  // namespace plc
