#include "progress_window.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace plc {

ProgressWindow::ProgressWindow(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(QStringLiteral("Download/upload progress"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(360);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::open()
{
    m_bar->setValue(0);
    show();
    raise();
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

}  // namespace plc
