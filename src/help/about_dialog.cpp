#include "about_dialog.h"

#include "ini_file.h"
#include "program_info.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace plc {

namespace {

// A value the user may want to copy, such as a path.
QLabel *valueLabel(const QString &text, const QString &name)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About"));

    auto *heading =
        new QLabel(tr("<b>PLC Tavrix</b><br>Configuration tool for the STM32F103C8T6 controller"));
    heading->setObjectName(QStringLiteral("aboutHeading"));

    auto *form = new QFormLayout;
    form->addRow(tr("Version:"),
                 valueLabel(programinfo::versionText(), QStringLiteral("versionText")));
    form->addRow(tr("Licence:"),
                 valueLabel(programinfo::licenceText(), QStringLiteral("licenceText")));
    form->addRow(tr("Settings file:"), valueLabel(QDir::toNativeSeparators(settingsFilePath()),
                                                  QStringLiteral("settingsFileText")));
    form->addRow(tr("History file:"),
                 valueLabel(QDir::toNativeSeparators(programinfo::historyFilePath()),
                            QStringLiteral("historyFileText")));
    auto *manual = new QLabel(tr("F1 opens the manual at the page of the tab or dialog in use."));
    manual->setObjectName(QStringLiteral("manualHint"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(manual);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace plc
