#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace plc {

// One update window per user at a time. The first start holds a lock file in a per-user folder
// and listens on a local socket named after that folder; a later start finds the lock held,
// asks the first over the socket to come to the front, and ends. A lock left by a program that
// crashed names a process that no longer runs, so it does not count.
class SingleWindow : public QObject {
    Q_OBJECT

public:
    explicit SingleWindow(const QString &folder, QObject *parent = nullptr);
    ~SingleWindow() override;

    // True when this start is the first (it then listens); false after asking the first one to
    // come to the front.
    bool claim();

Q_SIGNALS:
    // A later start asked for the window.
    void raiseRequested();

private:
    void answerLaterStart();

    QString m_folder;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

}  // namespace plc
