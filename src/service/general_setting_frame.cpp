#include "general_setting_frame.h"

#include "action_buttons.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"
#include "program_folders.h"
#include "service_transfer.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace plc {

GeneralSettingFrame::GeneralSettingFrame(TransferContext &ctx, QWidget *parent)
    : QGroupBox(tr("General setting"), parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("generalSettingFrame"));
    addButtons(new QVBoxLayout(this),
               {{tr("Restart PLC"), QStringLiteral("restartButton"), [this] { restartPlc(); },
                 tr("Writes the restart word (%1) into the controller")
                     .arg(plcmem::shown(plcmem::kRestartWord))},
                {tr("Start update firmware for STM32F3"), QStringLiteral("updateFirmwareButton"),
                 [this] { startUpdate(); },
                 tr("Writes the update word (%1) into the controller, then "
                    "starts the firmware update program")
                     .arg(plcmem::shown(plcmem::kUpdateWord))}},
               this);
}

void GeneralSettingFrame::restartPlc()
{
    // The link keeps the settings it has.
    report(m_ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "PLC restart")),
           plc::restartPlc(m_ctx));
}

void GeneralSettingFrame::startUpdate()
{
    const QString action = QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "Firmware update"));
    takeStoredPort(m_ctx);
    const QStringList paths =
        updateProgramPaths(programFolders(QCoreApplication::applicationDirPath()));
    const Outcome outcome = updateFirmware(m_ctx, paths);
    if (!outcome.done()) {
        report(m_ctx, action, outcome);
        return;
    }
    // Nothing is done yet: the controller waits in its loader for the program just started, and
    // stays there until that program starts the new firmware.
    settingsfile::setUpdateUnfinished(m_ctx.link.device(), true);
    note(m_ctx, tr("%1: switched to the loader; the update continues in its own window")
                    .arg(QCoreApplication::translate("plc::ActionNames", action.toLatin1())));
}

}  // namespace plc
