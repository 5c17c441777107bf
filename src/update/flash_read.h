#pragma once

#include "update_outcome.h"

#include <QDateTime>
#include <QString>

namespace plc {

class FirmwareImage;
class LoaderClient;

// Reading the flash without writing it: the backup of what a write is about to erase, a copy
// of the flash in a file, and the comparison of an image with the flash. Each needs a connected
// LoaderClient; each outcome's message is the line a user reads when it is done.

// Reads the pages a write of the image erases (from the first to the last of them) into path
// (Intel HEX by its name, else raw binary starting at the first page). A readout-protected chip
// or a file that cannot be written ends it not done; nothing is erased either way.
UpdateOutcome backupErasedPages(LoaderClient &client, const FirmwareImage &image,
                                const QString &path);

// The name of a backup made for a port at a time: "backup-COM1-20240501-133005.bin".
QString backupFileName(const QString &port, const QDateTime &when);

// Reads size bytes from the start of flash (0: the whole flash) into path, Intel HEX by its name.
UpdateOutcome readFlashToFile(LoaderClient &client, qint64 size, const QString &path);

// Reads back the bytes the image holds and compares: Done when the flash holds them all,
// VerifyDiffers naming the first differing address and the count of differing bytes.
UpdateOutcome compareWithFlash(LoaderClient &client, const FirmwareImage &image);

}  // namespace plc
