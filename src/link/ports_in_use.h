#pragma once

#include "line_settings.h"

#include <QHash>
#include <QMutex>
#include <QString>

namespace plc {

// The serial ports this program's windows hold for a while, by device: one holder's port is
// refused to every other link of the process, so two windows never mix their frames on it.
// Safe to use from any thread.
class PortsInUse {
public:
    static PortsInUse &instance();

    // Holds device for owner; holder names it in the refusal others get ("the production
    // window"). The empty text when owner holds it now; else who holds it already, and nothing
    // changes.
    QString claim(const QString &device, const void *owner, const QString &holder);
    // Lets go of device when owner holds it.
    void release(const QString &device, const void *owner);
    // Who holds device, when it is someone other than owner; the empty text when nobody does.
    QString holderOf(const QString &device, const void *owner) const;

private:
    PortsInUse() = default;

    struct Hold {
        const void *owner;
        QString holder;
    };
    mutable QMutex m_mutex;
    QHash<QString, Hold> m_holds;  // by the device's own path
};

// "COM3 is in use by the production window"; the device itself names a port without a number.
QString portInUseText(const PortSetup &port, const QString &holder);

// Before link opens the port: a Failure (port not opened) "COM3 is in use by the production
// window" when someone other than link holds its device.
void refuseHeldPort(const PortSetup &port, const void *link);

}  // namespace plc
