#include "whole_file.h"

#include <QSaveFile>

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes a temporary file in the same folder, syncs it on commit and renames it
    // over the target; until then, or when anything fails, the target is untouched.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}
