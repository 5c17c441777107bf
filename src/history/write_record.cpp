#include "write_record.h"

#include "history_file.h"

#include <QCryptographicHash>
#include <QSysInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace plc {

namespace {

QString userName()
{
    for (const char *variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
#ifdef Q_OS_UNIX
    // Started without a login shell's variables (a service, a desktop entry): the account.
    if (const passwd *account = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return QString();
}

// A text of this length says enough of how a write ended, and keeps a line well within the
// size one write() puts at a file's end in one piece.
constexpr int kMessageChars = 1000;

// The window's reports of writes, and what the history calls them.
struct ReportedWrite {
    const char *reported;
    const char *action;
};
constexpr ReportedWrite kReportedWrites[] = {
    {"UART 1 download", "download UART 1"},
    {"UART 2 download", "download UART 2"},
    {"UART 1 slave settings download", "download UART 1 slave settings"},
    {"UART 2 slave settings download", "download UART 2 slave settings"},
    {"1-wire download", "download 1-wire"},
    {"I/O map download", "download I/O map"},
    {"Load to PLC", "load to PLC"},
    {"PLC restart", "restart"},
    // The window writes the update word and hands the port to the update program, which
    // records the image it writes.
    {"Firmware update", "firmware update start"},
};

}  // namespace

QString outcomeWord(Outcome::Kind kind)
{
    switch (kind) {
        case Outcome::Kind::Done:
            return QStringLiteral("done");
        case Outcome::Kind::Cancelled:
            return QStringLiteral("cancelled");
        case Outcome::Kind::Stopped:
            return QStringLiteral("stopped");
        case Outcome::Kind::Failed:
            return QStringLiteral("failed");
        case Outcome::Kind::Refused:
            return QStringLiteral("refused");
        case Outcome::Kind::Unanswered:
            return QStringLiteral("timeout");
        case Outcome::Kind::WrongAnswer:
            return QStringLiteral("wrong-answer");
        case Outcome::Kind::PortLost:
            return QStringLiteral("port-lost");
        case Outcome::Kind::PortNotOpened:
            return QStringLiteral("port-not-opened");
        case Outcome::Kind::Busy:
            break;
    }
    return QStringLiteral("busy");
}

HistoryEntry newHistoryEntry(const QString &action, const PortSetup &port)
{
    HistoryEntry entry;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.user = userName();
    entry.host = QSysInfo::machineHostName();
    entry.version = QStringLiteral(PLC_VERSION);
    entry.portNumber = qMax(0, port.number);
    entry.device = port.device;
    entry.action = action;
    takeSent(entry, QByteArray());
    return entry;
}

void takeSent(HistoryEntry &entry, const QByteArray &sent)
{
    entry.sha256 = QCryptographicHash::hash(sent, QCryptographicHash::Sha256).toHex();
    entry.bytes = sent.size();
}

void takeOutcome(HistoryEntry &entry, const Outcome &outcome, bool partial)
{
    entry.outcome = outcomeWord(outcome.kind);
    // Where the message says less than what happened, what happened.
    const bool detailSaysMore = outcome.isLinkFailure() && !outcome.detail.isEmpty();
    const QString &text =
        outcome.message.isEmpty() || detailSaysMore ? outcome.detail : outcome.message;
    entry.message = text.left(kMessageChars);
    entry.partial = partial;
    entry.verified = outcome.verified && outcome.done();
}

bool reachedPort(const Outcome &outcome)
{
    return outcome.openMs >= 0 || !outcome.written.sent.isEmpty() ||
           outcome.kind == Outcome::Kind::PortNotOpened;
}

bool recordWrite(const HistoryEntry &entry)
{
    HistoryFile file(historyFilePath());
    if (file.append(entry))
        return true;
    qWarning("The history of writes is not kept: %s", qPrintable(file.errorText()));
    return false;
}

void recordActionOutcome(const QString &action, const PortSetup &port, const QString &file,
                         const Outcome &outcome, std::optional<int> cpuType)
{
    if (!reachedPort(outcome))
        return;
    HistoryEntry entry = newHistoryEntry(action, port);
    entry.cpuType = cpuType;
    entry.file = file.isEmpty() ? QString() : file;
    takeSent(entry, outcome.written.sent);
    takeOutcome(entry, outcome, !outcome.done() && outcome.written.isPartial());
    recordWrite(entry);
}

std::optional<QString> historyActionOfReport(const QString &reported)
{
    for (const ReportedWrite &write : kReportedWrites) {
        if (reported == QLatin1String(write.reported))
            return QString::fromLatin1(write.action);
    }
    return std::nullopt;
}

void recordWindowReport(const QString &reported, const PortSetup &port, const QString &file,
                        const Outcome &outcome)
{
    if (const auto action = historyActionOfReport(reported))
        recordActionOutcome(*action, port, file, outcome);
}

void recordFirmwareUpdate(const PortSetup &port, const QString &imageFile,
                          const QByteArray &written, const QString &outcome, const QString &message,
                          bool partial, std::optional<int> cpuType)
{
    HistoryEntry entry = newHistoryEntry(QStringLiteral("firmware update"), port);
    entry.cpuType = cpuType;
    entry.file = imageFile.isEmpty() ? QString() : imageFile;
    takeSent(entry, written);
    entry.outcome = outcome;
    entry.message = message.left(kMessageChars);
    entry.partial = partial;
    recordWrite(entry);
}

}  // namespace plc
