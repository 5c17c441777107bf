#pragma once

#include <QGroupBox>

namespace plc {

struct TransferContext;

// The frame "General setting" of the "HW config" tab: restarting the controller and handing
// it over to the firmware-update program.
class GeneralSettingFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit GeneralSettingFrame(TransferContext &ctx, QWidget *parent = nullptr);

    // "Restart PLC".
    void restartPlc();
    // "Start update firmware for STM32F3", with the update program beside this program.
    void startUpdate();

private:
    TransferContext &m_ctx;
};

}  // namespace plc
