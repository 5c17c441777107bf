#include "handover_receiver.h"

#include "main_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <utility>

namespace plc {

HandoverReceiver::HandoverReceiver(MainWindow &window) : QObject(&window), m_window(window)
{
    // A closing dialog unblocks the window; a transfer ends with the link idle. Each at the next
    // turn of the loop, so that what ended it has finished first.
    window.installEventFilter(this);
    connect(&window.link(), &PlcLink::busyChanged, this, [this](bool busy) {
        if (!busy)
            QTimer::singleShot(0, this, &HandoverReceiver::openWhenFree);
    });
}

void HandoverReceiver::take(const QString &path)
{
    bringToFront();
    if (path.isEmpty())
        return;
    m_pending = path;
    QTimer::singleShot(0, this, &HandoverReceiver::openWhenFree);
}

bool HandoverReceiver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowUnblocked)
        QTimer::singleShot(0, this, &HandoverReceiver::openWhenFree);
    return QObject::eventFilter(watched, event);
}

void HandoverReceiver::bringToFront()
{
    m_window.setWindowState((m_window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    // A dialog open over the window comes along: it is what waits for the user.
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void HandoverReceiver::openWhenFree()
{
    // Not while a transfer sends the tables, nor under a dialog whose answer would then go to
    // a window changed beneath it.
    if (m_pending.isEmpty() || m_window.link().isBusy() || QApplication::activeModalWidget())
        return;
    m_window.openFile(std::exchange(m_pending, QString()));
}

}  // namespace plc
