#pragma once

#include <QByteArray>
#include <QString>

namespace plc {

// The settings file set.ini: beside the program, or per user where the program's folder cannot
// be written (an installed program).

// Where the settings file of a program in programFolder lies. In a folder the program may write:
// the folder followed by "/set.ini". Otherwise set.ini in userFolder, which is created, and whose
// file is first made as a copy of the one beside the program when that exists; once there it is
// never replaced. A file that cannot be made is not reported, like a failed write.
QString chooseSettingsFile(const QString &programFolder, const QString &userFolder,
                           bool programFolderWritable);
// The settings file in use: chooseSettingsFile for this program's folder and the user's
// configuration folder of the tool.
QString settingsFilePath();
// Points the tool at another settings file (tests); the empty text restores the default.
void setSettingsFilePath(const QString &path);

// A key's value, read afresh from the file every time; def when the file, the section or the
// key is missing. Section and key names match without regard to case, values are trimmed and
// surrounding quotes dropped, and at most 254 characters come back, as from a profile file.
QString readIniValue(const QString &file, const QString &section, const QString &key,
                     const QString &def);

// Stores a value, creating the file or the section when needed. Every other line of the file,
// comments included, stays as it was. A file that cannot be written is not reported.
void writeIniValue(const QString &file, const QString &section, const QString &key,
                   const QString &value);

// The same two on a settings file's bytes in memory: the value they give, and the bytes with
// the value stored. readIniValue and writeIniValue read the file and write it whole around them.
QString iniValue(const QByteArray &bytes, const QString &section, const QString &key,
                 const QString &def);
QByteArray iniWithValue(const QByteArray &bytes, const QString &section, const QString &key,
                        const QString &value);

}  // namespace plc
