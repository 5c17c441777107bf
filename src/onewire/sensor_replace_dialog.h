#pragma once

#include "bus_search.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;

namespace plc {

// "Replace with found device...": picks the ROM code one sensor row takes, from the new devices
// of the last bus search or typed.
class SensorReplaceDialog : public QDialog {
    Q_OBJECT

public:
    // Takes the code chosen: true when the row took it and the dialog may close; false keeps the
    // dialog open with the code as typed.
    using Take = std::function<bool(const RomCode &rom)>;

    SensorReplaceDialog(const QString &rowLabel, const RomCode &current,
                        const QList<RomCode> &newDevices, Take take, QWidget *parent = nullptr);

    // The code as the box holds it, picked or typed.
    RomCode romCode() const;

private:
    QListWidget *m_devices = nullptr;
    QLineEdit *m_code = nullptr;
};

}  // namespace plc
