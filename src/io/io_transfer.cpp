#include "io_transfer.h"

#include "exchange.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "transfer_steps.h"

#include <QCoreApplication>

namespace plc {

namespace {

constexpr plcmem::Area kBlock = plcmem::kIoBlock;
// Answer timeouts in ms.
constexpr int kBlockWriteTimeout = 350;
constexpr int kBlockReadTimeout = 150;

}  // namespace

Outcome writeIoMap(TransferContext &ctx, const PointBytes &pointTypes)
{
    const QString block = encodeIoBlock(masksOf(pointTypes));
    steps::planWrites(ctx.link, 3);
    ctx.link.open();
    steps::writeBetweenServiceWords(ctx.link, [&] {
        steps::writeExamined(ctx.link, kBlockWriteTimeout, Request::write(kBlock.address, block));
    });
    if (ctx.verifyWrites)  // read back as an upload reads
        steps::verifyText(ctx.link, nullptr, kBlockReadTimeout, kBlock.address, block,
                          QCoreApplication::translate("plc::IoTransfer", "I/O map block"));
    return Outcome::downloaded(ctx.verifyWrites);
}

Outcome downloadIoMap(TransferContext &ctx, const PointBytes &pointTypes)
{
    return runOnLink(ctx.link, [&] { return writeIoMap(ctx, pointTypes); });
}

IoMasks readIoMap(TransferContext &ctx)
{
    ctx.link.open();
    return decodeIoBlock(QString::fromLatin1(
        steps::readAnswered(ctx.link, kBlockReadTimeout, kBlock.address, kBlock.bytes).received));
}

Result<IoMasks> uploadIoMap(TransferContext &ctx)
{
    return readOnLink<IoMasks>(ctx.link, [&] { return readIoMap(ctx); });
}

}  // namespace plc
