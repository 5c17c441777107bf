#include "port_tab_parts.h"

#include "shown_words.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace plc {

LineSettingsBox::LineSettingsBox(const QString &caption, const QString &name,
                                 const std::array<ListSpec, 4> &lists, QWidget *parent)
    : QGroupBox(caption, parent), m_form(new QFormLayout(this))
{
    setObjectName(name);
    static const char *const labels[] = {QT_TR_NOOP("Speed setting:"), QT_TR_NOOP("Parity setting"),
                                         QT_TR_NOOP("Bit number:"), QT_TR_NOOP("Stop bit")};
    for (size_t i = 0; i < lists.size(); ++i) {
        auto *list = new QComboBox;
        list->setObjectName(lists.at(i).name);
        list->addItems(shownEntries(lists.at(i).entries));
        m_form->addRow(tr(labels[i]), list);
        m_lists.at(i) = list;
    }
}

int LineSettingsBox::index(List list) const
{
    return m_lists.at(size_t(list))->currentIndex();
}

void LineSettingsBox::setIndex(List list, int index)
{
    m_lists.at(size_t(list))->setCurrentIndex(index);
}

QVBoxLayout *addPortColumn(QWidget &tab)
{
    auto *column = new QWidget(&tab);
    column->setMinimumWidth(300);
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *left = new QVBoxLayout(column);
    left->setContentsMargins(0, 0, 0, 0);
    auto *layout = new QHBoxLayout(&tab);
    layout->addWidget(column);
    return left;
}

void addTableFrame(QWidget &tab, QWidget *tableFrame)
{
    // A mode that hides the table keeps its room, so showing it again never widens the window.
    QSizePolicy policy = tableFrame->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    tableFrame->setSizePolicy(policy);
    auto *layout = qobject_cast<QHBoxLayout *>(tab.layout());
    layout->addWidget(tableFrame, 1);
    layout->addStretch(0);  // keeps the left column in place while the table frame is hidden
}

}  // namespace plc
