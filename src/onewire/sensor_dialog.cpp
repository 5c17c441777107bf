#include "sensor_dialog.h"

#include "dialog_buttons.h"
#include "row_name.h"
#include "sensor_check.h"
#include "shown_words.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace plc {

namespace {

// The byte boxes' labels, as the dialog has always shown them.
const char *const kByteLabels[kRomBytes] = {QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte 0"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte1"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte 2"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte3"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte 4"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte 5"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte 6"),
                                            QT_TRANSLATE_NOOP("plc::SensorDialog", "Byte 7")};

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
    setObjectName(QStringLiteral("sensorDialog"));
    setWindowTitle(tr("Add/modify 1-wire slave"));
    setModal(true);

    // The boxes go into the table as typed; the check before a download judges them.
    auto *form = new QFormLayout;
    for (int k = 0; k < kRomBytes; ++k) {
        m_bytes[size_t(k)] = addBox(form, tr(kByteLabels[k]), QStringLiteral("romByte%1Box").arg(k),
                                    preset.value(k));
        m_bytes[size_t(k)]->setToolTip(sensorColumnLimits(sensorcol::Byte0 + k));
    }
    m_address = addBox(form, tr("Address"), QStringLiteral("registerBox"), preset.value(kRomBytes));
    m_address->setToolTip(sensorColumnLimits(sensorcol::Register));
    // The name stays in the window and the project file; it never goes to the controller.
    m_name = addBox(form, shownHeading(kNameHeading), QStringLiteral("nameBox"),
                    preset.value(kRomBytes + 1));
    m_name->setMaxLength(kMaxNameLength);
    m_name->setToolTip(nameLimits());

    const DialogButtons buttons =
        dialogButtons(*this, {QStringLiteral("storeButton"), tr("Add/modify")},
                      {QStringLiteral("cancelButton"), tr("Cancel")});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SensorCells SensorDialog::cells() const
{
    SensorCells cells;
    for (const QLineEdit *box : m_bytes)
        cells.append(box->text());
    cells.append(m_address->text());
    cells.append(m_name->text());
    return cells;
}

}  // namespace plc
