#pragma once

#include "error_records.h"
#include "outcome.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace plc {

class GridModel;
class PlcLink;
class ProgressDisplay;
struct TransferContext;

// Where one of the controller's error buffers lives, what tells how many records it holds, and
// how its records read. One reader serves the buffers of UART 1, UART 2 and the 1-wire bus.
struct ErrorBuffer {
    int countWordAddress;  // the port word or the auxiliary mode word
    quint16 requiredBits;  // the buffer is kept only while the word has all of these set
    quint16 countMask;     // the bits of the word that count the records
    int base;              // the address of record 1, one byte per record
    int minBlocks;         // blocks read even when the count needs fewer
    std::function<ErrorRow(int number, quint8 record)> decode;
    int wordTimeoutMs = 350;
    int blockTimeoutMs = 550;

    static const ErrorBuffer &uart1();
    static const ErrorBuffer &uart2();
    static const ErrorBuffer &oneWire();
};

// A buffer holds at most this many records, read in blocks of 64.
constexpr int kMaxErrorRecords = 128;
constexpr int kBlockRecords = 64;

// Reads the count word and the blocks that hold the counted records, every block before
// anything is decoded; the blocks show their progress in `progress` when one is given. None
// when the word says the buffer is not kept (a UART that is not a Modbus master). Silence raises
// "Answer timeout from PLC". The link must be open.
std::optional<QList<ErrorRow>> readErrorRecords(PlcLink &link, const ErrorBuffer &buffer,
                                                ProgressDisplay *progress = nullptr);

// Shows records in an error table: one row per record numbered from 1, then the numbered spare
// row, all columns centred. Nothing the table held before stays. A record's number is followed by
// the name of the table row it stands for (names: the names of rows 1, 2, ...), "3 (Pump 2)".
void showErrorRecords(GridModel &grid, const QList<ErrorRow> &records,
                      const QStringList &names = {});

// What one buffer read found: its records, or none when the buffer is not kept (a UART that is
// not a Modbus master).
using BufferRecords = std::optional<QList<ErrorRow>>;

// "Read modbus buffer 1", "Read modbus buffer 2", "Read 1-wire buffer": opens the port and
// reads the buffer, on the link as the caller set it up.
Result<BufferRecords> readErrorBuffer(TransferContext &ctx, const ErrorBuffer &buffer);

// A read's outcome with what it found, for the status line: "5 records", "no records", or that
// the buffer is not kept.
Outcome withCount(const Result<BufferRecords> &read);

}  // namespace plc
