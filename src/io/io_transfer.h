#pragma once

#include "io_block.h"

struct TransferContext;

// The I/O map's transfers. Each runs inside runLinkAction, which keeps a second transfer off
// the port while one waits, closes the port on every path and shows the Failure that stops a
// transfer ("Wrong answer from PLC", "Answer timeout from PLC", a port that will not open).

// "Download to PLC": the block of the points' functions between the two service words, each
// write's answer examined. No question first; the link keeps the settings it has. With
// ctx.verifyWrites the block is then read back.
void downloadIoMap(TransferContext &ctx, const PointBytes &IO_type);

// "Upload from PLC": applies the stored port settings and reads the block. A controller that
// does not answer stops it with "Answer timeout from PLC", so the window's map stays as it was.
IoMasks uploadIoMap(TransferContext &ctx);
