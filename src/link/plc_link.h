#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <functional>

// One window's serial port and answer timer: the port and line settings last applied,
// opening with clear failures, and the event-driven wait for an answer.
class PlcLink : public QObject {
    Q_OBJECT

public:
    explicit PlcLink(QObject *parent = nullptr);
    ~PlcLink() override;

    // A text such as "9600,N,8,1". Only checked when the port opens.
    void setLineSettings(const QString &text) { m_lineSettings = text; }
    const QString &lineSettings() const { return m_lineSettings; }
    // The port by its number (for messages) and the device behind it, such as /dev/ttyUSB0;
    // the empty device when the number names no port.
    void setPort(int number, const QString &device)
    {
        m_portNumber = number;
        m_device = device;
    }
    int portNumber() const { return m_portNumber; }
    const QString &device() const { return m_device; }
    // "COM3 (/dev/ttyS2)", or the device alone when it has no port number.
    QString portName() const;

    // Port and line settings given from outside the settings file (the command line): from
    // then on Setup_port leaves them as they are.
    void pinSettings() { m_pinned = true; }
    bool settingsPinned() const { return m_pinned; }

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
    // True while a user action runs on this link (see runLinkAction).
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy);

    // Sends one request and waits until accepted(received text) holds or the line has been
    // silent for timeoutMs (every received piece restarts the wait). Whatever the port held
    // before the request is discarded first, so a late answer to an earlier exchange cannot
    // pass for this one. Returns the text received; *accepted tells how the wait ended. A port
    // that fails meanwhile (an unplugged adapter) ends the wait at once: the port is closed and
    // a Failure names it and the cause. Every exchange that went out is published, as it
    // ended, to whoever listens to ExchangeFeed.
    QByteArray exchange(const QByteArray &request, int timeoutMs,
                        const std::function<bool(const QByteArray &)> &isComplete, bool *accepted);

Q_SIGNALS:
    // A user action started or ended on this link; windows lock their other controls meanwhile.
    void busyChanged(bool busy);

private:
    void pieceArrived();
    void portFailed(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QTimer m_timer;
    // The running exchange: the wait, what came so far, its check, how it ended.
    QEventLoop m_loop;
    QByteArray m_received;
    const std::function<bool(const QByteArray &)> *m_isComplete = nullptr;
    bool m_accepted = false;
    QString m_lost;
    QElapsedTimer m_openedAt;  // since the first opening in the running action
    QString m_lineSettings;
    int m_portNumber = 0;
    QString m_device;
    bool m_waiting = false;
    bool m_busy = false;
    bool m_pinned = false;
};

// Pauses for ms milliseconds while the window goes on processing its events (no busy wait).
void Pause(int ms);
