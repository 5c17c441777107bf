#pragma once

#include "aux_mode_word.h"
#include "config_record.h"
#include "io_map.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace plc {

// Everything the window holds for one controller, as the project file keeps it.
struct Project {
    QString note;               // free text of the user's own
    WindowConfig config;        // both UART tabs, the auxiliary port's mode and sensor table
    FieldNetSettings fieldNet;  // the auxiliary port's Field Net lists
    IoMap ioMap;                // the "HW config" tab's I/O map
};

// The newest layout of the project file this program writes and reads.
constexpr int kProjectSchemaVersion = 1;

// The project file's bytes: JSON in UTF-8 ending in a line break, keys in a fixed order, each
// table row one line, so that one changed cell is one changed line. List choices are the entry
// texts the window shows; numbers typed into a box or cell are JSON numbers (a text that is not
// a whole number is kept as a string, which reading refuses). The same project gives the same
// bytes every time.
QByteArray projectBytes(const Project &project);

// What reading a project file gave.
struct ProjectRead {
    std::optional<Project> project;  // none when the file was refused
    QString refusal;                 // why it was refused, naming where
    // Keys this program does not know, by path: "uart1.requests[2].x" (table rows counted from 1
    // as the window numbers them), "ioMap[5].x" (I/O points by their number).
    QStringList ignoredKeys;
};

// The project of a file's bytes, every value checked (with the window's own table checks)
// before it comes back. Keys this program does not know are listed and otherwise ignored.
ProjectRead readProject(const QByteArray &bytes);

}  // namespace plc
