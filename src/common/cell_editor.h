#pragma once

#include <QLineEdit>
#include <functional>

namespace plc {

class GridView;

// The text box laid over one cell of a table for editing in place. A double-click or Enter in
// the table opens it over the current cell; Enter in it hands its text to the table's own store
// (which checks it as that table needs) and moves one row down; losing the focus discards it.
class CellEditor : public QLineEdit {
    Q_OBJECT

public:
    // Puts an edited text into a cell of the view's model.
    using Store = std::function<void(int gridRow, int col, const QString &text)>;
    // What the Delete key in the table does.
    enum class DeleteKey { Ignored, EmptiesCell };

    CellEditor(GridView &view, const QString &name, Store store,
               DeleteKey deleteKey = DeleteKey::Ignored);

    // Opens the editor over the view's current cell, its text selected; nothing without one.
    void open();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void commit();
    // Hides the editor without storing, the focus back on the table when the editor had it.
    void dismiss();

    GridView &m_view;
    Store m_store;
    DeleteKey m_deleteKey;
};

}  // namespace plc
