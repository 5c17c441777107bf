#include "progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

ProgressWindow::ProgressWindow(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(tr("Download/upload progress"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(360);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setToolTip(tr("Stop before the next exchange with the controller"));
    connect(m_cancel, &QPushButton::clicked, this, &ProgressWindow::cancelTransfer);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::open()
{
    // A transfer started from a modal dialog (the bus search) would find this window blocked
    // by that dialog: it is modal itself while it shows, so its Cancel can be reached.
    if (!isVisible()) {
        const QWidget *modal = QApplication::activeModalWidget();
        setWindowModality(modal && modal != this ? Qt::ApplicationModal : Qt::NonModal);
    }
    m_bar->setValue(0);
    m_cancel->setEnabled(canCancel());
    show();
    raise();
    m_cancel->setFocus();
}

void ProgressWindow::setPercent(int percent)
{
    m_bar->setValue(qBound(0, percent, 100));
    // The transfer waits in a local event loop; paint now so the step shows at once.
    m_bar->repaint();
}

void ProgressWindow::close()
{
    hide();
}

void ProgressWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cancelTransfer();
    else
        QWidget::keyPressEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent *event)
{
    // The window goes when its transfer ends; closing it asks for that end.
    event->ignore();
    cancelTransfer();
}

void ProgressWindow::cancelTransfer()
{
    if (!m_cancel->isEnabled())
        return;
    m_cancel->setEnabled(false);
    requestCancel();
}

}  // namespace plc
