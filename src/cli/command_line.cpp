#include "command_line.h"

#include "commands.h"
#include "config_file.h"
#include "console.h"
#include "exit_code.h"
#include "failure.h"
#include "ini_file.h"
#include "line_settings.h"
#include "link_action.h"
#include "multi_port.h"
#include "plc_link.h"
#include "project_file.h"
#include "settings_store.h"
#include "side_by_side.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstring>
#include <map>

namespace plc {

namespace {

constexpr int kPorts = 10;  // COM1 to COM10

const QString kDescription = QStringLiteral(
    "Configures the controller without a window.\n"
    "\n"
    "Commands:\n"
    "  test                       the connection test; prints \"CPU type N\"\n"
    "  download FILE [--only L]   writes a configuration file's ports to the controller;\n"
    "                             L is a comma-separated choice of uart1,uart2,onewire\n"
    "  upload FILE                reads the ports back and saves them as a configuration file\n"
    "  buffers [--json]           reads the three error buffers and prints them\n"
    "  verify FILE                reads the ports back and names every difference from the\n"
    "                             configuration file (exit code 1 when there is one)\n"
    "  csv FILE --table T [--import CSV]\n"
    "                             prints table T (uart1, uart2, onewire) of a configuration\n"
    "                             file as CSV, or replaces it by the rows of a CSV file\n"
    "\n"
    "Without a command the window opens; with a configuration file (.vqc, .rfp) alone it\n"
    "opens and loads that file. Results go to standard output; progress and messages to\n"
    "standard error.\n"
    "\n"
    "Several controllers at once: --port repeated, or --ports COM1,COM2,/dev/ttyUSB3, for\n"
    "test, download, upload, buffers and verify; each port runs side by side with the others.\n"
    "upload to several ports needs {port} in its file name (cell-{port}.vqc). --json prints\n"
    "one object per port.\n"
    "\n"
    "Exit codes: 0 done; 1 the controller refused or did not answer (verify: a difference);\n"
    "2 bad arguments or a bad file; 3 the port cannot be opened; 130 stopped by Ctrl-C. With\n"
    "several ports the highest of the ports' codes.");

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
};

bool takesFile(const QString &command)
{
    return command == QLatin1String("download") || command == QLatin1String("upload") ||
           command == QLatin1String("verify") || command == QLatin1String("csv");
}

[[noreturn]] void badArgument(const QString &text)
{
    throw Failure(text + QStringLiteral("\nTry plc-config --help."));
}

// The parsed arguments: the parser with its options, the command and its file.
struct Parsed {
    QCommandLineParser parser;
    QString command;
    QString file;
};

void addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("port"),
         QStringLiteral("COMn (mapped as in the settings file) or a device; again for several."),
         QStringLiteral("port")},
        {QStringLiteral("ports"), QStringLiteral("Several ports, comma-separated."),
         QStringLiteral("list")},
        {QStringLiteral("line"), QStringLiteral("Line settings such as 9600,N,8,1."),
         QStringLiteral("settings")},
        {QStringLiteral("only"),
         QStringLiteral("download: the parts to write, of uart1,uart2,onewire."),
         QStringLiteral("parts")},
        {QStringLiteral("json"), QStringLiteral("Print JSON instead of text.")},
        {QStringLiteral("table"), QStringLiteral("csv: the table, uart1, uart2 or onewire."),
         QStringLiteral("table")},
        {QStringLiteral("import"),
         QStringLiteral("csv: the CSV file whose rows replace the table."), QStringLiteral("csv")},
        {QStringLiteral("settings"),
         QStringLiteral("The settings file to use instead of set.ini beside the program."),
         QStringLiteral("file")},
    });
}

void checkCommand(Parsed &p)
{
    const QStringList positional = p.parser.positionalArguments();
    p.command = positional.value(0);
    const auto known = kCommandOptions.find(p.command);
    if (known == kCommandOptions.end())
        badArgument(QStringLiteral("Unknown command \"%1\".").arg(p.command));
    const int expected = takesFile(p.command) ? 2 : 1;
    if (positional.size() < expected)
        badArgument(QStringLiteral("%1 needs a file.").arg(p.command));
    if (positional.size() > expected)
        badArgument(QStringLiteral("Unexpected argument \"%1\".").arg(positional.at(expected)));
    p.file = positional.value(1);
    for (const QString &name : p.parser.optionNames()) {
        if (name != QLatin1String("settings") && !known->second.contains(name))
            badArgument(QStringLiteral("%1 takes no --%2.").arg(p.command, name));
    }
    if (p.command == QLatin1String("csv")) {
        const QString table = p.parser.value(QStringLiteral("table"));
        if (!configParts().contains(table))
            badArgument(QStringLiteral("csv needs --table uart1, uart2 or onewire."));
    }
}

QStringList chosenParts(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("only")))
        return configParts();
    QStringList parts;
    for (const QString &given :
         parser.value(QStringLiteral("only")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString part = given.trimmed();
        if (!configParts().contains(part))
            badArgument(
                QStringLiteral("--only knows uart1, uart2 and onewire, not \"%1\".").arg(part));
        parts.append(part);
    }
    if (parts.isEmpty())
        badArgument(QStringLiteral("--only names no part."));
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
            badArgument(
                QStringLiteral("--port %1: the ports are COM1 to COM10, or a device.").arg(port));
        return {number, portDevice(number), {}};
    }
    for (int number = 1; number <= kPorts; ++number) {
        if (portDevice(number) == port)
            return {number, port, {}};
    }
    return {0, port, {}};
}

// The ports of --port (each time it is given) and --ports, in that order, resolved here on the
// main thread before any port starts; the stored port without either. A device named twice is
// refused: two links on one port would mix their frames.
QList<PortSetup> choosePorts(const QCommandLineParser &parser)
{
    QStringList names = parser.values(QStringLiteral("port"));
    for (const QString &list : parser.values(QStringLiteral("ports"))) {
        for (const QString &name : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
            names.append(name.trimmed());
    }
    if (parser.isSet(QStringLiteral("ports")) && names.isEmpty())
        badArgument(QStringLiteral("--ports names no port."));
    if (names.isEmpty()) {
        const int number = settingsfile::portNumber();
        return {{number, settingsfile::portDevice(number), {}}};
    }
    QList<PortSetup> ports;
    for (const QString &name : names) {
        const PortSetup port = resolvePort(name);
        for (const PortSetup &earlier : ports) {
            if (!port.device.isEmpty() && earlier.device == port.device)
                badArgument(
                    QStringLiteral("--port %1: %2 is named twice.").arg(name, portLabel(earlier)));
        }
        ports.append(port);
    }
    return ports;
}

// The file each port's upload writes: {port} in the name becomes the port's tag ("COM3"). Several
// ports need it, and their names must differ; refused before anything is read.
QStringList uploadFiles(const QString &file, const QList<PortSetup> &ports)
{
    const QString tag = QStringLiteral("{port}");
    if (ports.size() > 1 && !file.contains(tag))
        badArgument(
            QStringLiteral("upload to several ports writes a file per port: put {port} "
                           "in the file name, such as cell-{port}.vqc."));
    QStringList files;
    for (const PortSetup &port : ports) {
        QString name = file;
        name.replace(tag, portTag(port));
        if (files.contains(name))
            badArgument(QStringLiteral("upload: two ports would write %1.").arg(name));
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
        badArgument(QStringLiteral("--line %1: %2").arg(line, f.description()));
    }
}

void chooseSettingsFile(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("settings")))
        return;
    const QString path = parser.value(QStringLiteral("settings"));
    if (!QFileInfo(path).isFile())
        badArgument(QStringLiteral("--settings %1: no such file.").arg(path));
    setSettingsFilePath(path);
}

// What the command does on one port, with everything it needs read on the main thread first:
// the settings file, the configuration file and its checks.
PortCommand portCommand(const Parsed &p, const QList<PortSetup> &ports)
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
    const WindowConfig startUp = startUpWindowConfig();
    if (command == QLatin1String("upload")) {
        const QStringList files = uploadFiles(p.file, ports);
        return [startUp, files](CommandEnv &env, int port) {
            return runUpload(env, startUp, files.at(port));
        };
    }
    const QStringList parts = chosenParts(p.parser);
    const WindowConfig config = readConfigFile(p.file).spread(startUp);
    if (command == QLatin1String("verify"))
        return [config](CommandEnv &env, int) {
            return runVerify(env, config);
        };
    return [config, parts](CommandEnv &env, int) {
        return runDownload(env, config, parts);
    };
}

// One port, as the command line always ran: results as they are, messages without a port name.
int runOnOnePort(Console &console, const PortSetup &port, bool json, const InterruptWatch &watch,
                 const PortCommand &command)
{
    PlcLink link;
    link.setPort(port);
    link.setStopFlag(&watch.flag());
    ConsolePrompts prompts(console);
    ConsoleProgress progress(console);
    TransferContext ctx{link, prompts, progress};
    CommandEnv env{console, prompts, progress, ctx};
    PortRun run = command(env, 0);
    run.takeCtrlC(watch.requested());
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

    // The ports and their line settings are set once, for every step of the command.
    QList<PortSetup> ports = choosePorts(p.parser);
    const LineSettings line = chooseLine(p.parser);
    for (PortSetup &port : ports)
        port.line = line;
    const PortCommand command = portCommand(p, ports);
    const bool json = p.parser.isSet(QStringLiteral("json"));
    InterruptWatch watch;
    // The error buffers' JSON has always been the buffers alone; the other commands' JSON is
    // the per-port array, for one port as for several.
    if (ports.size() == 1 && (!json || p.command == QLatin1String("buffers")))
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

QString windowFileArgument(const QStringList &arguments)
{
    return arguments.size() == 2 && isConfigFileName(arguments.at(1)) ? arguments.at(1) : QString();
}

bool isCommandLine(int argc, char **argv)
{
    if (argc < 2)
        return false;
    if (argc == 2 && isConfigFileName(QString::fromLocal8Bit(argv[1])))
        return false;
    const char *first = argv[1];
    if (first[0] != '-')
        return true;
    for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"}) {
        if (std::strcmp(first, option) == 0)
            return true;
    }
    return false;
}

int runCommandLine(const QStringList &arguments)
{
    Console console;
    Parsed p;
    p.parser.setApplicationDescription(kDescription);
    p.parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("test, download, upload, buffers, verify or csv."));
    p.parser.addPositionalArgument(QStringLiteral("file"),
                                   QStringLiteral("The configuration file (.vqc)."),
                                   QStringLiteral("[file]"));
    const QCommandLineOption help = p.parser.addHelpOption();
    const QCommandLineOption version = p.parser.addVersionOption();
    addOptions(p.parser);
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
