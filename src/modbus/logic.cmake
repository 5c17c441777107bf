# plc_modbus_logic: widget-free Modbus port logic
