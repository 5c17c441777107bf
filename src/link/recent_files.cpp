#include "recent_files.h"

#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace plc {

namespace recentfiles {

namespace {

const QString kLastFolder = QStringLiteral("LastFolder");
constexpr int kLongestValue = 254;  // what the settings file gives back of a value

QString recentKey(int i)
{
    return QStringLiteral("Recent%1").arg(i + 1);
}

bool sameFolder(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

void store(const QStringList &files)
{
    // Keys past the end are emptied, so a shorter list reads back as it is.
    for (int i = 0; i < kLimit; ++i) {
        const QString key = recentKey(i);
        const QString value = files.value(i);
        if (value != settingsfile::windowValue(key))
            settingsfile::setWindowValue(key, value);
    }
}

}  // namespace

QString startFolder(const Folders &folders)
{
    for (const QString &folder : {folders.last, folders.documents}) {
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            continue;
        if (!folders.programWritable && sameFolder(folder, folders.program))
            continue;
        return folder;
    }
    return folders.home;
}

QStringList withFirst(const QStringList &list, const QString &path)
{
    QStringList files{path};
    for (const QString &file : list) {
        if (file != path && files.size() < kLimit)
            files.append(file);
    }
    return files;
}

bool keepable(const QString &path)
{
    // The file trims values, drops surrounding quotes and keeps a value on one line.
    if (path.isEmpty() || path.size() > kLongestValue || path != path.trimmed() ||
        path.startsWith(QLatin1Char('"')) || path.startsWith(QLatin1Char('\'')))
        return false;
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString dialogFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    return startFolder(
        {settingsfile::windowValue(kLastFolder), program, QFileInfo(program).isWritable(),
         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()});
}

QStringList list()
{
    QStringList files;
    for (int i = 0; i < kLimit; ++i) {
        const QString file = settingsfile::windowValue(recentKey(i));
        if (!file.isEmpty() && !files.contains(file))
            files.append(file);
    }
    return files;
}

void rememberFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (keepable(folder) && folder != settingsfile::windowValue(kLastFolder))
        settingsfile::setWindowValue(kLastFolder, folder);
}

void remember(const QString &path)
{
    rememberFolder(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (keepable(absolute))
        store(withFirst(list(), absolute));
}

void forget(const QString &path)
{
    QStringList files = list();
    files.removeAll(path);
    store(files);
}

}  // namespace recentfiles

}  // namespace plc
