#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace plc {

// The controller's serial loader protocol as bytes: commands, their frames and checksums, and
// what the loader's answers mean. No I/O here.
namespace loader {

constexpr quint8 kInit = 0x7F;  // sent once so the loader measures the speed
constexpr quint8 kAck = 0x79;
constexpr quint8 kNack = 0x1F;

enum Command : quint8 {
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

constexpr quint32 kFlashStart = 0x08000000;
constexpr int kMaxBlock = 256;       // bytes per Read Memory and Write Memory
constexpr int kMaxErasePages = 255;  // pages one Erase (0x43) command may list

// The XOR of every byte: the checksum of addresses, data blocks and page lists.
quint8 xorOf(const QByteArray &bytes);

// A command: its byte and the byte's complement.
QByteArray commandFrame(quint8 command);
// An address: 4 bytes, most significant first, and their XOR.
QByteArray addressFrame(quint32 address);
// The length of a Read Memory: count - 1 and its complement (count 1 to 256).
QByteArray readLengthFrame(int count);
// A Write Memory block: count - 1, the bytes, and the XOR of all of them (1 to 256 bytes).
QByteArray dataFrame(const QByteArray &data);
// The page list of Erase (0x43): count - 1, one byte a page, their XOR (1 to 255 pages).
QByteArray eraseFrame(const QList<int> &pages);
// The page list of Extended Erase (0x44): count - 1 and each page as two bytes, most
// significant first, then the XOR of all of them.
QByteArray extendedEraseFrame(const QList<int> &pages);

// The answer to Get after its ACK: count - 1, the version, the commands; then an ACK.
struct GetAnswer {
    quint8 version = 0;
    QByteArray commands;
    bool has(quint8 command) const { return commands.contains(char(command)); }
};
// The number of bytes that follow the first byte of the answer, or -1 when it is empty.
int getAnswerLength(const QByteArray &head);
std::optional<GetAnswer> parseGetAnswer(const QByteArray &answer);

// The product ID in the answer to Get ID after its ACK: count - 1 (1), then two bytes.
std::optional<quint16> parseIdAnswer(const QByteArray &answer);

// A chip the loader may run on: its name, flash page size, where it keeps its flash size in
// KB (a 16-bit word, low byte first), and where its option bytes lie (0: not known here).
struct Chip {
    quint16 pid = 0;
    QString name;
    int pageSize = 1024;
    quint32 flashSizeAddress = 0;
    quint32 optionBytesAddress = 0;
};
std::optional<Chip> chipFor(quint16 pid);

// The count of option bytes to read for the write protection: the readout byte, the user byte,
// two data bytes and the four write protection bytes, each followed by its complement.
constexpr int kOptionBytesCount = 16;
// Which of the pages the option bytes (read from optionBytesAddress) protect against writing:
// each bit of the four write protection bytes that is 0 locks 4 pages of 1 KB, or 2 pages of
// 2 KB with the last bit locking all the pages beyond.
QList<int> writeProtectedPages(const QByteArray &optionBytes, const Chip &chip,
                               const QList<int> &pages);

QString hexAddress(quint32 address);  // "0x08000000"

}  // namespace loader

}  // namespace plc
