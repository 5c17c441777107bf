#pragma once

#include "update_command_line.h"

#include <QString>

namespace plc {

// The configuration tool's name: its per-user settings folder is named after it.
QString toolName();

// Points the settings file at the tool's, and gives the port stored there. The tool's folder is
// this program's parent folder when it lies in the tool's "update" folder; the per-user file
// serves where the tool uses one.
StoredPort useToolSettingsFile();

}  // namespace plc
