#include "io_map_frame.h"

#include "action_buttons.h"
#include "grid_view.h"
#include "io_chooser.h"
#include "io_transfer.h"
#include "link_action.h"
#include "memory_map.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace plc {

IoMapFrame::IoMapFrame(TransferContext &ctx, QWidget *parent)
    : QGroupBox(tr("Input-output configuration"), parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("ioMapFrame"));
    m_view = new GridView(m_table, this);
    m_view->setObjectName(QStringLiteral("ioMapTable"));
    m_view->setAlternatingRowColors(false);
    auto *chooser =
        new IoChooserDelegate([this](int row, IoChoice choice) { choose(row, choice); }, this);
    chooser->attach(*m_view, iocol::Function);
    // On the press, as a drop-down list opens: the view's own click is not reported after some
    // ways of closing the chooser (a choice made with the keyboard), and every click must open it.
    connect(m_view, &QAbstractItemView::pressed, this, [this](const QModelIndex &cell) {
        if (QGuiApplication::mouseButtons() & Qt::LeftButton)
            openChooser(cell);
    });

    QBoxLayout *column = addButtons(
        new QVBoxLayout,
        {{tr("New IO config"), QStringLiteral("newIoConfigButton"),
          [this] {
              newIoConfigClicked();
          }},
         {tr("Upload from PLC"), QStringLiteral("ioUploadButton"), [this] { uploadClicked(); },
          tr("Reads the inputs and outputs (I/O map block, %1) from the controller")
              .arg(plcmem::shown(plcmem::kIoBlock))},
         {tr("Download to PLC"), QStringLiteral("ioDownloadButton"), [this] { downloadClicked(); },
          tr("Writes the inputs and outputs (I/O map block, %1) into the controller")
              .arg(plcmem::shown(plcmem::kIoBlock))}},
        this);
    column->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(column);
}

IoMapFrame::~IoMapFrame()
{
    // The view, and a chooser open in it, go before the table they show.
    delete m_view;
}

void IoMapFrame::setHeadings()
{
    m_table.setHeadings();
}

void IoMapFrame::prepare()
{
    setHeadings();
    m_table.addPointRows();
    m_table.show(m_state);

    const QSize chooser = IoChooserDelegate::chooserSizeHint();
    const int rowHeight = qMax(m_view->verticalHeader()->defaultSectionSize(), chooser.height());
    m_view->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_view->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_view->resizeColumnsToContents();
    for (int col : {iocol::Function, iocol::Name})
        m_view->setColumnWidth(col, qMax(m_view->columnWidth(col), chooser.width()));
    m_view->fitWidthToColumns();
}

void IoMapFrame::setState(const IoMap &state)
{
    m_state = state;
    m_table.show(m_state);
}

void IoMapFrame::openChooser(const QModelIndex &cell)
{
    if (cell.flags() & Qt::ItemIsEditable)
        m_view->edit(cell);
}

void IoMapFrame::choose(int gridRow, IoChoice choice)
{
    IoMap changed = m_state;
    applyChoice(changed, gridRow - 1, choice);
    setState(changed);
}

void IoMapFrame::newIoConfigClicked()
{
    // Every point unassigned, its cells empty, every number free.
    setState(IoMap());
    m_view->setCurrentCell(kIoPoints, iocol::Function);
}

void IoMapFrame::downloadClicked()
{
    // The link keeps the settings it has.
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "I/O map download")),
           downloadIoMap(m_ctx, m_state.pointTypes));
}

void IoMapFrame::uploadClicked()
{
    takeStoredPort(m_ctx);
    const Result<IoMasks> masks = uploadIoMap(m_ctx);
    if (masks.done()) {
        nameNextEdit(m_ctx, tr("upload I/O map"));
        IoMap uploaded = m_state;
        applyUpload(uploaded, masks.value);
        setState(uploaded);
    }
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "I/O map upload")),
           masks.outcome);
}

}  // namespace plc
