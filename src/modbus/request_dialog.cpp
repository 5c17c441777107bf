#include "request_dialog.h"

#include "dialog_buttons.h"
#include "prompts.h"
#include "row_name.h"
#include "shown_words.h"
#include "uart_port.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace plc {

namespace {

// The dialog's text fields from the top; the function list stands before the last one.
struct TextField {
    const char *label;
    const char *name;
    QString RequestFields::*text;
};
const TextField kTextFields[] = {
    {QT_TRANSLATE_NOOP("plc::RequestDialog", "Slave number"), "slaveNumberBox",
     &RequestFields::slaveNumber},
    {QT_TRANSLATE_NOOP("plc::RequestDialog", "Slave modbus address"), "slaveAddressBox",
     &RequestFields::address},
    {QT_TRANSLATE_NOOP("plc::RequestDialog", "Word/Coil  number to read/write-slave part"),
     "countBox", &RequestFields::count},
    {QT_TRANSLATE_NOOP("plc::RequestDialog", "Slave address point start read/write"),
     "slaveStartBox", &RequestFields::slaveStart},
    {QT_TRANSLATE_NOOP("plc::RequestDialog", "Master address to place Word/Coil from slave"),
     "masterAddressBox", &RequestFields::masterAddress},
    {QT_TRANSLATE_NOOP("plc::RequestDialog", "Timeout,[msec]"), "timeoutBox",
     &RequestFields::timeout},
};
constexpr int kFunctionRow = 5;

}  // namespace

RequestDialog::RequestDialog(const UartPort &port, Prompts &prompts, const RequestFields &preset,
                             QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    static_assert(std::size(kTextFields) == std::tuple_size_v<decltype(m_boxes)>);
    setObjectName(QStringLiteral("requestDialog"));
    setWindowTitle(port.dialogTitle());
    setModal(true);

    auto *frame = new QGroupBox(tr("Slave setting"));
    frame->setObjectName(QStringLiteral("slaveSettingFrame"));
    auto *form = new QFormLayout(frame);
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        const TextField &field = kTextFields[i];
        m_boxes[i] = new QLineEdit(preset.*field.text);
        m_boxes[i]->setObjectName(QLatin1String(field.name));
        m_boxes[i]->setToolTip(requestFieldLimits(field.text));
        form->addRow(tr(field.label), m_boxes[i]);
    }
    // The slot follows from the row; a number typed here would be ignored.
    m_boxes[0]->setReadOnly(true);
    m_boxes[1]->setFocus();
    m_function = new QComboBox;
    m_function->setObjectName(QStringLiteral("functionList"));
    m_function->addItems(shownEntries(functionEntries()));
    m_function->setCurrentIndex(preset.function);
    form->insertRow(kFunctionRow, tr("Function type"), m_function);
    // Tab goes down the form as it reads; the list, made last, would otherwise come last.
    QWidget::setTabOrder(m_boxes[kFunctionRow - 1], m_function);
    QWidget::setTabOrder(m_function, m_boxes[kFunctionRow]);
    // The name stays in the window and the project file; it never goes to the controller.
    m_name = new QLineEdit(preset.name);
    m_name->setObjectName(QStringLiteral("nameBox"));
    m_name->setMaxLength(kMaxNameLength);
    m_name->setToolTip(nameLimits());
    form->addRow(shownHeading(kNameHeading), m_name);

    // Enter in a field is "OK", with its checks.
    const DialogButtons buttons =
        dialogButtons(*this, {QStringLiteral("okButton"), tr("OK")},
                      {QStringLiteral("closeButton"), tr("Close")}, [this] { okClicked(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

RequestFields RequestDialog::fields() const
{
    RequestFields fields;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        fields.*kTextFields[i].text = m_boxes[i]->text();
    fields.function = m_function->currentIndex();
    fields.name = m_name->text();
    return fields;
}

void RequestDialog::okClicked()
{
    const FieldsCheck check = checkRequestFields(fields());
    if (!check.request) {
        m_prompts.message(this, check.message, dataErrorTitle());
        return;
    }
    m_request = *check.request;
    accept();
}

}  // namespace plc
