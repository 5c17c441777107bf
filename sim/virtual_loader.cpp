#include "virtual_loader.h"

#include <QStringList>

#include <algorithm>

namespace plc::sim {

namespace {

constexpr std::uint8_t kInit = 0x7F;
constexpr std::uint8_t kAck = 0x79;
constexpr std::uint8_t kNack = 0x1F;
constexpr quint32 kFlashStart = 0x08000000;
constexpr std::uint8_t kVersion = 0x22;

enum : std::uint8_t {
    Get = 0x00,
    GetVersion = 0x01,
    GetId = 0x02,
    ReadMemory = 0x11,
    Go = 0x21,
    WriteMemory = 0x31,
    Erase = 0x43,
    ExtendedErase = 0x44,
    WriteUnprotect = 0x73,
    ReadoutUnprotect = 0x92,
};

// The loader's slowness: erasing one page, programming one half-word.
constexpr std::chrono::milliseconds kPageErase{20};
constexpr std::chrono::nanoseconds kHalfWord{52500};

std::uint8_t xorOf(const QByteArray &bytes)
{
    std::uint8_t sum = 0;
    for (const char c : bytes)
        sum ^= std::uint8_t(c);
    return sum;
}

QByteArray bytes(std::initializer_list<std::uint8_t> list)
{
    QByteArray b;
    for (const std::uint8_t v : list)
        b.append(char(v));
    return b;
}

bool isF1(quint16 pid)
{
    return pid == 0x410 || pid == 0x412 || pid == 0x414 || pid == 0x430;
}

}  // namespace

VirtualLoader::VirtualLoader()
{
    m_flash.assign(64 * 1024, 0xFF);
}

void VirtualLoader::setFlashKb(int kb)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_flash.assign(size_t(std::max(kb, 1)) * 1024, 0xFF);
}

bool VirtualLoader::paced() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pace;
}

void VirtualLoader::failBlock(int nth, Fault fault, int times)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failAt = nth;
    m_fault = fault;
    m_failTimes = times;
}

QByteArray VirtualLoader::flash(int offset, int count) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QByteArray b;
    for (int i = offset; i < offset + count && i < int(m_flash.size()); ++i)
        b.append(char(m_flash[size_t(i)]));
    return b;
}

void VirtualLoader::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = m_alreadySynchronised ? State::Command : State::WaitInit;
    m_need = 2;
    m_command = Command{};
    m_sent.clear();
    m_pending.clear();
    m_strayDue = m_strayByte;
}

QList<VirtualLoader::Output> VirtualLoader::receive(const QByteArray &received,
                                                    Clock::time_point now, Line line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_line = line;
    QList<Output> out;
    for (const char c : received) {
        m_received = std::max(m_received, now) + m_line.byteTime;
        handle(std::uint8_t(c), out);
    }
    if (m_wrongSpeed) {
        for (Output &o : out)
            o.bytes.fill(0);
    }
    return out;
}

int VirtualLoader::pageSize() const
{
    return m_pid == 0x410 || m_pid == 0x412 ? 1024 : 2048;
}

bool VirtualLoader::inFlash(quint64 address, int count) const
{
    return address >= kFlashStart && address + quint64(count) <= kFlashStart + m_flash.size();
}

quint8 VirtualLoader::byteAt(quint32 address) const
{
    if (inFlash(address, 1))
        return m_flash[address - kFlashStart];
    const quint32 sizeWord = isF1(m_pid) ? 0x1FFFF7E0 : 0x1FFFF7CC;
    const size_t kb = m_flash.size() / 1024;
    if (address == sizeWord)
        return quint8(kb & 0xFF);
    if (address == sizeWord + 1)
        return quint8(kb >> 8);
    // The option bytes, each followed by its complement: readout protection off (0xA5), and
    // the write protection bytes all 0 (every page protected) or all 1.
    constexpr quint32 kOptionBytes = 0x1FFFF800;
    if (isF1(m_pid) && address >= kOptionBytes && address < kOptionBytes + 16) {
        const quint32 offset = address - kOptionBytes;
        const quint8 value = offset < 2 ? 0xA5 : offset >= 8 && m_writeProtected ? 0x00 : 0xFF;
        return offset % 2 == 0 ? value : quint8(~value);
    }
    return 0xFF;
}

QByteArray VirtualLoader::getAnswer() const
{
    const QByteArray commands =
        bytes({Get, GetVersion, GetId, ReadMemory, Go, WriteMemory,
               m_extendedErase ? ExtendedErase : Erase, WriteUnprotect, ReadoutUnprotect});
    return char(commands.size()) + QByteArray(1, char(kVersion)) + commands;
}

void VirtualLoader::handle(quint8 byte, QList<Output> &out)
{
    if (m_state == State::WaitInit) {
        if (byte != kInit)
            return;  // the loader measures the speed on 0x7F; anything else goes unseen
        if (m_syncsToFail > 0) {
            --m_syncsToFail;
            return;
        }
        m_command = Command{kInit, {}, 0, {}, QByteArray(1, char(byte)), {}, false};
        m_sent.clear();
        finish(out, m_strayDue ? bytes({0x00, kAck}) : bytes({kAck}), true);
        m_strayDue = false;
        return;
    }
    if (m_state == State::Command && m_pending.isEmpty() && byte == kInit &&
        m_alreadySynchronised) {
        m_command = Command{kInit, {}, 0, {}, QByteArray(1, char(byte)), {}, false};
        finish(out, bytes({kNack}), false);
        return;
    }
    m_pending.append(char(byte));
    m_command.raw.append(char(byte));
    if (m_pending.size() < m_need)
        return;
    const QByteArray step = m_pending;
    m_pending.clear();
    switch (m_state) {
        case State::WaitInit:
            break;
        case State::Command:
            if (std::uint8_t(step.at(1)) != std::uint8_t(step.at(0) ^ 0xFF)) {
                m_command.code = std::uint8_t(step.at(0));
                finish(out, bytes({kNack}), false);
            } else {
                startCommand(std::uint8_t(step.at(0)), out);
            }
            break;
        case State::Address:
            m_pending = step;
            addressDone(out);
            break;
        case State::ReadCount: {
            const std::uint8_t n = std::uint8_t(step.at(0));
            if (std::uint8_t(step.at(1)) != std::uint8_t(n ^ 0xFF)) {
                finish(out, bytes({kNack}), false);
                break;
            }
            m_command.count = n + 1;
            QByteArray answer = bytes({kAck});
            for (int i = 0; i <= n; ++i)
                answer.append(char(byteAt(*m_command.address + quint32(i))));
            finish(out, answer, true);
            break;
        }
        case State::WriteData:
            if (step.size() == 1) {  // the count: the bytes and the checksum follow
                m_pending = step;
                m_need = std::uint8_t(step.at(0)) + 3;
                return;
            }
            m_pending = step;
            writeDone(out);
            break;
        case State::EraseList: {
            const int header = m_command.code == ExtendedErase ? 2 : 1;
            if (step.size() == header) {
                const int count = header == 1
                                      ? std::uint8_t(step.at(0))
                                      : (std::uint8_t(step.at(0)) << 8) | std::uint8_t(step.at(1));
                const bool all = header == 1 ? count == 0xFF : count >= 0xFFFD;
                m_pending = step;
                m_need = header + (all ? 0 : (count + 1) * header) + 1;
                return;
            }
            m_pending = step;
            eraseDone(out);
            break;
        }
    }
    m_pending.clear();
}

void VirtualLoader::finish(QList<Output> &out, const QByteArray &answer, bool accepted,
                           std::chrono::nanoseconds busy, bool leave)
{
    Output output;
    if (!answer.isEmpty()) {
        const Clock::time_point start = std::max(m_received, m_answered) + busy;
        m_answered = start + m_line.byteTime * answer.size();
    }
    output.bytes = answer;
    output.due = m_answered;
    output.leave = leave;
    m_command.answer = m_sent + answer;
    m_command.accepted = accepted;
    output.command = m_command;
    out.append(output);
    m_sent.clear();
    m_state = leave ? State::WaitInit : State::Command;
    m_need = 2;
    m_command = Command{};
}

void VirtualLoader::startCommand(quint8 code, QList<Output> &out)
{
    m_command.code = code;
    const bool erase = code == (m_extendedErase ? ExtendedErase : Erase);
    const bool refused = (m_readoutProtected &&
                          (code == ReadMemory || code == WriteMemory || code == Go || erase)) ||
                         (m_writeProtected && code == WriteMemory);
    if (refused) {
        finish(out, bytes({kNack}), false);
        return;
    }
    auto ack = [&] {  // the command is taken; its parameters follow
        const Clock::time_point start = std::max(m_received, m_answered);
        m_answered = start + m_line.byteTime;
        out.append(Output{bytes({kAck}), m_answered, std::nullopt, false});
        m_sent.append(char(kAck));
    };
    switch (code) {
        case Get:
            finish(out, bytes({kAck}) + getAnswer() + bytes({kAck}), true);
            return;
        case GetVersion:
            finish(out, bytes({kAck, kVersion, 0x00, 0x00, kAck}), true);
            return;
        case GetId:
            finish(out, bytes({kAck, 0x01, std::uint8_t(m_pid >> 8), std::uint8_t(m_pid), kAck}),
                   true);
            return;
        case ReadMemory:
        case Go:
        case WriteMemory:
            ack();
            m_state = State::Address;
            m_need = 5;
            return;
        case WriteUnprotect:
        case ReadoutUnprotect: {
            ack();
            const bool readout = code == ReadoutUnprotect;
            if (readout)
                std::fill(m_flash.begin(), m_flash.end(), 0xFF);
            (readout ? m_readoutProtected : m_writeProtected) = false;
            finish(out, bytes({kAck}), true, readout ? kPageErase : std::chrono::nanoseconds{});
            m_state = State::WaitInit;  // the chip restarts into its loader
            return;
        }
        default:
            if (erase) {
                ack();
                m_state = State::EraseList;
                m_need = code == ExtendedErase ? 2 : 1;
                return;
            }
            finish(out, bytes({kNack}), false);
    }
}

void VirtualLoader::addressDone(QList<Output> &out)
{
    const QByteArray &a = m_pending;
    const quint32 address = (quint32(std::uint8_t(a.at(0))) << 24) |
                            (quint32(std::uint8_t(a.at(1))) << 16) |
                            (quint32(std::uint8_t(a.at(2))) << 8) | std::uint8_t(a.at(3));
    m_command.address = address;
    const bool valid = xorOf(a.left(4)) == std::uint8_t(a.at(4));
    const bool system = address >= 0x1FFFF000;
    if (!valid || (m_command.code != Go && !inFlash(address, 1) &&
                   !(m_command.code == ReadMemory && system))) {
        finish(out, bytes({kNack}), false);
        return;
    }
    if (m_command.code == Go) {
        finish(out, bytes({kAck}), true, {}, true);
        return;
    }
    const Clock::time_point start = std::max(m_received, m_answered);
    m_answered = start + m_line.byteTime;
    out.append(Output{bytes({kAck}), m_answered, std::nullopt, false});
    m_sent.append(char(kAck));
    m_state = m_command.code == ReadMemory ? State::ReadCount : State::WriteData;
    m_need = m_command.code == ReadMemory ? 2 : 1;
}

void VirtualLoader::writeDone(QList<Output> &out)
{
    const QByteArray &p = m_pending;
    const QByteArray data = p.mid(1, p.size() - 2);
    const quint32 address = *m_command.address;
    m_command.count = int(data.size());
    m_command.data = QString::fromLatin1(data.toHex().toUpper());
    ++m_blocksSeen;
    if (m_failAt > 0 && m_blocksSeen >= m_failAt && m_blocksSeen < m_failAt + m_failTimes) {
        finish(out, m_fault == Fault::Nack ? bytes({kNack}) : QByteArray(), false);
        return;
    }
    if (xorOf(p.left(p.size() - 1)) != std::uint8_t(p.back()) || data.size() % 4 != 0 ||
        !inFlash(address, int(data.size()))) {
        finish(out, bytes({kNack}), false);
        return;
    }
    for (int i = 0; i < data.size(); ++i) {
        const quint32 at = address + quint32(i);
        const bool wrong = m_wrongStore && m_wrongStore->first == at;
        m_flash[at - kFlashStart] &= wrong ? m_wrongStore->second : std::uint8_t(data.at(i));
    }
    finish(out, bytes({kAck}), true, kHalfWord * (data.size() / 2));
}

void VirtualLoader::eraseDone(QList<Output> &out)
{
    const QByteArray &p = m_pending;
    const bool extended = m_command.code == ExtendedErase;
    const int header = extended ? 2 : 1;
    const std::uint8_t checksum = std::uint8_t(p.back());
    const QByteArray body = p.left(p.size() - 1);
    if (p.size() == header + 1) {  // all pages
        const bool valid = extended ? checksum == xorOf(body) : checksum == 0x00;
        if (valid)
            std::fill(m_flash.begin(), m_flash.end(), 0xFF);
        m_command.data = QStringLiteral("all");
        finish(out, bytes({valid ? kAck : kNack}), valid,
               valid ? std::chrono::nanoseconds(kPageErase) : std::chrono::nanoseconds{});
        return;
    }
    QList<int> pages;
    for (int at = header; at < body.size(); at += header)
        pages.append(extended ? (std::uint8_t(body.at(at)) << 8) | std::uint8_t(body.at(at + 1))
                              : std::uint8_t(body.at(at)));
    const int pageCount = int(m_flash.size()) / pageSize();
    bool valid = xorOf(body) == checksum;
    QStringList shown;
    for (const int page : pages) {
        valid = valid && page < pageCount;
        shown.append(QString::number(page));
    }
    m_command.count = int(pages.size());
    m_command.data = shown.join(QLatin1Char(' '));
    if (!valid) {
        finish(out, bytes({kNack}), false);
        return;
    }
    for (const int page : pages) {
        const auto from = m_flash.begin() + std::ptrdiff_t(page) * pageSize();
        std::fill(from, from + pageSize(), 0xFF);
    }
    finish(out, bytes({kAck}), true, kPageErase * pages.size());
}

}  // namespace plc::sim
