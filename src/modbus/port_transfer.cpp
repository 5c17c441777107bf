#include "port_transfer.h"

#include "exchange.h"
#include "hex_text.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "progress.h"
#include "prompts.h"
#include "request_check.h"
#include "transfer_steps.h"

#include <QCoreApplication>
#include "uart_port.h"

#include <memory>

namespace plc {

namespace {

// Answer timeouts in ms.
constexpr int kWriteTimeout = 650;  // port word, slave timeout, table pieces, command word
constexpr int kWordReadTimeout = 350;
constexpr int kTableReadTimeout = 650;

// The texts of the port's transfers, for the translator.
struct PortTransferTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::PortTransfer)
};

// A number from a box of the slave frame, or the check's refusal.
Result<int> checkedBox(const QString &text, const NumberRange &range, const QString &notDigits,
                       const QString &outOfRange)
{
    const auto value = hextext::wholeNumber(text);
    if (!value)
        return {Outcome::stopped(notDigits, configErrorTitle()), 0};
    if (!range.contains(*value))
        return {Outcome::stopped(outOfRange, configErrorTitle()), 0};
    return {Outcome(), int(*value)};
}

// The slave's own Modbus address from the "MB address" box.
Result<int> slaveAddress(const QString &text)
{
    return checkedBox(
        text, kSlaveAddressRange,
        PortTransferTexts::tr("Please, use only digit n the address field "),
        PortTransferTexts::tr("Please, use valid range - address range from 1 to 247 "));
}

Result<int> slaveTimeout(const QString &text)
{
    const QString range =
        PortTransferTexts::tr("Please, use valid range - timeout range from 0 to 32767 ");
    return checkedBox(text, kSlaveTimeoutRange, range, range);
}

void applyLineSettings(const PortWordFields &word, PortSettings &settings)
{
    settings.speed = word.speed;
    if (word.parity)
        settings.parity = *word.parity;
}

// The master download's writes, once its checks have passed.
void writeCheckedPortConfig(TransferContext &ctx, const UartPort &port, UartMode mode,
                            quint16 portWord, const QString &table)
{
    const bool master = mode == UartMode::ModbusMaster;
    steps::planWrites(ctx.link, 3, master ? steps::pieceCount(table.size()) : 0);
    ctx.link.open();
    // Open from the first piece until after the command word's pause.
    std::unique_ptr<ProgressGuard> progress;
    steps::writeBetweenServiceWords(ctx.link, [&] {
        steps::writeWord(ctx.link, kWriteTimeout, port.portWordAddress, portWord);
        if (!master)
            return;
        progress = std::make_unique<ProgressGuard>(ctx.progress, cancelActionOn(ctx.link));
        steps::writeText(ctx.link, *progress, kWriteTimeout, port.tableBase, table);
    });
    // The controller acts on the command word by itself; its answer tells nothing.
    steps::send(
        ctx.link,
        Request::write(plcmem::kModbusCommand.address,
                       mode == UartMode::NotUse ? QStringLiteral("8000") : QStringLiteral("0080"),
                       Request::Command::CommandWrite),
        kWriteTimeout);
    if (master)
        ctx.link.pause(steps::kPiecePauseMs);
    progress.reset();
    if (!ctx.verifyWrites)
        return;
    // Read back as an upload reads.
    steps::verifyWord(ctx.link, kWordReadTimeout, port.portWordAddress, portWord,
                      PortTransferTexts::tr("port word"));
    if (master)
        steps::verifyText(ctx.link, &ctx.progress, kTableReadTimeout, port.tableBase, table,
                          PortTransferTexts::tr("request table"));
}

}  // namespace

std::optional<Outcome> portConfigFault(const PortSettings &settings, const QList<QStringList> &rows)
{
    if (const auto fault = checkRequestTable(rows))
        return Outcome::stopped(gridFaultMessage(*fault), configErrorTitle());
    if (settings.mode == UartMode::ModbusSlave) {
        const Result<int> address = slaveAddress(settings.address);
        if (!address.done())
            return address.outcome;
    }
    return std::nullopt;
}

Outcome writePortConfig(TransferContext &ctx, const UartPort &port, const PortSettings &settings,
                        const QList<QStringList> &rows)
{
    if (const auto fault = portConfigFault(settings, rows))
        return *fault;
    QList<ModbusRequest> requests;
    checkRequestTable(rows, &requests);
    const bool master = settings.mode == UartMode::ModbusMaster;
    int countOrAddress = master ? int(rows.size()) : 0;
    if (settings.mode == UartMode::ModbusSlave)
        countOrAddress = slaveAddress(settings.address).value;
    const quint16 portWord =
        encodePortWord(settings.mode, settings.speed, settings.parity, countOrAddress);
    writeCheckedPortConfig(ctx, port, settings.mode, portWord,
                           master ? tableText(requests) : QString());
    return Outcome::downloaded(ctx.verifyWrites);
}

Outcome downloadPortConfig(TransferContext &ctx, const UartPort &port, const PortSettings &settings,
                           const QList<QStringList> &rows)
{
    return askThenRun(ctx, downloadQuestion(),
                      [&] { return writePortConfig(ctx, port, settings, rows); });
}

PortConfigUpload readPortConfig(TransferContext &ctx, const UartPort &port)
{
    ctx.link.open();
    PortConfigUpload upload;
    upload.word = decodePortWord(steps::readWord(ctx.link, kWordReadTimeout, port.portWordAddress));
    if (upload.word.mode == UartMode::ModbusMaster) {
        const int n = upload.word.requestCount;
        ProgressGuard progress(ctx.progress, cancelActionOn(ctx.link));
        const QString text = steps::readText(ctx.link, &progress, kTableReadTimeout, port.tableBase,
                                             kRecordChars * n);
        upload.requests = decodeTableText(text, n);
    }
    return upload;
}

Result<PortConfigUpload> uploadPortConfig(TransferContext &ctx, const UartPort &port)
{
    return readOnLink<PortConfigUpload>(ctx.link, [&] { return readPortConfig(ctx, port); });
}

bool applyPortUpload(const PortConfigUpload &upload, PortSettings &settings)
{
    if (!upload.word.mode)
        return false;
    settings.mode = *upload.word.mode;
    if (settings.mode == UartMode::NotUse)
        return false;
    applyLineSettings(upload.word, settings);
    if (settings.mode == UartMode::ModbusMaster)
        return true;
    settings.address = QString::number(upload.word.address);
    return false;
}

Outcome downloadSlaveSettings(TransferContext &ctx, const UartPort &port,
                              const PortSettings &settings)
{
    Q_ASSERT(port.slaveTimeoutAddress != 0);
    return askThenRun(ctx, downloadQuestion(), [&] {
        // An address above 255 would run into the speed bits, so both boxes are checked first.
        const Result<int> address = slaveAddress(settings.address);
        if (!address.done())
            return address.outcome;
        const Result<int> timeout = slaveTimeout(settings.timeout);
        if (!timeout.done())
            return timeout.outcome;

        steps::planWrites(ctx.link, 4);
        ctx.link.open();
        const quint16 portWord =
            encodePortWord(UartMode::ModbusSlave, settings.speed, settings.parity, address.value);
        steps::writeBetweenServiceWords(ctx.link, [&] {
            steps::writeWord(ctx.link, kWriteTimeout, port.portWordAddress, portWord);
            steps::writeWord(ctx.link, kWriteTimeout, port.slaveTimeoutAddress,
                             quint16(timeout.value));
        });
        if (ctx.verifyWrites) {
            steps::verifyWord(ctx.link, kWordReadTimeout, port.portWordAddress, portWord,
                              PortTransferTexts::tr("port word"));
            steps::verifyWord(ctx.link, kWordReadTimeout, port.slaveTimeoutAddress,
                              quint16(timeout.value), PortTransferTexts::tr("slave timeout"));
        }
        return Outcome::downloaded(ctx.verifyWrites);
    });
}

Result<SlaveSettingsUpload> uploadSlaveSettings(TransferContext &ctx, const UartPort &port)
{
    Q_ASSERT(port.slaveTimeoutAddress != 0);
    return readOnLink<SlaveSettingsUpload>(ctx.link, [&] {
        ctx.link.open();
        SlaveSettingsUpload upload;
        upload.word =
            decodePortWord(steps::readWord(ctx.link, kWordReadTimeout, port.portWordAddress));
        upload.timeout = QString::number(
            qint16(steps::readWord(ctx.link, kWordReadTimeout, port.slaveTimeoutAddress)));
        return upload;
    });
}

void applySlaveUpload(const SlaveSettingsUpload &upload, PortSettings &settings)
{
    applyLineSettings(upload.word, settings);
    settings.address = QString::number(upload.word.address);
    settings.timeout = upload.timeout;
}

}  // namespace plc
