#pragma once

#include "loader_protocol.h"
#include "update_outcome.h"

#include <QObject>

namespace plc {

class FirmwareImage;
class LoaderPort;

// What the loader told about itself and its chip once connected.
struct LoaderInfo {
    quint8 version = 0;
    QByteArray commands;  // those Get lists
    quint16 pid = 0;
    QString chip;
    int flashKb = 0;
    int pageSize = 1024;

    quint32 flashSize() const { return quint32(flashKb) * 1024; }
    // "loader 2.2, STM32F10x medium density (0x410), 64 KB flash in 1 KB pages"
    QString text() const;
};

// What a write does besides erasing and writing.
struct WriteOptions {
    bool verify = true;  // read every block back and compare
    bool start = true;   // Go to the start of flash once written (and verified)
};

// What a write did, for progress reports, tests and benchmarks.
struct WriteCounts {
    int pagesErased = 0;
    int blocksWritten = 0;
    int blocksSkipped = 0;  // all 0xFF: erased flash holds them already
    int blocksVerified = 0;
    int retries = 0;
};

// The controller's serial loader, driven over a LoaderPort: connect and ask what it is, write
// an image (erase the pages it covers, write, verify, start), remove protections. Every wait is
// the port's event-driven one; cancel() stops the work before its next command.
class LoaderClient : public QObject {
    Q_OBJECT

public:
    enum class Phase { Erase, Write, Verify };
    Q_ENUM(Phase)

    explicit LoaderClient(LoaderPort &port, QObject *parent = nullptr);

    // 0x7F (up to three times, a short pause between; bytes other than ACK and NACK before the
    // answer are noise, and NACK means a loader that was already listening), Get, Get ID and the
    // flash size.
    UpdateOutcome connectLoader();
    const LoaderInfo &info() const { return m_info; }

    // Checks that the image fits the flash, then erases exactly the pages it covers, writes its
    // 256-byte blocks (skipping blank ones), reads them back and starts the firmware, as the
    // options say. Needs connectLoader first.
    UpdateOutcome write(const FirmwareImage &image, const WriteOptions &options = {});
    const WriteCounts &counts() const { return m_counts; }
    // Whether the last write stopped after the flash was changed: its outcome's message then
    // says that the controller holds a partial firmware and stays in its loader.
    bool leftPartialFirmware() const { return m_flashChanged; }
    // The pages a write of the image erases, counted from the start of flash.
    QList<int> pagesToErase(const FirmwareImage &image) const;

    // Reads count bytes from address (blocks of 256, each retried like a write's).
    UpdateOutcome read(quint32 address, int count, QByteArray *bytes);
    // Readout Unprotect (erases the whole flash) or Write Unprotect; the chip restarts, so the
    // loader is connected again.
    UpdateOutcome unprotect(bool readout);

    // Stops the work before its next command (so no Go follows it); safe to call while it
    // waits. It holds for the rest of the client's life.
    void cancel() { m_cancelled = true; }

Q_SIGNALS:
    void progress(LoaderClient::Phase phase, int done, int total);

private:
    enum class Answer { Ack, Nack, Other, Silence, Lost, Cancelled };

    // Sends a command (byte and complement) and awaits its ACK, unless a cancel came first.
    // With `then`, the next part of the command goes out the moment the ACK is in.
    Answer sendCommand(quint8 code, quint8 *got, const QByteArray &then = QByteArray());
    Answer sendAndAwait(const QByteArray &bytes, int timeoutMs, quint8 *got = nullptr);
    Answer awaitAck(int timeoutMs, quint8 *got = nullptr, const QByteArray &then = QByteArray());
    bool command(quint8 code, const QString &what);
    bool fail(UpdateOutcome::Kind kind, const QString &message);
    bool failOn(Answer answer, const QString &what, quint8 got);
    bool receiveAll(int count, int timeoutMs, QByteArray *bytes, const QString &what);
    bool initialise();
    bool awaitInitAnswer(QByteArray *strays);
    bool askGet();
    bool askId();
    bool readFlashSize();
    bool erase(const QList<int> &pages);
    // Reads the option bytes where the chip is known: false, with the failure set, when the
    // write protection locks any of the pages (nothing is erased then).
    bool checkWritable(const QList<int> &pages);
    bool writeBlock(quint32 address, const QByteArray &data);
    bool readBlock(quint32 address, int count, QByteArray *bytes);
    bool withRetries(const std::function<bool()> &attempt);
    bool go(quint32 address);
    bool resync();
    bool cancelled();
    UpdateOutcome result();

    LoaderPort &m_port;
    LoaderInfo m_info;
    WriteCounts m_counts;
    UpdateOutcome m_failure;
    bool m_flashChanged = false;  // since the last write began: a failure leaves a partial one
    bool m_cancelled = false;
    quint8 m_lastOther = 0;
};

}  // namespace plc
