#include "action_buttons.h"

#include <QBoxLayout>
#include <QPushButton>

namespace plc {

QBoxLayout *addButtons(QBoxLayout *layout, const QList<ActionButton> &buttons, QObject *context)
{
    for (const ActionButton &button : buttons) {
        auto *b = new QPushButton(button.caption);
        b->setObjectName(button.name);
        b->setToolTip(button.toolTip);
        QObject::connect(b, &QPushButton::clicked, context, button.clicked);
        layout->addWidget(b);
    }
    return layout;
}

}  // namespace plc
