#include "whole_file.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace plc {

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes a temporary file in the same folder, syncs it on commit and renames it
    // over the target; until then, or when anything fails, the target is untouched.
    QSaveFile file(path);
    // Never a null text for a failure: the caller reads null as written.
    const auto failed = [&file] {
        const QString reason = file.errorString();
        return reason.isEmpty() ? QCoreApplication::translate("plc::WholeFile", "Unknown error")
                                : reason;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = failed();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return failed();
    return QString();
}

}  // namespace plc
