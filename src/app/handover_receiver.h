#pragma once

#include <QObject>
#include <QString>

namespace plc {

class MainWindow;

// The window's side of a hand-over from a later start of the program: the window comes to the
// front, and the file handed over opens as soon as the window is free to change.
class HandoverReceiver : public QObject {
    Q_OBJECT

public:
    explicit HandoverReceiver(MainWindow &window);

    // Brings the window to the front; a file named opens now, or after the transfer or dialog
    // that holds the window. Of several handed over meanwhile the last one opens.
    void take(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bringToFront();
    void openWhenFree();

    MainWindow &m_window;
    QString m_pending;  // empty: none waits
};

}  // namespace plc
