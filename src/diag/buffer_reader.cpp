#include "buffer_reader.h"

#include "grid_model.h"
#include "hex_text.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "progress.h"
#include "row_name.h"
#include "transfer_steps.h"

#include <QCoreApplication>

namespace plc {

namespace {

// The texts of the buffer reads, for the translator.
struct BufferReaderTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::BufferReader)
};

constexpr int kRecordChars = 2;
constexpr int kBlockChars = kBlockRecords * kRecordChars;

ErrorBuffer modbusBuffer(int uart, int portWordAddress, int base)
{
    // Bits 15 and 14 mark a master; bits 0-7 hold its request count.
    return {portWordAddress, 0xC000, 0xFF, base, 1, [uart](int number, quint8 record) {
                return modbusRecord(uart, number, record);
            }};
}

}  // namespace

const ErrorBuffer &ErrorBuffer::uart1()
{
    static const ErrorBuffer buffer =
        modbusBuffer(1, plcmem::kUart1PortWord.address, plcmem::kUart1Errors.address);
    return buffer;
}

const ErrorBuffer &ErrorBuffer::uart2()
{
    static const ErrorBuffer buffer =
        modbusBuffer(2, plcmem::kUart2PortWord.address, plcmem::kUart2Errors.address);
    return buffer;
}

const ErrorBuffer &ErrorBuffer::oneWire()
{
    // Bits 0-6 of the auxiliary mode word count the sensors, whatever its mode bits say.
    static const ErrorBuffer buffer{plcmem::kAuxModeWord.address,   0, 0x7F,
                                    plcmem::kOneWireErrors.address, 0, &oneWireRecord};
    return buffer;
}

std::optional<QList<ErrorRow>> readErrorRecords(PlcLink &link, const ErrorBuffer &buffer,
                                                ProgressDisplay *progress)
{
    const quint16 word = steps::readWord(link, buffer.wordTimeoutMs, buffer.countWordAddress);
    if ((word & buffer.requiredBits) != buffer.requiredBits)
        return std::nullopt;
    const int count = qMin(int(word & buffer.countMask), kMaxErrorRecords);
    const int blocks = qMax(buffer.minBlocks, (count + kBlockRecords - 1) / kBlockRecords);
    std::optional<ProgressGuard> guard;
    if (progress && blocks > 0) {
        guard.emplace(*progress, cancelActionOn(link));
        guard->showPercentOnly();
    }
    const QString text = steps::readText(link, guard ? &*guard : nullptr, buffer.blockTimeoutMs,
                                         buffer.base, blocks * kBlockChars);

    QList<ErrorRow> records;
    for (int number = 1; number <= count; ++number) {
        const QString digits = text.mid((number - 1) * kRecordChars, kRecordChars);
        records.append(buffer.decode(number, quint8(hexToNumber(digits))));
    }
    return records;
}

void showErrorRecords(GridModel &grid, const QList<ErrorRow> &records, const QStringList &names)
{
    QList<QStringList> rows;
    for (const ErrorRow &record : records) {
        const ErrorRow shown = shownErrorRow(record);
        rows.append({shown.state, shown.description});
    }
    grid.setDataRows(rows);
    for (int row = 1; row <= records.size(); ++row)
        grid.setText(row, 0, namedRowText(row, names.value(row - 1)));
    grid.centreAllColumns();
}

Outcome withCount(const Result<BufferRecords> &read)
{
    Outcome outcome = read.outcome;
    if (!read.done())
        return outcome;
    const qsizetype n = read.value ? read.value->size() : -1;
    outcome.detail = n < 0    ? BufferReaderTexts::tr("not kept: the port is not a Modbus master")
                     : n == 0 ? BufferReaderTexts::tr("no records")
                     : n == 1 ? BufferReaderTexts::tr("1 record")
                              : BufferReaderTexts::tr("%1 records").arg(n);
    return outcome;
}

Result<BufferRecords> readErrorBuffer(TransferContext &ctx, const ErrorBuffer &buffer)
{
    return readOnLink<BufferRecords>(ctx.link, [&] {
        ctx.link.open();
        return readErrorRecords(ctx.link, buffer, &ctx.progress);
    });
}

}  // namespace plc
