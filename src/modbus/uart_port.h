#pragma once

#include <QCoreApplication>
#include <QString>

namespace plc {

// Everything that tells UART 1 and UART 2 apart: controller addresses, the prefix of the tab's
// control names, and the few texts that differ. One tab class serves both ports.
struct UartPort {
    Q_DECLARE_TR_FUNCTIONS(plc::UartPort)

public:
    int number = 0;           // 1 or 2
    int portWordAddress = 0;  // where the port word lives in the controller
    int tableBase = 0;        // first request record
    QString tabCaption;       // "UART 1" / "UART 2"
    QString name;  // "uart1" / "uart2": begins the objectName of each of the tab's controls

    QString initialAddress;         // the "MB address" box's first text
    bool hasSlaveTransfer = false;  // UART 2 only: "Download" / "Upload" of the slave settings

    // The request dialog's caption.
    QString dialogTitle() const;
    // The cell editor's refusal: columns 1 and 6, and columns 2 to 5 (the same text on UART 1).
    QString cellMessageOuter() const;
    QString cellMessageInner() const;

    int slaveTimeoutAddress = 0;  // UART 2 only: the slave timeout word; 0 on UART 1

    // The objectName of one of the tab's controls: "uart1" + "RequestTable", ...
    QString controlName(const char *control) const { return name + QLatin1String(control); }

    static const UartPort &uart1();
    static const UartPort &uart2();
};

}  // namespace plc
