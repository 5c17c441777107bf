#pragma once

#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace plc {

// The mode of a UART, numbered as the tab's mode options are.
enum class UartMode { ModbusMaster = 0, ModbusSlave = 1, NotUse = 2 };

// The most requests a master table may send, and the most a port word can announce.
constexpr int kMaxRequests = 128;

// The entries of the tab's lists; the controller gets their indexes, never their texts.
const QStringList &speedEntries();
const QStringList &parityEntries();
// The bit-number and stop-bit lists ("7", "8", "9"; "1", "1.5", "2").
const QStringList &bitEntries();
const QStringList &stopEntries();

// A port word taken apart. Bits 0-7 hold the request count of a master or the address of a
// slave, bits 8-10 the speed index, bits 11-12 the parity index, bit 14 "in use", bit 15
// "master".
struct PortWordFields {
    std::optional<UartMode> mode;  // none when the word names no mode: leave the tab's as it is
    int speed = 0;
    std::optional<int> parity;  // none for the index 3, which names no list entry
    int address = 0;            // slave: the port's own Modbus address
    int requestCount = 0;       // master: the number of requests, at most kMaxRequests
};

// The word the controller keeps for a UART. countOrAddress is the request count of a master
// or the address of a slave; "Not use" is the word 0 whatever the lists say.
quint16 encodePortWord(UartMode mode, int speed, int parity, int countOrAddress);
PortWordFields decodePortWord(quint16 word);

}  // namespace plc
