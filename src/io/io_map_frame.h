#pragma once

#include "io_map.h"
#include "io_table.h"

#include <QGroupBox>

namespace plc {

struct TransferContext;
class GridView;

// The frame "Input-output configuration" of the "HW config" tab: the map of the controller's
// 21 discrete points in its table, the in-cell chooser, and the buttons that clear, download
// and upload the map.
class IoMapFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit IoMapFrame(TransferContext &ctx, QWidget *parent = nullptr);
    ~IoMapFrame() override;

    // Sets the table's heading line.
    void setHeadings();
    // The start-up preparation: headings, one row per point in front of the empty last row,
    // rows and columns with room for the chooser.
    void prepare();

    // The frame's whole state, and the frame set from one.
    const IoMap &state() const { return m_state; }
    void setState(const IoMap &state);

    IoTable &map() { return m_table; }
    GridView &table() const { return *m_view; }

    // The buttons' handlers: "New IO config", "Download to PLC", "Upload from PLC".
    void newIoConfigClicked();
    void downloadClicked();
    void uploadClicked();

private:
    void openChooser(const QModelIndex &cell);
    void choose(int gridRow, IoChoice choice);

    TransferContext &m_ctx;
    IoMap m_state;
    IoTable m_table;
    GridView *m_view = nullptr;
};

}  // namespace plc
