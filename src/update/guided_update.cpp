#include "guided_update.h"

#include "flash_read.h"
#include "loader_port.h"

#include <QDir>
#include <QFileInfo>

namespace plc {

namespace {

const QString kReadoutQuestion = QStringLiteral(
    "The chip is readout-protected. Readout Unprotect removes the protection and ERASES THE "
    "WHOLE FLASH of the controller; the controller restarts into its loader. Unprotect now?");
const QString kWriteQuestion = QStringLiteral(
    "The flash is write-protected. Write Unprotect removes the write protection of the whole "
    "flash; the controller restarts into its loader. Unprotect now?");
const QString kNoBackup =
    QStringLiteral("Its flash cannot be read, so no backup of the firmware in it can be made. ");
const QString kWriteWithoutBackup = QStringLiteral(
    "The chip is readout-protected: the pages to be erased cannot be read, so no backup can be "
    "made. Write the firmware without a backup?");
const QString kInLoader = QStringLiteral("stays in its loader");

}  // namespace

GuidedUpdate::GuidedUpdate(LoaderPort &port, LoaderClient &client, ModemSequence entry, Calls calls)
    : m_port(port), m_client(client), m_entry(std::move(entry)), m_calls(std::move(calls))
{
}

UpdateOutcome GuidedUpdate::reachLoader()
{
    const QString failed = runModemSequence(m_entry, m_port);
    if (!failed.isEmpty())
        return {UpdateOutcome::Kind::PortNotOpened, failed};
    m_calls.tell(QStringLiteral("Connecting..."));
    const UpdateOutcome outcome = m_client.connectLoader();
    m_reached = m_reached || outcome.loaderAnswered();
    if (outcome.ok())
        m_calls.connected(m_client.info());
    return outcome;
}

UpdateOutcome GuidedUpdate::connect()
{
    const UpdateOutcome outcome = reachLoader();
    if (!outcome.ok())
        return ended(outcome);
    return {UpdateOutcome::Kind::Done, QStringLiteral("Done: %1.").arg(m_client.info().text())};
}

UpdateOutcome GuidedUpdate::offerUnprotect(const UpdateOutcome &refused, const QString &question)
{
    const bool readout = refused.kind == UpdateOutcome::Kind::ReadoutProtected;
    m_calls.tell(refused.message);
    if (!m_calls.ask(question))
        return refused;
    m_calls.tell(readout ? QStringLiteral("Readout Unprotect: erasing the whole flash...")
                         : QStringLiteral("Write Unprotect..."));
    const UpdateOutcome outcome = m_client.unprotect(readout);
    if (outcome.ok())
        m_calls.connected(m_client.info());
    return outcome;
}

UpdateOutcome GuidedUpdate::backup(const FirmwareImage &image, const QString &path)
{
    m_calls.tell(QStringLiteral("Backup of the pages to be erased..."));
    QDir().mkpath(QFileInfo(path).absolutePath());
    const UpdateOutcome outcome = backupErasedPages(m_client, image, path);
    if (outcome.kind != UpdateOutcome::Kind::ReadoutProtected)
        return outcome;
    if (!m_calls.ask(kWriteWithoutBackup))
        return outcome;
    return {UpdateOutcome::Kind::Done, QStringLiteral("No backup: the flash cannot be read")};
}

UpdateOutcome GuidedUpdate::write(const FirmwareImage &image, const QString &backupPath)
{
    UpdateOutcome outcome = reachLoader();
    QString backupLine;
    if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected) {
        // One question for both: the backup cannot be made, and going on erases everything.
        outcome = offerUnprotect(
            outcome, backupPath.isEmpty() ? kReadoutQuestion : kNoBackup + kReadoutQuestion);
        if (outcome.ok() && !backupPath.isEmpty())
            backupLine = QStringLiteral("No backup: Readout Unprotect erased the whole flash");
    } else if (outcome.ok() && !backupPath.isEmpty()) {
        outcome = backup(image, backupPath);
        backupLine = outcome.message;
    }
    if (!outcome.ok())
        return ended(outcome);

    outcome = m_client.write(image);
    if (outcome.kind == UpdateOutcome::Kind::WriteProtected) {
        outcome = offerUnprotect(outcome, kWriteQuestion);
        if (outcome.ok())
            outcome = m_client.write(image);
    }
    if (!outcome.ok())
        return ended(outcome);
    m_started = true;
    QString text = QStringLiteral("Firmware written and verified (%1 KB), started")
                       .arg((image.byteCount() + 1023) / 1024);
    if (!backupLine.isEmpty())
        text += QLatin1Char('\n') + backupLine;
    return {UpdateOutcome::Kind::Done, text};
}

UpdateOutcome GuidedUpdate::ended(UpdateOutcome outcome) const
{
    // A cancel comes between two commands, never before a Go: the loader keeps the controller.
    if (outcome.kind == UpdateOutcome::Kind::Cancelled && !outcome.message.contains(kInLoader))
        outcome.message += QStringLiteral(
                               " The controller %1: write again, or switch it off and "
                               "on to run the firmware it holds.")
                               .arg(kInLoader);
    return outcome;
}

}  // namespace plc
