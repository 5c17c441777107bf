#pragma once

#include "aux_mode_word.h"
#include "one_wire_state.h"
#include "outcome.h"
#include "sensor_record.h"

#include <QList>
#include <optional>

namespace plc {

struct TransferContext;

// The transfers of the "1-wire" tab. Each runs on the link as the caller set it up (runOnLink:
// a second transfer stays off the port while one waits, the port is closed on every path) and
// tells how it ended: a refusal of its checks, or the failure that stopped it ("Wrong answer
// from PLC", "Answer timeout from PLC", a port that will not open).

// "Write to PLC": asks, checks the sensors whatever the mode (a fault stops it titled "Error in
// configuration" before anything is sent), then writes by mode:
// a master its mode word and sensor records (with the progress window) between the service
// words, Field Net its mode word alone, "Not use" the word 0 between the service words. With
// ctx.verifyWrites the mode word and a master's sensor records are then read back.
Outcome downloadAuxConfig(TransferContext &ctx, const OneWireTabState &state);

// The checks of "Write to PLC" (the sensors, whatever the mode): the refusal to show, or none.
std::optional<Outcome> auxConfigFault(const OneWireTabState &state);

// The same without the question, inside an action that already holds the link (runOnLink): the
// checks, then the writes; a failure on the line is thrown as a Failure.
Outcome writeAuxConfig(TransferContext &ctx, const OneWireTabState &state);

// What "Upload from PLC" read back, for the tab to apply once everything has arrived.
struct AuxConfigUpload {
    AuxWordFields word;
    QList<SensorCells> sensors;  // 1-wire master only
};

// "Upload from PLC": reads the mode word and, for a master, every block of its sensor records
// (with the progress window). What it read, once everything has arrived.
Result<AuxConfigUpload> uploadAuxConfig(TransferContext &ctx);
// The same reads inside an action that already holds the link; a failure is thrown.
AuxConfigUpload readAuxConfig(TransferContext &ctx);

// Applies an upload's settings: the mode and, for Field Net, the four lists. The sensor table
// takes the upload's sensors whatever the mode (none unless a master; see
// GridModel::showUploadedRows).
void applyAuxUpload(const AuxConfigUpload &upload, AuxSettings &settings);

}  // namespace plc
