#include "aux_transfer.h"

#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "progress.h"
#include "prompts.h"
#include "sensor_check.h"
#include "transfer_steps.h"

#include <QCoreApplication>
#include <optional>

namespace plc {

namespace {

constexpr int kModeWordAddress = plcmem::kAuxModeWord.address;
constexpr int kSensorBase = plcmem::kSensorRecords.address;

// Answer timeouts in ms.
constexpr int kMasterWordTimeout = 450;
constexpr int kModeWordTimeout = 350;  // Field Net and "Not use"
constexpr int kTableWriteTimeout = 650;
constexpr int kReadTimeout = 350;

// The writes of a download whose checks have passed.
void writeCheckedAuxConfig(TransferContext &ctx, const OneWireTabState &state)
{
    const AuxSettings &settings = state.settings;
    const bool master = settings.mode == AuxMode::OneWireMaster;
    const bool table = master && !state.sensors.isEmpty();
    const int pieces = table ? steps::pieceCount(kSensorRecordChars * state.sensors.size()) : 0;
    steps::planWrites(ctx.link, settings.mode == AuxMode::FieldNet ? 1 : 3, pieces);
    ctx.link.open();
    const quint16 word =
        encodeAuxWord(settings.mode, settings.fieldNet, master ? int(state.sensors.size()) : 0);
    const QString records = master ? sensorTableText(state.sensors) : QString();
    switch (settings.mode) {
        case AuxMode::OneWireMaster:
            steps::writeBetweenServiceWords(ctx.link, [&] {
                steps::writeWord(ctx.link, kMasterWordTimeout, kModeWordAddress, word);
                if (records.isEmpty())
                    return;
                ProgressGuard progress(ctx.progress, cancelActionOn(ctx.link));
                steps::writeText(ctx.link, progress, kTableWriteTimeout, kSensorBase, records);
            });
            break;
        case AuxMode::FieldNet:
            // The controller takes the line settings at once, with no service words around.
            steps::writeWord(ctx.link, kModeWordTimeout, kModeWordAddress, word);
            break;
        case AuxMode::NotUse:
            steps::writeBetweenServiceWords(ctx.link, [&] {
                steps::writeWord(ctx.link, kModeWordTimeout, kModeWordAddress, word);
            });
            break;
    }
    if (!ctx.verifyWrites)
        return;
    // Read back as an upload reads.
    steps::verifyWord(ctx.link, kReadTimeout, kModeWordAddress, word,
                      QCoreApplication::translate("plc::AuxTransfer", "mode word"));
    if (master)
        steps::verifyText(ctx.link, &ctx.progress, kReadTimeout, kSensorBase, records,
                          QCoreApplication::translate("plc::AuxTransfer", "sensor records"));
}

}  // namespace

std::optional<Outcome> auxConfigFault(const OneWireTabState &state)
{
    if (const auto fault = checkSensorTable(state.sensors))
        return Outcome::stopped(sensorFaultMessage(*fault), sensorErrorTitle());
    return std::nullopt;
}

Outcome writeAuxConfig(TransferContext &ctx, const OneWireTabState &state)
{
    if (const auto fault = auxConfigFault(state))
        return *fault;
    writeCheckedAuxConfig(ctx, state);
    return Outcome::downloaded(ctx.verifyWrites);
}

Outcome downloadAuxConfig(TransferContext &ctx, const OneWireTabState &state)
{
    return askThenRun(ctx, downloadQuestion(), [&] { return writeAuxConfig(ctx, state); });
}

AuxConfigUpload readAuxConfig(TransferContext &ctx)
{
    ctx.link.open();
    AuxConfigUpload upload;
    upload.word = decodeAuxWord(steps::readWord(ctx.link, kReadTimeout, kModeWordAddress));
    if (upload.word.mode == AuxMode::OneWireMaster) {
        const int n = upload.word.sensorCount;
        ProgressGuard progress(ctx.progress, cancelActionOn(ctx.link));
        const QString text =
            steps::readText(ctx.link, &progress, kReadTimeout, kSensorBase, kSensorRecordChars * n);
        upload.sensors = decodeSensorTableText(text, n);
    }
    return upload;
}

Result<AuxConfigUpload> uploadAuxConfig(TransferContext &ctx)
{
    return readOnLink<AuxConfigUpload>(ctx.link, [&] { return readAuxConfig(ctx); });
}

void applyAuxUpload(const AuxConfigUpload &upload, AuxSettings &settings)
{
    settings.mode = upload.word.mode;
    if (settings.mode == AuxMode::FieldNet)
        settings.fieldNet = upload.word.fieldNet;
}

}  // namespace plc
