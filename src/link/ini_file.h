#pragma once

#include <QString>

// The settings file set.ini beside the program.

// Where the settings file lies: the program's folder followed by "/set.ini".
QString settingsFilePath();
// Points the tool at another settings file (tests); the empty text restores the default.
void setSettingsFilePath(const QString &path);

// A key's value, read afresh from the file every time; def when the file, the section or the
// key is missing. Section and key names match without regard to case, values are trimmed and
// surrounding quotes dropped, and at most 254 characters come back, as from a profile file.
QString Read_ini(const QString &file, const QString &section, const QString &key,
                 const QString &def);

// Stores a value, creating the file or the section when needed. Every other line of the file,
// comments included, stays as it was. A file that cannot be written is not reported.
void Write_ini(const QString &file, const QString &section, const QString &key,
               const QString &value);
