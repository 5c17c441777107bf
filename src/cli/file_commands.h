#pragma once

#include "project_file.h"

#include <QString>

namespace plc {

class Console;

// A configuration file or a project read as a project, by its name (a Failure naming the file
// when it is refused); the keys of a project this program does not know are named on standard
// error, as they are left out of anything written from it.
Project readCommandFile(Console &console, const QString &path);

// Prints one table of a configuration file or project as CSV, or replaces it by a CSV file's
// rows. A configuration file keeps every other byte of its record; a project is written anew.
void runCsv(Console &console, const QString &file, const QString &part, const QString &csvFile);

// Writes the file in as the kind of file out names, whole or not at all: a project's values a
// configuration file cannot hold are named on standard error, one line each. Between two
// configuration files the record is copied as it is.
void runConvert(Console &console, const QString &in, const QString &out);

}  // namespace plc
