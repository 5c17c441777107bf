#pragma once

#include "uart_state.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <array>

namespace plc {

// What the configuration file holds of the window: both UART tabs and the auxiliary port's
// mode and sensor table (its Field Net settings and the I/O map are not in the file).
struct WindowConfig {
    std::array<UartTabState, 2> uarts;  // UART 1, UART 2
    int auxMode = 2;                    // 0 "1-wire master", 1 "Field Net", 2 "Not use"
    QList<QStringList> sensors;         // the sensor table's rows: "Byte 0" to "Byte 7", "Dxxxx"
};

// What the window holds right after start-up: both UARTs "Not use" at 115200 and "None" with the
// first texts of their slave boxes, UART 1's bit number and stop bits as "Save app setting"
// stored them, the auxiliary port "Not use" with no sensor.
WindowConfig startUpWindowConfig();

// The configuration record: the port configuration as the configuration file holds it,
// 15046 bytes, little-endian. It lives for the whole run: saving overwrites only what the
// window owns, so reserved fields, the unused fourth section and entries past a count keep what
// the last loaded file held.
class ConfigRecord {
public:
    static constexpr int kSize = 15046;

    // Zero-filled, as at start-up.
    ConfigRecord();

    const QByteArray &bytes() const { return m_bytes; }

    // Checks a file's bytes (its length, the modes, list indexes and counts) and makes a record
    // of its first kSize bytes. Anything wrong is a Failure naming it.
    static ConfigRecord fromFile(const QByteArray &bytes);

    // Takes the window's values into the record, as "Save config" stores them. A cell or box that
    // cannot be stored is a Failure naming its table, row and column (or the box); the record is
    // then as it was.
    void gather(const WindowConfig &window);

    // The window's values from the record: what the window shows after a load. What the record does
    // not hold (UART 2's bit-number and stop-bit lists) comes from current.
    WindowConfig spread(const WindowConfig &current) const;

private:
    QByteArray m_bytes;
};

}  // namespace plc
