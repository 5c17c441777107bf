#include "bench_ports.h"

#include "serial_ports.h"
#include "settings_store.h"

namespace plc {

namespace {

// The port numbers the tool maps, as "COM-port setting" lists them.
constexpr int kLastPortNumber = 10;

}  // namespace

QList<PortSetup> benchPorts()
{
    const LineSettings line = settingsfile::lineSettings();
    QList<PortSetup> ports;
    QStringList devices;
    for (int n = 1; n <= kLastPortNumber; ++n) {
        if (!settingsfile::portMapped(n))
            continue;
        ports.append({n, settingsfile::portDevice(n), line});
        devices.append(ports.last().device);
    }
    for (const SystemPort &system : systemPorts()) {
        if (!devices.contains(system.device))
            ports.append({0, system.device, line});
    }
    return ports;
}

}  // namespace plc
