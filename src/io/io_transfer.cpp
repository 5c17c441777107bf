#include "io_transfer.h"

#include "link_action.h"
#include "plc_link.h"
#include "port_setup.h"
#include "transfer_steps.h"

namespace {

constexpr int kBlockBase = 0x2000;
const QString kBlockAddress = QStringLiteral("2000");
const QString kBlockCount = QStringLiteral("08");
// Answer timeouts in ms.
constexpr int kBlockWriteTimeout = 350;
constexpr int kBlockReadTimeout = 150;

}  // namespace

void downloadIoMap(TransferContext &ctx, const PointBytes &IO_type)
{
    Q_ASSERT(ctx.link.isBusy());  // run inside runLinkAction
    const QString block = encodeIoBlock(masksOf(IO_type));
    ctx.link.open();
    steps::writeBetweenServiceWords(ctx.link, [&] {
        writeExamined(ctx.link, kBlockWriteTimeout, steps::kWrite, kBlockAddress, kBlockCount,
                      block);
    });
    if (ctx.verifyWrites)  // read back as an upload reads
        steps::verifyText(ctx.link, nullptr, kBlockReadTimeout, kBlockBase, block,
                          QStringLiteral("I/O map block"));
}

IoMasks uploadIoMap(TransferContext &ctx)
{
    Q_ASSERT(ctx.link.isBusy());
    Setup_port(ctx.link);
    ctx.link.open();
    return decodeIoBlock(
        steps::readAnswered(ctx.link, kBlockReadTimeout, kBlockAddress, kBlockCount));
}
