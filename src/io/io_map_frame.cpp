#include "io_map_frame.h"

#include "grid_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

IoMapFrame::IoMapFrame(TransferContext &ctx, QWidget *parent)
    : QGroupBox(QStringLiteral("Input-output configuration"), parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("ioMapFrame"));
    m_table = new GridView(m_map, this);
    m_table->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_table->setAlternatingRowColors(false);

    // The chooser lies over the table's cells, so it lives on the viewport.
    m_chooser = new QComboBox(m_table->viewport());
    m_chooser->setObjectName(QStringLiteral("Combo1"));
    m_chooser->setEditable(true);
    m_chooser->hide();

    auto *buttons = new QVBoxLayout;
    const QList<QPair<QString, QString>> captions = {
        {QStringLiteral("New IO config"), QStringLiteral("Command12")},
        {QStringLiteral("Upload from PLC"), QStringLiteral("Command13")},
        {QStringLiteral("Download to PLC"), QStringLiteral("Command14")},
    };
    for (const auto &[caption, name] : captions) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
}

QString IoMapFrame::pointLabel(int point)
{
    return QStringLiteral("IO  %1").arg(point);
}

void IoMapFrame::setHeadings()
{
    m_map.setHeadingLine(QStringLiteral("Address | Function | Prog.name "));
}

void IoMapFrame::prepare()
{
    setHeadings();
    for (int point = 0; point < kPoints; ++point)
        m_map.insertGridRow(point + 1, pointLabel(point));

    const int rowHeight =
        qMax(m_table->verticalHeader()->defaultSectionSize(), m_chooser->sizeHint().height());
    m_table->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_chooser->clear();
    m_chooser->addItems(
        {QStringLiteral("Input -X"), QStringLiteral("Output-Y"), QStringLiteral("Not use")});
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(1, qMax(m_table->columnWidth(1), m_chooser->sizeHint().width()));
    m_table->setColumnWidth(2, qMax(m_table->columnWidth(2), m_chooser->sizeHint().width()));
    m_table->fitWidthToColumns();
    m_chooser->hide();
    m_chooser->raise();
    // The first cell a click can choose is in the Function column.
    m_chooser->resize(m_table->columnWidth(1), rowHeight);
}
