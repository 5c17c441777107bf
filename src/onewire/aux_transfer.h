#pragma once

#include "aux_mode_word.h"
#include "sensor_record.h"

#include <QList>

class GridModel;
struct TransferContext;

// The transfers of the "1-wire" tab. Each runs inside runLinkAction, which keeps a second
// transfer off the port while one waits for the controller, closes the port on every path and
// shows the Failure that stops a transfer ("Wrong answer from PLC", "Answer timeout from PLC",
// a port that will not open).

// The auxiliary port's mode and Field Net lists (option_1w1 and the four list indexes).
struct AuxSettings {
    AuxMode mode = AuxMode::NotUse;
    FieldNetSettings fieldNet;
};

// The "1-wire" tab's whole state as one plain value: what the configuration file and the
// command line work on.
struct OneWireTabState {
    AuxSettings settings;
    QList<SensorCells> sensors;  // the sensor table's data rows, cells from column 1 on
};

// "Write to PLC": applies the stored port settings, asks, checks the sensors whatever the mode
// (a fault is shown titled "Error in configuration" and nothing is sent), then writes by mode:
// a master its mode word and sensor records (with the progress window) between the service
// words, Field Net its mode word alone, "Not use" the word 0 between the service words. With
// ctx.verifyWrites the mode word and a master's sensor records are then read back.
void downloadAuxConfig(TransferContext &ctx, const OneWireTabState &state);

// What "Upload from PLC" read back, for the tab to apply once everything has arrived.
struct AuxConfigUpload {
    AuxWordFields word;
    QList<SensorCells> sensors;  // 1-wire master only
};

// "Upload from PLC": reads the mode word and, for a master, every block of its sensor records
// (with the progress window). A read that gets no answer stops it with "Answer timeout from
// PLC" before anything reaches the tab.
AuxConfigUpload uploadAuxConfig(TransferContext &ctx);

// Applies an upload: the mode, for Field Net the four lists, and the sensor table cut back
// whatever the mode, then filled with a master's sensors (see applySensorTable).
void applyAuxUpload(const AuxConfigUpload &upload, AuxSettings &settings, GridModel &grid);
