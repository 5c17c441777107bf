#include "virtual_plc.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace plc::sim {

namespace {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr int kIoBlockAddress = 0x2000;
constexpr char ENQ = 0x05;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr int kMaxFrame = 300;

QByteArray checksumOf(const QByteArray &bodyWithEtx)
{
    int sum = 0;
    for (const char c : bodyWithEtx)
        sum += static_cast<unsigned char>(c);
    return QByteArray::number(sum & 0xFF, 16).toUpper().rightJustified(2, '0');
}

bool isHex(const QByteArray &text)
{
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

// A 16-bit word as the controller keeps it: low byte first.
QByteArray wordBytes(quint16 value)
{
    QByteArray bytes;
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
    return bytes;
}

// The wire time of one character on the line as the tool set the terminal up: start bit, data
// bits, parity bit, stop bits at its speed.
std::chrono::nanoseconds byteTimeOf(int terminal)
{
    termios tio{};
    if (tcgetattr(terminal, &tio) != 0)
        return {};
    static const std::map<speed_t, long> speeds = {
        {B1200, 1200},     {B2400, 2400},     {B4800, 4800},    {B9600, 9600},
        {B19200, 19200},   {B38400, 38400},   {B57600, 57600},  {B115200, 115200},
        {B230400, 230400}, {B460800, 460800}, {B921600, 921600}};
    const auto speed = speeds.find(cfgetospeed(&tio));
    if (speed == speeds.end())
        return {};
    const int dataBits = (tio.c_cflag & CSIZE) == CS7 ? 7 : (tio.c_cflag & CSIZE) == CS6 ? 6 : 8;
    const int bits =
        1 + dataBits + ((tio.c_cflag & PARENB) ? 1 : 0) + ((tio.c_cflag & CSTOPB) ? 2 : 1);
    return std::chrono::nanoseconds(1000000000LL * bits / speed->second);
}

VirtualPlc::Frame loaderFrame(const VirtualLoader::Command &c)
{
    VirtualPlc::Frame frame;
    frame.command = QStringLiteral("L%1").arg(c.code, 2, 16, QLatin1Char('0')).toUpper();
    if (c.address)
        frame.address = QStringLiteral("%1").arg(*c.address, 8, 16, QLatin1Char('0')).toUpper();
    if (c.count > 0)
        frame.count = QString::number(c.count);
    frame.data = c.data;
    frame.raw = c.raw;
    frame.valid = c.accepted;
    frame.answer = c.answer;
    return frame;
}

}  // namespace

VirtualPlc::VirtualPlc() = default;

VirtualPlc::~VirtualPlc()
{
    stop();
}

bool VirtualPlc::start(QString *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                  QString::fromLocal8Bit(strerror(errno)));
        stop();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail("grantpt/unlockpt");
    char name[128] = {};
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail("ptsname");
    m_devicePath = QString::fromLocal8Bit(name);
    // Holding the slave side open keeps the master readable while the tool has the port
    // closed; raw mode stops the line discipline from echoing or translating anything.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open pty slave");
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    if (pipe(m_wake) != 0)
        return fail("pipe");
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = false;
    }
    m_thread = std::thread([this] { run(); });
    return true;
}

void VirtualPlc::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    if (m_wake[1] >= 0) {
        const char c = 'q';
        [[maybe_unused]] ssize_t n = ::write(m_wake[1], &c, 1);
    }
    if (m_thread.joinable())
        m_thread.join();
    for (int *fd : {&m_master, &m_slave, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void VirtualPlc::failWrite(int nth, Fault fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeFaults[nth] = fault;
}

void VirtualPlc::failAddress(const QString &address, Fault fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_addressFaults[address.toUpper()] = fault;
}

void VirtualPlc::splitAnswers(int pieceSize, int gapMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pieceSize = pieceSize;
    m_pieceGapMs = gapMs;
}

void VirtualPlc::delayAddress(const QString &address, int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (ms > 0)
        m_addressDelays[address.toUpper()] = ms;
    else
        m_addressDelays.erase(address.toUpper());
}

void VirtualPlc::setReadAnswer(const QString &address, const QByteArray &raw)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (raw.isEmpty())
        m_readAnswers.erase(address.toUpper());
    else
        m_readAnswers[address.toUpper()] = raw;
}

void VirtualPlc::inject(int nthFrame, Injection injection)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_injectAt = nthFrame;
    m_injection = injection;
}

void VirtualPlc::storeWrong(int address, quint8 value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wrongStores[address & 0xFFFF] = value;
}

void VirtualPlc::poke(int address, const QByteArray &bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < bytes.size(); ++i)
        m_memory[(address + i) & 0xFFFF] = static_cast<std::uint8_t>(bytes.at(i));
}

void VirtualPlc::pokeIoBlock(const QByteArray &block)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < int(m_ioBlock.size()); ++i)
        m_ioBlock[size_t(i)] = static_cast<std::uint8_t>(i < block.size() ? block.at(i) : 0);
}

QByteArray VirtualPlc::ioBlock() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QByteArray(reinterpret_cast<const char *>(m_ioBlock.data()), int(m_ioBlock.size()));
}

QByteArray VirtualPlc::peek(int address, int count) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(m_memory[(address + i) & 0xFFFF]));
    return bytes;
}

void VirtualPlc::pokeWord(int address, quint16 value)
{
    poke(address, wordBytes(value));
}

QList<VirtualPlc::Frame> VirtualPlc::frames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

QList<VirtualPlc::Frame> VirtualPlc::frames(const QString &command) const
{
    QList<Frame> matching;
    for (const Frame &f : frames()) {
        if (f.command == command)
            matching.append(f);
    }
    return matching;
}

void VirtualPlc::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
    m_replyDelaysUs.clear();
    m_answeredAt.reset();
    m_writesSeen = 0;
    m_framesSeen = 0;
}

void VirtualPlc::enterLoader()
{
    m_loader.reset();
    m_inLoader = true;
}

bool VirtualPlc::waitUntil(VirtualLoader::Clock::time_point when)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return !m_stopped.wait_until(lock, when, [this] { return m_stopping; });
}

QList<double> VirtualPlc::loaderReplyDelaysUs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_replyDelaysUs;
}

void VirtualPlc::loaderBytes(const QByteArray &bytes)
{
    {
        const VirtualLoader::Clock::time_point now = VirtualLoader::Clock::now();
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_answeredAt)
            m_replyDelaysUs.append(
                std::chrono::duration<double, std::micro>(now - *m_answeredAt).count());
        m_answeredAt.reset();
    }
    VirtualLoader::Line line;
    if (m_loader.paced())
        line.byteTime = byteTimeOf(m_slave);
    for (const VirtualLoader::Output &out :
         m_loader.receive(bytes, VirtualLoader::Clock::now(), line)) {
        if (out.command)
            logFrame(loaderFrame(*out.command));
        if (!out.bytes.isEmpty() && (!waitUntil(out.due) || ::write(m_master, out.bytes.constData(),
                                                                    size_t(out.bytes.size())) < 0))
            return;
        if (!out.bytes.isEmpty())
            setLocked(m_mutex, m_answeredAt, std::optional(VirtualLoader::Clock::now()));
        if (out.leave)
            m_inLoader = false;
    }
}

bool VirtualPlc::waitMs(int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return !m_stopped.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stopping; });
}

void VirtualPlc::run()
{
    prctl(PR_SET_TIMERSLACK, 1UL);  // the loader's paced answers are due to the microsecond
    pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    char buffer[512];
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            for (ssize_t i = 0; i < n && !m_hangUp; ++i) {
                if (m_inLoader) {
                    loaderBytes(QByteArray(buffer + i, int(n - i)));
                    break;
                }
                handleByte(buffer[i]);
            }
            if (m_hangUp) {
                std::lock_guard<std::mutex> lock(m_mutex);
                for (int *fd : {&m_master, &m_slave}) {
                    ::close(*fd);
                    *fd = -1;
                }
                return;
            }
        } else if (fds[0].revents != 0) {
            return;  // the terminal is gone
        }
    }
}

void VirtualPlc::handleByte(char c)
{
    if (!m_inFrame) {
        if (c == STX) {
            m_inFrame = true;
            m_pending = QByteArray(1, STX);
            m_afterEtx = -1;
        } else if (c == ENQ) {
            char answer;
            Timing timing;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                answer = m_enqAnswer;
                timing = timingFor(QString());
            }
            if (answer != 0)
                send(QByteArray(1, answer), timing);
        }
        return;  // anything else between frames is line noise
    }
    if (c == STX) {  // a new frame starts before the old one ended
        handleFrame(m_pending);
        m_pending = QByteArray(1, STX);
        m_afterEtx = -1;
        return;
    }
    m_pending.append(c);
    if (m_afterEtx >= 0)
        ++m_afterEtx;
    else if (c == ETX)
        m_afterEtx = 0;
    if (m_afterEtx == 2 || m_pending.size() > kMaxFrame) {
        m_inFrame = false;
        handleFrame(m_pending);
    }
}

void VirtualPlc::logFrame(const Frame &frame)
{
    std::function<void(const Frame &)> callback;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_log.append(frame);
        callback = m_callback;
    }
    if (callback)
        callback(frame);
}

void VirtualPlc::handleFrame(const QByteArray &raw)
{
    Frame frame;
    frame.raw = raw;
    const int etx = int(raw.indexOf(ETX));
    if (etx > 0 && raw.size() == etx + 3) {
        const QByteArray body = raw.mid(1, etx - 1);
        const bool checksumOk = checksumOf(raw.mid(1, etx)) == raw.mid(etx + 1, 2);
        if (checksumOk && body.size() == 9 && body.startsWith("E00") && isHex(body.mid(3))) {
            frame.command = QStringLiteral("E00");
        } else if (checksumOk && body.size() >= 9 &&
                   (body.startsWith("E11") || body.startsWith("E10")) && isHex(body.mid(3)) &&
                   body.size() == 9 + 2 * body.mid(7, 2).toInt(nullptr, 16)) {
            frame.command = QString::fromLatin1(body.left(3));
            frame.data = QString::fromLatin1(body.mid(9));
        } else if (checksumOk && body.size() == 7 && body.startsWith('0') && body.endsWith("02") &&
                   isHex(body)) {
            frame.command = QStringLiteral("0");
        }
        if (!frame.command.isEmpty()) {
            const int at = int(frame.command.size());
            frame.address = QString::fromLatin1(body.mid(at, 4));
            frame.count = QString::fromLatin1(body.mid(at + 4, 2));
            frame.valid = true;
        }
    }

    logFrame(frame);
    using Kind = Injection::Kind;
    std::optional<Injection> injection;
    Timing timing;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (++m_framesSeen == m_injectAt)
            injection = m_injection;
        m_hangUp = (frame.valid && frame.address == m_loseAt) ||
                   (injection && injection->kind == Kind::Lose);
        timing = timingFor(frame.address);
    }
    if (m_hangUp)
        return;
    QByteArray answer = answerFor(frame);
    if (injection && !answer.isEmpty()) {
        const bool read = answer.size() > 1;
        switch (injection->kind) {
            case Kind::Nak:
                answer = QByteArray(1, NAK);
                break;
            case Kind::Silence:
            case Kind::Lose:
                answer.clear();
                break;
            case Kind::Delay:
                timing.delayMs = injection->ms;
                break;
            case Kind::Split:
                timing = {0, 4, injection->ms};
                break;
            case Kind::Short:
                answer.chop(1);
                break;
            case Kind::Extra:
                answer += "\r\nxyz";
                break;
            case Kind::Wrong:
                if (read)
                    answer[1] = 'G';
                else
                    answer = "X";
                break;
        }
    }
    if (!answer.isEmpty())
        send(answer, timing);
    // The update word, taken: the controller hands the line over to its loader.
    if (frame.valid && frame.address == QLatin1String("3010") &&
        frame.data == QLatin1String("1F1F") && answer == QByteArray(1, ACK))
        enterLoader();
}

VirtualPlc::Timing VirtualPlc::timingFor(const QString &address) const
{
    const auto byAddress = m_addressDelays.find(address);
    return {byAddress != m_addressDelays.end() ? byAddress->second : m_delayMs, m_pieceSize,
            m_pieceGapMs};
}

QByteArray VirtualPlc::answerFor(Frame &frame)
{
    if (!frame.valid)
        return QByteArray(1, NAK);
    const bool isWrite = frame.command.startsWith(QLatin1String("E1"));
    std::lock_guard<std::mutex> lock(m_mutex);
    std::optional<Fault> fault;
    if (isWrite) {
        const auto byWrite = m_writeFaults.find(++m_writesSeen);
        if (byWrite != m_writeFaults.end())
            fault = byWrite->second;
    }
    const auto byAddress = m_addressFaults.find(frame.address);
    if (!fault && byAddress != m_addressFaults.end())
        fault = byAddress->second;
    if (fault)
        return *fault == Fault::Nak ? QByteArray(1, NAK) : QByteArray();

    const int address = frame.address.toInt(nullptr, 16);
    const int count = frame.count.toInt(nullptr, 16);
    const bool ioBlock =
        address == kIoBlockAddress && count == int(m_ioBlock.size()) &&
        (frame.command == QLatin1String("E11") || frame.command == QLatin1String("E00"));
    if (isWrite && ioBlock) {
        const QByteArray bytes = QByteArray::fromHex(frame.data.toLatin1());
        for (int i = 0; i < int(m_ioBlock.size()); ++i) {
            const auto wrong = m_wrongStores.find(address + i);
            m_ioBlock[size_t(i)] =
                wrong != m_wrongStores.end()
                    ? wrong->second
                    : static_cast<std::uint8_t>(i < bytes.size() ? bytes.at(i) : 0);
        }
        return QByteArray(1, m_writeAnswer);
    }
    if (isWrite) {
        const QByteArray bytes = QByteArray::fromHex(frame.data.toLatin1());
        for (int i = 0; i < bytes.size(); ++i) {
            const int at = (address + i) & 0xFFFF;
            const auto wrong = m_wrongStores.find(at);
            m_memory[at] = wrong != m_wrongStores.end() ? wrong->second
                                                        : static_cast<std::uint8_t>(bytes.at(i));
        }
        if (frame.command == QLatin1String("E10") && address == 0x2000 &&
            frame.data == QLatin1String("0180")) {
            // Bus search: the codes found go to 3002 onward, their number to the low byte of 3000.
            for (int d = 0; d < m_devices.size(); ++d) {
                for (int b = 0; b < 8; ++b)
                    m_memory[0x3002 + 8 * d + b] = static_cast<std::uint8_t>(
                        b < m_devices.at(d).size() ? m_devices.at(d).at(b) : 0);
            }
            m_memory[0x3000] = static_cast<std::uint8_t>(m_devices.size());
        }
        return QByteArray(1, m_writeAnswer);
    }

    const auto fixed = m_readAnswers.find(frame.address);
    if (frame.command == QLatin1String("E00") && fixed != m_readAnswers.end())
        return fixed->second;
    QByteArray data;
    if (frame.command == QLatin1String("0")) {
        data = wordBytes(m_cpuType);
    } else if (ioBlock) {
        data = QByteArray(reinterpret_cast<const char *>(m_ioBlock.data()), int(m_ioBlock.size()));
    } else {
        for (int i = 0; i < count; ++i)
            data.append(char(m_memory[(address + i) & 0xFFFF]));
    }
    const QByteArray body = data.toHex().toUpper() + ETX;
    QByteArray answer = STX + body + checksumOf(body);
    answer += m_extra;
    answer.chop(qMin(m_truncation, int(answer.size())));
    return answer;
}

void VirtualPlc::send(const QByteArray &answer, const Timing &timing)
{
    const int delay = timing.delayMs;
    const int pieceSize = timing.pieceSize > 0 ? timing.pieceSize : int(answer.size());
    const int gap = timing.gapMs;
    if (delay > 0 && !waitMs(delay))
        return;
    for (int at = 0; at < answer.size(); at += pieceSize) {
        if (at > 0 && gap > 0 && !waitMs(gap))
            return;
        const QByteArray piece = answer.mid(at, pieceSize);
        const char *p = piece.constData();
        qsizetype left = piece.size();
        while (left > 0) {
            const ssize_t n = ::write(m_master, p, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return;
            p += n;
            left -= n;
        }
    }
}

}  // namespace plc::sim
