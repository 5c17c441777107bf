#include "link_action.h"

#include "exchanges.h"
#include "failure.h"
#include "plc_link.h"
#include "prompts.h"

bool runLinkAction(TransferContext &ctx, const std::function<void()> &action)
{
    if (ctx.link.isBusy())
        return false;
    ctx.link.setBusy(true);
    QString failure;
    try {
        action();
    } catch (const Failure &f) {
        failure = f.description();
    }
    ctx.link.close();
    ctx.link.setBusy(false);
    if (!failure.isEmpty())
        ctx.prompts.message(ctx.window, failure);
    return true;
}

void writeExamined(PlcLink &link, int timeoutMs, const QString &command, const QString &address,
                   const QString &count, const QString &data)
{
    const QString code = Write_to_plc(link, timeoutMs, command, address, count, data);
    if (code == answer::Nak)
        throw Failure(QStringLiteral("Wrong answer from PLC"));
    if (code == answer::Timeout)
        throw Failure(QStringLiteral("Answer timeout from PLC"));
}
