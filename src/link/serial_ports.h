#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace plc {

// A serial port the system has, with what it tells about itself.
struct SystemPort {
    QString device;  // what the tool opens: /dev/ttyUSB0, or COM3 on Windows
    QString description;
    QString manufacturer;
    QString serialNumber;
    QString vendorId;  // four hex digits, or empty when the port has none
    QString productId;
    QDateTime appeared;  // when its device node appeared; invalid when not known
};

// The serial ports the system has now, in the system's order.
QList<SystemPort> systemPorts();

// Newest first; ports of unknown age last, by device, as are ports of the same age.
void sortNewestFirst(QList<SystemPort> &ports);

// Whether the device behind a port exists on this machine now.
bool devicePresent(const QString &device);

// The "Device:" line of port number n: "Device: /dev/ttyUSB0", and " (not present)" after the
// device when it does not exist.
QString deviceLine(int number);

// What the COM-port list tells about port number n beside its name: the device, whether
// [PORTS] maps it there, and whether it is present, as in
// "COM2 → /dev/ttyUSB0: mapped in [PORTS], present".
struct PortMarks {
    int number = 0;
    QString device;
    bool mapped = false;
    bool present = false;
    QString text() const;
};
PortMarks portMarks(int number);

// Makes a detected port the device of port number n, and gives the number to select. On
// Windows a port is known by its own name, so the detected COMm itself is selected (0 when it
// lies outside COM1 to COM10). Elsewhere [PORTS] of the settings file maps COMn to the device,
// every other line of the file kept as it is, and n stays selected.
int adoptDetectedPort(int number, const SystemPort &port);

}  // namespace plc
