#include "guided_update.h"

#include "flash_read.h"
#include "loader_port.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plc {

namespace {

// The texts of the guided update, for the translator.
struct GuidedUpdateTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::GuidedUpdate)
};

QString readoutQuestion()
{
    return GuidedUpdateTexts::tr(
        "The chip is readout-protected. Readout Unprotect removes the protection and ERASES THE "
        "WHOLE FLASH of the controller; the controller restarts into its loader. Unprotect now?");
}

QString writeQuestion()
{
    return GuidedUpdateTexts::tr(
        "The flash is write-protected. Write Unprotect removes the write protection of the whole "
        "flash; the controller restarts into its loader. Unprotect now?");
}

QString noBackup()
{
    return GuidedUpdateTexts::tr(
        "Its flash cannot be read, so no backup of the firmware in it can be made. ");
}

QString writeWithoutBackup()
{
    return GuidedUpdateTexts::tr(
        "The chip is readout-protected: the pages to be erased cannot be read, so no backup can "
        "be made. Write the firmware without a backup?");
}

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
    m_calls.tell(GuidedUpdateTexts::tr("Connecting..."));
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
    return {UpdateOutcome::Kind::Done,
            GuidedUpdateTexts::tr("Done: %1.").arg(m_client.info().text())};
}

UpdateOutcome GuidedUpdate::offerUnprotect(const UpdateOutcome &refused, const QString &question)
{
    const bool readout = refused.kind == UpdateOutcome::Kind::ReadoutProtected;
    m_calls.tell(refused.message);
    if (!m_calls.ask(question))
        return refused;
    m_calls.tell(readout ? GuidedUpdateTexts::tr("Readout Unprotect: erasing the whole flash...")
                         : GuidedUpdateTexts::tr("Write Unprotect..."));
    const UpdateOutcome outcome = m_client.unprotect(readout);
    if (outcome.ok())
        m_calls.connected(m_client.info());
    return outcome;
}

UpdateOutcome GuidedUpdate::backup(const FirmwareImage &image, const QString &path)
{
    m_calls.tell(GuidedUpdateTexts::tr("Backup of the pages to be erased..."));
    QDir().mkpath(QFileInfo(path).absolutePath());
    const UpdateOutcome outcome = backupErasedPages(m_client, image, path);
    if (outcome.kind != UpdateOutcome::Kind::ReadoutProtected)
        return outcome;
    if (!m_calls.ask(writeWithoutBackup()))
        return outcome;
    return {UpdateOutcome::Kind::Done,
            GuidedUpdateTexts::tr("No backup: the flash cannot be read")};
}

UpdateOutcome GuidedUpdate::write(const FirmwareImage &image, const QString &backupPath)
{
    UpdateOutcome outcome = reachLoader();
    QString backupLine;
    if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected) {
        // One question for both: the backup cannot be made, and going on erases everything.
        outcome = offerUnprotect(
            outcome, backupPath.isEmpty() ? readoutQuestion() : noBackup() + readoutQuestion());
        if (outcome.ok() && !backupPath.isEmpty())
            backupLine =
                GuidedUpdateTexts::tr("No backup: Readout Unprotect erased the whole flash");
    } else if (outcome.ok() && !backupPath.isEmpty()) {
        outcome = backup(image, backupPath);
        backupLine = outcome.message;
    }
    if (!outcome.ok())
        return ended(outcome);

    outcome = m_client.write(image);
    if (outcome.kind == UpdateOutcome::Kind::WriteProtected) {
        outcome = offerUnprotect(outcome, writeQuestion());
        if (outcome.ok())
            outcome = m_client.write(image);
    }
    if (!outcome.ok())
        return ended(outcome);
    m_started = true;
    QString text = GuidedUpdateTexts::tr("Firmware written and verified (%1 KB), started")
                       .arg((image.byteCount() + 1023) / 1024);
    if (!backupLine.isEmpty())
        text += QLatin1Char('\n') + backupLine;
    return {UpdateOutcome::Kind::Done, text};
}

UpdateOutcome GuidedUpdate::ended(UpdateOutcome outcome) const
{
    // A cancel comes between two commands, never before a Go: the loader keeps the controller.
    // A partial firmware's message says so already.
    if (outcome.kind == UpdateOutcome::Kind::Cancelled && !m_client.leftPartialFirmware())
        outcome.message += GuidedUpdateTexts::tr(
            " The controller stays in its loader: write again, or switch it off and on to run "
            "the firmware it holds.");
    return outcome;
}

}  // namespace plc
