#include "plc_link.h"

#include "exchange_feed.h"
#include "failure.h"
#include "ports_in_use.h"

#include <utility>

namespace plc {

PlcLink::PlcLink(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire 5% early; the answer timeout must hold to the millisecond.
    m_timer.setTimerType(Qt::PreciseTimer);
    // Connected once: an exchange costs no connection of its own.
    connect(&m_port, &QSerialPort::readyRead, this, &PlcLink::pieceArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &PlcLink::portFailed);
    connect(&m_timer, &QTimer::timeout, &m_loop, &QEventLoop::quit);
}

PlcLink::~PlcLink()
{
    close();
}

void PlcLink::open()
{
    if (m_port.isOpen())
        return;
    const QString &device = m_setup.device;
    if (device.isEmpty())
        throw Failure(tr("No serial port is chosen (port number %1)").arg(m_setup.number),
                      Outcome::Kind::PortNotOpened);
    refuseHeldPort(m_setup, this);  // another window's run holds it
    const LineSettings &settings = m_setup.line;
    if (!settings.fault().isEmpty())
        throw Failure(settings.fault());

    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QString reason = m_port.errorString();
        throw Failure(tr("Cannot open %1: %2").arg(portName(), reason),
                      Outcome::Kind::PortNotOpened, reason);
    }
    auto require = [this](bool applied, const QString &what) {
        if (applied)
            return;
        const QString reason = m_port.errorString();
        m_port.close();
        throw Failure(tr("The serial port %1 refuses %2 (%3): %4")
                          .arg(m_setup.number > 0 ? QStringLiteral("COM%1").arg(m_setup.number)
                                                  : m_setup.device,
                               what, m_setup.line.text(), reason),
                      Outcome::Kind::PortNotOpened, reason);
    };
    require(m_port.setBaudRate(settings.baudRate()), tr("the speed"));
    require(m_port.setParity(settings.parity()), tr("the parity"));
    require(m_port.setDataBits(settings.dataBits()), tr("the data bits"));
    require(m_port.setStopBits(settings.stopBits()), tr("the stop bits"));
    require(m_port.setFlowControl(QSerialPort::NoFlowControl), tr("no flow control"));
    if (!m_openedAt.isValid())
        m_openedAt.start();
}

QString PlcLink::portName() const
{
    // A device given by its path alone has no port number.
    if (m_setup.number < 1)
        return m_setup.device;
    return QStringLiteral("COM%1 (%2)").arg(m_setup.number).arg(m_setup.device);
}

void PlcLink::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy) {
        m_openedAt.invalidate();
        m_tally = WriteTally();
        m_cancelled = false;
    }
    Q_EMIT busyChanged(busy);
}

void PlcLink::cancel()
{
    if (!m_busy)
        return;
    m_cancelled = true;
    if (m_pause)
        m_pause->quit();
}

void PlcLink::pause(int ms)
{
    if (m_cancelled)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    m_pause = &loop;
    loop.exec();
    m_pause = nullptr;
}

void PlcLink::close()
{
    if (m_port.isOpen())
        m_port.close();
}

void PlcLink::pieceArrived()
{
    if (!m_waiting)
        return;  // nobody asked: the next exchange discards it
    // Straight into the answer so far; only its length is looked at until the wait ends.
    const qsizetype size = m_received.size();
    const qint64 available = m_port.bytesAvailable();
    m_received.resize(size + qsizetype(available));
    const qint64 read = m_port.read(m_received.data() + size, available);
    m_received.resize(size + qsizetype(qMax<qint64>(read, 0)));
    if (m_received.size() >= m_answerLength) {
        m_whole = true;
        m_timer.stop();
        m_loop.quit();
    } else {
        m_timer.start();  // every piece restarts the full interval
    }
}

void PlcLink::portFailed(QSerialPort::SerialPortError error)
{
    // A port that fails while we wait (unplugged, say) will not answer any more.
    if (m_answerLength == 0 || error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    m_lost = m_port.errorString();
    m_loop.quit();
}

Reply PlcLink::exchange(const Request &request, int timeoutMs)
{
    if (!m_port.isOpen())
        throw Failure(tr("The serial port is not open"));
    if (m_waiting)
        throw Failure(tr("The serial port is still waiting for the controller"));
    if (m_stop && m_stop->load())
        throw Failure(tr("Stopped by Ctrl-C"), Outcome::Kind::Cancelled);
    if (m_cancelled)
        throw Failure(cancelledByUser(), Outcome::Kind::Cancelled);

    const QByteArray frame = request.frame();
    m_received.clear();
    m_whole = false;
    m_lost = QString();
    m_answerLength = request.answerLength();
    m_timer.setInterval(timeoutMs);
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
    // Nobody watching the traffic: not even the clock is read.
    const bool watched = ExchangeFeed::instance().isListened();
    const QDateTime sentAt = watched ? QDateTime::currentDateTime() : QDateTime();
    QElapsedTimer answerTime;
    if (watched)
        answerTime.start();
    m_port.write(frame);
    if (request.command == Request::Command::Write ||
        request.command == Request::Command::CommandWrite)
        m_tally.sent += QByteArray::fromHex(request.data);
    if (m_lost.isNull()) {  // a port already gone fails on the write itself
        m_waiting = true;
        m_timer.start();
        m_loop.exec();
        m_waiting = false;
        m_timer.stop();
    }
    m_answerLength = 0;
    Reply reply = Reply::judge(request, std::exchange(m_received, QByteArray()), m_whole, m_lost);
    if (watched) {
        ExchangeFeed::instance().publish({sentAt, m_setup.number, m_setup.device, request, frame,
                                          reply, int(answerTime.elapsed())});
    }
    if (reply.kind == Reply::Kind::PortLost)
        m_port.close();  // the next action opens it afresh once it is back
    return reply;
}

void Pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QString cancelledByUser()
{
    return PlcLink::tr("Cancelled by the user");
}

}  // namespace plc
