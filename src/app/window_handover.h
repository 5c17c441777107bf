#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace plc {

// The user's one window listens under this name; a later start of the program hands its file
// to it there. Private to the user: in the user's runtime folder where there is one.
QString userWindowName();

// A later start's side: hands path (absolute; empty to only bring the window to the front) to
// the window listening under name. True when that window took it within timeoutMs; false when
// none listens or it did not answer in time, and the caller opens a window of its own.
bool handOverToWindow(const QString &name, const QString &path, int timeoutMs = 500);

// The running window's side: takes the files later starts hand over, answers each so its
// sender may end, and passes the file on.
class WindowHandoverServer : public QObject {
    Q_OBJECT

public:
    explicit WindowHandoverServer(QObject *parent = nullptr);

    // Listens under name. A name left behind by a window that crashed is cleared first; a name
    // a live window answers under is left to it (false).
    bool listen(const QString &name);
    bool isListening() const;

Q_SIGNALS:
    // A later start handed path over; empty when it named no file.
    void handedOver(const QString &path);

private:
    void takeConnection();
    void readMessage(QLocalSocket &socket);

    QLocalServer *m_server;
};

}  // namespace plc
