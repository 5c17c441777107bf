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
// a whole number is kept as a string, which reading refuses). A named table row ends in its
// "name"; a row without one reads with an empty name. The same project gives the same bytes
// every time.
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

// The file name a project file ends in, and whether a path names one (in any case).
inline const QString kProjectSuffix = QStringLiteral("plcproj");
// The filter of the project dialogs, which offer the configuration files too: either kind opens
// by its name.
QString projectFilter();
bool isProjectFileName(const QString &path);

// A project or a configuration file (.vqc, .rfp) read as a project, by its name: a
// configuration file's values spread over the start-up state, with the Field Net lists at their
// defaults, an empty I/O map and no note. A file that cannot be read or is refused is a Failure
// naming the file and why; *ignoredKeys (when given) lists a project's unknown keys.
Project readAnyConfigFile(const QString &path, QStringList *ignoredKeys = nullptr);

// What a configuration file cannot hold of a project, one text each ("I/O map not written: the
// configuration file has no place for it"); empty when it holds everything.
QStringList partsLostInConfigFile(const Project &project);

// Writes a project file, or (by the name) a configuration file of a fresh record, replacing the
// file as a whole or not at all; a Failure naming the file when it cannot.
void writeAnyConfigFile(const QString &path, const Project &project);

}  // namespace plc
