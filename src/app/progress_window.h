#pragma once

#include "progress.h"

#include <QWidget>

class QProgressBar;

// The "Download/upload progress" window: one bar from 0 to 100, shown modeless by a transfer.
class Progress : public QWidget, public ProgressDisplay {
    Q_OBJECT

public:
    explicit Progress(QWidget *parent = nullptr);

    void open() override;
    void setPercent(int percent) override;
    // Hides the window (it is used again by the next transfer).
    void close() override;

private:
    QProgressBar *m_bar = nullptr;
};
