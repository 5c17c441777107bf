#pragma once

#include "action_buttons.h"
#include "grid_model.h"

#include <QGroupBox>

namespace plc {

class GridView;

// A titled frame around one error-buffer table of the diagnostics tabs.
class ErrorBufferFrame : public QGroupBox {
    Q_OBJECT

public:
    ErrorBufferFrame(const QString &caption, const QString &gridName, QWidget *parent = nullptr);

    // Sets the table's heading line and centres its columns.
    void setHeadings(const QString &headingLine);

    GridModel &errors() { return m_errors; }
    GridView &view() const { return *m_view; }

private:
    GridModel m_errors{3};
    GridView *m_view = nullptr;
};

// The frame "Command panel" with a diagnostics tab's read buttons, stacked.
QGroupBox *commandPanel(const QList<ActionButton> &buttons, QWidget *parent);

}  // namespace plc
