#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

namespace plc {

// A mode option array: a titled frame holding a column of option buttons, numbered by their
// index. The button group is named `name` and its buttons `<name>Option<index>`.
class OptionGroup : public QGroupBox {
    Q_OBJECT

public:
    OptionGroup(const QString &title, const QString &frameName, const QString &name,
                const QStringList &captions, QWidget *parent = nullptr);

    // Clicks option `index`, as the user would; an index with no option does nothing.
    void click(int index);

    // The frame's column, for what a tab puts under the options.
    QVBoxLayout &column() const { return *m_column; }

Q_SIGNALS:
    // An option was clicked (again when it was already selected).
    void optionClicked(int index);

private:
    QButtonGroup *m_group = nullptr;
    QVBoxLayout *m_column = nullptr;
};

}  // namespace plc
