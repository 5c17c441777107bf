#pragma once

#include "progress.h"

#include <QWidget>

class QProgressBar;
class QPushButton;

namespace plc {

// The "Download/upload progress" window: one bar from 0 to 100, shown modeless by a transfer,
// and a "Cancel" button (Escape, or closing the window) that stops the transfer shown.
class ProgressWindow : public QWidget, public ProgressDisplay {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    void open() override;
    void setPercent(int percent) override;
    // Hides the window (it is used again by the next transfer).
    void close() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Passes the user's Cancel on once, and shows that it was taken.
    void cancelTransfer();

    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};

}  // namespace plc
