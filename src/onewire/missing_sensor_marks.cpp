#include "missing_sensor_marks.h"

#include "drawn_colours.h"
#include "grid_model.h"
#include "grid_view.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace plc {

namespace {

// Draws a marked row's cells in the palette's placeholder colour (made readable) and slanted; the
// fixed number column is left to the view's own delegate.
class MissingRowDelegate : public QStyledItemDelegate {
public:
    explicit MissingRowDelegate(QAbstractItemView &view) : QStyledItemDelegate(&view), m_view(view)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (index.column() == 0)
            m_view.itemDelegate()->paint(painter, option, index);
        else
            QStyledItemDelegate::paint(painter, option, index);
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QToolTip::showText(event->globalPos(), MissingSensorMarks::tr("not found"), view);
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setItalic(true);
        option->palette.setColor(QPalette::Text, missingRowColour(option->palette));
    }

private:
    QAbstractItemView &m_view;
};

}  // namespace

MissingSensorMarks::MissingSensorMarks(GridView &view)
    : QObject(&view), m_view(view), m_delegate(new MissingRowDelegate(view))
{
    // Any change of the table makes the marks stale: its rows may have moved or been retyped.
    GridModel &model = view.gridModel();
    connect(&model, &QAbstractItemModel::dataChanged, this, &MissingSensorMarks::clear);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &MissingSensorMarks::clear);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &MissingSensorMarks::clear);
    connect(&model, &QAbstractItemModel::modelReset, this, &MissingSensorMarks::clear);
}

void MissingSensorMarks::mark(const QList<int> &rows)
{
    clear();
    m_rows = rows;
    // Qt row r of the view is table row r + 1: the heading row is the view's header.
    for (int row : m_rows)
        m_view.setItemDelegateForRow(row - 1, m_delegate);
    m_view.viewport()->update();
}

void MissingSensorMarks::clear()
{
    if (m_rows.isEmpty())
        return;
    for (int row : m_rows)
        m_view.setItemDelegateForRow(row - 1, nullptr);
    m_rows.clear();
    m_view.viewport()->update();
}

}  // namespace plc
