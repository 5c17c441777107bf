#include "serial_ports.h"

#include "ini_file.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace plc {

namespace {

QString idText(bool has, quint16 id)
{
    return has ? QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper() : QString();
}

}  // namespace

QList<SystemPort> systemPorts()
{
    QList<SystemPort> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
#ifdef Q_OS_WIN
        const QString device = info.portName();
        const QDateTime appeared;
#else
        const QString device = info.systemLocation();
        // A device node is made when its adapter is plugged in.
        const QDateTime appeared = QFileInfo(device).metadataChangeTime();
#endif
        ports.append({device, info.description(), info.manufacturer(), info.serialNumber(),
                      idText(info.hasVendorIdentifier(), info.vendorIdentifier()),
                      idText(info.hasProductIdentifier(), info.productIdentifier()), appeared});
    }
    return ports;
}

void sortNewestFirst(QList<SystemPort> &ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const SystemPort &a, const SystemPort &b) {
        if (a.appeared.isValid() != b.appeared.isValid())
            return a.appeared.isValid();
        if (a.appeared != b.appeared)
            return a.appeared > b.appeared;
        return a.device < b.device;
    });
}

bool devicePresent(const QString &device)
{
#ifdef Q_OS_WIN
    return !QSerialPortInfo(device).isNull();
#else
    return QFileInfo::exists(device);
#endif
}

QString deviceLine(int number)
{
    const QString device = settingsfile::portDevice(number);
    return devicePresent(device)
               ? QCoreApplication::translate("plc::SerialPorts", "Device: %1").arg(device)
               : QCoreApplication::translate("plc::SerialPorts", "Device: %1 (not present)")
                     .arg(device);
}

QString PortMarks::text() const
{
    return QStringLiteral("COM%1 \u2192 %2: %3, %4")
        .arg(QString::number(number), device,
             mapped ? QCoreApplication::translate("plc::SerialPorts", "mapped in [PORTS]")
                    : QCoreApplication::translate("plc::SerialPorts", "not in [PORTS]"),
             present ? QCoreApplication::translate("plc::SerialPorts", "present")
                     : QCoreApplication::translate("plc::SerialPorts", "not present"));
}

PortMarks portMarks(int number)
{
    const QString device = settingsfile::portDevice(number);
    return {number, device, settingsfile::portMapped(number), devicePresent(device)};
}

int adoptDetectedPort(int number, const SystemPort &port)
{
#ifdef Q_OS_WIN
    Q_UNUSED(number);
    constexpr int kLastPort = 10;
    const QString digits = port.device.mid(3);
    bool ok = false;
    const int detected = digits.toInt(&ok);
    const bool named = port.device.startsWith(QLatin1String("COM"), Qt::CaseInsensitive);
    return named && ok && detected >= 1 && detected <= kLastPort ? detected : 0;
#else
    settingsfile::mapPort(number, port.device);
    return number;
#endif
}

}  // namespace plc
