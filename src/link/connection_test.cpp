#include "connection_test.h"

#include "exchange.h"
#include "failure.h"
#include "frame.h"
#include "link_action.h"
#include "memory_map.h"
#include "plc_link.h"

#include <QCoreApplication>

namespace plc {

namespace {

constexpr int kProbeTimeoutMs = 100;

// The texts of the connection test, for the translator.
struct ConnectionTestTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ConnectionTest)
};

QString noFirstAnswer()
{
    return ConnectionTestTexts::tr(
        "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
}

QString noSecondAnswer()
{
    return ConnectionTestTexts::tr(
        "No second answer from PLC with type. Check cable connection,port setting,and e.t.c.");
}

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
            return ConnectionTestTexts::tr("the controller answered ENQ with NAK");
        case Reply::Kind::WrongAnswer:
            return ConnectionTestTexts::tr("the controller answered ENQ with 0x%1, not ACK")
                .arg(QString::number(reply.firstCode(), 16).toUpper().rightJustified(2, u'0'));
        default:
            return ConnectionTestTexts::tr("no answer to ENQ within %1 ms").arg(kProbeTimeoutMs);
    }
}

Outcome probe(PlcLink &link)
{
    const QString port = link.portName() + QStringLiteral(": ");
    try {
        link.open();
    } catch (const Failure &f) {
        Outcome outcome{Outcome::Kind::PortNotOpened, noFirstAnswer(), QString(), f.reason(), -1};
        outcome.detail = f.description();
        return outcome;
    }
    const Reply enquiry = link.exchange(Request::enquiry(), kProbeTimeoutMs);
    if (enquiry.kind != Reply::Kind::Acknowledged)
        return unanswered(noFirstAnswer(), port + enquiryCause(enquiry));
    const Reply type =
        link.exchange(Request::cpuTypeProbe(plcmem::kCpuType.address), kProbeTimeoutMs);
    if (!type.isData()) {
        return unanswered(
            noSecondAnswer(),
            port + ConnectionTestTexts::tr("ENQ answered, but no CPU type came within %1 ms")
                       .arg(kProbeTimeoutMs));
    }
    const QString cpuType = QString::number(type.word());
    Outcome connected;
    connected.message =
        ConnectionTestTexts::tr("Successful connect to the CPU with type %1").arg(cpuType);
    connected.detail = ConnectionTestTexts::tr("CPU type %1").arg(cpuType);
    return connected;
}

}  // namespace

Outcome testConnection(PlcLink &link)
{
    return runOnLink(link, [&] { return probe(link); });
}

}  // namespace plc
