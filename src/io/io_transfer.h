#pragma once

#include "io_block.h"
#include "outcome.h"

namespace plc {

struct TransferContext;

// The I/O map's transfers. Each runs on the link as the caller set it up (runOnLink: a second
// transfer stays off the port while one waits, the port is closed on every path) and tells how
// it ended ("Wrong answer from PLC", "Answer timeout from PLC", a port that will not open).

// "Download to PLC": the block of the points' functions between the two service words, each
// write's answer examined. No question first. With ctx.verifyWrites the block is then read
// back.
Outcome downloadIoMap(TransferContext &ctx, const PointBytes &pointTypes);
// The same writes inside an action that already holds the link; a failure is thrown.
Outcome writeIoMap(TransferContext &ctx, const PointBytes &pointTypes);

// "Upload from PLC": reads the block.
Result<IoMasks> uploadIoMap(TransferContext &ctx);
// The same read inside an action that already holds the link; a failure is thrown.
IoMasks readIoMap(TransferContext &ctx);

}  // namespace plc
