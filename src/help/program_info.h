#pragma once

#include <QString>

namespace plc {

// What "About" tells of the program: its version, its licence and where it keeps its files.
namespace programinfo {

// The version as "plc-config --version" prints it ("plc-config 1.0").
QString versionText();

// The terms the program comes under. The repository holds no licence file, so none is granted.
QString licenceText();

// The history file of the writes to controllers: history.jsonl in the user's data folder of the
// program.
QString historyFilePath();

}  // namespace programinfo

}  // namespace plc
