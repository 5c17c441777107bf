#pragma once

#include "port_word.h"
#include "request_record.h"

#include <QList>
#include <QString>
#include <QStringList>

class GridModel;
struct TransferContext;
struct UartPort;

// The transfers of a UART tab. Each runs inside runLinkAction, which keeps a second transfer
// off the port while one waits for the controller, closes the port on every path and shows
// the Failure that stops a transfer ("Wrong answer from PLC", "Answer timeout from PLC", a port
// that will not open, a cell that is not a number).

// A tab's controls read into plain values.
struct PortSettings {
    UartMode mode = UartMode::NotUse;  // option_hw1 / option_hw2
    int speed = 4;                     // speed list index
    int parity = 2;                    // parity list index
    QString address;                   // "MB address" box
    QString timeout;                   // "Timeout,[msec]" box
};

// A UART tab's whole state as one plain value: what the configuration file and the command line
// work on.
struct UartTabState {
    PortSettings settings;
    int bits = 0;                 // bit-number list index
    int stop = 0;                 // stop-bit list index
    QList<QStringList> requests;  // the request table's data rows, cells from column 1 on
};

// "Write to PLC": applies the stored port settings, asks, checks the request table whatever the
// mode, then writes the port word (and in master mode the table, with the progress window)
// between the two service words, and ends with the Modbus command word. Faults in the table
// or the slave address are shown titled "Error in configurations" and nothing is sent. With
// ctx.verifyWrites the port word and the table are then read back as an upload reads them.
void downloadPortConfig(TransferContext &ctx, const UartPort &port, const PortSettings &settings,
                        const GridModel &grid);

// What "Upload from PLC" read back, for the tab to apply once everything has arrived.
struct PortConfigUpload {
    PortWordFields word;
    QList<ModbusRequest> requests;  // master mode only
};

// "Upload from PLC": reads the port word and, for a master, every block of the request table
// (with the progress window). A read that gets no answer stops it with "Answer timeout from
// PLC" before anything reaches the tab.
PortConfigUpload uploadPortConfig(TransferContext &ctx, const UartPort &port);

// Applies an upload to the tab's values: the mode, and for a master or slave the speed, the
// parity (kept when the word names none) and the table or the slave address. A word that names
// no mode changes nothing. The caller then enables the table, whatever the mode.
void applyPortUpload(const PortConfigUpload &upload, PortSettings &settings, GridModel &grid);

// The UART 2 slave-settings "Download": asks, checks the address (1 to 247) and the timeout
// (0 to 32767), then writes a slave-mode port word whatever mode is selected, and the slave
// timeout word, between the service words. The link keeps the line settings it has. With
// ctx.verifyWrites both words are then read back.
void downloadSlaveSettings(TransferContext &ctx, const UartPort &port,
                           const PortSettings &settings);

// What the UART 2 slave-settings "Upload" read back.
struct SlaveSettingsUpload {
    PortWordFields word;  // its mode is not used
    QString timeout;
};

// The UART 2 slave-settings "Upload": applies the stored port settings and reads the port word
// and the slave timeout word. Silence stops it with "Answer timeout from PLC".
SlaveSettingsUpload uploadSlaveSettings(TransferContext &ctx, const UartPort &port);

// Applies it: speed, parity (kept when the word names none), address and timeout; the mode
// stays as it is.
void applySlaveUpload(const SlaveSettingsUpload &upload, PortSettings &settings);
