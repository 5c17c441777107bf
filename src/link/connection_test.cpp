#include "connection_test.h"

#include "exchange.h"
#include "failure.h"
#include "frame.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"

namespace plc {

namespace {

constexpr int kProbeTimeoutMs = 100;

const QString kNoFirstAnswer =
    QStringLiteral("No first answer from PLC. Check cable connection,port setting,and e.t.c.");
const QString kNoSecondAnswer = QStringLiteral(
    "No second answer from PLC with type. Check cable connection,port setting,and e.t.c.");

Outcome unanswered(const QString &message, const QString &cause)
{
    Outcome outcome{Outcome::Kind::Unanswered, message, QString(), QString(), -1};
    outcome.detail = cause;
    return outcome;
}

// What the controller did with ENQ, when it did not acknowledge it.
QString enquiryCause(const Reply &reply)
{
    switch (reply.kind) {
        case Reply::Kind::Refused:
            return QStringLiteral("the controller answered ENQ with NAK");
        case Reply::Kind::WrongAnswer:
            return QStringLiteral("the controller answered ENQ with 0x%1, not ACK")
                .arg(QString::number(reply.firstCode(), 16).toUpper().rightJustified(2, u'0'));
        default:
            return QStringLiteral("no answer to ENQ within %1 ms").arg(kProbeTimeoutMs);
    }
}

Outcome probe(PlcLink &link)
{
    const QString port = link.portName() + QStringLiteral(": ");
    try {
        link.open();
    } catch (const Failure &f) {
        Outcome outcome{Outcome::Kind::PortNotOpened, kNoFirstAnswer, QString(), f.reason(), -1};
        outcome.detail = f.description();
        return outcome;
    }
    const Reply enquiry = link.exchange(Request::enquiry(), kProbeTimeoutMs);
    if (enquiry.kind != Reply::Kind::Acknowledged)
        return unanswered(kNoFirstAnswer, port + enquiryCause(enquiry));
    const Reply type =
        link.exchange(Request::cpuTypeProbe(plcmem::kCpuType.address), kProbeTimeoutMs);
    if (!type.isData()) {
        return unanswered(kNoSecondAnswer, port + QStringLiteral("ENQ answered, but no CPU type "
                                                                 "came within %1 ms")
                                                      .arg(kProbeTimeoutMs));
    }
    const QString cpuType = QString::number(type.word());
    Outcome connected;
    connected.message = QStringLiteral("Successful connect to the CPU with type ") + cpuType;
    connected.detail = QStringLiteral("CPU type ") + cpuType;
    return connected;
}

}  // namespace

Outcome testConnection(PlcLink &link)
{
    return runOnLink(link, [&] { return probe(link); });
}

}  // namespace plc
