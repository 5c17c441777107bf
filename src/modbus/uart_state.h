#pragma once

#include "port_word.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace plc {

// A UART tab's controls read into plain values.
struct PortSettings {
    UartMode mode = UartMode::NotUse;  // the mode option chosen
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

}  // namespace plc
