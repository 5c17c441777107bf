#include "sensor_replace_dialog.h"

#include "dialog_buttons.h"
#include "sensor_replace.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace plc {

SensorReplaceDialog::SensorReplaceDialog(const QString &rowLabel, const RomCode &current,
                                         const QList<RomCode> &newDevices, Take take,
                                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("sensorReplaceDialog"));
    setWindowTitle(tr("Replace with found device"));
    setModal(true);

    auto *form = new QFormLayout;
    form->addRow(tr("Sensor"),
                 new QLabel(QStringLiteral("%1: %2").arg(rowLabel, romCodeText(current))));
    m_devices = new QListWidget;
    m_devices->setObjectName(QStringLiteral("newDeviceList"));
    for (const RomCode &rom : newDevices)
        m_devices->addItem(romCodeText(rom));
    form->addRow(tr("New devices of the last search"), m_devices);
    m_code = new QLineEdit;
    m_code->setObjectName(QStringLiteral("romCodeBox"));
    m_code->setToolTip(tr("Eight bytes of two hexadecimal digits, Byte 0 first"));
    form->addRow(tr("ROM code"), m_code);
    // Picking a device fills the box, where it can still be corrected.
    connect(m_devices, &QListWidget::currentTextChanged, m_code, &QLineEdit::setText);
    if (!newDevices.isEmpty())
        m_devices->setCurrentRow(0);

    const DialogButtons buttons =
        dialogButtons(*this, {QStringLiteral("replaceButton"), tr("Replace")},
                      {QStringLiteral("cancelButton")}, [this, take] {
                          if (take(romCode()))
                              accept();
                      });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
}

RomCode SensorReplaceDialog::romCode() const
{
    return romCodeOfText(m_code->text());
}

}  // namespace plc
