#pragma once

#include "commands.h"

#include <QString>
#include <optional>

namespace plc {

class Console;

// plc-config history: this user's writes to controllers, oldest first (the newest last, at the
// prompt), those since the --since date or date-time alone; a table of local time, port,
// action, file and result, or with json the lines as stored, one JSON object a line. A bad date
// is a bad argument (a Failure).
int runHistory(Console &console, bool json, const std::optional<QString> &since);

// A download ended on the port of env: it goes into the history as "download" (with --only,
// "download uart1,iomap"), with the file written from and every byte it sent. The run is
// handed back as it was.
PortRun recordDownload(const CommandEnv &env, const QString &file, bool allParts,
                       const ProjectParts &parts, const PortRun &run);

}  // namespace plc
