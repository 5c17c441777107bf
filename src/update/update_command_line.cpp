#include "update_command_line.h"

#include "update_run.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace plc {

namespace {

// The texts of the command line, for the translator.
struct UpdateCommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::UpdateCommandLine)
};

QString usage()
{
    return UpdateCommandLineTexts::tr(
        "usage: plc-update [--port COMn|device]... [--ports A,B,...] [--line 115200,E,8,1] "
        "[--baud B] [--no-verify] [--no-start] [--readout-unprotect] [--write-unprotect] "
        "[--backup FILE | --no-backup] [--switch [--plc-line L]] [--entry SEQ] [--exit SEQ] FILE\n"
        "       plc-update [options] --read FILE [--size N]\n"
        "       plc-update [options] --compare FILE");
}

QString description()
{
    return UpdateCommandLineTexts::tr(
        "Writes firmware to the controller through its serial loader, reads its flash into a file "
        "or compares it with a file. Without arguments it opens its window.\n"
        "\n"
        "FILE is Intel HEX (.hex, .ihex, .ihx, or text that reads as HEX) or raw binary placed at "
        "0x08000000. A file written by --read or --backup is Intel HEX when its name ends .hex, "
        "raw binary otherwise. With several ports, a file name of --read or --backup holds {port}, "
        "which becomes the port's name.\n"
        "\n"
        "A line sequence (--entry, --exit) is a comma-separated list of dtr=0|1, rts=0|1 (1 "
        "asserts the line) and wait=ms, run in order: rts=1,dtr=0,wait=100,dtr=1,wait=50.\n"
        "\n"
        "Exit codes: 0 done (--compare: equal); 1 the controller refused or did not answer, or the "
        "flash differs; 2 bad arguments or a bad file; 3 the port cannot be opened, was lost or "
        "cannot drive its lines; 130 stopped by Ctrl-C. With several ports the highest of the "
        "ports' codes.");
}

void say(const QString &text)
{
    std::fprintf(stderr, "plc-update: %s\n", qPrintable(text));
    std::fflush(stderr);
}

int badArguments(const QString &text)
{
    say(text);
    say(usage());
    return exitCodeOf({Outcome::Kind::Failed});
}

// The options, each with its help text.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            UpdateCommandLineTexts::tr("Shows this help and exits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               UpdateCommandLineTexts::tr("Shows the version and exits.")};
    QCommandLineOption port{
        QStringLiteral("port"),
        UpdateCommandLineTexts::tr(
            "The port, COMn or a device (repeat for several); default: the tool's."),
        QStringLiteral("port")};
    QCommandLineOption ports{QStringLiteral("ports"),
                             UpdateCommandLineTexts::tr("Several ports at once, comma-separated."),
                             QStringLiteral("list")};
    QCommandLineOption line{
        QStringLiteral("line"),
        UpdateCommandLineTexts::tr("The loader's line: speed (1200 to 115200), parity E "
                                   "or N, 8, 1."),
        QStringLiteral("line"), QStringLiteral("115200,E,8,1")};
    QCommandLineOption baud{
        QStringLiteral("baud"),
        UpdateCommandLineTexts::tr("The loader's speed: 115200, 230400, 460800 or "
                                   "921600; falls back to 115200 without an answer."),
        QStringLiteral("B")};
    QCommandLineOption noVerify{
        QStringLiteral("no-verify"),
        UpdateCommandLineTexts::tr("Does not read the written blocks back.")};
    QCommandLineOption noStart{QStringLiteral("no-start"),
                               UpdateCommandLineTexts::tr("Leaves the controller in its loader.")};
    QCommandLineOption readoutUnprotect{
        QStringLiteral("readout-unprotect"),
        UpdateCommandLineTexts::tr("Removes readout protection (erases the whole flash).")};
    QCommandLineOption writeUnprotect{QStringLiteral("write-unprotect"),
                                      UpdateCommandLineTexts::tr("Removes write protection.")};
    QCommandLineOption backup{
        QStringLiteral("backup"),
        UpdateCommandLineTexts::tr("Before erasing, saves the pages to be erased."),
        QStringLiteral("file")};
    QCommandLineOption noBackup{
        QStringLiteral("no-backup"),
        UpdateCommandLineTexts::tr("Writes without a backup (the default here).")};
    QCommandLineOption read{
        QStringLiteral("read"),
        UpdateCommandLineTexts::tr("Saves the flash in a file instead of writing."),
        QStringLiteral("file")};
    QCommandLineOption size{
        QStringLiteral("size"),
        UpdateCommandLineTexts::tr("--read: bytes from the start of flash (64K, 0x800, "
                                   "4096); default the whole flash."),
        QStringLiteral("N")};
    QCommandLineOption compare{
        QStringLiteral("compare"),
        UpdateCommandLineTexts::tr("Compares the flash with a file instead of "
                                   "writing (exit code 1 when it differs)."),
        QStringLiteral("file")};
    QCommandLineOption switchFirst{
        QStringLiteral("switch"),
        UpdateCommandLineTexts::tr("First switches a running controller to its loader.")};
    QCommandLineOption plcLine{
        QStringLiteral("plc-line"),
        UpdateCommandLineTexts::tr("--switch: the controller's own line settings "
                                   "(default: the tool's stored ones)."),
        QStringLiteral("line")};
    QCommandLineOption entry{
        QStringLiteral("entry"),
        UpdateCommandLineTexts::tr("Drives DTR and RTS before the loader is reached."),
        QStringLiteral("sequence")};
    QCommandLineOption exit{
        QStringLiteral("exit"),
        UpdateCommandLineTexts::tr("Drives DTR and RTS after the write, in place of Go."),
        QStringLiteral("sequence")};

    QList<QCommandLineOption> all() const
    {
        return {help,    version,          port,           ports,  line,     baud, noVerify,
                noStart, readoutUnprotect, writeUnprotect, backup, noBackup, read, size,
                compare, switchFirst,      plcLine,        entry,  exit};
    }
};

// "4096", "0x1000", "4K", "4KB"; -1 when it is none of them or not above 0.
qint64 parseSize(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(0x[0-9a-f]+|[0-9]+)(k|kb)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto match = form.match(text.trimmed());
    bool ok = false;
    const qint64 n = match.hasMatch() ? match.captured(1).toLongLong(&ok, 0) : 0;
    if (!ok || n <= 0 || n > 0x1000000)
        return -1;
    return match.captured(2).isEmpty() ? n : n * 1024;
}

// The ports of --port (each time given) and --ports; the stored port without either.
QList<PortJob> choosePorts(const QCommandLineParser &parser, const Options &o,
                           const StoredPort &stored, const std::function<QString(int)> &deviceOf)
{
    QStringList given = parser.values(o.port);
    for (const QString &list : parser.values(o.ports))
        given += list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (given.isEmpty()) {
        return {{stored.number > 0 ? QStringLiteral("COM%1").arg(stored.number) : stored.device,
                 stored.number, stored.device}};
    }
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<PortJob> jobs;
    for (const QString &name : given) {
        const auto com = comName.match(name.trimmed());
        const int number = com.hasMatch() ? com.captured(1).toInt() : 0;
        jobs.append({name.trimmed(), number, number > 0 ? deviceOf(number) : name.trimmed()});
    }
    return jobs;
}

// A file name of one port: {port} becomes COMn, or the device's file name.
QString fileOfPort(const QString &pattern, const PortJob &job)
{
    QString name = pattern;
    return name.replace(QStringLiteral("{port}"),
                        job.number > 0 ? job.name.toUpper() : QFileInfo(job.device).fileName());
}

// The parts of the request that come from options alone; the empty text, else what is wrong.
QString takeLineOptions(const QCommandLineParser &parser, const Options &o, UpdateRequest *request)
{
    QString error;
    const auto line = LoaderLine::parse(parser.value(o.line), &error);
    if (!line)
        return error;
    request->line = *line;
    if (parser.isSet(o.baud)) {
        bool ok = false;
        request->line.baudRate = parser.value(o.baud).toInt(&ok);
        if (!ok || !LoaderLine::isFastSpeed(request->line.baudRate))
            return UpdateCommandLineTexts::tr(
                       "--baud takes 115200, 230400, 460800 or 921600, not %1")
                .arg(parser.value(o.baud));
    }
    for (const auto &[option, sequence] :
         {std::pair{&o.entry, &request->entry}, std::pair{&o.exit, &request->exit}}) {
        if (!parser.isSet(*option))
            continue;
        const auto steps = parseModemSequence(parser.value(*option), &error);
        if (!steps)
            return error;
        *sequence = *steps;
    }
    return QString();
}

// Which task the options ask for and the file it needs; the empty text, else what is wrong.
QString takeTask(const QCommandLineParser &parser, const Options &o, UpdateRequest *request)
{
    const QStringList files = parser.positionalArguments();
    const int tasks =
        int(parser.isSet(o.read)) + int(parser.isSet(o.compare)) + int(!files.isEmpty());
    if (tasks != 1 || files.size() > 1)
        return UpdateCommandLineTexts::tr(
            "name one image file to write, or --read FILE, or --compare FILE");
    if (parser.isSet(o.backup) && parser.isSet(o.noBackup))
        return UpdateCommandLineTexts::tr("--backup and --no-backup exclude each other");
    if (parser.isSet(o.size) && !parser.isSet(o.read))
        return UpdateCommandLineTexts::tr("--size goes with --read");
    if (parser.isSet(o.read)) {
        request->task = UpdateRequest::Task::Read;
        request->readSize = parser.isSet(o.size) ? parseSize(parser.value(o.size)) : 0;
        if (request->readSize < 0)
            return UpdateCommandLineTexts::tr(
                       "--size takes a byte count (4096, 0x1000, 4K), not %1")
                .arg(parser.value(o.size));
        return QString();
    }
    if (parser.isSet(o.compare))
        request->task = UpdateRequest::Task::Compare;
    return QString();
}

}  // namespace

int runUpdateCommandLine(const QStringList &arguments, const StoredPort &stored,
                         const std::function<QString(int)> &deviceOf, LoaderSwitch *loaderSwitch,
                         UpdateSettings *settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        UpdateCommandLineTexts::tr("The image to write (Intel HEX or raw binary)."));
    const Options o;
    parser.addOptions(o.all());
    if (!parser.parse(arguments))
        return badArguments(parser.errorText());
    if (parser.isSet(o.help)) {
        // Named as installed on the path, not as the file the tool starts (update/update). Qt
        // names the file in its usage line, in whichever language it speaks.
        QString help = parser.helpText();
        const QString file = QCoreApplication::arguments().value(0);
        const qsizetype named = file.isEmpty() ? -1 : help.indexOf(file);
        if (named >= 0)
            help.replace(named, file.size(), QStringLiteral("plc-update"));
        std::printf("%s", qPrintable(help));
        return exitCodeOf({Outcome::Kind::Done});
    }
    if (parser.isSet(o.version)) {
        std::printf("plc-update %s\n", PLC_VERSION);
        return exitCodeOf({Outcome::Kind::Done});
    }
    UpdateRequest request;
    QString error = takeTask(parser, o, &request);
    if (error.isEmpty())
        error = takeLineOptions(parser, o, &request);
    if (!error.isEmpty())
        return badArguments(error);
    request.options = {!parser.isSet(o.noVerify), !parser.isSet(o.noStart)};
    request.settings = settings;
    request.readoutUnprotect = parser.isSet(o.readoutUnprotect);
    request.writeUnprotect = parser.isSet(o.writeUnprotect);
    if (parser.isSet(o.switchFirst)) {
        if (!loaderSwitch)
            return badArguments(UpdateCommandLineTexts::tr("--switch is not available here"));
        error = loaderSwitch->prepare(parser.value(o.plcLine));
        if (!error.isEmpty())
            return badArguments(error);
        request.loaderSwitch = loaderSwitch;
    }

    // Every device is resolved here, before any port starts: the settings file is read on this
    // thread only.
    QList<PortJob> jobs = choosePorts(parser, o, stored, deviceOf);
    QStringList devices;
    for (PortJob &job : jobs) {
        if (job.device.isEmpty())
            return badArguments(UpdateCommandLineTexts::tr("no serial port: name one with --port"));
        if (devices.contains(job.device))
            return badArguments(UpdateCommandLineTexts::tr("%1 is named twice").arg(job.device));
        devices.append(job.device);
        job.backupFile = fileOfPort(parser.value(o.backup), job);
        job.readFile = fileOfPort(parser.value(o.read), job);
    }
    for (const QCommandLineOption *own : {&o.backup, &o.read}) {
        if (jobs.size() > 1 && parser.isSet(*own) &&
            !parser.value(*own).contains(QStringLiteral("{port}")))
            return badArguments(
                UpdateCommandLineTexts::tr("several ports need {port} in the name of --%1")
                    .arg(own->names().constFirst()));
    }

    const auto finish = [](const UpdateOutcome &outcome) {
        say(outcome.message);
        return exitCodeOf(outcome.ending());
    };
    if (request.task != UpdateRequest::Task::Read) {
        const QString name = request.task == UpdateRequest::Task::Compare
                                 ? parser.value(o.compare)
                                 : parser.positionalArguments().at(0);
        ImageFile file = loadImageFile(name, loader::kFlashStart);
        if (!file.error.isEmpty())
            return finish({UpdateOutcome::Kind::BadImage, file.error});
        if (file.image.isEmpty())
            return finish({UpdateOutcome::Kind::BadImage,
                           checkImageFits(file.image, loader::kFlashStart, 0)});
        request.image = std::move(file.image);
        request.imageFile = QFileInfo(name).absoluteFilePath();
    }
    if (jobs.size() > 1)
        return runOnPorts(jobs, request);
    return runOnOnePort(jobs.first(), request, &say);
}

}  // namespace plc
