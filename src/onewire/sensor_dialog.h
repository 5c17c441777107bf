#pragma once

#include "sensor_record.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace plc {

// The sensor dialog "Add/modify 1-wire slave": the eight ROM bytes, the register and the name
// of one sensor; "Add/modify" hands them back for the table as typed.
class SensorDialog : public QDialog {
    Q_OBJECT

public:
    explicit SensorDialog(const SensorCells &preset, QWidget *parent = nullptr);

    // The boxes: bytes 0 to 7, "Address", then "Name".
    SensorCells cells() const;

private:
    std::array<QLineEdit *, kRomBytes> m_bytes{};
    QLineEdit *m_address = nullptr;
    QLineEdit *m_name = nullptr;
};

}  // namespace plc
