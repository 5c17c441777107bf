#include "io_chooser.h"

#include <QComboBox>
#include <utility>

IoChooserDelegate::IoChooserDelegate(Choose choose, QObject *parent)
    : QStyledItemDelegate(parent), m_choose(std::move(choose))
{
}

void IoChooserDelegate::fill(QComboBox &chooser)
{
    chooser.setObjectName(QStringLiteral("Combo1"));
    chooser.setEditable(true);
    chooser.setInsertPolicy(QComboBox::NoInsert);
    chooser.addItems(choiceTexts());
}

QSize IoChooserDelegate::chooserSizeHint()
{
    QComboBox probe;
    fill(probe);
    return probe.sizeHint();
}

QWidget *IoChooserDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &index) const
{
    auto *chooser = new QComboBox(parent);
    fill(*chooser);
    // Qt hands out editors from a const method; the close still comes from this delegate.
    auto *self = const_cast<IoChooserDelegate *>(this);
    const int gridRow = index.row() + 1;
    connect(chooser, &QComboBox::activated, self, [self, chooser, gridRow](int choice) {
        self->m_choose(gridRow, IoChoice(choice));
        Q_EMIT self->closeEditor(chooser);
    });
    return chooser;
}

void IoChooserDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setEditText(index.data().toString());
}

void IoChooserDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
