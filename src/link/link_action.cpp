#include "link_action.h"

#include "failure.h"
#include "plc_link.h"
#include "prompts.h"

#include <QCoreApplication>
#include <utility>

namespace plc {

QString downloadQuestion()
{
    return QCoreApplication::translate("plc::LinkAction",
                                       "You are shure for download configuration to the PLC ? ");
}

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

Outcome runOnLink(PlcLink &link, const std::function<Outcome()> &action)
{
    if (link.isBusy())
        return Outcome::busy();
    Outcome outcome;
    {
        LinkHold hold(link);
        try {
            outcome = action();
        } catch (const Failure &f) {
            outcome = Outcome::of(f);
        }
        outcome.openMs = link.actionOpenedMs();
        outcome.written = link.tally();
        // The user asked for it: no message box, the status line tells what was left.
        if (outcome.kind == Outcome::Kind::Cancelled && link.isCancelled())
            outcome.detail = std::exchange(outcome.message, QString());
    }
    return outcome;
}

Outcome askThenRun(TransferContext &ctx, const QString &question,
                   const std::function<Outcome()> &action)
{
    if (ctx.link.isBusy())
        return Outcome::busy();
    if (!ctx.prompts.confirm(ctx.window, question))
        return Outcome::cancelled();
    return runOnLink(ctx.link, action);
}

void takeStoredPort(TransferContext &ctx, PlcLink &link)
{
    if (ctx.storedPort && !link.isBusy())
        link.setPort(ctx.storedPort());
}

const Outcome &report(TransferContext &ctx, const QString &action, const Outcome &outcome)
{
    if (outcome.kind == Outcome::Kind::Busy)
        return outcome;
    // The outcome is in place before a message box waits for the user.
    if (!action.isEmpty() && ctx.finished)
        ctx.finished(action, outcome);
    if (!outcome.message.isEmpty())
        ctx.prompts.message(ctx.window, outcome.message, outcome.title);
    return outcome;
}

}  // namespace plc
