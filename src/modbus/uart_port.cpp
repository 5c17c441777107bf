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
        QStringLiteral("Option4"),
        QStringLiteral("Frame1"),
        QStringLiteral("Speed_set"),
        QStringLiteral("Parity_set"),
        QStringLiteral("Bit_setting"),
        QStringLiteral("Stop_bit"),
        QStringLiteral("Frame_slave"),
        QStringLiteral("Frame_master"),
        QStringLiteral("Text1"),
        QStringLiteral("Text2"),
        QStringLiteral("1"),
        QStringLiteral("grid"),
        QStringLiteral("Text3"),
        QStringLiteral("Command1"),
        QStringLiteral("Command2"),
        QStringLiteral("Command3"),
        QStringLiteral("Command19"),
        QStringLiteral("Command20"),
        false,
        QString(),
        QString(),
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
        QStringLiteral("Option5"),
        QStringLiteral("Frame13"),
        QStringLiteral("Speed_set2"),
        QStringLiteral("Parity_set2"),
        QStringLiteral("Combo10"),
        QStringLiteral("Combo7"),
        QStringLiteral("Frame_slave2"),
        QStringLiteral("Frame_master2"),
        QStringLiteral("Text16"),
        QStringLiteral("Text5"),
        QStringLiteral("2"),
        QStringLiteral("grid2"),
        QStringLiteral("Text10"),
        QStringLiteral("Command27"),
        QStringLiteral("Command28"),
        QStringLiteral("Command29"),
        QStringLiteral("Command7"),
        QStringLiteral("Command26"),
        true,
        QStringLiteral("Command24"),
        QStringLiteral("Command25"),
        QStringLiteral("Form1"),
        QStringLiteral("You are enter incorrect value ! Pls use correct value !"),
        QStringLiteral("You are enter incorrect value !  Pls use correct value !"),
        plcmem::kUart2SlaveTimeout.address,
    };
    return port;
}

}  // namespace plc
