#include "diag_frames.h"

#include "grid_view.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

ErrorBufferFrame::ErrorBufferFrame(const QString &caption, const QString &gridName, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setObjectName(gridName + QStringLiteral("Frame"));
    m_view = new GridView(m_errors, this);
    m_view->setObjectName(gridName);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
}

void ErrorBufferFrame::setHeadings(const QString &headingLine)
{
    m_view->setCentredHeadingLine(headingLine);
    // Room for the longest state text.
    const int stateWidth =
        m_view->fontMetrics().horizontalAdvance(QStringLiteral("Inactive error"));
    m_view->setColumnWidth(1, qMax(m_view->columnWidth(1), stateWidth + 24));
}

QGroupBox *commandPanel(const QList<PanelButton> &buttons, QWidget *parent)
{
    auto *panel = new QGroupBox(QStringLiteral("Command panel"), parent);
    panel->setObjectName(QStringLiteral("commandPanel"));
    auto *column = new QVBoxLayout(panel);
    for (const PanelButton &button : buttons) {
        auto *b = new QPushButton(button.caption, panel);
        b->setObjectName(button.name);
        b->setToolTip(button.toolTip);
        QObject::connect(b, &QPushButton::clicked, panel, button.clicked);
        column->addWidget(b);
    }
    column->addStretch();
    return panel;
}

}  // namespace plc
