#pragma once

#include <QCoreApplication>
#include <QString>

namespace plc {

// Where things live in the controller's memory, as numbers; one address step is one byte.
// Every transfer takes its addresses from here.
namespace plcmem {

struct Area {
    int address;
    int bytes;  // of one entry where the area holds a list
};

constexpr Area kCpuType{0x0E02, 2};        // read with the probe command "0"
constexpr Area kIoBlock{0x2000, 8};        // input mask and output mask, 32 bits each
constexpr Area kSearchCommand{0x2000, 2};  // written with "E10" to start a bus search
constexpr Area kModbusCommand{0x2002, 2};  // written with "E10" after a Modbus download
constexpr Area kUart2SlaveTimeout{0x2004, 2};
constexpr Area kUart2PortWord{0x2006, 2};
constexpr Area kUart1PortWord{0x2008, 2};
constexpr Area kAuxModeWord{0x200A, 2};
constexpr Area kSensorRecords{0x200C, 10};  // one record per sensor
constexpr Area kUart1Requests{0x2502, 8};   // one record per request, up to 128
constexpr Area kUart2Requests{0x2902, 8};
constexpr Area kServiceWord{0x3000, 2};    // after a bus search: its low byte counts devices
constexpr Area kFoundRomCodes{0x3002, 8};  // one ROM code per device found
constexpr Area kUpdateWord{0x3010, 2};
constexpr Area kRestartWord{0x3011, 2};
constexpr Area kUart1Errors{0x3600, 1};  // one byte per request or sensor, 128 of them
constexpr Area kUart2Errors{0x3680, 1};
constexpr Area kOneWireErrors{0x3700, 1};

// An address as it goes into a frame: four upper-case hexadecimal digits.
inline QString text(int address)
{
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}
inline QString text(const Area &area)
{
    return text(area.address);
}

// An address as tool tips tell it to the user: "address 2008 (hex)".
inline QString shown(int address)
{
    return QCoreApplication::translate("plc::MemoryMap", "address %1 (hex)")
        .arg(QString::number(address, 16).toUpper());
}
inline QString shown(const Area &area)
{
    return shown(area.address);
}

}  // namespace plcmem

}  // namespace plc
