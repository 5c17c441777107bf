#include "modem_lines.h"

#include <QCoreApplication>
#include <QStringList>

namespace plc {

namespace {

// The texts of the line sequences, for the translator.
struct ModemLinesTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ModemLines)
};

}  // namespace

QString modemLineName(ModemLine line)
{
    return line == ModemLine::Dtr ? QStringLiteral("DTR") : QStringLiteral("RTS");
}

std::optional<ModemSequence> parseModemSequence(const QString &text, QString *error)
{
    constexpr int kLongestWaitMs = 10000;
    ModemSequence steps;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList pair = part.split(QLatin1Char('='));
        const QString name = pair.value(0).trimmed().toLower();
        bool ok = false;
        const int value = pair.value(1).trimmed().toInt(&ok);
        ModemStep step;
        if (pair.size() == 2 && ok && name == QLatin1String("wait") && value >= 0 &&
            value <= kLongestWaitMs) {
            step.ms = value;
        } else if (pair.size() == 2 && ok && (value == 0 || value == 1) &&
                   (name == QLatin1String("dtr") || name == QLatin1String("rts"))) {
            step.kind = ModemStep::Kind::Set;
            step.line = name == QLatin1String("dtr") ? ModemLine::Dtr : ModemLine::Rts;
            step.asserted = value == 1;
        } else {
            if (error)
                *error = ModemLinesTexts::tr(
                             "\"%1\" in the line sequence \"%2\" is not "
                             "dtr=0|1, rts=0|1 or wait=ms (0 to %3)")
                             .arg(part.trimmed(), text)
                             .arg(kLongestWaitMs);
            return std::nullopt;
        }
        steps.append(step);
    }
    return steps;
}

QString runModemSequence(const ModemSequence &sequence, ModemLines &lines)
{
    for (const ModemStep &step : sequence) {
        if (step.kind == ModemStep::Kind::Wait) {
            lines.pause(step.ms);
            continue;
        }
        const QString failed = lines.setLine(step.line, step.asserted);
        if (!failed.isEmpty())
            return failed;
    }
    return QString();
}

}  // namespace plc
