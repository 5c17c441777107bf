#pragma once

#include "aux_mode_word.h"
#include "sensor_record.h"

#include <QList>

namespace plc {

// The auxiliary port's mode and Field Net lists (the mode option and the four list indexes).
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

}  // namespace plc
