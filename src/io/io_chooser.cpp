#include "io_chooser.h"

#include "shown_words.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <utility>

namespace plc {

namespace {

// The chooser's combo box: Escape in its open list leaves the chooser as well as the list.
class Chooser : public QComboBox {
public:
    Chooser(QWidget *parent, std::function<void(QComboBox *)> dismissed)
        : QComboBox(parent), m_dismissed(std::move(dismissed))
    {
        view()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // After the list has closed itself, so the focus is back on the chooser by then.
        if (watched == view() && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
            QMetaObject::invokeMethod(
                this, [this] { m_dismissed(this); }, Qt::QueuedConnection);
        return QComboBox::eventFilter(watched, event);
    }

private:
    std::function<void(QComboBox *)> m_dismissed;
};

// The entry a cell's text stands for: an upload writes "Output -Y" where the list has
// "Output-Y", so blanks do not count. -1 for none.
int entryOf(const QComboBox &chooser, const QString &text)
{
    QString bare = text;
    bare.remove(QLatin1Char(' '));
    for (int i = 0; i < chooser.count(); ++i) {
        if (chooser.itemText(i).remove(QLatin1Char(' ')) == bare)
            return i;
    }
    return -1;
}

}  // namespace

IoChooserDelegate::IoChooserDelegate(Choose choose, QObject *parent)
    : QStyledItemDelegate(parent), m_choose(std::move(choose))
{
}

void IoChooserDelegate::attach(QAbstractItemView &view, int column)
{
    m_view = &view;
    m_column = column;
    view.setItemDelegateForColumn(column, this);
    view.installEventFilter(this);
}

void IoChooserDelegate::fill(QComboBox &chooser)
{
    chooser.setObjectName(QStringLiteral("ioChooser"));
    chooser.setEditable(true);
    chooser.setInsertPolicy(QComboBox::NoInsert);
    chooser.addItems(shownEntries(choiceTexts()));
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
    // Qt hands out editors from a const method; the close still comes from this delegate.
    auto *self = const_cast<IoChooserDelegate *>(this);
    auto *chooser = new Chooser(parent, [self](QComboBox *dismissed) { self->close(*dismissed); });
    fill(*chooser);
    const int gridRow = index.row() + 1;
    connect(chooser, &QComboBox::activated, self, [self, chooser, gridRow](int choice) {
        self->m_choose(gridRow, IoChoice(choice));
        self->close(*chooser);
    });
    return chooser;
}

void IoChooserDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *chooser = static_cast<QComboBox *>(editor);
    const QString text = index.data().toString();
    // The list opens on the cell's choice; an empty cell leaves it on the first.
    const int entry = entryOf(*chooser, text);
    if (entry >= 0)
        chooser->setCurrentIndex(entry);
    chooser->setEditText(text);
}

void IoChooserDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void IoChooserDelegate::close(QComboBox &chooser)
{
    Q_EMIT closeEditor(&chooser);
    // The keys go on to the table, wherever the closing list left the focus.
    if (m_view)
        m_view->setFocus(Qt::OtherFocusReason);
}

bool IoChooserDelegate::opensChooser(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
        case Qt::Key_F2:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return modifiers == Qt::NoModifier;
        case Qt::Key_Down:
            return modifiers == Qt::AltModifier;
        default:
            return false;
    }
}

bool IoChooserDelegate::openFromKeyboard()
{
    const QModelIndex cell = m_view->currentIndex();
    if (cell.column() != m_column || !(cell.flags() & Qt::ItemIsEditable))
        return false;
    m_view->edit(cell);
    auto *chooser = qobject_cast<QComboBox *>(m_view->indexWidget(cell));
    if (!chooser)
        return false;
    chooser->showPopup();
    return true;
}

bool IoChooserDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // The base class takes whatever it watches for an open chooser: the view is not one.
    if (watched != m_view)
        return QStyledItemDelegate::eventFilter(watched, event);
    return event->type() == QEvent::KeyPress && opensChooser(*static_cast<QKeyEvent *>(event)) &&
           openFromKeyboard();
}

}  // namespace plc
