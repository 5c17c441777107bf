#include "option_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace plc {

OptionGroup::OptionGroup(const QString &title, const QString &frameName, const QString &name,
                         const QStringList &captions, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(frameName);
    m_group = new QButtonGroup(this);
    m_group->setObjectName(name);
    m_column = new QVBoxLayout(this);
    for (int index = 0; index < captions.size(); ++index) {
        auto *option = new QRadioButton(captions.at(index), this);
        option->setObjectName(name + QStringLiteral("Option") + QString::number(index));
        m_group->addButton(option, index);
        m_column->addWidget(option);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &OptionGroup::optionClicked);
}

void OptionGroup::click(int index)
{
    // As a click would, also while the window is locked during a transfer (an upload selects
    // the mode it read).
    QAbstractButton *option = m_group->button(index);
    if (!option)
        return;
    option->setChecked(true);
    Q_EMIT optionClicked(index);
}

}  // namespace plc
