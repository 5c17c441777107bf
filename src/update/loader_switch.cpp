#include "loader_switch.h"

#include "failure.h"
#include "link_action.h"
#include "plc_link.h"
#include "progress.h"
#include "prompts.h"
#include "service_transfer.h"

#include <QCoreApplication>

namespace plc {

namespace {

// The texts of the switch, for the translator.
struct LoaderSwitchTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::LoaderSwitch)
};

// Prompts without a window: the command line has asked already by being run with --switch.
class AgreeingPrompts : public Prompts {
public:
    void message(QWidget *, const QString &, const QString &) override {}
    bool confirm(QWidget *, const QString &) override { return true; }
    Keep askKeep(QWidget *, const QString &) override { return Keep::Cancel; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return QString();
    }
};

UpdateOutcome::Kind loaderKindOf(Outcome::Kind kind)
{
    switch (kind) {
        case Outcome::Kind::PortNotOpened:
            return UpdateOutcome::Kind::PortNotOpened;
        case Outcome::Kind::PortLost:
            return UpdateOutcome::Kind::PortLost;
        case Outcome::Kind::Refused:
            return UpdateOutcome::Kind::Refused;
        case Outcome::Kind::WrongAnswer:
            return UpdateOutcome::Kind::WrongAnswer;
        default:
            return UpdateOutcome::Kind::Unanswered;
    }
}

}  // namespace

QString FrameLoaderSwitch::prepare(const QString &plcLine)
{
    if (plcLine.isEmpty())
        return m_line.fault();
    try {
        m_line = LineSettings::parse(plcLine);
    } catch (const Failure &f) {
        return QStringLiteral("--plc-line: ") + f.description();
    }
    return QString();
}

UpdateOutcome FrameLoaderSwitch::switchPort(int number, const QString &device)
{
    PlcLink link;
    link.setPort({number, device, m_line});
    AgreeingPrompts prompts;
    NoProgress progress;
    TransferContext ctx{link, prompts, progress};
    // The word goes out as the tool sends it; this program goes on in place of the one the
    // tool would start, so nothing is started.
    const Outcome outcome =
        updateFirmware(ctx, {QCoreApplication::applicationFilePath()}, [](const QString &) {});
    if (outcome.done())
        return {};
    return {loaderKindOf(outcome.kind),
            LoaderSwitchTexts::tr("The switch to the loader failed: %1").arg(outcome.message)};
}

}  // namespace plc
