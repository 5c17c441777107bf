#include "uart_port.h"

#include "memory_map.h"

namespace plc {

namespace {

// What the two ports share the pattern of: their number in the caption, the control names and
// the slave address box's first text.
UartPort numbered(int number)
{
    UartPort port{};
    port.number = number;
    port.tabCaption = QStringLiteral("UART %1").arg(number);
    port.name = QStringLiteral("uart%1").arg(number);
    port.initialAddress = QString::number(number);
    return port;
}

}  // namespace

const UartPort &UartPort::uart1()
{
    static const UartPort port = [] {
        UartPort p = numbered(1);
        p.portWordAddress = plcmem::kUart1PortWord.address;
        p.tableBase = plcmem::kUart1Requests.address;
        return p;
    }();
    return port;
}

const UartPort &UartPort::uart2()
{
    static const UartPort port = [] {
        UartPort p = numbered(2);
        p.portWordAddress = plcmem::kUart2PortWord.address;
        p.tableBase = plcmem::kUart2Requests.address;
        p.hasSlaveTransfer = true;
        p.slaveTimeoutAddress = plcmem::kUart2SlaveTimeout.address;
        return p;
    }();
    return port;
}

QString UartPort::dialogTitle() const
{
    return number == 1 ? tr("Slave add/modify") : tr("Form1");
}

QString UartPort::cellMessageOuter() const
{
    return number == 1 ? tr("You are enter incorrect value ! Pls use correct value!")
                       : tr("You are enter incorrect value ! Pls use correct value !");
}

QString UartPort::cellMessageInner() const
{
    return number == 1 ? cellMessageOuter()
                       : tr("You are enter incorrect value !  Pls use correct value !");
}

}  // namespace plc
