#include "diag_frames.h"

#include "error_records.h"
#include "grid_view.h"

#include <QCoreApplication>

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
    const int stateWidth = m_view->fontMetrics().horizontalAdvance(
        shownErrorRow({QStringLiteral("Inactive error"), {}}).state);
    m_view->setColumnWidth(1, qMax(m_view->columnWidth(1), stateWidth + 24));
}

QGroupBox *commandPanel(const QList<ActionButton> &buttons, QWidget *parent)
{
    auto *panel =
        new QGroupBox(QCoreApplication::translate("plc::DiagFrames", "Command panel"), parent);
    panel->setObjectName(QStringLiteral("commandPanel"));
    QBoxLayout *column = addButtons(new QVBoxLayout(panel), buttons, panel);
    column->addStretch();
    return panel;
}

}  // namespace plc
