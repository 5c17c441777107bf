#include "connection_test.h"

#include "exchanges.h"
#include "failure.h"
#include "plc_link.h"

namespace {

constexpr int kProbeTimeoutMs = 100;
constexpr int kEnq = 5;
const QString kCpuTypeAddress = QStringLiteral("0E02");

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
    }
    if (ignoringFailure([&] { return Send_char(link, kProbeTimeoutMs, kEnq); }) != answer::Ack) {
        result.message = QStringLiteral(
            "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
        return result;
    }
    result.cpuType =
        ignoringFailure([&] { return Read_cpu_type(link, kProbeTimeoutMs, kCpuTypeAddress); });
    if (result.cpuType.isEmpty()) {
        result.outcome = ConnectionTest::Outcome::NoSecondAnswer;
        result.message = QStringLiteral(
            "No second answer from PLC with type. Check cable connection,port setting,and e.t.c.");
        return result;
    }
    result.outcome = ConnectionTest::Outcome::Connected;
    result.message = QStringLiteral("Successful connect to the CPU with type ") + result.cpuType;
    return result;
}

}  // namespace

ConnectionTest testConnection(PlcLink &link)
{
    link.close();
    const ConnectionTest result = probe(link);
    link.close();
    return result;
}
