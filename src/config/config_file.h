#pragma once

#include "config_record.h"

#include <optional>

class QWidget;

namespace plc {

class Prompts;

// "Save config" and "Load config": the file dialogs, the record and the file. Every failure is
// shown through the prompts; cancelling a dialog ends the action quietly. The dialogs start in
// the folder of the file last loaded or saved, and each file loaded or saved goes first in the
// list of recent configurations.

// The titles and the file filter of the configuration file dialogs.
QString saveConfigTitle();
QString loadConfigTitle();
QString configFilter();
inline const QString kDefaultSuffix = QStringLiteral("rfp");

// Whether a path ends in a configuration file's suffix (.vqc or .rfp, in any case).
bool hasConfigFileSuffix(const QString &path);

// Asks for a file, gathers the window into the record and writes it. The file is replaced as a
// whole or not at all. The file written; the empty text when none was.
QString saveConfig(Prompts &prompts, QWidget *parent, ConfigRecord &record,
                   const WindowConfig &window);

// The record written to path, replacing the file as a whole (a Failure when it cannot).
void writeConfigFile(const QString &path, const ConfigRecord &record);
// The checked record of the file at path (a Failure when it cannot be read or is refused).
ConfigRecord readConfigFile(const QString &path);

}  // namespace plc
