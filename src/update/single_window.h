#pragma once

#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace plc {

// One update window per user at a time. The first start holds a lock file in a per-user folder
// and watches a second file there; a later start finds the lock held, writes to that file (which
// asks the first to come to the front) and ends. A lock left by a program that crashed names a
// process that no longer runs, so it does not count. Qt Core only: the command line, which
// links this too, starts no faster than the libraries it loads.
class SingleWindow : public QObject {
    Q_OBJECT

public:
    explicit SingleWindow(const QString &folder, QObject *parent = nullptr);
    ~SingleWindow() override;

    // True when this start is the first (it then watches); false after asking the first one to
    // come to the front.
    bool claim();

Q_SIGNALS:
    // A later start asked for the window.
    void raiseRequested();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QFileSystemWatcher m_watcher;
};

}  // namespace plc
