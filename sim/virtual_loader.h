#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

namespace plc::sim {

// Sets one control under the lock: controls are called from any thread while the answers run.
template <typename T, typename V>
void setLocked(std::mutex &mutex, T &control, V &&value)
{
    std::lock_guard<std::mutex> lock(mutex);
    control = std::forward<V>(value);
}

// The controller's serial loader, as the virtual controller runs it after the update word: the
// loader's side of its byte protocol over a flash image, with the loader's slowness charged as
// time. It does no I/O: the virtual controller feeds it the bytes it reads and sends its answers
// when they are due.
//
// What it does:
//   - waits for 0x7F and answers ACK (0x79); bytes before it are ignored;
//   - answers Get (listing Erase 0x43, or Extended Erase 0x44 when set), Get Version, Get ID,
//     Read Memory (flash and the flash-size word), Write Memory (at most 256 bytes, a multiple of
//     4, within flash; programming only clears bits, as flash does), Erase and Extended Erase
//     (page lists or all), Go, Write Unprotect and Readout Unprotect; anything else, a wrong
//     complement or checksum, or an address outside what it knows is answered NACK (0x1F);
//   - charges 20 ms per erased page (and for an erase of all) and 52.5 us per programmed
//     half-word before the answer; with pacing, also the wire time of every byte both ways at
//     the line's speed and framing;
//   - Go (to any address) ends the loader: the virtual controller speaks its own protocol again;
//     the unprotect commands restart it: it waits for 0x7F again.
//
// Controls, all safe to call from any thread while it runs:
//   setProductId(pid)          the product ID Get ID answers (0x410 unless set); pages are
//                              1 KB for 0x410 and 0x412, 2 KB otherwise
//   setFlashKb(kb)             the flash size (64 KB unless set); the flash is erased
//   setExtendedErase(on)       Get lists Extended Erase 0x44 instead of Erase 0x43
//   setPace(on)                wire time is charged per byte
//   failBlock(n, fault, times) the n-th Write Memory data block (from 1, counted since the
//                              loader was set up) and the times - 1 after it
//                              are answered NACK or not at all, and not written
//   setReadoutProtected(on)    Read Memory, Write Memory, Erase and Go are answered NACK
//   setWriteProtected(on)      Write Memory is answered NACK, and the option bytes' write
//                              protection bytes say every page is protected
//   storeWrong(address, byte)  a Write Memory that covers this flash address stores this byte
//                              there instead of the one sent, and is answered ACK as usual
//   setWrongSpeed(on)          every byte it answers arrives as 0x00, as at a wrong speed
//   setStrayByte(on)           a 0x00 goes out before the ACK to the first 0x7F after a
//                              reset, as line noise of a chip that has just started
//   setAlreadySynchronised(on) after a reset it awaits a command at once, and answers 0x7F
//                              (an unknown command byte there) with NACK
//   failSyncs(n)               the next n 0x7F bytes that start it go unanswered
//   flash(offset, count)       the flash image, from offset bytes past 0x08000000
//   reset()                    waits for 0x7F again
class VirtualLoader {
public:
    using Clock = std::chrono::steady_clock;
    enum class Fault { Nack, Silence };

    // One command as received, for the log: what the host sent and how it was answered.
    struct Command {
        quint8 code = 0;  // 0x7F for the initial byte
        std::optional<quint32> address;
        int count = 0;          // bytes read or written, pages erased (0 for all)
        QString data;           // written bytes in hex, or the erased pages in decimal
        QByteArray raw;         // every byte the host sent for it
        QByteArray answer;      // every byte the loader answered
        bool accepted = false;  // ended with ACK
    };

    // What is due on the wire after some bytes were received.
    struct Output {
        QByteArray bytes;
        Clock::time_point due;  // when the last of them has left
        std::optional<Command> command;
        bool leave = false;  // Go: back to the controller's own protocol
    };

    // The wire time of one byte (zero when not paced).
    struct Line {
        std::chrono::nanoseconds byteTime{0};
    };

    VirtualLoader();

    void setProductId(quint16 pid) { setLocked(m_mutex, m_pid, pid); }
    void setFlashKb(int kb);
    void setExtendedErase(bool on) { setLocked(m_mutex, m_extendedErase, on); }
    void setPace(bool on) { setLocked(m_mutex, m_pace, on); }
    bool paced() const;
    void failBlock(int nth, Fault fault, int times = 1);
    void setReadoutProtected(bool on) { setLocked(m_mutex, m_readoutProtected, on); }
    void setWriteProtected(bool on) { setLocked(m_mutex, m_writeProtected, on); }
    void storeWrong(quint32 address, quint8 value)
    {
        setLocked(m_mutex, m_wrongStore, std::make_pair(address, value));
    }
    void setWrongSpeed(bool on) { setLocked(m_mutex, m_wrongSpeed, on); }
    void setStrayByte(bool on) { setLocked(m_mutex, m_strayByte, on); }
    void setAlreadySynchronised(bool on) { setLocked(m_mutex, m_alreadySynchronised, on); }
    void failSyncs(int n) { setLocked(m_mutex, m_syncsToFail, n); }
    QByteArray flash(int offset, int count) const;
    void reset();

    // Takes bytes received at now on a line of this timing; returns the answers due.
    QList<Output> receive(const QByteArray &bytes, Clock::time_point now, Line line);

private:
    enum class State { WaitInit, Command, Address, ReadCount, WriteData, EraseList };

    void handle(quint8 byte, QList<Output> &out);
    void finish(QList<Output> &out, const QByteArray &answer, bool accepted,
                std::chrono::nanoseconds busy = {}, bool leave = false);
    void startCommand(quint8 code, QList<Output> &out);
    void addressDone(QList<Output> &out);
    void writeDone(QList<Output> &out);
    void eraseDone(QList<Output> &out);
    bool inFlash(quint64 address, int count) const;
    quint8 byteAt(quint32 address) const;
    int pageSize() const;
    QByteArray getAnswer() const;

    mutable std::mutex m_mutex;
    quint16 m_pid = 0x410;
    std::vector<std::uint8_t> m_flash;
    bool m_extendedErase = false;
    bool m_pace = false;
    int m_failAt = 0;
    int m_failTimes = 0;
    Fault m_fault = Fault::Nack;
    int m_blocksSeen = 0;
    bool m_readoutProtected = false;
    bool m_writeProtected = false;
    std::optional<std::pair<quint32, std::uint8_t>> m_wrongStore;
    bool m_wrongSpeed = false;
    bool m_strayByte = false;
    bool m_strayDue = false;  // the stray byte still to come since the reset
    bool m_alreadySynchronised = false;
    int m_syncsToFail = 0;

    // The command in progress (on the virtual controller's thread, under m_mutex).
    State m_state = State::WaitInit;
    Command m_command;
    QByteArray m_pending;  // the bytes of the current step
    int m_need = 0;        // bytes the current step still waits for
    QByteArray m_sent;     // answers given so far within the command
    Line m_line;
    Clock::time_point m_received{};  // when the last byte received has fully arrived
    Clock::time_point m_answered{};  // when the last answer has fully left
};

}  // namespace plc::sim
