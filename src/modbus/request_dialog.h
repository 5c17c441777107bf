#pragma once

#include "request_editing.h"
#include "request_record.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;

namespace plc {

class Prompts;
struct UartPort;

// The request dialog of a UART tab ("Slave add/modify" on UART 1, "Form1" on UART 2): shows a
// request's fields and, on "OK", hands back the checked request for the table.
class RequestDialog : public QDialog {
    Q_OBJECT

public:
    RequestDialog(const UartPort &port, Prompts &prompts, const RequestFields &preset,
                  QWidget *parent = nullptr);

    RequestFields fields() const;
    // The request the dialog was closed with by "OK".
    const ModbusRequest &request() const { return m_request; }

private:
    void okClicked();

    Prompts &m_prompts;
    ModbusRequest m_request;
    std::array<QLineEdit *, 6> m_boxes{};  // the text fields, in the dialog's order
    QComboBox *m_function = nullptr;
    QLineEdit *m_name = nullptr;
};

}  // namespace plc
