#pragma once

#include <QGroupBox>
#include <QTableView>

class QHBoxLayout;
class QPushButton;

namespace plc {

class GridModel;

// A table view for a GridModel: the heading row as the header, column 0 drawn as a fixed
// column that never becomes current, one cell selected at a time. Rows are grid rows here,
// so the first row below the heading is row 1.
class GridView : public QTableView {
    Q_OBJECT

public:
    explicit GridView(GridModel &model, QWidget *parent = nullptr);

    GridModel &gridModel() const { return m_model; }

    // The current cell by grid row and column; row 0 when no cell is current.
    int currentGridRow() const;
    int currentGridCol() const;
    // Makes a cell current and selects it; a row or column outside the data does nothing.
    void setCurrentCell(int gridRow, int col);

    // Sets the model's heading line, centres every column and widens the view to show them.
    void setCentredHeadingLine(const QString &line);

    // Keeps the view at least as wide as its columns' headings and contents, so no column
    // starts out cut off; columns that share the view's width count their headings only.
    void fitWidthToColumns();
    // All columns share the view's width (a table whose columns are alike); by default the
    // columns keep their width, the user may resize them, and the last one takes the rest.
    void shareWidthAmongColumns();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    GridModel &m_model;
};

// A titled frame holding one grid view above a row of buttons, as the tabs lay out their tables.
class GridFrame : public QGroupBox {
    Q_OBJECT

public:
    GridFrame(const QString &caption, const QString &frameName, GridModel &model,
              const QString &gridName, QWidget *parent = nullptr);

    GridView &view() const { return *m_view; }
    // A button at the end of the row under the table.
    QPushButton *addButton(const QString &caption, const QString &name);

private:
    GridView *m_view = nullptr;
    QHBoxLayout *m_buttons = nullptr;
};

}  // namespace plc
