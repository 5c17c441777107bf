#pragma once

#include "progress.h"

#include <QWidget>

class QProgressBar;

namespace plc {

// The "Download/upload progress" window: one bar from 0 to 100, shown modeless by a transfer.
class ProgressWindow : public QWidget, public ProgressDisplay {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    void open() override;
    void setPercent(int percent) override;
    // Hides the window (it is used again by the next transfer).
    void close() override;

private:
    QProgressBar *m_bar = nullptr;
};

}  // namespace plc
