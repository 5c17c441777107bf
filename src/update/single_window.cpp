#include "single_window.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace plc {

SingleWindow::SingleWindow(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &SingleWindow::raiseRequested);
}

SingleWindow::~SingleWindow() = default;

bool SingleWindow::claim()
{
    const QDir folder(m_folder);
    folder.mkpath(QStringLiteral("."));
    const QString raise = folder.filePath(QStringLiteral("update.raise"));
    m_lock = std::make_unique<QLockFile>(folder.filePath(QStringLiteral("update.lock")));
    // The window may stay open for hours: only a holder that no longer runs makes it stale.
    m_lock->setStaleLockTime(0);
    QFile request(raise);
    if (m_lock->tryLock(0)) {
        if (request.open(QIODevice::WriteOnly))  // made empty: later starts append to it
            request.close();
        m_watcher.addPath(raise);
        return true;
    }
    m_lock.reset();
    if (request.open(QIODevice::Append))
        request.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n');
    return false;
}

}  // namespace plc
