# plc_modbus: the UART tab widget
