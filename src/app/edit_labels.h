#pragma once

#include "config_parts.h"

#include <QString>
#include <optional>

namespace plc {

// What one change to the window's content did, as the "Edit" menu names it ("delete request 5",
// "change UART 1 settings") and where it happened.
struct EditChange {
    QString label;
    std::optional<ConfigPart> part;  // none when several parts changed at once
    // A change of a port's settings, the I/O map or the note: typing into one box makes one
    // such change per key, which the history may take together.
    bool settingsOnly = false;
};

// The change from one state of the window to another; none when nothing changed.
std::optional<EditChange> describeEdit(const Project &before, const Project &after);

}  // namespace plc
