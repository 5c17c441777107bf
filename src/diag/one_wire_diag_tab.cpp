#include "one_wire_diag_tab.h"

#include "buffer_reader.h"
#include "diag_frames.h"
#include "link_action.h"

#include <QHBoxLayout>

namespace plc {

OneWireDiagTab::OneWireDiagTab(TransferContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("oneWireDiagTab"));
    m_buffer =
        new ErrorBufferFrame(oneWireBufferCaption(), QStringLiteral("oneWireErrorTable"), this);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_buffer, 1);
    layout->addWidget(commandPanel(
        {{tr("Read 1-wire buffer"), QStringLiteral("readOneWireBufferButton"),
          [this] { readClicked(); }, tr("Reads the 1-wire error buffer from the controller")}},
        this));
}

void OneWireDiagTab::setHeadings()
{
    m_buffer->setHeadings(kOneWireErrorHeadings);
}

void OneWireDiagTab::readClicked()
{
    takeStoredPort(m_ctx);
    const Result<BufferRecords> read = readErrorBuffer(m_ctx, ErrorBuffer::oneWire());
    if (read.done() && read.value)
        showErrorRecords(m_buffer->errors(), *read.value, m_names());
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "1-wire error buffer read")),
           withCount(read));
}

}  // namespace plc
