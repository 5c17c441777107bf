#include "port_transfer.h"

#include "check_grid.h"
#include "exchanges.h"
#include "failure.h"
#include "grid_model.h"
#include "hex_text.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_setup.h"
#include "progress.h"
#include "prompts.h"
#include "transfer_steps.h"
#include "uart_port.h"

#include <functional>
#include <optional>

namespace {

// Answer timeouts in ms.
constexpr int kWriteTimeout = 650;  // port word, slave timeout, table pieces, command word
constexpr int kWordReadTimeout = 350;
constexpr int kTableReadTimeout = 650;

const QString kCommandAddress = QStringLiteral("2002");
const QString kPortWordArea = QStringLiteral("port word");

void showConfigError(TransferContext &ctx, const QString &text)
{
    ctx.prompts.message(ctx.window, text, kConfigErrorTitle);
}

// The slave's own Modbus address from the "MB address" box, or none after telling the user.
std::optional<int> slaveAddress(TransferContext &ctx, const QString &text)
{
    const auto value = hextext::wholeNumber(text);
    if (!value) {
        showConfigError(ctx, QStringLiteral("Please, use only digit n the address field "));
        return std::nullopt;
    }
    if (*value < 1 || *value > 247) {
        showConfigError(ctx,
                        QStringLiteral("Please, use valid range - address range from 1 to 247 "));
        return std::nullopt;
    }
    return int(*value);
}

std::optional<quint16> slaveTimeout(TransferContext &ctx, const QString &text)
{
    const auto value = hextext::wholeNumber(text);
    if (!value || *value < 0 || *value > 32767) {
        showConfigError(ctx,
                        QStringLiteral("Please, use valid range - timeout range from 0 to 32767 "));
        return std::nullopt;
    }
    return quint16(*value);
}

void applyLineSettings(const PortWordFields &word, PortSettings &settings)
{
    settings.speed = word.speed;
    if (word.parity)
        settings.parity = *word.parity;
}

}  // namespace

void downloadPortConfig(TransferContext &ctx, const UartPort &port, const PortSettings &settings,
                        const GridModel &grid)
{
    Q_ASSERT(ctx.link.isBusy());  // run inside runLinkAction
    Setup_port(ctx.link);
    if (!ctx.prompts.confirm(ctx.window, kDownloadQuestion))
        return;
    if (const auto fault = Check_grid(grid)) {
        showConfigError(ctx, gridFaultMessage(*fault));
        return;
    }
    const bool master = settings.mode == UartMode::Master;
    int countOrAddress = master ? requestCount(grid) : 0;
    if (settings.mode == UartMode::Slave) {
        const auto address = slaveAddress(ctx, settings.address);
        if (!address)
            return;
        countOrAddress = *address;
    }
    const quint16 portWord =
        encodePortWord(settings.mode, settings.speed, settings.parity, countOrAddress);

    ctx.link.open();
    std::optional<ProgressGuard> progress;
    QString text;
    steps::writeBetweenServiceWords(ctx.link, [&] {
        steps::writeWord(ctx.link, kWriteTimeout, port.portWordAddress, portWord);
        if (!master)
            return;
        text = tableText(grid);
        progress.emplace(ctx.progress);
        steps::writeText(ctx.link, *progress, kWriteTimeout, port.tableBase, text);
    });
    // The controller acts on the command word by itself; its answer tells nothing.
    Write_to_plc(
        ctx.link, kWriteTimeout, QStringLiteral("E10"), kCommandAddress, QStringLiteral("02"),
        settings.mode == UartMode::NotUse ? QStringLiteral("8000") : QStringLiteral("0080"));
    if (master)
        Pause(steps::kPiecePauseMs);
    progress.reset();
    if (!ctx.verifyWrites)
        return;
    // Read back as an upload reads.
    steps::verifyWord(ctx.link, kWordReadTimeout, port.portWordAddress, portWord, kPortWordArea);
    if (master)
        steps::verifyText(ctx.link, &ctx.progress, kTableReadTimeout, port.tableBase, text,
                          QStringLiteral("request table"));
}

PortConfigUpload uploadPortConfig(TransferContext &ctx, const UartPort &port)
{
    Q_ASSERT(ctx.link.isBusy());
    Setup_port(ctx.link);
    ctx.link.open();
    PortConfigUpload upload;
    upload.word = decodePortWord(steps::readWord(ctx.link, kWordReadTimeout, port.portWordAddress));
    if (upload.word.mode == UartMode::Master) {
        const int n = upload.word.requestCount;
        ProgressGuard progress(ctx.progress);
        const QString text = steps::readText(ctx.link, &progress, kTableReadTimeout, port.tableBase,
                                             kRecordChars * n);
        upload.requests = decodeTableText(text, n);
    }
    return upload;
}

void applyPortUpload(const PortConfigUpload &upload, PortSettings &settings, GridModel &grid)
{
    if (!upload.word.mode)
        return;
    settings.mode = *upload.word.mode;
    if (settings.mode == UartMode::NotUse)
        return;
    applyLineSettings(upload.word, settings);
    if (settings.mode == UartMode::Master)
        applyRequestTable(grid, upload.requests);
    else
        settings.address = QString::number(upload.word.address);
}

void downloadSlaveSettings(TransferContext &ctx, const UartPort &port, const PortSettings &settings)
{
    Q_ASSERT(ctx.link.isBusy());
    Q_ASSERT(!port.slaveTimeoutAddress.isEmpty());
    if (!ctx.prompts.confirm(ctx.window, kDownloadQuestion))
        return;
    // An address above 255 would run into the speed bits, so both boxes are checked first.
    const auto address = slaveAddress(ctx, settings.address);
    if (!address)
        return;
    const auto timeout = slaveTimeout(ctx, settings.timeout);
    if (!timeout)
        return;

    ctx.link.open();  // with the line settings the link already has
    const quint16 portWord =
        encodePortWord(UartMode::Slave, settings.speed, settings.parity, *address);
    steps::writeBetweenServiceWords(ctx.link, [&] {
        steps::writeWord(ctx.link, kWriteTimeout, port.portWordAddress, portWord);
        steps::writeWord(ctx.link, kWriteTimeout, port.slaveTimeoutAddress, *timeout);
    });
    if (!ctx.verifyWrites)
        return;
    steps::verifyWord(ctx.link, kWordReadTimeout, port.portWordAddress, portWord, kPortWordArea);
    steps::verifyWord(ctx.link, kWordReadTimeout, port.slaveTimeoutAddress, *timeout,
                      QStringLiteral("slave timeout"));
}

SlaveSettingsUpload uploadSlaveSettings(TransferContext &ctx, const UartPort &port)
{
    Q_ASSERT(ctx.link.isBusy());
    Q_ASSERT(!port.slaveTimeoutAddress.isEmpty());
    Setup_port(ctx.link);
    ctx.link.open();
    SlaveSettingsUpload upload;
    upload.word = decodePortWord(steps::readWord(ctx.link, kWordReadTimeout, port.portWordAddress));
    upload.timeout = QString::number(
        qint16(steps::readWord(ctx.link, kWordReadTimeout, port.slaveTimeoutAddress)));
    return upload;
}

void applySlaveUpload(const SlaveSettingsUpload &upload, PortSettings &settings)
{
    applyLineSettings(upload.word, settings);
    settings.address = QString::number(upload.word.address);
    settings.timeout = upload.timeout;
}
