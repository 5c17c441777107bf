#pragma once

#include "grid_model.h"

#include <QGroupBox>

struct TransferContext;
class GridView;
class QComboBox;

// The frame "Input-output configuration" of the "HW config" tab: the map of the controller's
// 21 discrete points, its in-cell chooser and its buttons.
class IoMapFrame : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kPoints = 21;

    explicit IoMapFrame(TransferContext &ctx, QWidget *parent = nullptr);

    // Sets the table's heading line.
    void setHeadings();
    // The start-up preparation: headings, one row per point in front of the empty last row,
    // rows tall enough for the chooser, the chooser hidden with its three entries.
    void prepare();

    GridModel &map() { return m_map; }
    GridView &table() const { return *m_table; }
    QComboBox &chooser() const { return *m_chooser; }

    // "IO  0" ... "IO  20": the number keeps a blank in front for its sign.
    static QString pointLabel(int point);

private:
    TransferContext &m_ctx;
    GridModel m_map{3};
    GridView *m_table = nullptr;
    QComboBox *m_chooser = nullptr;
};
