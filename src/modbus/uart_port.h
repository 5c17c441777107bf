#pragma once

#include <QString>

namespace plc {

// Everything that tells UART 1 and UART 2 apart: controller addresses, the designer names of
// the tab's controls, and the few texts that differ. One tab class serves both ports.
struct UartPort {
    int number;           // 1 or 2
    int portWordAddress;  // where the port word lives in the controller
    int tableBase;        // first request record
    QString tabCaption;   // "UART 1" / "UART 2"

    QString modeOption;  // mode option array
    QString generalFrame;
    QString speedList;
    QString parityList;
    QString bitList;
    QString stopList;
    QString slaveFrame;
    QString masterFrame;
    QString addressBox;
    QString timeoutBox;
    QString initialAddress;  // the "MB address" box's first text
    QString grid;
    QString cellEditor;
    QString addButton;
    QString modifyButton;
    QString deleteButton;
    QString writeButton;
    QString uploadButton;
    bool hasSlaveTransfer;  // UART 2 only: "Download" / "Upload" of the slave settings
    QString slaveDownloadButton;
    QString slaveUploadButton;

    QString dialogTitle;  // the request dialog's caption
    // The cell editor's refusal: columns 1 and 6, and columns 2 to 5 (the same text on UART 1).
    QString cellMessageOuter;
    QString cellMessageInner;

    int slaveTimeoutAddress;  // UART 2 only: the slave timeout word; 0 on UART 1

    static const UartPort &uart1();
    static const UartPort &uart2();
};

}  // namespace plc
