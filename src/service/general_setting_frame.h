#pragma once

#include <QGroupBox>

struct TransferContext;

// The frame "General setting" of the "HW config" tab: restarting the controller and handing
// it over to the firmware-update program.
class GeneralSettingFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit GeneralSettingFrame(TransferContext &ctx, QWidget *parent = nullptr);

private:
    TransferContext &m_ctx;
};
