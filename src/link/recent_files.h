#pragma once

#include <QString>
#include <QStringList>

namespace plc {

// Where the file dialogs start and which configuration and project files were used last, both
// kept in the settings file's [WINDOW] section.
namespace recentfiles {

constexpr int kLimit = 8;  // files listed

// The folders a file dialog may start in, best first.
struct Folders {
    QString last;     // of the file a dialog last chose; empty when none
    QString program;  // the program's own folder
    bool programWritable = false;
    QString documents;
    QString home;
};

// The first of last, documents and home that is an existing folder and not the program's own
// folder when the user cannot write there; home when none is.
QString startFolder(const Folders &folders);
// The list with path first, an earlier mention of it dropped, at most kLimit long.
QStringList withFirst(const QStringList &list, const QString &path);
// Whether the settings file can keep this path and give it back unchanged.
bool keepable(const QString &path);

// Where a file dialog starts now.
QString dialogFolder();
// The configuration and project files loaded or saved last, the most recent first.
QStringList list();
// A configuration or project file just loaded or saved: first in the list, its folder the last
// folder.
void remember(const QString &path);
// Any other file a dialog chose (a table's CSV file): its folder the last folder.
void rememberFolder(const QString &path);
// Takes a file off the list.
void forget(const QString &path);

}  // namespace recentfiles

}  // namespace plc
