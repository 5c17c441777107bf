#include "update_command_line.h"

#include "firmware_image.h"
#include "loader_client.h"
#include "loader_port.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "plc-update: %s\n", qPrintable(text));
    std::fflush(stderr);
}

int badArguments(const QString &text)
{
    say(text);
    say(QStringLiteral(
        "usage: plc-update [--port COMn|device] [--line 115200,E,8,1] "
        "[--no-verify] [--no-start] [--readout-unprotect] [--write-unprotect] FILE"));
    return updateexit::BadInput;
}

int finish(const UpdateOutcome &outcome, const QString &hint = QString())
{
    say(outcome.message + hint);
    return exitCodeOf(outcome);
}

// Progress on standard error: each phase as it starts, then every tenth of it.
class ProgressPrinter : public QObject {
public:
    explicit ProgressPrinter(LoaderClient &client)
    {
        connect(&client, &LoaderClient::progress, this,
                [this](LoaderClient::Phase phase, int done, int total) {
                    const int tenth = total > 0 ? done * 10 / total : 10;
                    if (phase == m_phase && tenth == m_tenth)
                        return;
                    m_phase = phase;
                    m_tenth = tenth;
                    static const char *names[] = {"erase", "write", "verify"};
                    say(QStringLiteral("%1 %2/%3")
                            .arg(QLatin1String(names[int(phase)]))
                            .arg(done)
                            .arg(total));
                });
    }

private:
    LoaderClient::Phase m_phase = LoaderClient::Phase::Erase;
    int m_tenth = -1;
};

}  // namespace

int runUpdateCommandLine(const QStringList &arguments, const StoredPort &stored,
                         const std::function<QString(int)> &deviceOf)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("port"));
    const QCommandLineOption line(QStringLiteral("line"), QString(), QStringLiteral("line"),
                                  QStringLiteral("115200,E,8,1"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"));
    const QCommandLineOption noStart(QStringLiteral("no-start"));
    const QCommandLineOption readoutUnprotect(QStringLiteral("readout-unprotect"));
    const QCommandLineOption writeUnprotect(QStringLiteral("write-unprotect"));
    parser.addOptions({port, line, noVerify, noStart, readoutUnprotect, writeUnprotect});
    if (!parser.parse(arguments))
        return badArguments(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return badArguments(QStringLiteral("name one image file (Intel HEX or raw binary)"));
    QString error;
    const auto loaderLine = LoaderLine::parse(parser.value(line), &error);
    if (!loaderLine)
        return badArguments(error);

    QString device = stored.device;
    QString portName = stored.number > 0 ? QStringLiteral("COM%1").arg(stored.number) : device;
    if (parser.isSet(port)) {
        portName = parser.value(port);
        const auto com = QRegularExpression(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption)
                             .match(portName);
        device = com.hasMatch() ? deviceOf(com.captured(1).toInt()) : portName;
    }
    if (device.isEmpty())
        return badArguments(QStringLiteral("no serial port: name one with --port"));

    const ImageFile file = loadImageFile(parser.positionalArguments().at(0), loader::kFlashStart);
    if (!file.error.isEmpty())
        return finish({UpdateOutcome::Kind::BadImage, file.error});
    if (file.image.isEmpty())
        return finish(
            {UpdateOutcome::Kind::BadImage, checkImageFits(file.image, loader::kFlashStart, 0)});

    LoaderPort loaderPort;
    const QString notOpened = loaderPort.open(device, *loaderLine);
    if (!notOpened.isEmpty())
        return finish({UpdateOutcome::Kind::PortNotOpened, notOpened});
    LoaderClient client(loaderPort);
    ProgressPrinter printer(client);
    say(QStringLiteral("%1 (%2), %3").arg(portName, device, loaderLine->text()));

    UpdateOutcome outcome = client.connectLoader();
    if (outcome.kind == UpdateOutcome::Kind::ReadoutProtected && parser.isSet(readoutUnprotect)) {
        say(QStringLiteral("Readout Unprotect: the whole flash is erased"));
        outcome = client.unprotect(true);
    }
    if (!outcome.ok())
        return finish(outcome, outcome.kind == UpdateOutcome::Kind::ReadoutProtected
                                   ? QStringLiteral(" Run again with --readout-unprotect to do so.")
                                   : QString());
    say(client.info().text());
    const WriteOptions options{!parser.isSet(noVerify), !parser.isSet(noStart)};
    outcome = client.write(file.image, options);
    if (outcome.kind == UpdateOutcome::Kind::WriteProtected && parser.isSet(writeUnprotect)) {
        say(QStringLiteral("Write Unprotect"));
        outcome = client.unprotect(false);
        if (outcome.ok())
            outcome = client.write(file.image, options);
    }
    if (!outcome.ok())
        return finish(outcome, outcome.kind == UpdateOutcome::Kind::WriteProtected
                                   ? QStringLiteral(" Run again with --write-unprotect to do so.")
                                   : QString());
    const WriteCounts &c = client.counts();
    say(QStringLiteral("done: %1 pages erased, %2 blocks written, %3 blank blocks skipped, %4 "
                       "verified, %5")
            .arg(c.pagesErased)
            .arg(c.blocksWritten)
            .arg(c.blocksSkipped)
            .arg(c.blocksVerified)
            .arg(options.start ? QStringLiteral("firmware started")
                               : QStringLiteral("the controller stays in its loader")));
    return updateexit::Done;
}
