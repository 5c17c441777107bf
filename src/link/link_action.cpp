#include "link_action.h"

#include "exchanges.h"
#include "failure.h"
#include "plc_link.h"
#include "prompts.h"

namespace {

// Holds the link for one action: closes the port and frees the link on every way out.
class LinkHold {
public:
    explicit LinkHold(PlcLink &link) : m_link(link) { m_link.setBusy(true); }
    ~LinkHold()
    {
        m_link.close();
        m_link.setBusy(false);
    }
    LinkHold(const LinkHold &) = delete;
    LinkHold &operator=(const LinkHold &) = delete;

private:
    PlcLink &m_link;
};

}  // namespace

bool runLinkAction(TransferContext &ctx, const QString &name, const std::function<void()> &action)
{
    if (ctx.link.isBusy())
        return false;
    ctx.failure.reset();
    ActionOutcome outcome{name, QString(), -1};
    {
        LinkHold hold(ctx.link);
        try {
            action();
        } catch (const Failure &f) {
            ctx.failure = f;
            outcome.failure = f.description();
        }
        outcome.openMs = ctx.link.actionOpenedMs();
    }
    // The outcome is in place before a message box waits for the user.
    if (!name.isEmpty() && ctx.finished)
        ctx.finished(outcome);
    if (ctx.failure)
        ctx.prompts.message(ctx.window, ctx.failure->description());
    return true;
}

void writeExamined(PlcLink &link, int timeoutMs, const QString &command, const QString &address,
                   const QString &count, const QString &data)
{
    const QString code = Write_to_plc(link, timeoutMs, command, address, count, data);
    if (code == answer::Nak)
        throw Failure(QStringLiteral("Wrong answer from PLC"), Failure::Cause::Controller);
    if (code == answer::Timeout)
        throw Failure(QStringLiteral("Answer timeout from PLC"), Failure::Cause::Controller);
}
