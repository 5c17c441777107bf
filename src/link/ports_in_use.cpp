#include "ports_in_use.h"

#include "failure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutexLocker>

namespace plc {

namespace {

// One key per device, however it is named: a link to /dev/serial/by-id/... and one to the
// /dev/ttyUSB0 it points at hold the same port.
QString deviceKey(const QString &device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

}  // namespace

PortsInUse &PortsInUse::instance()
{
    static PortsInUse ports;
    return ports;
}

QString PortsInUse::claim(const QString &device, const void *owner, const QString &holder)
{
    const QString key = deviceKey(device);
    QMutexLocker lock(&m_mutex);
    const auto held = m_holds.constFind(key);
    if (held != m_holds.constEnd() && held->owner != owner)
        return held->holder;
    m_holds.insert(key, {owner, holder});
    return QString();
}

void PortsInUse::release(const QString &device, const void *owner)
{
    const QString key = deviceKey(device);
    QMutexLocker lock(&m_mutex);
    const auto held = m_holds.constFind(key);
    if (held != m_holds.constEnd() && held->owner == owner)
        m_holds.erase(held);
}

QString PortsInUse::holderOf(const QString &device, const void *owner) const
{
    const QString key = deviceKey(device);
    QMutexLocker lock(&m_mutex);
    const auto held = m_holds.constFind(key);
    return held == m_holds.constEnd() || held->owner == owner ? QString() : held->holder;
}

QString portInUseText(const PortSetup &port, const QString &holder)
{
    const QString name = port.number > 0 ? QStringLiteral("COM%1").arg(port.number) : port.device;
    return QCoreApplication::translate("plc::PortsInUse", "%1 is in use by %2").arg(name, holder);
}

void refuseHeldPort(const PortSetup &port, const void *link)
{
    const QString holder = PortsInUse::instance().holderOf(port.device, link);
    if (!holder.isEmpty())
        throw Failure(portInUseText(port, holder), Outcome::Kind::PortNotOpened,
                      QCoreApplication::translate("plc::PortsInUse", "in use by %1").arg(holder));
}

}  // namespace plc
