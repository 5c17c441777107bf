#pragma once

#include "serial_ports.h"

#include <QDialog>
#include <optional>

class QTreeWidget;

namespace plc {

// The list "Detect..." shows: the serial ports the system has, newest first, one to choose.
class PortDetection : public QDialog {
    Q_OBJECT

public:
    PortDetection(const QList<SystemPort> &ports, QWidget *parent = nullptr);

    // The port chosen with "OK" or a double click; none after "Cancel".
    std::optional<SystemPort> chosen() const;

private:
    std::optional<SystemPort> current() const;

    QList<SystemPort> m_ports;
    QTreeWidget *m_list;
};

}  // namespace plc
