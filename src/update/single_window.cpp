#include "single_window.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace plc {

namespace {

constexpr int kAnswerMs = 2000;  // the first start answers from its event loop

}  // namespace

SingleWindow::SingleWindow(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{
    // Short and per folder: a socket's path is limited, and the folder is the user's own.
    m_serverName =
        QStringLiteral("plc-update-") +
        QString::fromLatin1(
            QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
                .toHex()
                .left(16));
    connect(&m_server, &QLocalServer::newConnection, this, &SingleWindow::answerLaterStart);
}

SingleWindow::~SingleWindow() = default;

bool SingleWindow::claim()
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(QStringLiteral("update.lock")));
    // The window may stay open for hours: only a holder that no longer runs makes it stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        QLocalServer::removeServer(m_serverName);  // the socket of one that crashed
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        m_server.listen(m_serverName);
        return true;
    }
    m_lock.reset();
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    // Connecting is the request.
    if (socket.waitForConnected(kAnswerMs))
        socket.disconnectFromServer();
    return false;
}

void SingleWindow::answerLaterStart()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        socket->disconnectFromServer();
        socket->deleteLater();
        Q_EMIT raiseRequested();
    }
}

}  // namespace plc
