#include "modbus_diag_tab.h"

#include "buffer_reader.h"
#include "diag_frames.h"
#include "link_action.h"

#include <QHBoxLayout>

namespace plc {

ModbusDiagTab::ModbusDiagTab(TransferContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("modbusDiagTab"));
    m_buffers[0] =
        new ErrorBufferFrame(uart1BufferCaption(), QStringLiteral("uart1ErrorTable"), this);
    m_buffers[1] =
        new ErrorBufferFrame(uart2BufferCaption(), QStringLiteral("uart2ErrorTable"), this);
    auto *layout = new QHBoxLayout(this);
    const auto readsBuffer = [](int uart) {
        return tr("Reads the Modbus error buffer of UART %1 from the controller").arg(uart);
    };
    layout->addWidget(
        commandPanel({{tr("Read modbus buffer 1"), QStringLiteral("readUart1BufferButton"),
                       [this] { readClicked(1); }, readsBuffer(1)},
                      {tr("Read modbus buffer 2"), QStringLiteral("readUart2BufferButton"),
                       [this] { readClicked(2); }, readsBuffer(2)}},
                     this));
    layout->addWidget(m_buffers[0], 1);
    layout->addWidget(m_buffers[1], 1);
}

void ModbusDiagTab::setHeadings()
{
    for (ErrorBufferFrame *frame : m_buffers)
        frame->setHeadings(kModbusErrorHeadings);
}

void ModbusDiagTab::readClicked(int uart)
{
    const ErrorBuffer &source = uart == 2 ? ErrorBuffer::uart2() : ErrorBuffer::uart1();
    GridModel &grid = buffer(uart).errors();
    takeStoredPort(m_ctx);
    const Result<BufferRecords> read = readErrorBuffer(m_ctx, source);
    if (read.done() && read.value)
        showErrorRecords(grid, *read.value, m_names(uart));
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("plc::ActionNames", "UART 1 error buffer read"),
        QT_TRANSLATE_NOOP("plc::ActionNames", "UART 2 error buffer read")};
    report(m_ctx, QString::fromLatin1(names[uart == 2 ? 1 : 0]), withCount(read));
}

}  // namespace plc
