#include "loader_client.h"

#include "firmware_image.h"
#include "loader_port.h"

#include <QElapsedTimer>
#include <functional>

namespace plc {

namespace {

constexpr int kAnswerMs = 1000;  // a step's ACK, beyond the wire time
constexpr int kInitMs = 500;     // the answer to 0x7F
constexpr int kInitRetryPauseMs = 200;
constexpr int kInitAttempts = 3;
constexpr int kPageEraseMaxMs = 40;  // the chip's longest page erase
constexpr int kUnprotectMs = 10000;  // the end of an unprotect: a whole-flash erase
constexpr int kRestartMs = 300;      // the chip restarts after an unprotect
constexpr int kRetries = 3;
constexpr int kResyncBytes = 300;  // more than the longest step: a 256-byte block, count, sum
constexpr int kResyncByteMs = 20;
constexpr int kQuietMs = 20;

QString hexByte(quint8 byte)
{
    return QStringLiteral("0x%1").arg(QString::number(byte, 16).toUpper().rightJustified(2, '0'));
}

// A block without its trailing 0xFF bytes (erased flash holds them), in whole words; empty
// when it is blank.
QByteArray withoutBlankTail(const QByteArray &block)
{
    qsizetype used = block.size();
    while (used > 0 && quint8(block.at(used - 1)) == 0xFF)
        --used;
    return block.left((used + 3) / 4 * 4);
}

}  // namespace

QString LoaderInfo::text() const
{
    return LoaderClient::tr("loader %1.%2, %3 (0x%4), %5 KB flash in %6 KB pages")
        .arg(version >> 4)
        .arg(version & 0x0F)
        .arg(chip)
        .arg(QString::number(pid, 16).toUpper())
        .arg(flashKb)
        .arg(pageSize / 1024);
}

Ending UpdateOutcome::ending(bool ctrlC) const
{
    using Common = Outcome::Kind;
    Ending ending;
    ending.interrupted = ctrlC && !ok();
    switch (kind) {
        case Kind::Done:
            break;
        case Kind::Cancelled:
            ending.kind = Common::Cancelled;
            break;
        case Kind::Unanswered:
            ending.kind = Common::Unanswered;
            break;
        case Kind::WrongAnswer:
            ending.kind = Common::WrongAnswer;
            break;
        case Kind::Refused:
        case Kind::ReadoutProtected:
        case Kind::WriteProtected:
            ending.kind = Common::Refused;
            break;
        case Kind::VerifyDiffers:
            ending.differs = true;
            break;
        case Kind::BadImage:
            ending.kind = Common::Failed;
            break;
        case Kind::PortNotOpened:
            ending.kind = Common::PortNotOpened;
            break;
        case Kind::PortLost:
            ending.kind = Common::PortLost;
            break;
    }
    return ending;
}

LoaderClient::LoaderClient(LoaderPort &port, QObject *parent) : QObject(parent), m_port(port) {}

bool LoaderClient::fail(UpdateOutcome::Kind kind, const QString &message)
{
    m_failure = {kind, message};
    return false;
}

UpdateOutcome LoaderClient::result()
{
    UpdateOutcome outcome = m_failure;
    if (!outcome.ok() && m_flashChanged)
        outcome.message +=
            tr(" The controller holds a partial firmware and stays in its loader; run the update "
               "again.");
    m_failure = {};
    return outcome;
}

LoaderClient::Answer LoaderClient::awaitAck(int timeoutMs, quint8 *got, const QByteArray &then)
{
    if (!then.isEmpty())
        m_port.sendOnAnswer(char(loader::kAck), then);
    QByteArray answer;
    switch (m_port.receive(1, timeoutMs, &answer)) {
        case LoaderPort::Wait::Lost:
            return Answer::Lost;
        case LoaderPort::Wait::Timeout:
            return Answer::Silence;
        case LoaderPort::Wait::Complete:
            break;
    }
    const quint8 byte = quint8(answer.at(0));
    if (got)
        *got = byte;
    return byte == loader::kAck    ? Answer::Ack
           : byte == loader::kNack ? Answer::Nack
                                   : Answer::Other;
}

LoaderClient::Answer LoaderClient::sendAndAwait(const QByteArray &bytes, int timeoutMs, quint8 *got)
{
    if (!m_port.send(bytes))
        return Answer::Lost;
    return awaitAck(timeoutMs, got);
}

bool LoaderClient::failOn(Answer answer, const QString &what, quint8 got)
{
    using Kind = UpdateOutcome::Kind;
    switch (answer) {
        case Answer::Ack:
            return true;
        case Answer::Nack:
            return fail(Kind::Refused, tr("The loader refused %1 (NACK).").arg(what));
        case Answer::Other:
            return fail(Kind::WrongAnswer,
                        tr("The loader answered %1 to %2 instead of ACK (0x79): the speed or "
                           "the parity is wrong, or the line is disturbed.")
                            .arg(hexByte(got), what));
        case Answer::Silence:
            return fail(Kind::Unanswered, tr("The loader did not answer %1.").arg(what));
        case Answer::Cancelled:
            return false;  // cancelled() said so
        case Answer::Lost:
            break;
    }
    return fail(Kind::PortLost,
                tr("The serial port %1 was lost: %2.").arg(m_port.device(), m_port.lostReason()));
}

LoaderClient::Answer LoaderClient::sendCommand(quint8 code, quint8 *got, const QByteArray &then)
{
    // A cancel takes effect here, between commands: never in the middle of one (which would
    // leave the loader waiting for the rest), and never with a Go still to come.
    if (cancelled())
        return Answer::Cancelled;
    if (!m_port.send(loader::commandFrame(code)))
        return Answer::Lost;
    return awaitAck(kAnswerMs, got, then);
}

bool LoaderClient::command(quint8 code, const QString &what)
{
    quint8 got = 0;
    return failOn(sendCommand(code, &got), what, got);
}

bool LoaderClient::receiveAll(int count, int timeoutMs, QByteArray *bytes, const QString &what)
{
    switch (m_port.receive(count, timeoutMs, bytes)) {
        case LoaderPort::Wait::Complete:
            return true;
        case LoaderPort::Wait::Timeout:
            return failOn(Answer::Silence, what, 0);
        case LoaderPort::Wait::Lost:
            break;
    }
    return failOn(Answer::Lost, what, 0);
}

bool LoaderClient::awaitInitAnswer(QByteArray *strays)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int left = kInitMs - int(clock.elapsed());
        QByteArray byte;
        switch (m_port.receive(1, qMax(left, 0), &byte)) {
            case LoaderPort::Wait::Lost:
                return failOn(Answer::Lost, QString(), 0);
            case LoaderPort::Wait::Timeout:
                return false;
            case LoaderPort::Wait::Complete:
                break;
        }
        const quint8 answer = quint8(byte.at(0));
        // NACK: the loader already runs and took 0x7F for a command it does not know.
        if (answer == loader::kAck || answer == loader::kNack)
            return true;
        strays->append(char(answer));  // noise of the line or of the chip's start, not an answer
        if (left <= 0)
            return false;
    }
}

bool LoaderClient::initialise()
{
    QByteArray strays;  // what came instead of an answer, in every attempt
    m_port.discardArrived();
    for (int attempt = 0; attempt < kInitAttempts; ++attempt) {
        if (attempt > 0)
            m_port.drain(kInitRetryPauseMs);
        if (!m_port.send(QByteArray(1, char(loader::kInit))))
            return failOn(Answer::Lost, QString(), 0);
        if (awaitInitAnswer(&strays))
            return true;
        if (m_failure.kind == UpdateOutcome::Kind::PortLost)
            return false;
    }
    if (!strays.isEmpty())
        return fail(UpdateOutcome::Kind::WrongAnswer,
                    tr("The loader answered %1 instead of ACK (0x79): the speed or the parity "
                       "is wrong. The loader takes 1200 to 115200 baud with 8 data bits, even "
                       "parity and 1 stop bit (no parity only where the line cannot carry it).")
                        .arg(hexByte(quint8(strays.back()))));
    return fail(
        UpdateOutcome::Kind::Unanswered,
        tr("No answer from the controller's loader on %1. Either the controller is not in its "
           "loader (press \"Start update firmware for STM32F3\" in the configuration tool "
           "first) or the lines are not wired.")
            .arg(m_port.device()));
}

bool LoaderClient::askGet()
{
    QByteArray head;
    QByteArray rest;
    if (!command(loader::Get, QStringLiteral("Get")) ||
        !receiveAll(1, kAnswerMs, &head, QStringLiteral("Get")) ||
        !receiveAll(loader::getAnswerLength(head) + 1, kAnswerMs, &rest, QStringLiteral("Get")))
        return false;
    const auto answer = loader::parseGetAnswer(head + rest.chopped(1));
    if (!answer || quint8(rest.back()) != loader::kAck)
        return failOn(Answer::Other, QStringLiteral("Get"), quint8(rest.back()));
    m_info.version = answer->version;
    m_info.commands = answer->commands;
    for (const quint8 needed :
         {loader::GetId, loader::ReadMemory, loader::WriteMemory, loader::Go}) {
        if (!answer->has(needed))
            return fail(UpdateOutcome::Kind::Refused,
                        tr("The loader does not list the command %1, which an update needs.")
                            .arg(hexByte(needed)));
    }
    if (!answer->has(loader::Erase) && !answer->has(loader::ExtendedErase))
        return fail(UpdateOutcome::Kind::Refused,
                    tr("The loader lists no erase command (0x43 or 0x44)."));
    return true;
}

bool LoaderClient::askId()
{
    QByteArray answer;
    if (!command(loader::GetId, QStringLiteral("Get ID")) ||
        !receiveAll(4, kAnswerMs, &answer, QStringLiteral("Get ID")))
        return false;
    const auto pid = loader::parseIdAnswer(answer.left(3));
    if (!pid || quint8(answer.at(3)) != loader::kAck)
        return failOn(Answer::Other, QStringLiteral("Get ID"), quint8(answer.at(0)));
    const auto chip = loader::chipFor(*pid);
    m_info.pid = *pid;
    if (!chip)
        return fail(UpdateOutcome::Kind::Refused,
                    tr("The loader reports the product ID 0x%1, a chip this program does not "
                       "know; nothing was written.")
                        .arg(QString::number(*pid, 16).toUpper()));
    m_info.chip = chip->name;
    m_info.pageSize = chip->pageSize;
    return true;
}

bool LoaderClient::readFlashSize()
{
    QByteArray size;
    if (!readBlock(loader::chipFor(m_info.pid)->flashSizeAddress, 2, &size))
        return false;
    m_info.flashKb = quint8(size.at(0)) | (quint8(size.at(1)) << 8);
    if (m_info.flashKb == 0 || m_info.flashKb == 0xFFFF)
        return fail(UpdateOutcome::Kind::WrongAnswer,
                    tr("The chip reports no flash size (0x%1).")
                        .arg(QString::number(m_info.flashKb, 16).toUpper()));
    return true;
}

UpdateOutcome LoaderClient::connectLoader()
{
    m_info = {};
    m_flashChanged = false;
    if (initialise() && askGet() && askId())
        readFlashSize();
    return result();
}

bool LoaderClient::readBlock(quint32 address, int count, QByteArray *bytes)
{
    // Built before the command goes out: each part follows the ACK of the one before at once.
    const QByteArray addressFrame = loader::addressFrame(address);
    const QByteArray lengthFrame = loader::readLengthFrame(count);
    quint8 got = 0;
    const Answer answer = sendCommand(loader::ReadMemory, &got, addressFrame);
    if (answer == Answer::Nack)
        return fail(UpdateOutcome::Kind::ReadoutProtected,
                    tr("The chip is readout-protected: its loader refuses to read the flash. "
                       "Readout Unprotect removes the protection and erases the whole flash; then "
                       "write the firmware again."));
    auto what = [address] {
        return tr("Read Memory at %1").arg(loader::hexAddress(address));
    };
    auto acked = [&](Answer a) {
        return a == Answer::Ack || failOn(a, what(), got);
    };
    return acked(answer) && acked(awaitAck(kAnswerMs, &got, lengthFrame)) &&
           acked(awaitAck(kAnswerMs, &got)) && receiveAll(count, kAnswerMs, bytes, what());
}

bool LoaderClient::writeBlock(quint32 address, const QByteArray &data)
{
    // Built before the command goes out: each part follows the ACK of the one before at once.
    const QByteArray addressFrame = loader::addressFrame(address);
    const QByteArray dataFrame = loader::dataFrame(data);
    quint8 got = 0;
    const Answer answer = sendCommand(loader::WriteMemory, &got, addressFrame);
    if (answer == Answer::Nack)
        return fail(
            UpdateOutcome::Kind::WriteProtected,
            tr("The flash is write-protected: the loader refused to write at %1. Write Unprotect "
               "removes the protection (the chip restarts into its loader); then write the "
               "firmware again.")
                .arg(loader::hexAddress(address)));
    auto what = [address] {
        return tr("Write Memory at %1").arg(loader::hexAddress(address));
    };
    auto acked = [&](Answer a) {
        return a == Answer::Ack || failOn(a, what(), got);
    };
    if (!acked(answer) || !acked(awaitAck(kAnswerMs, &got, dataFrame)) ||
        !acked(awaitAck(kAnswerMs, &got)))
        return false;
    ++m_counts.blocksWritten;
    return true;
}

bool LoaderClient::checkWritable(const QList<int> &pages)
{
    // Found here, before anything is erased, rather than at the first block after the erase.
    const std::optional<loader::Chip> chip = loader::chipFor(m_info.pid);
    if (!chip || chip->optionBytesAddress == 0 || pages.isEmpty())
        return true;
    QByteArray options;
    if (!withRetries([&] {
            return readBlock(chip->optionBytesAddress, loader::kOptionBytesCount, &options);
        }))
        return false;
    const QList<int> locked = loader::writeProtectedPages(options, *chip, pages);
    if (locked.isEmpty())
        return true;
    return fail(UpdateOutcome::Kind::WriteProtected,
                tr("The flash is write-protected: %1 of the %2 pages to be erased are locked, "
                   "from page %3 on. Write Unprotect removes the protection (the chip restarts "
                   "into its loader); then write the firmware again. Nothing was erased.")
                    .arg(locked.size())
                    .arg(pages.size())
                    .arg(locked.first()));
}

bool LoaderClient::erase(const QList<int> &pages)
{
    const bool extended = m_info.commands.contains(char(loader::ExtendedErase));
    const int chunk = extended ? 0xFFF0 : loader::kMaxErasePages;
    const int chunks = int((pages.size() + chunk - 1) / chunk);
    Q_EMIT progress(Phase::Erase, 0, chunks);
    for (int c = 0; c < chunks; ++c) {
        const QList<int> part = pages.mid(qsizetype(c) * chunk, chunk);
        const QString what =
            tr("Erase of %1 pages from page %2").arg(part.size()).arg(part.first());
        const bool erased = withRetries([&] {
            if (!command(extended ? loader::ExtendedErase : loader::Erase, what))
                return false;
            m_flashChanged = true;  // the loader erases once it has the list
            quint8 got = 0;
            return failOn(
                sendAndAwait(extended ? loader::extendedEraseFrame(part) : loader::eraseFrame(part),
                             kAnswerMs + kPageEraseMaxMs * int(part.size()), &got),
                what, got);
        });
        if (!erased)
            return false;
        m_counts.pagesErased += int(part.size());
        Q_EMIT progress(Phase::Erase, c + 1, chunks);
    }
    return true;
}

bool LoaderClient::withRetries(const std::function<bool()> &attempt)
{
    using Kind = UpdateOutcome::Kind;
    for (int retry = 0;; ++retry) {
        if (attempt()) {
            m_failure = {};  // the failure a retry made good
            return true;
        }
        const Kind kind = m_failure.kind;
        if (kind != Kind::Refused && kind != Kind::Unanswered && kind != Kind::WrongAnswer)
            return false;
        if (retry == kRetries) {
            m_failure.message += tr(" It did so %1 times; the update stopped.").arg(kRetries + 1);
            return false;
        }
        ++m_counts.retries;
        const UpdateOutcome failure = m_failure;
        if (!resync())
            return false;
        m_failure = failure;
    }
}

bool LoaderClient::resync()
{
    // Single 0xFF bytes, each awaited: whatever step the loader is in, one of them ends it and
    // draws an answer, and no pairing of them makes a command. Then it awaits a command.
    m_port.drain(kQuietMs);
    for (int i = 0; i < kResyncBytes; ++i) {
        const Answer answer = sendAndAwait(QByteArray(1, char(0xFF)), kResyncByteMs);
        if (answer == Answer::Lost)
            return failOn(answer, QString(), 0);
        if (answer != Answer::Silence) {
            m_port.drain(kQuietMs);
            return true;
        }
    }
    return fail(UpdateOutcome::Kind::Unanswered,
                tr("The loader does not answer any more; the update stopped."));
}

bool LoaderClient::cancelled()
{
    if (!m_cancelled)
        return false;
    m_failure = {UpdateOutcome::Kind::Cancelled,
                 m_flashChanged ? tr("Cancelled.") : tr("Cancelled; the flash was not changed.")};
    return true;
}

bool LoaderClient::go(quint32 address)
{
    const QString what = tr("Go to %1").arg(loader::hexAddress(address));
    quint8 got = 0;
    return command(loader::Go, what) &&
           failOn(sendAndAwait(loader::addressFrame(address), kAnswerMs, &got), what, got);
}

UpdateOutcome LoaderClient::write(const FirmwareImage &image, const WriteOptions &options)
{
    m_counts = {};
    // A cancel asked for while the loader was being reached still holds: nothing is erased.
    m_flashChanged = false;
    const QString misfit = checkImageFits(image, loader::kFlashStart, m_info.flashSize());
    if (!misfit.isEmpty()) {
        fail(UpdateOutcome::Kind::BadImage, misfit + tr("; nothing was erased."));
        return result();
    }
    const QList<int> pages = pagesToErase(image);
    const QList<quint32> blocks = image.pieces(loader::kFlashStart, loader::kMaxBlock);
    if (!checkWritable(pages) || !erase(pages))
        return result();
    const int total = int(blocks.size());
    for (int i = 0; i < total; ++i) {
        if (cancelled())
            return result();
        const QByteArray data = withoutBlankTail(image.bytesAt(blocks.at(i), loader::kMaxBlock));
        if (data.isEmpty())
            ++m_counts.blocksSkipped;
        else if (!withRetries([&] { return writeBlock(blocks.at(i), data); }))
            return result();
        Q_EMIT progress(Phase::Write, i + 1, total);
    }
    for (int i = 0; options.verify && i < total; ++i) {
        if (cancelled())
            return result();
        const QByteArray expected = image.bytesAt(blocks.at(i), loader::kMaxBlock);
        QByteArray back;
        if (!withRetries([&] { return readBlock(blocks.at(i), loader::kMaxBlock, &back); }))
            return result();
        ++m_counts.blocksVerified;
        for (int b = 0; b < expected.size(); ++b) {
            if (back.at(b) != expected.at(b)) {
                fail(UpdateOutcome::Kind::VerifyDiffers,
                     tr("Verification failed: the flash at %1 holds %2 where the image has %3. "
                        "The firmware was not started.")
                         .arg(loader::hexAddress(blocks.at(i) + quint32(b)),
                              hexByte(quint8(back.at(b))), hexByte(quint8(expected.at(b)))));
                return result();
            }
        }
        Q_EMIT progress(Phase::Verify, i + 1, total);
    }
    if (options.start && !go(loader::kFlashStart))
        return result();
    m_flashChanged = false;
    return result();
}

QList<int> LoaderClient::pagesToErase(const FirmwareImage &image) const
{
    QList<int> pages;
    for (const quint32 page : image.pieces(loader::kFlashStart, m_info.pageSize))
        pages.append(int((page - loader::kFlashStart) / quint32(m_info.pageSize)));
    return pages;
}

UpdateOutcome LoaderClient::read(quint32 address, int count, QByteArray *bytes)
{
    bytes->clear();
    for (int at = 0; at < count; at += loader::kMaxBlock) {
        const int n = qMin(loader::kMaxBlock, count - at);
        QByteArray block;
        if (!withRetries([&] { return readBlock(address + quint32(at), n, &block); }))
            return result();
        *bytes += block;
    }
    return result();
}

UpdateOutcome LoaderClient::unprotect(bool readout)
{
    const QString what =
        readout ? QStringLiteral("Readout Unprotect") : QStringLiteral("Write Unprotect");
    quint8 got = 0;
    if (!command(readout ? loader::ReadoutUnprotect : loader::WriteUnprotect, what) ||
        !failOn(awaitAck(kUnprotectMs, &got), what, got))
        return result();
    m_port.drain(kRestartMs);
    return connectLoader();
}

}  // namespace plc
