#include "multi_port.h"

#include "console.h"
#include "exchange_feed.h"
#include "link_action.h"
#include "plc_link.h"
#include "side_by_side.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace plc {

namespace {

// The texts of the runs on ports, for the translator.
struct MultiPortTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::MultiPort)
};

QString outcomeName(Outcome::Kind kind)
{
    switch (kind) {
        case Outcome::Kind::Done:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "done"));
        case Outcome::Kind::Cancelled:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "cancelled"));
        case Outcome::Kind::Stopped:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "stopped"));
        case Outcome::Kind::Failed:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "failed"));
        case Outcome::Kind::Refused:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "refused"));
        case Outcome::Kind::Unanswered:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "unanswered"));
        case Outcome::Kind::WrongAnswer:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "wrong answer"));
        case Outcome::Kind::PortLost:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "port lost"));
        case Outcome::Kind::PortNotOpened:
            return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "port not opened"));
        case Outcome::Kind::Busy:
            break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP("plc::MultiPort", "busy"));
}

// What a port's run came to, in words: "done", "equal", "Answer timeout from PLC".
QString endText(const PortRun &run)
{
    if (run.interrupted)
        return MultiPortTexts::tr("stopped by Ctrl-C");
    if (run.outcome.done())
        return run.summary;
    if (!run.outcome.message.isEmpty())
        return run.outcome.message;
    return MultiPortTexts::tr(outcomeName(run.outcome.kind).toLatin1().constData());
}

QString secondsText(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
}

// "COM3 (/dev/ttyUSB2): done in 2.1 s"; a failure or a stop "... after 2.1 s".
QString endLine(const QString &label, const PortRun &run, qint64 ms)
{
    const bool ok = run.outcome.done();
    QString line = (ok ? MultiPortTexts::tr("%1: %2 in %3") : MultiPortTexts::tr("%1: %2 after %3"))
                       .arg(label, endText(run), secondsText(ms));
    if (run.interrupted && leftPartial(run))
        line += MultiPortTexts::tr(", left with a partial download");
    return line;
}

QJsonObject portJson(const PortSetup &port, const PortRun &run, qint64 ms)
{
    return {{QStringLiteral("port"), portTag(port)},
            {QStringLiteral("device"), port.device},
            {QStringLiteral("outcome"),
             run.interrupted ? QStringLiteral("interrupted") : outcomeName(run.outcome.kind)},
            {QStringLiteral("message"), run.outcome.done() ? run.summary : endText(run)},
            {QStringLiteral("exitCode"), run.code()},
            {QStringLiteral("seconds"), double(ms) / 1000.0},
            {QStringLiteral("partial"), leftPartial(run)},
            {QStringLiteral("result"), run.json}};
}

}  // namespace

QString portLabel(const PortSetup &port)
{
    if (port.number < 1)
        return port.device;
    return QStringLiteral("COM%1 (%2)").arg(port.number).arg(port.device);
}

QString portTag(const PortSetup &port)
{
    if (port.number >= 1)
        return QStringLiteral("COM%1").arg(port.number);
    return QFileInfo(port.device).fileName();
}

bool leftPartial(const PortRun &run)
{
    if (!run.writes || run.outcome.done())
        return false;
    return run.outcome.written.isPartial() || !run.partsDone.isEmpty();
}

QString partialDownloadNote(const QStringList &partialPorts)
{
    if (partialPorts.isEmpty())
        return MultiPortTexts::tr("Stopped by Ctrl-C; no port was left with a partial download.");
    return MultiPortTexts::tr("Stopped by Ctrl-C; left with a partial download: %1.")
        .arg(partialPorts.join(QStringLiteral(", ")));
}

PortRun runOnPort(Console &console, const PortSetup &port, const std::atomic<bool> &stop,
                  const PortCommand &command)
{
    PlcLink link;
    link.setPort(port);
    link.setStopFlag(&stop);
    ConsolePrompts prompts(console);
    ConsoleProgress progress(console);
    TransferContext ctx{link, prompts, progress};
    CommandEnv env{console, prompts, progress, ctx};
    PortRun run = command(env, 0);
    run.takeCtrlC(stop.load());
    return run;
}

int runOnPorts(Console &console, const QList<PortSetup> &ports, bool json,
               const std::atomic<bool> &stop, const PortCommand &command)
{
    const int count = int(ports.size());
    QStringList labels;
    for (const PortSetup &port : ports)
        labels.append(portLabel(port));
    ProgressBoard board(labels, ProgressBoard::stderrIsTerminal());
    QList<PortRun> runs(count);
    QList<qint64> ms(count, 0);
    // The feed is made here, on the main thread, before the links publish to it from theirs.
    ExchangeFeed::instance();

    const auto job = [&](int i) {
        PlcLink link;
        link.setPort(ports.at(i));
        link.setStopFlag(&stop);
        Console portConsole([&board, i](const QString &text) { board.say(i, text); },
                            [&board, i](const QString &line) { board.show(i, line); });
        ConsolePrompts prompts(portConsole);
        ConsoleProgress progress(portConsole);
        TransferContext ctx{link, prompts, progress};
        CommandEnv env{portConsole, prompts, progress, ctx};
        QElapsedTimer clock;
        clock.start();
        runs[i] = command(env, i);
        ms[i] = clock.elapsed();
    };
    QList<int> codes;
    const auto ended = [&](int i) {
        PortRun &run = runs[i];
        run.takeCtrlC(stop.load());
        codes.append(run.code());
        const QString line = endLine(labels.at(i), run, ms.at(i));
        board.show(i, line.mid(labels.at(i).size() + 2));
        if (json)
            return;
        QStringList block{line};
        for (const QString &result : run.lines) {
            for (const QString &piece : result.split(QLatin1Char('\n')))
                block.append(piece.isEmpty() ? piece : QStringLiteral("  ") + piece);
        }
        console.result(block.join(QLatin1Char('\n')));
    };
    runSideBySide(count, job, ended);

    QStringList partial;
    for (int i = 0; i < count; ++i) {
        if (runs.at(i).interrupted && leftPartial(runs.at(i)))
            partial.append(labels.at(i));
    }
    if (stop.load())
        console.note(partialDownloadNote(partial));

    if (json) {
        QJsonArray all;
        for (int i = 0; i < count; ++i)
            all.append(portJson(ports.at(i), runs.at(i), ms.at(i)));
        console.resultBytes(QJsonDocument(all).toJson(QJsonDocument::Indented));
    } else {
        QList<QStringList> rows{{MultiPortTexts::tr("Port"), MultiPortTexts::tr("Outcome"),
                                 MultiPortTexts::tr("Exit"), MultiPortTexts::tr("Time")}};
        for (int i = 0; i < count; ++i) {
            rows.append({labels.at(i), endText(runs.at(i)), QString::number(runs.at(i).code()),
                         secondsText(ms.at(i))});
        }
        console.result(QString());
        console.result(textTable(rows).join(QLatin1Char('\n')));
    }
    return worstExitCode(codes);
}

}  // namespace plc
