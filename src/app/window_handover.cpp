#include "window_handover.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace plc {

namespace {

// On the wire: the path's UTF-8 length as four bytes, high byte first, then the path. The
// window answers one byte once it has taken it.
constexpr int kLengthBytes = 4;
constexpr quint32 kLongestPath = 64 * 1024;  // anything longer is no path
constexpr char kTaken = '\x06';

// How long a live window takes to accept a connection, and a sender to finish its message.
constexpr int kAcceptMs = 200;
constexpr int kMessageMs = 2000;

QByteArray messageOf(const QString &path)
{
    const QByteArray utf8 = path.toUtf8();
    QByteArray message(kLengthBytes, '\0');
    qToBigEndian(quint32(utf8.size()), message.data());
    return message + utf8;
}

QString userName()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// Whether a window accepts connections under name.
bool answers(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(kAcceptMs);
}

}  // namespace

QString userWindowName()
{
    const QString name = QStringLiteral("plc-config-") + userName();
    // The runtime folder is the user's alone and emptied at log-out; the temporary folder is
    // where the name goes without one.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name);
    return name;
}

bool handOverToWindow(const QString &name, const QString &path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;  // none listens, or a crashed window left its name behind
    socket.write(messageOf(path));
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.read(1).at(0) == kTaken;
}

WindowHandoverServer::WindowHandoverServer(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &WindowHandoverServer::takeConnection);
}

bool WindowHandoverServer::listen(const QString &name)
{
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError || answers(name))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

bool WindowHandoverServer::isListening() const
{
    return m_server->isListening();
}

void WindowHandoverServer::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(*socket); });
        // A sender that never finishes its message is not waited for.
        QTimer::singleShot(kMessageMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void WindowHandoverServer::readMessage(QLocalSocket &socket)
{
    if (socket.bytesAvailable() < kLengthBytes)
        return;
    const quint32 length = qFromBigEndian<quint32>(socket.peek(kLengthBytes).constData());
    if (length > kLongestPath) {
        socket.abort();
        return;
    }
    if (socket.bytesAvailable() < kLengthBytes + qint64(length))
        return;
    socket.skip(kLengthBytes);
    const QString path = QString::fromUtf8(socket.read(length));
    disconnect(&socket, &QLocalSocket::readyRead, this, nullptr);
    socket.write(QByteArray(1, kTaken));
    socket.disconnectFromServer();  // once the answer is out
    Q_EMIT handedOver(path);
}

}  // namespace plc
