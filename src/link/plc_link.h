#pragma once

#include "exchange.h"
#include "line_settings.h"
#include "outcome.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>

namespace plc {

// One window's serial port and answer timer: the port and line settings last applied,
// opening with clear failures, and the event-driven wait for an answer.
class PlcLink : public QObject {
    Q_OBJECT

public:
    explicit PlcLink(QObject *parent = nullptr);
    ~PlcLink() override;

    // The port and line settings the next opening uses. Line settings with a fault are only
    // refused when the port opens.
    void setPort(const PortSetup &port) { m_setup = port; }
    const PortSetup &port() const { return m_setup; }
    void setLineSettings(const LineSettings &line) { m_setup.line = line; }
    const LineSettings &lineSettings() const { return m_setup.line; }
    int portNumber() const { return m_setup.number; }
    const QString &device() const { return m_setup.device; }
    // "COM3 (/dev/ttyS2)", or the device alone when it has no port number.
    QString portName() const;

    // Opens the port when it is closed. A port that cannot be opened or that refuses a line
    // setting raises a Failure naming the device or the setting; the port is then closed.
    void open();
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    // How long ago the running user action first opened the port, in ms; -1 when it has not
    // opened it (nothing went to the controller).
    qint64 actionOpenedMs() const { return m_openedAt.isValid() ? m_openedAt.elapsed() : -1; }

    // True while an exchange waits for its answer.
    bool isWaiting() const { return m_waiting; }
    // What the running action has had accepted so far; it starts empty with each action.
    WriteTally &tally() { return m_tally; }

    // A flag that, once raised (Ctrl-C, from any thread), stops the action at its next exchange
    // with "Stopped by Ctrl-C" (Cancelled); nullptr for none. It must outlive the link.
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }

    // The user's Cancel (the progress window's button or Escape): the running action stops before
    // its next exchange with "Cancelled by the user" (Cancelled), and a pause between exchanges
    // ends at once. The exchange waiting for its answer finishes first, so no answer is left
    // on the line. Ignored while no action runs; each action starts uncancelled.
    void cancel();
    // True once the running action was cancelled by the user.
    bool isCancelled() const { return m_cancelled; }

    // True while a user action runs on this link (see runOnLink).
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy);

    // Sends one request and waits until its answer is whole or the line has been silent for
    // timeoutMs (every received piece restarts the wait). Whatever the port held before the
    // request is discarded first, so a late answer to an earlier exchange cannot pass for this
    // one. A port that fails meanwhile (an unplugged adapter) ends the wait at once and is
    // closed: the reply says PortLost with the cause. Every exchange that went out is published,
    // as it ended, to whoever listens to ExchangeFeed.
    Reply exchange(const Request &request, int timeoutMs);

    // Pauses ms milliseconds between two exchanges while the window goes on processing its
    // events (no busy wait); a cancel ends the pause at once.
    void pause(int ms);

Q_SIGNALS:
    // A user action started or ended on this link; windows lock their other controls meanwhile.
    void busyChanged(bool busy);

private:
    void pieceArrived();
    void portFailed(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QTimer m_timer;
    // The running exchange: the wait, what came so far, the length that makes it whole (0 while
    // no exchange runs), whether it became whole, why the port failed.
    QEventLoop m_loop;
    QByteArray m_received;
    int m_answerLength = 0;
    bool m_whole = false;
    QString m_lost;
    QElapsedTimer m_openedAt;  // since the first opening in the running action
    WriteTally m_tally;
    PortSetup m_setup;
    const std::atomic<bool> *m_stop = nullptr;
    QEventLoop *m_pause = nullptr;  // the running pause; null while none runs
    bool m_waiting = false;
    bool m_busy = false;
    bool m_cancelled = false;
};

// What a progress window's Cancel does for an action on link.
inline std::function<void()> cancelActionOn(PlcLink &link)
{
    return [&link] {
        link.cancel();
    };
}

// The text of an action the user cancelled.
QString cancelledByUser();

// Pauses for ms milliseconds while the window goes on processing its events (no busy wait).
void Pause(int ms);

}  // namespace plc
