#include "loader_port.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>

#include <utility>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace plc {

namespace {

// The longest a wait for the loader keeps window events (a repaint, Cancel) or Ctrl-C waiting.
constexpr int kEventsEveryMs = 50;
// A port that takes no byte for this long while sending is stuck for good.
constexpr int kSendStallMs = 1000;

}  // namespace

std::optional<LoaderLine> LoaderLine::parse(const QString &text, QString *error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool ok = false;
    LoaderLine line;
    line.baudRate = parts.value(0).trimmed().toInt(&ok);
    const QString parity = parts.value(1).trimmed().toUpper();
    if (parts.size() != 4 || !ok || line.baudRate < 1200 || line.baudRate > 115200 ||
        (parity != QLatin1String("E") && parity != QLatin1String("N")) ||
        parts.at(2).trimmed() != QLatin1String("8") ||
        parts.at(3).trimmed() != QLatin1String("1")) {
        if (error)
            *error = LoaderPort::tr(
                         "The line settings \"%1\" are not speed,parity,8,1 with a "
                         "speed from 1200 to 115200 and parity E (the loader's) or N")
                         .arg(text);
        return std::nullopt;
    }
    line.evenParity = parity == QLatin1String("E");
    return line;
}

bool LoaderLine::isFastSpeed(qint32 baudRate)
{
    return baudRate == 115200 || baudRate == 230400 || baudRate == 460800 || baudRate == 921600;
}

QString LoaderLine::text() const
{
    return QStringLiteral("%1,%2,8,1")
        .arg(baudRate)
        .arg(evenParity ? QLatin1Char('E') : QLatin1Char('N'));
}

int LoaderLine::wireMs(qint64 count) const
{
    return int((count * bitsPerByte() * 1000 + baudRate - 1) / baudRate);
}

LoaderPort::LoaderPort(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, &m_loop, &QEventLoop::quit);
    connect(&m_port, &QSerialPort::readyRead, this, &LoaderPort::takeArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &LoaderPort::portFailed);
}

void LoaderPort::takeArrived()
{
    if (!m_waiting) {
        m_portMayHold = true;  // taken by the next wait
        return;
    }
    m_buffer += m_port.readAll();
    if (m_buffer.size() >= m_wanted)
        m_loop.quit();
}

void LoaderPort::portFailed(QSerialPort::SerialPortError error)
{
    // A port that fails while we wait (unplugged, say) will not answer any more.
    if (!m_waiting || error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    m_lost = m_port.errorString();
    m_loop.quit();
}

LoaderPort::~LoaderPort()
{
    close();
}

QString LoaderPort::open(const QString &device, const LoaderLine &line)
{
    close();
    m_device = device;
    m_line = line;
    m_lost.clear();
    m_buffer.clear();
    m_sent = m_received = 0;
#ifdef Q_OS_UNIX
    m_sinceOpen.start();
    m_eventsAtMs = 0;
#endif
    if (device.isEmpty())
        return tr("No serial port is chosen");
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return tr("Cannot open %1: %2").arg(device, m_port.errorString());
    auto refused = [this](const QString &what, const QString &hint = QString()) {
        const QString reason = m_port.errorString();
        m_port.close();
        return tr("The serial port %1 refuses %2 (%3).%4").arg(m_device, what, reason, hint);
    };
    if (!m_port.setBaudRate(line.baudRate))
        return refused(tr("the speed %1").arg(line.baudRate));
    if (!m_port.setParity(line.evenParity ? QSerialPort::EvenParity : QSerialPort::NoParity))
        return refused(line.evenParity ? tr("even parity, which the loader uses") : tr("no parity"),
                       line.evenParity
                           ? tr(" Pseudo-terminals and some adapters cannot carry parity: choose "
                                "no parity (line 115200,N,8,1, or 8N1 in the window) where the "
                                "other end has none.")
                           : QString());
    if (!m_port.setDataBits(QSerialPort::Data8) || !m_port.setStopBits(QSerialPort::OneStop) ||
        !m_port.setFlowControl(QSerialPort::NoFlowControl))
        return refused(tr("8 data bits, 1 stop bit, no flow control"));
    m_port.clear(QSerialPort::AllDirections);
#ifdef Q_OS_UNIX
    m_fd = m_port.handle();
#endif
    m_portMayHold = true;
    return QString();
}

void LoaderPort::close()
{
    m_fd = -1;
    if (m_port.isOpen())
        m_port.close();
}

bool LoaderPort::send(const QByteArray &bytes)
{
    if (!m_lost.isEmpty() || (m_fd < 0 && !m_port.isOpen()))
        return false;
    m_sent += bytes.size();
    m_lastSentMs = m_line.wireMs(bytes.size());
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        return writeToDescriptor(bytes);
#endif
    if (m_port.write(bytes) != bytes.size()) {
        m_lost = m_port.errorString();
        return false;
    }
    m_port.flush();  // out now, not when the event loop next looks: the loader waits for it
    return true;
}

void LoaderPort::takeBuffered()
{
    // The port object reads only while events run, and says so (takeArrived); asked before it
    // is read: reading an empty port re-arms its notifier, a cost on every answer.
    if (!m_portMayHold)
        return;
    m_portMayHold = m_fd < 0;
    if (m_port.bytesAvailable() > 0)
        m_buffer += m_port.readAll();
}

LoaderPort::Wait LoaderPort::receive(int count, int timeoutMs, QByteArray *received)
{
    auto take = [&] {
        const QByteArray taken = m_buffer.left(count);
        m_buffer.remove(0, taken.size());
        m_received += taken.size();
        *received = taken;
    };
    const QByteArray next = std::exchange(m_next, QByteArray());  // for this wait only
    if (!m_lost.isEmpty()) {
        take();
        return Wait::Lost;
    }
    takeBuffered();
    if (m_buffer.size() < count) {
        const int totalMs = timeoutMs + m_lastSentMs + m_line.wireMs(count);
#ifdef Q_OS_UNIX
        if (m_fd >= 0)
            waitOnDescriptor(count, totalMs);
        else
#endif
            waitInEventLoop(count, totalMs);
    }
    m_lastSentMs = 0;
    const bool complete = m_buffer.size() >= count;
    if (complete && !next.isEmpty() && m_buffer.at(0) == m_trigger)
        send(next);
    take();
    if (complete)
        return Wait::Complete;
    return m_lost.isEmpty() ? Wait::Timeout : Wait::Lost;
}

void LoaderPort::sendOnAnswer(char trigger, const QByteArray &next)
{
    m_trigger = trigger;
    m_next = next;
}

void LoaderPort::waitInEventLoop(int count, int timeoutMs)
{
    m_wanted = count;
    m_waiting = true;
    m_timer.start(timeoutMs);
    m_loop.exec();
    m_timer.stop();
    m_waiting = false;
}

#ifdef Q_OS_UNIX

void LoaderPort::waitOnDescriptor(int count, int timeoutMs)
{
    // Now, while the loader still takes in what was sent, rather than once its answer is in.
    processEventsEvery(kEventsEveryMs);
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    for (;;) {
        takeBuffered();  // what the port read while events ran
        if (m_buffer.size() >= count || !m_lost.isEmpty())
            return;
        const qint64 leftMs = deadline.remainingTime();
        if (leftMs == 0)
            return;
        pollfd in{m_fd, POLLIN, 0};
        const int ready = ::poll(&in, 1, int(qMin<qint64>(leftMs, kEventsEveryMs)));
        if (ready < 0 && errno != EINTR) {
            m_lost = qt_error_string(errno);
            return;
        }
        if (ready <= 0) {
            processEventsNow();
            continue;
        }
        // All that is there: an ACK and the block read after it come in one read, and what
        // follows the wanted bytes stays in m_buffer for the next wait.
        char piece[1024];
        const ssize_t n = ::read(m_fd, piece, sizeof piece);
        if (n > 0) {
            m_buffer.append(piece, qsizetype(n));
        } else if ((n < 0 && errno != EINTR && errno != EAGAIN) ||
                   (in.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            m_lost = n < 0 ? qt_error_string(errno) : tr("the device is gone");
            return;
        }
    }
}

bool LoaderPort::writeToDescriptor(const QByteArray &bytes)
{
    // One write() for the whole frame: a command and its complement, an address and its
    // checksum, reach the loader together.
    const char *at = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(m_fd, at, left);
        if (n > 0) {
            at += n;
            left -= size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            m_lost = qt_error_string(errno);
            return false;
        }
        pollfd out{m_fd, POLLOUT, 0};
        if (::poll(&out, 1, kSendStallMs) <= 0) {
            m_lost = tr("it takes no more bytes");
            return false;
        }
    }
    return true;
}

void LoaderPort::processEventsNow()
{
    QCoreApplication::processEvents();
    if (!m_port.isOpen() && m_lost.isEmpty())  // closed on a failure it met meanwhile
        m_lost = m_port.errorString();
    m_eventsAtMs = m_sinceOpen.elapsed();
}

void LoaderPort::processEventsEvery(int ms)
{
    if (m_sinceOpen.elapsed() - m_eventsAtMs >= ms)
        processEventsNow();
}

#endif

void LoaderPort::discardArrived()
{
    m_buffer.clear();
    m_port.readAll();
    m_port.clear(QSerialPort::Input);  // and what the system holds for us
}

QString LoaderPort::setLine(ModemLine line, bool asserted)
{
    const bool done = line == ModemLine::Dtr ? m_port.setDataTerminalReady(asserted)
                                             : m_port.setRequestToSend(asserted);
    if (done)
        return QString();
    const QString reason = m_port.errorString();
    m_port.clearError();
    return tr("The serial port %1 cannot drive its %2 line (%3): a pseudo-terminal and some "
              "adapters have no modem lines. Enter the loader by hand or leave out the line "
              "sequence.")
        .arg(m_device, modemLineName(line), reason);
}

void LoaderPort::pause(int ms)
{
    m_timer.start(ms);
    m_loop.exec();
    m_timer.stop();
}

void LoaderPort::drain(int quietMs)
{
    QByteArray ignored;
    m_buffer.clear();
    while (receive(1, quietMs, &ignored) == Wait::Complete) {
        m_buffer.clear();
    }
}

}  // namespace plc
