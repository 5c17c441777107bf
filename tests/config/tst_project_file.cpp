#include "config_record.h"
#include "failure.h"
#include "project_file.h"
#include "test_helpers.h"

#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace plc;

namespace {

Project sample()
{
    Project p;
    p.note = QStringLiteral("Boiler \"B\"\nPanel 2 \u00b0C");
    WindowConfig &c = p.config;
    c.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, QStringLiteral("17"),
                           QStringLiteral("250")};
    c.uarts[0].bits = 1;
    c.uarts[0].stop = 2;
    c.uarts[0].requests = {{"1", "10", "0", "100", "1", "100"}, {"247", "2", "7", "8", "3", "9"}};
    c.uarts[1].settings = {UartMode::ModbusSlave, 7, 0, QStringLiteral("2"), QStringLiteral("2")};
    c.uarts[1].requests = {{"3", "5", "10", "110", "2", "200"}};
    c.auxMode = 1;
    c.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"}};
    p.fieldNet = {1, 2, 0, 1};
    applyChoice(p.ioMap, 0, IoChoice::Output);
    applyChoice(p.ioMap, 1, IoChoice::Input);
    return p;
}

QByteArray sampleBytes()
{
    return projectBytes(sample());
}

// The sample's file with every `from` replaced by `to`.
QByteArray edited(const char *from, const char *to)
{
    return sampleBytes().replace(from, to);
}

}  // namespace

// The readable project file: its text, what reading refuses, and both round trips.
class TestProjectFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesKeysInOrderOneRowALine()
    {
        const QByteArray bytes = sampleBytes();
        const QByteArray head =
            "{\n"
            "  \"format\": \"plc-config project\",\n"
            "  \"schemaVersion\": 1,\n"
            "  \"savedBy\": \"plc-config 1.0\",\n"
            "  \"note\": \"Boiler \\\"B\\\"\\nPanel 2 \xc2\xb0"  // hex escape ends here
            "C\",\n"
            "  \"uart1\": {\n"
            "    \"mode\": \"Modbus master\",\n"
            "    \"speed\": \"115200\",\n"
            "    \"parity\": \"None\",\n"
            "    \"bits\": \"8\",\n"
            "    \"stop\": \"2\",\n"
            "    \"slaveAddress\": 17,\n"
            "    \"slaveTimeoutMs\": 250,\n"
            "    \"requests\": [\n"
            "      {\"address\": 1, \"numWord\": 10, \"addressSlave\": 0, \"addressMaster\": 100, "
            "\"function\": 1, \"timeoutMs\": 100},\n";
        QVERIFY2(bytes.startsWith(head), bytes.constData());
        QVERIFY(
            bytes.contains("\n"
                           "  \"auxPort\": {\n"
                           "    \"mode\": \"Field Net\",\n"
                           "    \"fieldNet\": {\"speed\": \"19200\", \"parity\": \"Even\", "
                           "\"bits\": \"7\", \"stop\": \"2\"},\n"
                           "    \"sensors\": [\n"
                           "      {\"rom\": [\"28\", \"FF\", \"4B\", \"12\", \"03\", \"00\", "
                           "\"00\", \"A1\"], \"register\": 1500}\n"
                           "    ]\n"
                           "  },\n"
                           "  \"ioMap\": [\n"
                           "    {\"point\": 0, \"function\": \"Output-Y\", \"name\": \"Y0\"},\n"
                           "    {\"point\": 1, \"function\": \"Input -X\", \"name\": \"X0\"},\n"
                           "    {\"point\": 2, \"function\": \"\", \"name\": \"\"},\n"));
        QVERIFY(bytes.endsWith("\"name\": \"\"}\n  ]\n}\n"));
    }

    void refused_data()
    {
        testing::columns<QByteArray, QString>({"bytes", "refusal"});
        const QString head = QStringLiteral("The project file cannot be read: ");
        testing::row("syntax error", edited("\"bits\": \"8\",", "\"bits\": \"8\""),
                     head + "line 11, column 6: unterminated object.");
        testing::row("newer schema", edited("\"schemaVersion\": 1", "\"schemaVersion\": 2"),
                     head + "it has schema version 2; this program reads up to 1.");
        testing::row("request check", edited("\"function\": 3", "\"function\": 7"),
                     head +
                         "the UART 1 request table, row 2, column \"Function\" holds \"7\": You "
                         "configuration has error in the function code - row 2\r\nColumn "
                         "[Function].");
        testing::row("sensor byte", edited("\"4B\"", "\"4G\""),
                     head +
                         "the 1-wire sensor table, row 1, column \"Byte 2\" holds \"4G\": You "
                         "configuration has error in the addresing data - row 1\r\nColumn Byte 2.");
        testing::row("sensor register", edited("1500", "7998"),
                     head +
                         "the 1-wire sensor table, row 1, column \"Dxxxx\" holds \"7998\": You "
                         "configuration has error in master addresing data Dxxxx. Row is 1.");
        testing::row("request cell as text", edited("\"numWord\": 5", "\"numWord\": \"5\""),
                     head +
                         "the UART 2 request table, row 1, column \"Num word\" holds \"5\"; a "
                         "whole number fits there.");
        testing::row("list choice as number", edited("\"speed\": \"115200\"", "\"speed\": 4"),
                     head +
                         "uart1.speed holds 4; one of \"9600\", \"19200\", \"38400\", \"57600\", "
                         "\"115200\", \"187500\", \"256000\", \"500000\" fits there.");
        testing::row("I/O number twice", edited("\"X0\"", "\"Y0\""),
                     head +
                         "the I/O map, point 1, \"name\" is \"Y0\", given to an earlier point "
                         "already.");
        testing::row("part missing", edited("\"auxPort\"", "\"auxport\""),
                     head + "auxPort is missing.");
    }

    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        const ProjectRead read = readProject(bytes);
        QCOMPARE(read.refusal, refusal);
        QVERIFY(!read.project);
    }

    void unknownKeysAreListedAndIgnored()
    {
        QByteArray bytes =
            edited("\"mode\": \"Modbus master\"", "\"colour\": 3, \"mode\": \"Modbus master\"");
        bytes.replace("\"timeoutMs\": 200}", "\"timeoutMs\": 200, \"x\": []}");
        const ProjectRead read = readProject(bytes);
        QCOMPARE(read.refusal, QString());
        QCOMPARE(read.ignoredKeys, QStringList({"uart1.colour", "uart2.requests[1].x"}));
        QCOMPARE(projectBytes(*read.project), sampleBytes());
    }

    void projectBytesReadAndWrittenAgainAreTheSame()
    {
        const ProjectRead read = readProject(sampleBytes());
        QCOMPARE(read.refusal, QString());
        QCOMPARE(read.ignoredKeys, QStringList());
        QVERIFY(read.project->ioMap == sample().ioMap);
        QCOMPARE(projectBytes(*read.project), sampleBytes());
    }

    void binaryFileThroughAProjectGivesTheSameBytes()
    {
        ConfigRecord saved;
        saved.gather(sample().config);
        Project project;
        project.config = ConfigRecord::fromFile(saved.bytes()).spread(startUpWindowConfig());
        const ProjectRead read = readProject(projectBytes(project));
        QCOMPARE(read.refusal, QString());
        ConfigRecord again;
        again.gather(read.project->config);
        QCOMPARE(again.bytes().size(), ConfigRecord::kSize);
        QCOMPARE(again.bytes(), saved.bytes());
    }

    void namesRoundTripAsTheLastKeyOfANamedRow()
    {
        Project named = sample();
        named.config.uarts[0].requests[1].append(QStringLiteral("Pump \"2\""));
        named.config.sensors[0].append(QStringLiteral("Boiler \u00b0C"));
        const QByteArray bytes = projectBytes(named);
        QVERIFY(bytes.contains("\"timeoutMs\": 9, \"name\": \"Pump \\\"2\\\"\"}\n"));
        QVERIFY(
            bytes.contains("\"register\": 1500, \"name\": \"Boiler \xc2\xb0"
                           "C\"}\n"));
        const ProjectRead read = readProject(bytes);
        QCOMPARE(read.refusal, QString());
        QCOMPARE(read.project->config.uarts[0].requests[1].value(6), "Pump \"2\"");
        QCOMPARE(read.project->config.uarts[0].requests[0].value(6), QString());
        QCOMPARE(read.project->config.sensors[0].value(9), "Boiler \u00b0C");
        QCOMPARE(projectBytes(*read.project), bytes);
        QCOMPARE(
            partsLostInConfigFile(named).constLast(),
            "Request and sensor names not written: the configuration file has no place for it");
    }

    void oneCellChangedIsOneLineChanged()
    {
        Project changed = sample();
        changed.config.uarts[0].requests[1][2] = QStringLiteral("6");
        const QList<QByteArray> before = sampleBytes().split('\n');
        const QList<QByteArray> after = projectBytes(changed).split('\n');
        QCOMPARE(after.size(), before.size());
        int differing = 0;
        for (int i = 0; i < before.size(); ++i)
            differing += before.at(i) != after.at(i) ? 1 : 0;
        QCOMPARE(differing, 1);
    }

    void fileKindByNameLosesOnlyWhatItNames_data()
    {
        // edit: one value a configuration file has no place for; none: it holds everything
        testing::columns<int, QString>({"edit", "lost"});
        testing::row("everything held", 0, QString());
        testing::row("note", 1, QString("Project note"));
        testing::row("uart2 stop bits", 2, QString("UART 2 bit number and stop bits"));
        testing::row("Field Net lists", 3, QString("Field Net line settings"));
        testing::row("I/O map", 4, QString("I/O map"));
    }

    void fileKindByNameLosesOnlyWhatItNames()
    {
        QFETCH(int, edit);
        QFETCH(QString, lost);
        const std::function<void(Project &)> edits[] = {
            [](Project &) {},
            [](Project &p) { p.note = QStringLiteral("x"); },
            [](Project &p) { p.config.uarts[1].stop = 1; },
            [](Project &p) { p.fieldNet.parity = 0; },
            [](Project &p) { applyChoice(p.ioMap, 3, IoChoice::Input); },
        };
        Project held;
        held.config = sample().config;
        Project project = held;
        edits[edit](project);
        QCOMPARE(partsLostInConfigFile(project),
                 lost.isNull() ? QStringList()
                               : QStringList{lost + " not written: the configuration file has "
                                                    "no place for it"});
        QTemporaryDir dir;
        for (const char *name : {"a.vqc", "b.RFP", "c.PlcProj"}) {
            const QString path = dir.filePath(name);
            writeAnyConfigFile(path, project);
            const bool whole = isProjectFileName(path);
            QCOMPARE(projectBytes(readAnyConfigFile(path)), projectBytes(whole ? project : held));
        }
    }

    void unreadableFileIsAFailureNamingIt_data()
    {
        testing::columns<QByteArray, QString>({"bytes", "description"});
        testing::row("missing", QByteArray(), QString("Cannot open %1: No such file or directory"));
        testing::row("refused", QByteArray("[]"),
                     QString("%1 is refused: The project file cannot be read: it holds no object "
                             "of settings."));
    }

    void unreadableFileIsAFailureNamingIt()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, description);
        QTemporaryDir dir;
        const QString path = dir.filePath("p.plcproj");
        if (!bytes.isNull())
            QVERIFY(testing::writeBytes(path, bytes));
        try {
            readAnyConfigFile(path);
            QFAIL("read");
        } catch (const Failure &failure) {
            QCOMPARE(failure.description(), description.arg(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)

#include "tst_project_file.moc"
