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
#include "uart_port.h"

#include <functional>
#include <optional>

namespace {

// Answer timeouts in ms.
constexpr int kServiceTimeout = 1000;
constexpr int kWriteTimeout = 650;  // port word, slave timeout, table pieces, command word
constexpr int kWordReadTimeout = 350;
constexpr int kTableReadTimeout = 650;

// The table travels in pieces of at most 64 bytes; the controller needs a pause after each
// piece it stores.
constexpr int kBlockChars = 128;
constexpr int kPiecePauseMs = 100;

const QString kWrite = QStringLiteral("E11");
const QString kWordCount = QStringLiteral("02");
const QString kServiceAddress = QStringLiteral("3000");
const QString kCommandAddress = QStringLiteral("2002");

// Where a piece of the table text goes: its first character and its length.
struct Block {
    int first;
    int chars;
};

QList<Block> blocksOf(int totalChars)
{
    QList<Block> blocks;
    for (int first = 0; first < totalChars; first += kBlockChars)
        blocks.append({first, qMin(kBlockChars, totalChars - first)});
    return blocks;
}

int percentAfter(const Block &block, int totalChars)
{
    return qMin(100, qRound(100.0 * (block.first + kBlockChars) / totalChars));
}

QString blockAddress(int base, int firstChar)
{
    return hextext::digits(base + firstChar / 2, 4);
}

QString byteCount(int chars)
{
    return hextext::digits(chars / 2, 2);
}

void writeWord(PlcLink &link, const QString &address, quint16 value)
{
    writeExamined(link, kWriteTimeout, kWrite, address, kWordCount, hextext::word(value));
}

// The controller takes a configuration between "0FFF" and "0000" in its service word.
void writeConfiguration(PlcLink &link, const QString &portWordAddress, quint16 portWord,
                        const std::function<void()> &more)
{
    writeExamined(link, kServiceTimeout, kWrite, kServiceAddress, kWordCount,
                  QStringLiteral("0FFF"));
    writeWord(link, portWordAddress, portWord);
    more();
    writeExamined(link, kServiceTimeout, kWrite, kServiceAddress, kWordCount,
                  QStringLiteral("0000"));
}

void sendTable(PlcLink &link, ProgressGuard &progress, int base, const QString &text)
{
    const int total = int(text.size());
    if (total < kBlockChars) {
        // Up to 7 requests go in one write, with no pause; no request is a write of count "00".
        writeExamined(link, kWriteTimeout, kWrite, blockAddress(base, 0), byteCount(total), text);
        return;
    }
    for (const Block &block : blocksOf(total)) {
        writeExamined(link, kWriteTimeout, kWrite, blockAddress(base, block.first),
                      byteCount(block.chars), text.mid(block.first, block.chars));
        progress.setPercent(percentAfter(block, total));
        Pause(kPiecePauseMs);
    }
}

// A read that must be answered: nothing on the tab may change because the controller is silent.
QString readAnswered(PlcLink &link, int timeoutMs, const QString &address, const QString &count)
{
    const QString answer = Read_from_plc(link, timeoutMs, address, count);
    if (answer.isEmpty())
        throw Failure(QStringLiteral("Answer timeout from PLC"));
    return answer;
}

quint16 readWord(PlcLink &link, const QString &address)
{
    return hextext::wordAt(readAnswered(link, kWordReadTimeout, address, kWordCount), 0);
}

QString readTable(PlcLink &link, ProgressGuard &progress, int base, int total)
{
    QString text;
    for (const Block &block : blocksOf(total)) {
        const QString answer = readAnswered(
            link, kTableReadTimeout, blockAddress(base, block.first), byteCount(block.chars));
        text += answer.mid(1, block.chars);
        progress.setPercent(percentAfter(block, total));
    }
    return text;
}

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
    writeConfiguration(ctx.link, port.portWordAddress, portWord, [&] {
        if (!master)
            return;
        const QString text = tableText(grid);
        progress.emplace(ctx.progress);
        sendTable(ctx.link, *progress, port.tableBase, text);
    });
    // The controller acts on the command word by itself; its answer tells nothing.
    Write_to_plc(
        ctx.link, kWriteTimeout, QStringLiteral("E10"), kCommandAddress, kWordCount,
        settings.mode == UartMode::NotUse ? QStringLiteral("8000") : QStringLiteral("0080"));
    if (master)
        Pause(kPiecePauseMs);
}

PortConfigUpload uploadPortConfig(TransferContext &ctx, const UartPort &port)
{
    Q_ASSERT(ctx.link.isBusy());
    Setup_port(ctx.link);
    ctx.link.open();
    PortConfigUpload upload;
    upload.word = decodePortWord(readWord(ctx.link, port.portWordAddress));
    if (upload.word.mode == UartMode::Master) {
        const int n = upload.word.requestCount;
        ProgressGuard progress(ctx.progress);
        const QString text = readTable(ctx.link, progress, port.tableBase, kRecordChars * n);
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
    writeConfiguration(ctx.link, port.portWordAddress, portWord,
                       [&] { writeWord(ctx.link, port.slaveTimeoutAddress, *timeout); });
}

SlaveSettingsUpload uploadSlaveSettings(TransferContext &ctx, const UartPort &port)
{
    Q_ASSERT(ctx.link.isBusy());
    Q_ASSERT(!port.slaveTimeoutAddress.isEmpty());
    Setup_port(ctx.link);
    ctx.link.open();
    SlaveSettingsUpload upload;
    upload.word = decodePortWord(readWord(ctx.link, port.portWordAddress));
    upload.timeout = QString::number(qint16(readWord(ctx.link, port.slaveTimeoutAddress)));
    return upload;
}

void applySlaveUpload(const SlaveSettingsUpload &upload, PortSettings &settings)
{
    applyLineSettings(upload.word, settings);
    settings.address = QString::number(upload.word.address);
    settings.timeout = upload.timeout;
}
