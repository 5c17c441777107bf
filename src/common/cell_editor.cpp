#include "cell_editor.h"

#include "grid_model.h"
#include "grid_view.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace plc {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

CellEditor::CellEditor(GridView &view, const QString &name, Store store, DeleteKey deleteKey)
    : QLineEdit(view.viewport()), m_view(view), m_store(std::move(store)), m_deleteKey(deleteKey)
{
    setObjectName(name);
    setFrame(false);
    hide();
    view.installEventFilter(this);
    connect(&view, &QAbstractItemView::doubleClicked, this, [this] { open(); });
    // The cell under an open editor may have moved: its text is not stored anywhere else.
    GridModel &model = view.gridModel();
    connect(&model, &QAbstractItemModel::modelReset, this, &CellEditor::dismiss);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &CellEditor::dismiss);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &CellEditor::dismiss);
}

void CellEditor::open()
{
    const QModelIndex cell = m_view.currentIndex();
    if (!cell.isValid())
        return;
    m_view.scrollTo(cell);
    setGeometry(m_view.visualRect(cell));
    setAlignment(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
    setText(cell.data().toString());
    selectAll();
    raise();
    show();
    setFocus(Qt::OtherFocusReason);
}

void CellEditor::commit()
{
    const QModelIndex cell = m_view.currentIndex();
    if (!cell.isValid()) {
        dismiss();
        return;
    }
    const int row = cell.row() + 1;
    // The store may show a message, which takes the focus (and so hides the editor) meanwhile.
    m_store(row, cell.column(), text());
    if (row < m_view.gridModel().rows() - 1)
        m_view.setCurrentCell(row + 1, cell.column());
    m_view.setFocus(Qt::OtherFocusReason);
    hide();
}

void CellEditor::dismiss()
{
    if (isHidden())
        return;
    if (hasFocus())
        m_view.setFocus(Qt::OtherFocusReason);
    hide();
}

bool CellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_view || event->type() != QEvent::KeyPress)
        return QLineEdit::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key)) {
        open();
        return true;
    }
    if (key->key() == Qt::Key_Delete && m_deleteKey == DeleteKey::EmptiesCell) {
        const QModelIndex cell = m_view.currentIndex();
        if (cell.isValid())
            m_view.gridModel().setText(cell.row() + 1, cell.column(), QString());
        return true;
    }
    return QLineEdit::eventFilter(watched, event);
}

void CellEditor::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        commit();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        dismiss();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CellEditor::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The editor's own context menu takes the focus for a moment; anything else ends the edit.
    if (event->reason() != Qt::PopupFocusReason)
        hide();
}

}  // namespace plc
