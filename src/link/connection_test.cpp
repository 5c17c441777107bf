#include "connection_test.h"

#include "exchanges.h"
#include "failure.h"
#include "memory_map.h"
#include "plc_link.h"

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
    try {
        link.open();
    } catch (const Failure &f) {
        result.portFailure = f.description();
        result.portReason = f.reason();
    }
    if (ignoringFailure([&] { return Send_char(link, kProbeTimeoutMs, kEnq); }) != answer::Ack) {
        result.message = QStringLiteral(
            "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
        return result;
    }
    result.cpuType =
        ignoringFailure([&] { return Read_cpu_type(link, kProbeTimeoutMs, kCpuTypeAddress); });
    if (result.cpuType.isEmpty()) {
        result.stage = ConnectionTest::Stage::NoSecondAnswer;
        result.message = QStringLiteral(
            "No second answer from PLC with type. Check cable connection,port setting,and e.t.c.");
        return result;
    }
    result.stage = ConnectionTest::Stage::Connected;
    result.message = QStringLiteral("Successful connect to the CPU with type ") + result.cpuType;
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
