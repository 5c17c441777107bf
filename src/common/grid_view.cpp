#include "grid_view.h"

#include "drawn_colours.h"
#include "grid_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace plc {

namespace {

// Paints column 0 like the heading so it reads as a fixed label column.
class FixedColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (index.column() != 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem fixed = option;
        initStyleOption(&fixed, index);
        fixed.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        fixed.backgroundBrush = option.palette.button();
        fixed.palette.setColor(QPalette::Text, fixedColumnTextColour(option.palette));
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &fixed, painter, widget);
    }
};

}  // namespace

GridView::GridView(GridModel &model, QWidget *parent) : QTableView(parent), m_model(model)
{
    setModel(&model);
    setItemDelegate(new FixedColumnDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    // A new heading line brings new column texts: fit the columns to them.
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { resizeColumnsToContents(); });
    resizeColumnsToContents();
}

int GridView::currentGridRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int GridView::currentGridCol() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void GridView::setCurrentCell(int gridRow, int col)
{
    const QModelIndex index = m_model.index(gridRow - 1, col);
    if (index.isValid())
        setCurrentIndex(index);
}

void GridView::setCentredHeadingLine(const QString &line)
{
    m_model.setHeadingLine(line);
    m_model.centreAllColumns();
    fitWidthToColumns();
}

void GridView::fitWidthToColumns()
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < m_model.columnCount(); ++col) {
        const int heading = horizontalHeader()->sectionSizeHint(col);
        // A shared column's width is its share of the view as it stands, and its cells are
        // short: counting either would let the view, and the window with it, grow each time
        // the headings are set again or a longer text arrives.
        if (horizontalHeader()->sectionResizeMode(col) == QHeaderView::Stretch)
            width += heading;
        else
            width += std::max({columnWidth(col), heading, sizeHintForColumn(col)});
    }
    setMinimumWidth(width);
}

void GridView::shareWidthAmongColumns()
{
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // A stretched last section keeps at least the default width, wider than its neighbours.
    horizontalHeader()->setStretchLastSection(false);
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Column 0 holds row labels: a keyboard move onto it lands on column 1 instead.
    const QModelIndex index = QTableView::moveCursor(action, modifiers);
    if (index.isValid() && index.column() == 0 && m_model.columnCount() > 1)
        return index.sibling(index.row(), 1);
    return index;
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    // Like a fixed column, a click on a row label leaves the current cell where it was.
    if (pressed.isValid() && pressed.column() == 0 && m_model.columnCount() > 1) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

GridFrame::GridFrame(const QString &caption, const QString &frameName, GridModel &model,
                     const QString &gridName, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setObjectName(frameName);
    m_view = new GridView(model, this);
    m_view->setObjectName(gridName);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(m_buttons);
}

QPushButton *GridFrame::addButton(const QString &caption, const QString &name)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    m_buttons->insertWidget(m_buttons->count() - 1, button);  // before the closing stretch
    return button;
}

}  // namespace plc
