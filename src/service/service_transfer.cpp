#include "service_transfer.h"

#include "exchange.h"
#include "failure.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "prompts.h"
#include "transfer_steps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

namespace plc {

namespace {

// The texts of the service actions, for the translator.
struct ServiceTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ServiceTransfer)
};

// A controller word that makes the controller act as a whole, with the data that does it.
struct ControlWord {
    int address;
    QString data;
};

const ControlWord kRestartWord{plcmem::kRestartWord.address, QStringLiteral("12AD")};
const ControlWord kUpdateWord{plcmem::kUpdateWord.address, QStringLiteral("1F1F")};
constexpr int kControlTimeoutMs = 1000;
// Time the controller takes to switch over to firmware loading before the program may talk.
constexpr int kHandOverPauseMs = 100;

// Opens the port and writes the word; the controller is leaving its normal work, so whatever
// it answers (or not) changes nothing.
void writeControlWord(PlcLink &link, const ControlWord &word)
{
    link.open();
    steps::send(link, Request::write(word.address, word.data), kControlTimeoutMs);
}

// The first of the candidates that is a program; a Failure naming them all when none is.
QString updateProgram(const QStringList &candidates)
{
    const auto found = std::find_if(candidates.begin(), candidates.end(), [](const QString &path) {
        const QFileInfo program(path);
        return program.isFile() && program.isExecutable();
    });
    if (found != candidates.end())
        return *found;
    QStringList shown;
    for (const QString &path : candidates)
        shown.append(QDir::toNativeSeparators(path));
    throw Failure(ServiceTexts::tr("The firmware update program %1 is missing or cannot be run; "
                                   "nothing was sent to the PLC")
                      .arg(shown.join(ServiceTexts::tr(" or "))));
}

}  // namespace

QString restartQuestion()
{
    return ServiceTexts::tr("You are shure for restart PLC ? ");
}

QString updateQuestion()
{
    return ServiceTexts::tr("You are shure for update firmware for the PLC ? ");
}

Outcome restartPlc(TransferContext &ctx)
{
    return askThenRun(ctx, restartQuestion(), [&] {
        writeControlWord(ctx.link, kRestartWord);
        return Outcome();
    });
}

QStringList updateProgramPaths(const QStringList &folders)
{
#ifdef Q_OS_WIN
    const QString program = QStringLiteral("/update/update.exe");
#else
    const QString program = QStringLiteral("/update/update");
#endif
    QStringList paths;
    for (const QString &folder : folders)
        paths.append(folder + program);
    return paths;
}

void startProgram(const QString &path)
{
    QProcess process;
    process.setProgram(path);
    if (!process.startDetached()) {
        throw Failure(ServiceTexts::tr("Cannot start %1: %2")
                          .arg(QDir::toNativeSeparators(path), process.errorString()));
    }
}

Outcome updateFirmware(TransferContext &ctx, const QStringList &candidates,
                       const std::function<void(const QString &)> &start)
{
    if (ctx.link.isBusy())
        return Outcome::busy();
    QString programPath;
    try {
        programPath = updateProgram(candidates);  // a missing program is named before asking
    } catch (const Failure &f) {
        return Outcome::of(f);
    }
    return askThenRun(ctx, updateQuestion(), [&] {
        writeControlWord(ctx.link, kUpdateWord);
        // The update program needs the port to itself.
        ctx.link.close();
        Pause(kHandOverPauseMs);
        start(programPath);
        return Outcome();
    });
}

}  // namespace plc
