#pragma once

#include "commands.h"
#include "line_settings.h"
#include "report_content.h"

#include <QString>
#include <atomic>
#include <optional>

namespace plc {

class Console;

// Asks the controller on port what a report says of it: its CPU type (the connection test) and
// the parts the file holds read back and compared with the file, as verify compares them. *found
// is set only when both went through.
PortRun readControllerFindings(Console &console, const PortSetup &port, const Project &file,
                               const ProjectParts &parts, const std::atomic<bool> &stop,
                               ControllerFindings *found);

// `report FILE [--port P] --out PDF`: the commissioning report of a configuration or project file
// written as PDF, with the controller's findings when a port is given. The file is read first,
// so a refused one opens no port (a Failure). Exit code 0 when the PDF is written, whatever the
// controller holds; a controller that refused or did not answer (1), a port that did not open
// (3) or Ctrl-C (130) writes nothing.
int runReport(Console &console, const QString &file, const std::optional<PortSetup> &port,
              const QString &out, const std::atomic<bool> &stop);

}  // namespace plc
