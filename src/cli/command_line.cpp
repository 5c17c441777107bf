#include "command_line.h"

#include "commands.h"
#include "console.h"
#include "failure.h"
#include "ini_file.h"
#include "line_settings.h"
#include "link_action.h"
#include "plc_link.h"
#include "settings_store.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>
#include <map>

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
    "  csv FILE --table T [--import CSV]\n"
    "                             prints table T (uart1, uart2, onewire) of a configuration\n"
    "                             file as CSV, or replaces it by the rows of a CSV file\n"
    "\n"
    "Without a command the window opens; with a configuration file (.vqc, .rfp) alone it\n"
    "opens and loads that file. Results go to standard output; progress and messages to\n"
    "standard error.\n"
    "\n"
    "Exit codes: 0 done; 1 the controller refused or did not answer; 2 bad arguments or a\n"
    "bad file; 3 the port cannot be opened.");

// The options each command takes besides --settings.
const std::map<QString, QStringList> kCommandOptions = {
    {QStringLiteral("test"), {QStringLiteral("port"), QStringLiteral("line")}},
    {QStringLiteral("download"),
     {QStringLiteral("port"), QStringLiteral("line"), QStringLiteral("only")}},
    {QStringLiteral("upload"), {QStringLiteral("port"), QStringLiteral("line")}},
    {QStringLiteral("buffers"),
     {QStringLiteral("port"), QStringLiteral("line"), QStringLiteral("json")}},
    {QStringLiteral("csv"), {QStringLiteral("table"), QStringLiteral("import")}},
};

bool takesFile(const QString &command)
{
    return command == QLatin1String("download") || command == QLatin1String("upload") ||
           command == QLatin1String("csv");
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
         QStringLiteral("COMn (mapped as in the settings file) or a device."),
         QStringLiteral("port")},
        {QStringLiteral("line"), QStringLiteral("Line settings such as 9600,N,8,1."),
         QStringLiteral("settings")},
        {QStringLiteral("only"),
         QStringLiteral("download: the parts to write, of uart1,uart2,onewire."),
         QStringLiteral("parts")},
        {QStringLiteral("json"), QStringLiteral("buffers: print JSON instead of tables.")},
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

// The port of --port: COMn by its number and the device mapped to it, or a device path, which
// takes the number of the COMn mapped to it when there is one.
PortSetup choosePort(const QCommandLineParser &parser)
{
    using settingsfile::portDevice;
    if (!parser.isSet(QStringLiteral("port"))) {
        const int number = settingsfile::portNumber();
        return {number, portDevice(number), {}};
    }
    const QString port = parser.value(QStringLiteral("port"));
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

int runParsed(Parsed &p, Console &console)
{
    chooseSettingsFile(p.parser);
    if (p.command == QLatin1String("csv"))
        return runCsv(console, p.file, p.parser.value(QStringLiteral("table")),
                      p.parser.value(QStringLiteral("import")));

    const QStringList parts = chosenParts(p.parser);
    // The port and its line settings are set once, for every step of the command.
    PlcLink link;
    PortSetup port = choosePort(p.parser);
    port.line = chooseLine(p.parser);
    link.setPort(port);
    ConsolePrompts prompts(console);
    ConsoleProgress progress(console);
    TransferContext ctx{link, prompts, progress};
    CommandEnv env{console, prompts, progress, ctx};
    if (p.command == QLatin1String("test"))
        return runTest(env);
    if (p.command == QLatin1String("download"))
        return runDownload(env, p.file, parts);
    if (p.command == QLatin1String("upload"))
        return runUpload(env, p.file);
    return runBuffers(env, p.parser.isSet(QStringLiteral("json")));
}

// A configuration file named alone opens the window with it (a file manager starts the tool
// so); no command ends so.
bool isConfigFileName(const QString &argument)
{
    return !argument.startsWith(QLatin1Char('-')) &&
           (argument.endsWith(QLatin1String(".vqc"), Qt::CaseInsensitive) ||
            argument.endsWith(QLatin1String(".rfp"), Qt::CaseInsensitive));
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
    p.parser.addPositionalArgument(QStringLiteral("command"),
                                   QStringLiteral("test, download, upload, buffers or csv."));
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
            return exitcode::Done;
        }
        if (p.parser.isSet(version)) {
            console.result(QStringLiteral("plc-config ") + QStringLiteral(PLC_VERSION));
            return exitcode::Done;
        }
        checkCommand(p);
        return runParsed(p, console);
    } catch (const Failure &f) {
        console.note(f.description());
        return exitCodeOf(Outcome::of(f));
    }
}
