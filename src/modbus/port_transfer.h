#pragma once

#include "outcome.h"
#include "port_word.h"
#include "range_text.h"
#include "request_record.h"
#include "uart_state.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace plc {

struct TransferContext;
struct UartPort;

// The transfers of a UART tab. Each runs on the link as the caller set it up (runOnLink: a
// second transfer stays off the port while one waits, the port is closed on every path) and
// tells how it ended: a refusal of its checks with the text to show, or the failure that
// stopped it ("Wrong answer from PLC", "Answer timeout from PLC", a port that will not open).

// "Write to PLC": asks, checks the request table's rows whatever the mode, then writes the port
// word (and in master mode the table, with the progress window) between the two service words,
// and ends with the Modbus command word. Faults in the table or the slave address stop it
// titled "Error in configurations" before anything is sent. With ctx.verifyWrites the port
// word and the table are then read back as an upload reads them.
Outcome downloadPortConfig(TransferContext &ctx, const UartPort &port, const PortSettings &settings,
                           const QList<QStringList> &rows);

// The checks of "Write to PLC" (the request table's rows whatever the mode, a slave's address):
// the refusal to show, or none when they pass.
std::optional<Outcome> portConfigFault(const PortSettings &settings,
                                       const QList<QStringList> &rows);

// The same without the question, inside an action that already holds the link (runOnLink): the
// checks, then the writes; a failure on the line is thrown as a Failure.
Outcome writePortConfig(TransferContext &ctx, const UartPort &port, const PortSettings &settings,
                        const QList<QStringList> &rows);

// What "Upload from PLC" read back, for the tab to apply once everything has arrived.
struct PortConfigUpload {
    PortWordFields word;
    QList<ModbusRequest> requests;  // master mode only
};

// "Upload from PLC": reads the port word and, for a master, every block of the request table
// (with the progress window). What it read, once everything has arrived.
Result<PortConfigUpload> uploadPortConfig(TransferContext &ctx, const UartPort &port);
// The same reads inside an action that already holds the link; a failure is thrown.
PortConfigUpload readPortConfig(TransferContext &ctx, const UartPort &port);

// Applies an upload to the tab's values: the mode, and for a master or slave the speed, the
// parity (kept when the word names none) and the slave address. A word that names no mode
// changes nothing. True when the request table is to take the upload's requests (a master).
bool applyPortUpload(const PortConfigUpload &upload, PortSettings &settings);

// What the slave-settings download demands of the "MB address" and "Timeout,[msec]" boxes.
constexpr NumberRange kSlaveAddressRange{1, 247};
constexpr NumberRange kSlaveTimeoutRange{0, 32767};

// The UART 2 slave-settings "Download": asks, checks the address (1 to 247) and the timeout
// (0 to 32767), then writes a slave-mode port word whatever mode is selected, and the slave
// timeout word, between the service words. With ctx.verifyWrites both words are then read back.
Outcome downloadSlaveSettings(TransferContext &ctx, const UartPort &port,
                              const PortSettings &settings);

// What the UART 2 slave-settings "Upload" read back.
struct SlaveSettingsUpload {
    PortWordFields word;  // its mode is not used
    QString timeout;
};

// The UART 2 slave-settings "Upload": reads the port word and the slave timeout word.
Result<SlaveSettingsUpload> uploadSlaveSettings(TransferContext &ctx, const UartPort &port);

// Applies it: speed, parity (kept when the word names none), address and timeout; the mode
// stays as it is.
void applySlaveUpload(const SlaveSettingsUpload &upload, PortSettings &settings);

}  // namespace plc
