#include "connection_test.h"

#include "exchange.h"
#include "failure.h"
#include "memory_map.h"
#include "plc_link.h"

namespace plc {

namespace {

constexpr int kProbeTimeoutMs = 100;
constexpr int kEnq = 5;
const QString kCpuTypeAddress = plcmem::text(plcmem::kCpuType);

// Runs one step of the test; a failure counts as no answer and the test goes on.
template <typename Step>
QString ignoringFailure(Step step)
{
    try {
        return step();
    } catch (const Failure &) {
        return QString();
    }
}

ConnectionTest probe(PlcLink &link)
{
    ConnectionTest result;
    const QString port = link.portName() + QStringLiteral(": ");
    try {
        link.open();
    } catch (const Failure &f) {
        result.portFailure = f.description();
        result.portReason = f.reason();
        result.cause = f.reason().isEmpty() ? f.description() : port + f.reason();
    }
    const QString enq = ignoringFailure([&] { return sendCharacter(link, kProbeTimeoutMs, kEnq); });
    if (enq != answer::Ack) {
        result.message = QStringLiteral(
            "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
        if (!result.portFailure.isEmpty())
            return result;
        if (enq.isEmpty())
            result.cause =
                port + QStringLiteral("no answer to ENQ within %1 ms").arg(kProbeTimeoutMs);
        else if (enq == answer::Nak)
            result.cause = port + QStringLiteral("the controller answered ENQ with NAK");
        else
            result.cause = port + QStringLiteral("the controller answered ENQ with 0x%1, not ACK")
                                      .arg(enq.rightJustified(2, QLatin1Char('0')));
        return result;
    }
    result.cpuType =
        ignoringFailure([&] { return readCpuType(link, kProbeTimeoutMs, kCpuTypeAddress); });
    if (result.cpuType.isEmpty()) {
        result.stage = ConnectionTest::Stage::NoSecondAnswer;
        result.message = QStringLiteral(
            "No second answer from PLC with type. Check cable connection,port setting,and e.t.c.");
        result.cause =
            port +
            QStringLiteral("ENQ answered, but no CPU type came within %1 ms").arg(kProbeTimeoutMs);
        return result;
    }
    result.stage = ConnectionTest::Stage::Connected;
    result.message = QStringLiteral("Successful connect to the CPU with type ") + result.cpuType;
    result.cause = port + QStringLiteral("CPU type ") + result.cpuType;
    return result;
}

}  // namespace

Outcome ConnectionTest::outcome() const
{
    if (!portFailure.isEmpty())
        return {Outcome::Kind::PortNotOpened, message, QString(), portReason, -1};
    if (stage != Stage::Connected)
        return {Outcome::Kind::Unanswered, message, QString(), QString(), -1};
    return Outcome();
}

ConnectionTest testConnection(PlcLink &link)
{
    link.close();
    const ConnectionTest result = probe(link);
    link.close();
    return result;
}

}  // namespace plc
