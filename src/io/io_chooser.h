#pragma once

#include "io_map.h"

#include <QStyledItemDelegate>
#include <functional>

class QAbstractItemView;
class QComboBox;
class QKeyEvent;

namespace plc {

// The in-cell chooser of the I/O map's Function cells: an editable list "ioChooser" with the three
// choices, as wide as its column, starting with the cell's text. A choice is handed on as soon
// as it is made and closes the chooser; leaving it without a choice changes nothing.
class IoChooserDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using Choose = std::function<void(int gridRow, IoChoice choice)>;

    IoChooserDelegate(Choose choose, QObject *parent);

    // Makes this the chooser of the view's column and lets the keyboard open it: F2, Enter,
    // Space and Alt+Down on an editable cell of the column open it with its list shown.
    void attach(QAbstractItemView &view, int column);

    // The size a chooser asks for, so the table's rows and columns can make room for it.
    static QSize chooserSizeHint();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    // The choice has been applied already; nothing is stored on leaving.
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void fill(QComboBox &chooser);
    void close(QComboBox &chooser);
    static bool opensChooser(const QKeyEvent &key);
    bool openFromKeyboard();

    Choose m_choose;
    QAbstractItemView *m_view = nullptr;
    int m_column = -1;
};

}  // namespace plc
