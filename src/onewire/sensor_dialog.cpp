#include "sensor_dialog.h"

#include "sensor_check.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

namespace {

// The byte boxes' labels, as the dialog has always shown them.
const char *const kByteLabels[kRomBytes] = {"Byte 0", "Byte1",  "Byte 2", "Byte3",
                                            "Byte 4", "Byte 5", "Byte 6", "Byte 7"};

QLineEdit *addBox(QFormLayout *form, const QString &label, const QString &name, const QString &text)
{
    auto *box = new QLineEdit(text);
    box->setObjectName(name);
    form->addRow(label, box);
    return box;
}

}  // namespace

SensorDialog::SensorDialog(const SensorCells &preset, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Slave_1wire"));
    setWindowTitle(QStringLiteral("Add/modify 1-wire slave"));
    setModal(true);

    auto *form = new QFormLayout;
    for (int k = 0; k < kRomBytes; ++k) {
        m_bytes[size_t(k)] = addBox(form, QLatin1String(kByteLabels[k]),
                                    QStringLiteral("Text1_%1").arg(k), preset.value(k));
    }
    m_address =
        addBox(form, QStringLiteral("Address"), QStringLiteral("Text2"), preset.value(kRomBytes));
    // The boxes go into the table as typed; the check before a download judges them.
    for (int k = 0; k < kRomBytes; ++k)
        m_bytes[size_t(k)]->setToolTip(sensorColumnLimits(sensorcol::Byte0 + k));
    m_address->setToolTip(sensorColumnLimits(sensorcol::Register));

    auto *buttons = new QDialogButtonBox;
    QPushButton *store =
        buttons->addButton(QStringLiteral("Add/modify"), QDialogButtonBox::AcceptRole);
    store->setObjectName(QStringLiteral("Command2"));
    store->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Command1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SensorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SensorDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SensorCells SensorDialog::cells() const
{
    SensorCells cells;
    for (const QLineEdit *box : m_bytes)
        cells.append(box->text());
    cells.append(m_address->text());
    return cells;
}

}  // namespace plc
