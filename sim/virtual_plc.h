#pragma once

#include "virtual_loader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace plc::sim {

// A controller on a pseudo-terminal: the other end of the wire for tests and for trying the tool
// without hardware. It speaks the controller's side of the frame protocol over a 64 KiB memory
// image, on its own thread.
//
// What it does:
//   - frames are checked (checksum, shape); a bad one is answered with NAK;
//   - "E00" reads answer STX, the data digits, ETX and the checksum;
//   - "E11"/"E10" writes are stored and answered with ACK;
//   - the CPU-type probe ("0" + address + "02") answers the configured type; ENQ answers ACK;
//   - the I/O map block (8 bytes at 2000, "E11" and "E00" with count 08) is kept apart from the
//     memory image: the controller takes it into its I/O configuration, and the words at
//     2002 to 2006 (the Modbus command word, UART 2's slave timeout and port word) stay its own;
//   - the bus search ("E10" at 2000 with data "0180") copies the configured ROM codes to 3002
//     onward and their number into the low byte of 3000;
//   - every frame received is logged (frames()) and handed to the frame callback.
//
// Controls, all safe to call from any thread while it runs:
//   setCpuType(n)              the CPU type the probe answers (291 unless set)
//   setOneWireDevices(codes)   the ROM codes (8 bytes each) the bus search finds
//   failWrite(n, fault)        the n-th write frame (from 1, counted since start or clearLog)
//                              is answered with NAK or not at all, and not stored
//   failAddress(addr, fault)   every frame at this address is answered that way
//   setEnqAnswer(c)            the answer to ENQ; 0 means silence
//   setWriteAnswer(c)          the answer to every write that is stored (ACK unless set)
//   splitAnswers(size, gapMs)  answers go out in pieces of size characters, gapMs apart
//   setAnswerDelay(ms)         a pause before each answer (a slow controller)
//   delayAddress(addr, ms)     a pause before each answer to a frame at this address, instead
//                              of the one setAnswerDelay sets (0 removes it)
//   setExtraCharacters(text)   appended to every read answer (the CPU-type probe's included)
//   setTruncation(n)           the last n characters of every read answer (the CPU-type
//                              probe's included) are never sent
//   setReadAnswer(addr, raw)   reads at this address are answered with exactly raw (a wrong
//                              answer); an empty raw goes back to the memory image
//   loseLineAt(addr)           the first frame at this address is not answered: the controller
//                              closes the pseudo-terminal instead (an unplugged adapter)
//   inject(n, injection)       the n-th frame (from 1, counted since start or clearLog) gets
//                              one fault of the Injection list below, whatever it is
//   storeWrong(addr, byte)     a write that covers this address (a number) stores this byte
//                              there instead of the one sent, and is answered as usual
//   poke / peek / pokeWord     the memory image
//   pokeIoBlock / ioBlock      the I/O map block
//   loader()                   the serial loader it runs after the update word (write "1F1F" at
//                              "3010", answered): its controls are in virtual_loader.h; its
//                              commands are logged as frames "L" + the command in hex ("L7F" for
//                              the initial byte, "L31" for Write Memory ...) with the address
//                              (8 digits), the count in decimal, the data, the loader's answer;
//                              valid when it ended with ACK. Go returns to the frame protocol.
//   enterLoader()              runs the loader at once, as after the update word
class VirtualPlc {
public:
    enum class Fault { Nak, Silence };

    // One fault for one frame: its answer refused, missing, late, in pieces, a character short,
    // with extra characters, wrong (a read's first digit not hexadecimal; a write's answer an
    // unknown code), or the line lost instead of an answer.
    struct Injection {
        enum class Kind { Nak, Silence, Delay, Split, Short, Extra, Wrong, Lose };
        Kind kind = Kind::Nak;
        int ms = 0;  // Delay: before the answer; Split: between its four-character pieces
    };

    struct Frame {
        QString command;  // "E00", "E11", "E10", "0", or empty for a malformed frame
        QString address;
        QString count;
        QString data;
        QByteArray raw;  // as received, STX to checksum
        bool valid = false;
        QByteArray answer;  // loader commands only: every byte the loader answered
    };

    VirtualPlc();
    ~VirtualPlc();
    VirtualPlc(const VirtualPlc &) = delete;
    VirtualPlc &operator=(const VirtualPlc &) = delete;

    // Creates the pseudo-terminal and starts answering. False, with *error set, on failure.
    bool start(QString *error = nullptr);
    void stop();
    // The device the tool opens, such as /dev/pts/3.
    QString devicePath() const { return m_devicePath; }
    // In the loader: for each answer, how long the client took from the answer's last byte
    // written to its next bytes read here (the line both ways and the client's turn), in
    // microseconds. Cleared with the log.
    QList<double> loaderReplyDelaysUs() const;

    // Called on the controller's thread for every frame received (set before start).
    void setFrameCallback(std::function<void(const Frame &)> callback)
    {
        setLocked(m_mutex, m_callback, std::move(callback));
    }

    void setCpuType(quint16 type) { setLocked(m_mutex, m_cpuType, type); }
    void setOneWireDevices(const QList<QByteArray> &romCodes)
    {
        setLocked(m_mutex, m_devices, romCodes);
    }
    void failWrite(int nth, Fault fault);
    void failAddress(const QString &address, Fault fault);
    void setEnqAnswer(char answer) { setLocked(m_mutex, m_enqAnswer, answer); }
    void setWriteAnswer(char answer) { setLocked(m_mutex, m_writeAnswer, answer); }
    void splitAnswers(int pieceSize, int gapMs);
    void setAnswerDelay(int ms) { setLocked(m_mutex, m_delayMs, ms); }
    void delayAddress(const QString &address, int ms);
    void setExtraCharacters(const QByteArray &extra) { setLocked(m_mutex, m_extra, extra); }
    void setTruncation(int characters) { setLocked(m_mutex, m_truncation, characters); }
    void loseLineAt(const QString &address) { setLocked(m_mutex, m_loseAt, address.toUpper()); }
    void setReadAnswer(const QString &address, const QByteArray &raw);
    void inject(int nthFrame, Injection injection);
    void storeWrong(int address, quint8 value);

    void poke(int address, const QByteArray &bytes);
    QByteArray peek(int address, int count) const;
    void pokeWord(int address, quint16 value);  // low byte first, as the controller keeps it
    void pokeIoBlock(const QByteArray &block);  // 8 bytes
    QByteArray ioBlock() const;

    VirtualLoader &loader() { return m_loader; }
    void enterLoader();
    bool inLoader() const { return m_inLoader; }

    QList<Frame> frames() const;
    // The frames received with this command (for example only the writes "E11").
    QList<Frame> frames(const QString &command) const;
    void clearLog();

private:
    void run();
    void handleByte(char c);
    void handleFrame(const QByteArray &raw);
    // Logs a frame received and hands it to the frame callback.
    void logFrame(const Frame &frame);
    QByteArray answerFor(Frame &frame);
    struct Timing {
        int delayMs = 0;
        int pieceSize = 0;  // 0: the whole answer at once
        int gapMs = 0;
    };
    Timing timingFor(const QString &address) const;  // with m_mutex held
    void send(const QByteArray &answer, const Timing &timing);
    bool waitMs(int ms);  // false when stopped meanwhile
    bool waitUntil(VirtualLoader::Clock::time_point when);
    void loaderBytes(const QByteArray &bytes);

    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    QString m_devicePath;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
    std::array<std::uint8_t, 65536> m_memory{};
    std::array<std::uint8_t, 8> m_ioBlock{};
    quint16 m_cpuType = 291;
    QList<QByteArray> m_devices;
    std::map<int, Fault> m_writeFaults;
    std::map<QString, Fault> m_addressFaults;
    std::map<QString, int> m_addressDelays;
    char m_enqAnswer = 0x06;
    char m_writeAnswer = 0x06;
    int m_pieceSize = 0;
    int m_pieceGapMs = 0;
    int m_delayMs = 0;
    QByteArray m_extra;
    int m_truncation = 0;
    QString m_loseAt;
    std::map<QString, QByteArray> m_readAnswers;
    std::map<int, std::uint8_t> m_wrongStores;
    int m_framesSeen = 0;
    int m_injectAt = 0;
    Injection m_injection;
    bool m_hangUp = false;  // thread-local to run()
    int m_writesSeen = 0;
    QList<Frame> m_log;
    QList<double> m_replyDelaysUs;
    std::optional<VirtualLoader::Clock::time_point> m_answeredAt;  // the loader's last answer
    std::function<void(const Frame &)> m_callback;
    VirtualLoader m_loader;
    std::atomic<bool> m_inLoader{false};

    QByteArray m_pending;  // the frame being received (thread-local to run())
    bool m_inFrame = false;
    int m_afterEtx = -1;
};

}  // namespace plc::sim
