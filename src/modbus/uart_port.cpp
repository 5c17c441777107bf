#include "uart_port.h"

#include "memory_map.h"

namespace plc {

const UartPort &UartPort::uart1()
{
    static const UartPort port{
        1,
        plcmem::kUart1PortWord.address,
        plcmem::kUart1Requests.address,
        QStringLiteral("UART 1"),
        QStringLiteral("uart1"),
        QStringLiteral("1"),
        false,
        QStringLiteral("Slave add/modify"),
        QStringLiteral("You are enter incorrect value ! Pls use correct value!"),
        QStringLiteral("You are enter incorrect value ! Pls use correct value!"),
        0,
    };
    return port;
}

const UartPort &UartPort::uart2()
{
    static const UartPort port{
        2,
        plcmem::kUart2PortWord.address,
        plcmem::kUart2Requests.address,
        QStringLiteral("UART 2"),
        QStringLiteral("uart2"),
        QStringLiteral("2"),
        true,
        QStringLiteral("Form1"),
        QStringLiteral("You are enter incorrect value ! Pls use correct value !"),
        QStringLiteral("You are enter incorrect value !  Pls use correct value !"),
        plcmem::kUart2SlaveTimeout.address,
    };
    return port;
}

}  // namespace plc
