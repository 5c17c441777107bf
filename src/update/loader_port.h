#pragma once

#include "modem_lines.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <optional>

namespace plc {

// The line the loader is reached on: its speed and whether it carries even parity (8 data bits
// and 1 stop bit either way).
struct LoaderLine {
    qint32 baudRate = 115200;
    bool evenParity = true;

    // "115200,E,8,1" or "115200,N,8,1" (speed 1200 to 115200); nullopt, with *error set, else.
    static std::optional<LoaderLine> parse(const QString &text, QString *error);
    // The speeds --baud takes: 115200 and the faster ones a loader may follow.
    static bool isFastSpeed(qint32 baudRate);
    QString text() const;  // as parse takes it
    int bitsPerByte() const { return evenParity ? 11 : 10; }
    // The time count bytes take on the wire, in ms, rounded up.
    int wireMs(qint64 count) const;
};

// The serial port as the loader client uses it: bytes out, and a wait for a number of bytes back
// that costs no CPU. Where the port has a file descriptor the wait blocks in poll() on it and
// returns the moment the last byte wanted is in (an update waits for thousands of short answers,
// and an event-loop wake per notification costs more than the answer's own round trip); window
// events are processed before each wait and every few ms of a long one, so the window stays
// responsive. Elsewhere it waits in a local event loop that wakes on readyRead, a port error and
// a single-shot timer.
class LoaderPort : public QObject, public ModemLines {
    Q_OBJECT

public:
    enum class Wait { Complete, Timeout, Lost };

    explicit LoaderPort(QObject *parent = nullptr);
    ~LoaderPort() override;

    // Opens the device with the line; the empty text when it did, else why not (closed then).
    QString open(const QString &device, const LoaderLine &line);
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    QString device() const { return m_device; }
    const LoaderLine &line() const { return m_line; }

    // Sends bytes; false when the port is lost.
    bool send(const QByteArray &bytes);
    // Waits until count bytes have come (they are taken from the port, whatever came beyond
    // them stays for the next wait) or timeoutMs pass plus the wire time of what was sent last
    // and of the count bytes. *received holds what came either way.
    Wait receive(int count, int timeoutMs, QByteArray *received);
    // Has the next receive() send `next` the moment its first byte in is `trigger`, before it
    // returns: the next part of a command goes out as soon as the loader acknowledged the last,
    // not after the answer was passed up and looked at. A wait that ends otherwise drops it.
    void sendOnAnswer(char trigger, const QByteArray &next);
    // Discards what comes until quietMs pass with nothing.
    void drain(int quietMs);
    // Discards what has come so far without waiting (noise before the first question).
    void discardArrived();

    // The modem lines, for boards that wire them to reset and boot mode.
    QString setLine(ModemLine line, bool asserted) override;
    void pause(int ms) override;
    // Why the port was lost (while it was open).
    QString lostReason() const { return m_lost; }
    // Bytes sent and received since opening.
    qint64 bytesSent() const { return m_sent; }
    qint64 bytesReceived() const { return m_received; }

private:
    void takeArrived();
    // Moves what the port object has read so far to m_buffer.
    void takeBuffered();
    // Each waits until m_buffer holds count bytes, the port is lost or the time is up.
    void waitInEventLoop(int count, int timeoutMs);
#ifdef Q_OS_UNIX
    void waitOnDescriptor(int count, int timeoutMs);
    bool writeToDescriptor(const QByteArray &bytes);
    // Lets the thread's events (window, Ctrl-C, a cancel) run when it has not for a while.
    void processEventsNow();
    void processEventsEvery(int ms);
    qint64 m_eventsAtMs = 0;
    QElapsedTimer m_sinceOpen;
#endif
    void portFailed(QSerialPort::SerialPortError error);

    // Set up once, not per wait: an update waits for thousands of answers.
    QEventLoop m_loop;
    QTimer m_timer;
    bool m_waiting = false;
    int m_wanted = 0;
    QSerialPort m_port;
    QString m_device;
    LoaderLine m_line;
    QByteArray m_buffer;
    int m_fd = -1;              // the descriptor sends and waits use; -1: they use the port object
    bool m_portMayHold = true;  // the port object may hold bytes not yet in m_buffer
    QString m_lost;
    int m_lastSentMs = 0;
    QByteArray m_next;  // sendOnAnswer's bytes
    char m_trigger = 0;
    qint64 m_sent = 0;
    qint64 m_received = 0;
};

}  // namespace plc
