#include "command_line.h"

#include "commands.h"
#include "config_file.h"
#include "console.h"
#include "diff_command.h"
#include "exit_code.h"
#include "failure.h"
#include "file_commands.h"
#include "history_command.h"
#include "ini_file.h"
#include "line_settings.h"
#include "link_action.h"
#include "multi_port.h"
#include "plc_link.h"
#include "project_file.h"
#include "report_command.h"
#include "search_command.h"
#include "settings_store.h"
#include "side_by_side.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <map>

namespace plc {

namespace {

constexpr int kPorts = 10;  // COM1 to COM10

const QString kNewWindowOption = QStringLiteral("--new-window");

// The texts of the command line, for the translator.
struct CommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::CommandLine)
};

QString description()
{
    return CommandLineTexts::tr(
        "Configures the controller without a window.\n"
        "\n"
        "Commands:\n"
        "  test                       the connection test; prints \"CPU type N\"\n"
        "  download FILE [--only L]   writes a configuration file's ports to the controller;\n"
        "                             L is a comma-separated choice of uart1,uart2,onewire\n"
        "                             (and iomap for a project)\n"
        "  upload FILE                reads the ports back and saves them as a configuration file\n"
        "  buffers [--json]           reads the three error buffers and prints them\n"
        "  verify FILE                reads the ports back and names every difference from the\n"
        "                             configuration file (exit code 1 when there is one)\n"
        "  csv FILE --table T [--import CSV]\n"
        "                             prints table T (uart1, uart2, onewire) of a configuration\n"
        "                             file as CSV, or replaces it by the rows of a CSV file\n"
        "  diff A B [--json]          names every difference between two sides, each a file or\n"
        "                             --port P for the controller on P, in the order given\n"
        "                             (diff a.plcproj --port COM3: the file on the left); exit\n"
        "                             code 1 when there is one\n"
        "  convert IN OUT             writes IN as the kind of file OUT names; what a "
        "configuration\n"
        "                             file cannot hold is named on standard error\n"
        "  search [--json] [FILE]     the 1-wire bus search: prints each device found; with a "
        "file,\n"
        "                             \"new\" or the sensor table's row (\"row N (name)\") beside\n"
        "                             each, and the table's sensors that were not found\n"
        "  report FILE --out PDF [--port P]\n"
        "                             writes the commissioning report of a file as PDF; with a\n"
        "                             port, the controller's CPU type and whether it holds what\n"
        "                             the file holds\n"
        "  history [--json] [--since DATE]\n"
        "                             prints this user's writes to controllers, oldest first;\n"
        "                             --json the lines as stored; DATE an ISO 8601 date or\n"
        "                             date-time (2025-03-01, 2025-03-01T08:15)\n"
        "\n"
        "FILE may be a project (.plcproj): download, upload and verify then take its I/O map\n"
        "too, and verify its Field Net lists. A controller compared with a file reads the parts\n"
        "that file holds.\n"
        "\n"
        "Without a command the window opens; with a configuration file (.vqc, .rfp) or project\n"
        "(.plcproj) alone it opens and loads that file. Results go to standard output; progress\n"
        "and messages to standard error.\n"
        "\n"
        "A window already open for the same user takes the file instead and comes to the front;\n"
        "--new-window [FILE] opens a window of its own (for a second controller).\n"
        "\n"
        "Several controllers at once: --port repeated, or --ports COM1,COM2,/dev/ttyUSB3, for\n"
        "test, download, upload, buffers and verify; each port runs side by side with the others.\n"
        "upload to several ports needs {port} in its file name (cell-{port}.vqc). --json prints\n"
        "one object per port.\n"
        "\n"
        "Exit codes: 0 done; 1 the controller refused or did not answer (verify, diff: a\n"
        "difference); 2 bad arguments or a bad file; 3 the port cannot be opened; 130 stopped by\n"
        "Ctrl-C. With several ports the highest of the ports' codes.");
}

// The options each command takes besides --settings.
const QStringList kPortOptions = {QStringLiteral("port"), QStringLiteral("ports"),
                                  QStringLiteral("line"), QStringLiteral("json")};
const std::map<QString, QStringList> kCommandOptions = {
    {QStringLiteral("test"), kPortOptions},
    {QStringLiteral("download"), kPortOptions + QStringList{QStringLiteral("only")}},
    {QStringLiteral("upload"), kPortOptions},
    {QStringLiteral("buffers"), kPortOptions},
    {QStringLiteral("verify"), kPortOptions},
    {QStringLiteral("csv"), {QStringLiteral("table"), QStringLiteral("import")}},
    {QStringLiteral("diff"),
     {QStringLiteral("port"), QStringLiteral("line"), QStringLiteral("json")}},
    {QStringLiteral("convert"), {}},
    {QStringLiteral("search"), kPortOptions},
    {QStringLiteral("report"),
     {QStringLiteral("port"), QStringLiteral("line"), QStringLiteral("out")}},
    {QStringLiteral("history"), {QStringLiteral("json"), QStringLiteral("since")}},
};

// How many files a command takes after its name (diff counts its sides itself; search may take
// none).
int filesOf(const QString &command)
{
    if (command == QLatin1String("test") || command == QLatin1String("buffers") ||
        command == QLatin1String("history"))
        return 0;
    return command == QLatin1String("convert") ? 2 : 1;
}

[[noreturn]] void badArgument(const QString &text)
{
    throw Failure(text + CommandLineTexts::tr("\nTry plc-config --help."));
}

// The parsed arguments: the parser with its options, the command and its files.
struct Parsed {
    QCommandLineParser parser;
    QStringList arguments;  // as given, the program's name first
    QString command;
    QStringList files;
    QString file;  // the first of them
};

// Made afresh on each call: the first comes before the translation is installed.
QList<QCommandLineOption> commandOptions()
{
    return {
        {QStringLiteral("port"),
         CommandLineTexts::tr(
             "COMn (mapped as in the settings file) or a device; again for several."),
         QStringLiteral("port")},
        {QStringLiteral("ports"), CommandLineTexts::tr("Several ports, comma-separated."),
         QStringLiteral("list")},
        {QStringLiteral("line"), CommandLineTexts::tr("Line settings such as 9600,N,8,1."),
         QStringLiteral("settings")},
        {QStringLiteral("only"),
         CommandLineTexts::tr("download: the parts to write, of uart1,uart2,onewire (and iomap "
                              "for a project)."),
         QStringLiteral("parts")},
        {QStringLiteral("json"), CommandLineTexts::tr("Print JSON instead of text.")},
        {QStringLiteral("table"), CommandLineTexts::tr("csv: the table, uart1, uart2 or onewire."),
         QStringLiteral("table")},
        {QStringLiteral("import"),
         CommandLineTexts::tr("csv: the CSV file whose rows replace the table."),
         QStringLiteral("csv")},
        {QStringLiteral("out"), CommandLineTexts::tr("report: the PDF file to write."),
         QStringLiteral("pdf")},
        {QStringLiteral("since"),
         CommandLineTexts::tr("history: the writes since this ISO 8601 date or date-time."),
         QStringLiteral("date")},
        {QStringLiteral("settings"),
         CommandLineTexts::tr("The settings file to use instead of set.ini beside the program."),
         QStringLiteral("file")},
    };
}

void addOptions(QCommandLineParser &parser)
{
    parser.addOptions(commandOptions());
}

bool takesValue(const QString &name)
{
    for (const QCommandLineOption &option : commandOptions()) {
        if (option.names().contains(name))
            return !option.valueName().isEmpty();
    }
    return false;
}

void checkCommand(Parsed &p)
{
    const QStringList positional = p.parser.positionalArguments();
    p.command = positional.value(0);
    const auto known = kCommandOptions.find(p.command);
    if (known == kCommandOptions.end())
        badArgument(CommandLineTexts::tr("Unknown command \"%1\".").arg(p.command));
    p.files = positional.mid(1);
    p.file = p.files.value(0);
    const int expected = filesOf(p.command);
    const bool fileOptional = p.command == QLatin1String("search");
    if (p.command != QLatin1String("diff")) {
        if (p.files.size() < expected && !fileOptional)
            badArgument(expected == 2
                            ? CommandLineTexts::tr("%1 needs two files: IN and OUT.").arg(p.command)
                            : CommandLineTexts::tr("%1 needs a file.").arg(p.command));
        if (p.files.size() > expected)
            badArgument(
                CommandLineTexts::tr("Unexpected argument \"%1\".").arg(p.files.at(expected)));
    }
    for (const QString &name : p.parser.optionNames()) {
        if (name != QLatin1String("settings") && !known->second.contains(name))
            badArgument(CommandLineTexts::tr("%1 takes no --%2.").arg(p.command, name));
    }
    if (p.command == QLatin1String("csv")) {
        const QString table = p.parser.value(QStringLiteral("table"));
        const std::optional<ProjectPart> part = partOfKey(table);
        if (!part || *part == ProjectPart::IoMap)
            badArgument(CommandLineTexts::tr("csv needs --table uart1, uart2 or onewire."));
    }
    if (p.command == QLatin1String("report") && p.parser.value(QStringLiteral("out")).isEmpty())
        badArgument(CommandLineTexts::tr("report needs --out FILE, the PDF to write."));
}

// The parts download writes: those of --only, or all the file holds. A configuration file
// holds no I/O map, so --only iomap is refused for one rather than writing an empty map.
ProjectParts chosenParts(const QCommandLineParser &parser, const QString &file)
{
    const ProjectParts held = partsOfFile(file);
    if (!parser.isSet(QStringLiteral("only")))
        return held;
    const bool project = held.contains(ProjectPart::IoMap);
    ProjectParts parts;
    for (const QString &given :
         parser.value(QStringLiteral("only")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = given.trimmed();
        const std::optional<ProjectPart> part = partOfKey(key);
        if (!part && project)
            badArgument(
                CommandLineTexts::tr("--only knows uart1, uart2, onewire and iomap, not \"%1\".")
                    .arg(key));
        if (!part)
            badArgument(CommandLineTexts::tr("--only knows uart1, uart2 and onewire, not \"%1\".")
                            .arg(key));
        if (!held.contains(*part))
            badArgument(CommandLineTexts::tr(
                            "--only iomap: %1 is a configuration file; it holds no I/O map.")
                            .arg(file));
        parts.append(*part);
    }
    if (parts.isEmpty())
        badArgument(CommandLineTexts::tr("--only names no part."));
    return parts;
}

// One port given: COMn by its number and the device mapped to it, or a device path, which
// takes the number of the COMn mapped to it when there is one.
PortSetup resolvePort(const QString &port)
{
    using settingsfile::portDevice;
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(port);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number < 1 || number > kPorts)
            badArgument(CommandLineTexts::tr("--port %1: the ports are COM1 to COM10, or a device.")
                            .arg(port));
        return {number, portDevice(number), {}};
    }
    for (int number = 1; number <= kPorts; ++number) {
        if (portDevice(number) == port)
            return {number, port, {}};
    }
    return {0, port, {}};
}

// The port named, after those taken already: a device named twice is refused, as two links on
// one port would mix their frames.
PortSetup anotherPort(const QList<PortSetup> &taken, const QString &name)
{
    const PortSetup port = resolvePort(name);
    for (const PortSetup &earlier : taken) {
        if (!port.device.isEmpty() && earlier.device == port.device)
            badArgument(CommandLineTexts::tr("--port %1: %2 is named twice.")
                            .arg(name, portLabel(earlier)));
    }
    return port;
}

// The ports of --port (each time it is given) and --ports, in that order, resolved here on the
// main thread before any port starts; the stored port without either.
QList<PortSetup> choosePorts(const QCommandLineParser &parser)
{
    QStringList names = parser.values(QStringLiteral("port"));
    for (const QString &list : parser.values(QStringLiteral("ports"))) {
        for (const QString &name : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
            names.append(name.trimmed());
    }
    if (parser.isSet(QStringLiteral("ports")) && names.isEmpty())
        badArgument(CommandLineTexts::tr("--ports names no port."));
    if (names.isEmpty()) {
        const int number = settingsfile::portNumber();
        return {{number, settingsfile::portDevice(number), {}}};
    }
    QList<PortSetup> ports;
    for (const QString &name : names)
        ports.append(anotherPort(ports, name));
    return ports;
}

// diff's two sides in the order given: its files, and each --port as the controller on that
// port. The parser does not keep the order of options and files, so the arguments are walked.
QList<DiffSide> diffSides(const QStringList &arguments, const LineSettings &line)
{
    QList<DiffSide> sides;
    QList<PortSetup> ports;
    bool commandSeen = false;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1String("--"))) {
            const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
            const bool inlineValue = argument.contains(QLatin1Char('='));
            QString value = argument.section(QLatin1Char('='), 1);
            if (takesValue(name) && !inlineValue)
                value = arguments.value(++i);
            if (name == QLatin1String("port")) {
                ports.append(anotherPort(ports, value));
                ports.last().line = line;
                sides.append({QString(), ports.last()});
            }
        } else if (!commandSeen) {
            commandSeen = true;
        } else {
            sides.append({argument, std::nullopt});
        }
    }
    if (sides.size() != 2)
        badArgument(CommandLineTexts::tr(
            "diff compares two sides: two files, a file and --port P, or two ports."));
    return sides;
}

// The file each port's upload writes: {port} in the name becomes the port's tag ("COM3"). Several
// ports need it, and their names must differ; refused before anything is read.
QStringList uploadFiles(const QString &file, const QList<PortSetup> &ports)
{
    const QString tag = QStringLiteral("{port}");
    if (ports.size() > 1 && !file.contains(tag))
        badArgument(
            CommandLineTexts::tr("upload to several ports writes a file per port: put {port} "
                                 "in the file name, such as cell-{port}.vqc."));
    QStringList files;
    for (const PortSetup &port : ports) {
        QString name = file;
        name.replace(tag, portTag(port));
        if (files.contains(name))
            badArgument(CommandLineTexts::tr("upload: two ports would write %1.").arg(name));
        files.append(name);
    }
    return files;
}

LineSettings chooseLine(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("line")))
        return settingsfile::lineSettings();
    const QString line = parser.value(QStringLiteral("line"));
    try {
        return LineSettings::parse(line);
    } catch (const Failure &f) {
        badArgument(CommandLineTexts::tr("--line %1: %2").arg(line, f.description()));
    }
}

// The report's one controller, when a port is named.
std::optional<PortSetup> reportPort(const QCommandLineParser &parser)
{
    const QStringList names = parser.values(QStringLiteral("port"));
    if (names.size() > 1)
        badArgument(CommandLineTexts::tr("report reads one controller: give --port once."));
    if (names.isEmpty())
        return std::nullopt;
    PortSetup port = resolvePort(names.first());
    port.line = chooseLine(parser);
    return port;
}

void chooseSettingsFile(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("settings")))
        return;
    const QString path = parser.value(QStringLiteral("settings"));
    if (!QFileInfo(path).isFile())
        badArgument(CommandLineTexts::tr("--settings %1: no such file.").arg(path));
    setSettingsFilePath(path);
}

// What the command does on one port, with everything it needs read on the main thread first:
// the settings file, the configuration file and its checks.
PortCommand portCommand(Console &console, const Parsed &p, const QList<PortSetup> &ports)
{
    const QString &command = p.command;
    if (command == QLatin1String("test"))
        return [](CommandEnv &env, int) {
            return runTest(env);
        };
    if (command == QLatin1String("buffers"))
        return [](CommandEnv &env, int) {
            return runBuffers(env);
        };
    if (command == QLatin1String("search"))
        return searchCommand(console, p.file);
    if (command == QLatin1String("upload")) {
        const QStringList files = uploadFiles(p.file, ports);
        // A project already there is uploaded over: what the controller does not hold (names,
        // notes, the I/O names) stays.
        QList<Project> bases;
        for (const QString &file : files) {
            const bool existing = isProjectFileName(file) && QFileInfo::exists(file);
            bases.append(existing ? readCommandFile(console, file) : startUpProject());
        }
        return [bases, files](CommandEnv &env, int port) {
            return runUpload(env, bases.at(port), files.at(port));
        };
    }
    const ProjectParts parts = chosenParts(p.parser, p.file);
    const Project project = readCommandFile(console, p.file);
    if (command == QLatin1String("verify"))
        return [project, parts](CommandEnv &env, int) {
            return runVerify(env, project, parts);
        };
    const bool allParts = parts == partsOfFile(p.file);
    return [project, parts, allParts, file = p.file](CommandEnv &env, int) {
        return recordDownload(env, file, allParts, parts, runDownload(env, project, parts));
    };
}

// One port, as the command line always ran: results as they are, messages without a port name.
int runOnOnePort(Console &console, const PortSetup &port, bool json, const InterruptWatch &watch,
                 const PortCommand &command)
{
    const PortRun run = runOnPort(console, port, watch.flag(), command);
    if (json) {
        if (run.outcome.done())
            console.resultBytes(QJsonDocument(run.json.toObject()).toJson(QJsonDocument::Indented));
    } else {
        for (const QString &line : run.lines)
            console.result(line);
    }
    if (run.interrupted)
        console.note(
            partialDownloadNote(leftPartial(run) ? QStringList{portLabel(port)} : QStringList()));
    return run.code();
}

int runParsed(Parsed &p, Console &console)
{
    chooseSettingsFile(p.parser);
    if (p.command == QLatin1String("csv")) {
        runCsv(console, p.file, p.parser.value(QStringLiteral("table")),
               p.parser.value(QStringLiteral("import")));
        return exitCodeOf({Outcome::Kind::Done});
    }
    if (p.command == QLatin1String("convert")) {
        runConvert(console, p.files.at(0), p.files.at(1));
        return exitCodeOf({Outcome::Kind::Done});
    }
    if (p.command == QLatin1String("report")) {
        const std::optional<PortSetup> port = reportPort(p.parser);
        InterruptWatch watch;
        return runReport(console, p.file, port, p.parser.value(QStringLiteral("out")),
                         watch.flag());
    }
    if (p.command == QLatin1String("history"))
        return runHistory(console, p.parser.isSet(QStringLiteral("json")),
                          p.parser.isSet(QStringLiteral("since"))
                              ? std::optional(p.parser.value(QStringLiteral("since")))
                              : std::nullopt);
    if (p.command == QLatin1String("diff")) {
        const QList<DiffSide> sides = diffSides(p.arguments, chooseLine(p.parser));
        InterruptWatch watch;
        return runDiff(console, sides, p.parser.isSet(QStringLiteral("json")), watch.flag());
    }

    // The ports and their line settings are set once, for every step of the command.
    QList<PortSetup> ports = choosePorts(p.parser);
    const LineSettings line = chooseLine(p.parser);
    for (PortSetup &port : ports)
        port.line = line;
    const PortCommand command = portCommand(console, p, ports);
    const bool json = p.parser.isSet(QStringLiteral("json"));
    InterruptWatch watch;
    // The error buffers' and the bus search's JSON is their object alone; the other commands'
    // JSON is the per-port array, for one port as for several.
    const bool ownJson =
        p.command == QLatin1String("buffers") || p.command == QLatin1String("search");
    if (ports.size() == 1 && (!json || ownJson))
        return runOnOnePort(console, ports.first(), json, watch, command);
    return runOnPorts(console, ports, json, watch.flag(), command);
}

// A configuration or project file named alone opens the window with it (a file manager starts
// the tool so); no command ends so.
bool isConfigFileName(const QString &argument)
{
    return !argument.startsWith(QLatin1Char('-')) &&
           (hasConfigFileSuffix(argument) || isProjectFileName(argument));
}

}  // namespace

WindowArguments windowArguments(const QStringList &arguments)
{
    WindowArguments window;
    QStringList rest = arguments;
    window.ownWindow = rest.removeAll(kNewWindowOption) > 0;
    if (rest.size() == 2 && isConfigFileName(rest.at(1)))
        window.file = rest.at(1);
    return window;
}

QString windowFileArgument(const QStringList &arguments)
{
    return windowArguments(arguments).file;
}

bool isCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // --new-window only says which window opens.
    arguments.removeAll(kNewWindowOption);
    if (arguments.size() < 2)
        return false;
    const QString &first = arguments.at(1);
    if (arguments.size() == 2 && isConfigFileName(first))
        return false;
    if (!first.startsWith(QLatin1Char('-')))
        return true;
    const QStringList ownOptions = {QStringLiteral("-h"), QStringLiteral("--help"),
                                    QStringLiteral("--help-all"), QStringLiteral("-v"),
                                    QStringLiteral("--version")};
    return ownOptions.contains(first);
}

std::unique_ptr<QCoreApplication> commandApplication(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    addOptions(parser);
    const bool report =
        parser.parse(arguments) && parser.positionalArguments().value(0) == QLatin1String("report");
    if (!report)
        return std::make_unique<QCoreApplication>(argc, argv);
    // Laying out text and drawing pages takes Qt Gui; its offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runCommandLine(const QStringList &arguments)
{
    Console console;
    Parsed p;
    p.parser.setApplicationDescription(description());
    p.parser.addPositionalArgument(
        QStringLiteral("command"),
        CommandLineTexts::tr("test, download, upload, buffers, verify, csv, diff, convert, "
                             "search, report or history."));
    p.parser.addPositionalArgument(
        QStringLiteral("file"),
        CommandLineTexts::tr("The configuration file (.vqc, .rfp) or project (.plcproj)."),
        QStringLiteral("[file...]"));
    const QCommandLineOption help = p.parser.addHelpOption();
    const QCommandLineOption version = p.parser.addVersionOption();
    addOptions(p.parser);
    p.arguments = arguments;
    try {
        if (!p.parser.parse(arguments))
            badArgument(p.parser.errorText());
        if (p.parser.isSet(help)) {
            console.result(p.parser.helpText());
            return exitCodeOf({Outcome::Kind::Done});
        }
        if (p.parser.isSet(version)) {
            console.result(QStringLiteral("plc-config ") + QStringLiteral(PLC_VERSION));
            return exitCodeOf({Outcome::Kind::Done});
        }
        checkCommand(p);
        return runParsed(p, console);
    } catch (const Failure &f) {
        console.note(f.description());
        return exitCodeOf({f.kind()});
    }
}

}  // namespace plc
