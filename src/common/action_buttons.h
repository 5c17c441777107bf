#pragma once

#include <QList>
#include <QString>
#include <functional>

class QBoxLayout;
class QObject;

namespace plc {

// One button of a tab's row or column of buttons: its caption, its objectName, what a click
// does and the tool tip saying what it reads or writes.
struct ActionButton {
    QString caption;
    QString name;
    std::function<void()> clicked;
    QString toolTip = QString();
};

// Adds the buttons to layout in their order, their clicks handled within context; returns layout.
QBoxLayout *addButtons(QBoxLayout *layout, const QList<ActionButton> &buttons, QObject *context);

}  // namespace plc
