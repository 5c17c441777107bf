#include "progress_estimate.h"

#include "loader_protocol.h"

#include <QCoreApplication>
#include <cmath>

namespace plc {

namespace {

// The texts of the estimate, for the translator.
struct ProgressEstimateTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ProgressEstimate)
};

QString timeLeft(double seconds)
{
    if (seconds >= 90)
        return ProgressEstimateTexts::tr("about %1 min left").arg(std::ceil(seconds / 60));
    return ProgressEstimateTexts::tr("about %1 s left").arg(std::ceil(seconds));
}

}  // namespace

QString ProgressEstimate::text(LoaderClient::Phase phase, int done, int total, qint64 elapsedMs)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("plc::ProgressEstimate", "Erase"),
                                        QT_TRANSLATE_NOOP("plc::ProgressEstimate", "Write"),
                                        QT_TRANSLATE_NOOP("plc::ProgressEstimate", "Verify")};
    if (phase != m_phase) {
        // A phase begins where the last one's last step ended.
        m_phase = phase;
        m_phaseStartMs = m_lastMs;
    }
    m_lastMs = elapsedMs;
    const QString name = ProgressEstimateTexts::tr(names[int(phase)]) + QStringLiteral("...");
    const double seconds = double(elapsedMs - m_phaseStartMs) / 1000.0;
    if (phase == LoaderClient::Phase::Erase || done <= 0 || seconds <= 0)
        return name;
    const double perBlock = seconds / done;
    const double kbPerSecond = double(done) * loader::kMaxBlock / 1024.0 / seconds;
    int blocksLeft = total - done;
    if (phase == LoaderClient::Phase::Write && m_verify)
        blocksLeft += total;  // reading back takes about as long as writing
    return QStringLiteral("%1 %2 KB/s, %3")
        .arg(name, QString::number(kbPerSecond, 'f', 1), timeLeft(blocksLeft * perBlock));
}

}  // namespace plc
