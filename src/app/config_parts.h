#pragma once

#include "project_file.h"

#include <QStringList>

namespace plc {

// The parts of the window that are kept apart: the three ports are saved or loaded with either
// file and written to the controller by their own download; the I/O map and the note are kept
// in a project file only.
enum class ConfigPart { Uart1, Uart2, OneWire, IoMap, Note };
constexpr ConfigPart kConfigParts[] = {ConfigPart::Uart1, ConfigPart::Uart2, ConfigPart::OneWire,
                                       ConfigPart::IoMap, ConfigPart::Note};

// One part of a project as texts to compare: a port's settings first, then its table's rows,
// one text each.
QStringList partText(const Project &project, ConfigPart part);

// A port's settings as partText gives them, without the table: what tells a change of the
// settings from a change of the table.
QStringList partSettingsText(const Project &project, ConfigPart part);

}  // namespace plc
