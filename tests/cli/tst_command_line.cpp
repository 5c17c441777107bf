#include "config_file.h"
#include "config_record.h"
#include "ini_file.h"
#include "main_window.h"
#include "project_file.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "whole_file.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QtTest>
#include <csignal>

using namespace plc;
using namespace plc::sim;

namespace {

using testing::fileBytes;
using testing::row;

// UART 1 a master of 9 requests (two pieces), UART 2 a slave, the 1-wire port a master of two.
WindowConfig sample()
{
    WindowConfig c = startUpWindowConfig();
    c.uarts[0].settings.mode = UartMode::ModbusMaster;
    for (int i = 1; i <= 9; ++i) {
        c.uarts[0].requests.append({QString::number(i), "10", QString::number(10 * i),
                                    QString::number(100 + 10 * i), QString::number((i - 1) % 5),
                                    "100"});
    }
    c.uarts[1].settings = {UartMode::ModbusSlave, 7, 0, QStringLiteral("5"), QStringLiteral("2")};
    c.auxMode = 0;
    c.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"},
                 {"0A", "0B", "0C", "0D", "0E", "0F", "10", "11", "1502"}};
    return c;
}

// Writes c as a configuration file at path; the path.
QString writeConfig(const QString &path, const WindowConfig &c)
{
    ConfigRecord r;
    r.gather(c);
    writeConfigFile(path, r);
    return path;
}

// The sample with points 0 and 1 of the I/O map an output and an input, and UART 2 not in use:
// the virtual controller keeps the I/O map block in the memory of UART 2's words.
Project sampleProject()
{
    Project p;
    p.config = sample();
    p.config.uarts[1].settings.mode = UartMode::NotUse;
    applyChoice(p.ioMap, 0, IoChoice::Output);
    applyChoice(p.ioMap, 1, IoChoice::Input);
    return p;
}

struct Run {
    int code = -1;
    QString out;
    QString err;
};

const QString kNoFirst =
    QStringLiteral("No first answer from PLC. Check cable connection,port setting,and e.t.c.\n");
const QStringList kFourPorts{"--ports", "COM1,COM2,COM3,COM4"};

}  // namespace

// plc-config's commands as a script runs them: a process with no display, against the virtual
// controller, its exit code and both streams; and the window doing the same for comparison.
class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        testing::start(m_sim);
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompts.clear();
        m_prompts.fileNames.clear();
    }

    void cleanup()
    {
        m_sim.reset();
        m_dir.reset();
    }

    void commands_data()
    {
        // 0 as it is, 1 ENQ refused, 2 error buffers filled, 3 COM7 mapped to no device,
        // 4 ENQ refused and no answer at 2008
        testing::columns<QStringList, int, int, QString, QString>(
            {"arguments", "setup", "code", "out", "err"});
        // The arguments as one line, split at the spaces.
        const auto row = [](const char *tag, const QString &arguments, int setup, int code,
                            const QString &out, const QString &err) {
            testing::row(tag, arguments.split(QLatin1Char(' ')), setup, code, out, err);
        };
        // Refused before anything is sent: exit code 2, and the hint.
        const auto refused = [&row](const char *tag, const QString &arguments, const QString &err) {
            row(tag, arguments, 0, 2, "", err + "\nTry plc-config --help.\n");
        };
        const QString connected = "Successful connect to the CPU with type 291\n";
        row("test", "test --port COM1", 0, 0, "CPU type 291\n", connected);
        row("test, line given", "test --line 9600,N,8,1", 0, 0, "CPU type 291\n", connected);
        row("test, ENQ refused", "test", 1, 1, "", kNoFirst);
        row("test, no such port", "test --port /nonexistent/tty", 0, 3, "",
            kNoFirst + "Cannot open /nonexistent/tty: No such file or directory\n");
        row("upload, no such port", "upload x.vqc --port COM7", 3, 3, "",
            "Cannot open COM7 (/nonexistent/tty7): No such file or directory\n");
        row("buffers", "buffers", 2, 0,
            "UART1 modbus error buffer\n"
            "Slot | Errors  type | Short descriptions of error\n"
            "1    | No error     | \n"
            "2    | Active error | illegal register address \n"
            "\n"
            "UART2 modbus error buffer\n"
            "(not kept: the port is not a Modbus master)\n"
            "\n"
            "1-wire error slave buffer\n"
            "Num | Errors  type | Short descriptions of error\n"
            "1   | Active error | Timeout error number :3\n",
            "");
        row("buffers, JSON", "buffers --json", 2, 0,  // compared compact
            R"({"onewire":[{"description":"Timeout error number :3","number":1,)"
            R"("type":"Active error"}],"uart1":[{"description":"","number":1,"type":"No error"},)"
            R"({"description":"illegal register address ","number":2,"type":"Active error"}],)"
            R"("uart2":null})",
            "");
        row("buffers, controller silent", "buffers", 4, 1, "", "Answer timeout from PLC\n");
        refused("no file", "download", "download needs a file.");
        refused("unknown command", "dowload x.vqc", "Unknown command \"dowload\".");
        refused("option of another command", "test --only uart1", "test takes no --only.");
        refused("port out of range", "test --port COM11",
                "--port COM11: the ports are COM1 to COM10, or a device.");
        refused("unknown part", "download x.vqc --only uart3",
                "--only knows uart1, uart2 and onewire, not \"uart3\".");
        row("version", "--version", 0, 0, "plc-config 1.0\n", "");
        refused("a device named twice", "test --port /nonexistent/a --ports /nonexistent/a",
                "--port /nonexistent/a: /nonexistent/a is named twice.");
        refused("--ports empty", "test --ports ,", "--ports names no port.");
        refused("two ports, one upload name",
                "upload x-{port}.vqc --ports /nonexistent/a/tty0,/nonexistent/tty0",
                "upload: two ports would write x-tty0.vqc.");
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, setup);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        if (setup == 1 || setup == 4)
            m_sim->plc.setEnqAnswer(0x15);
        if (setup == 2) {
            m_sim->plc.pokeWord(0x2008, 0xC402);  // a master of two requests
            m_sim->plc.poke(0x3600, QByteArray("\x00\x81", 2));
            m_sim->plc.pokeWord(0x200A, 0xC001);  // one sensor
            m_sim->plc.poke(0x3700, QByteArray("\xC3", 1));
        }
        if (setup == 3)
            writeIniValue(m_sim->settingsFile(), "PORTS", "COM7", "/nonexistent/tty7");
        if (setup == 4)
            m_sim->plc.failAddress("2008", VirtualPlc::Fault::Silence);
        Run r = run(arguments);
        if (arguments.contains("--json"))
            r.out = QJsonDocument::fromJson(r.out.toUtf8()).toJson(QJsonDocument::Compact);
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, out);
        QCOMPARE(r.code, code);
    }

    void downloadSendsWhatTheWindowSends()
    {
        const QString file = sampleFile();
        {  // a fresh window loads the file and presses the three "Write to PLC" buttons
            MainWindow window(m_prompts);
            m_prompts.fileNames.enqueue(file);
            window.loadConfig();
            for (const char *button :
                 {"uart1WriteButton", "uart2WriteButton", "oneWireWriteButton"})
                window.findChild<QPushButton *>(QLatin1String(button))->click();
            QCOMPARE(m_prompts.messages(), QStringList());
        }
        const QStringList byWindow = wire(m_sim->plc.frames());
        m_sim->plc.clearLog();

        const Run r = run({"download", file, "--port", "COM1"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, "uart1: written\nuart2: written\nonewire: written\n");
        QCOMPARE(r.err, "uart1: 1/2\nuart1: 2/2\nonewire: 1/1\n");
        const QStringList byCommand = wire(m_sim->plc.frames());
        QCOMPARE(byCommand, byWindow);
        QCOMPARE(byCommand.size(), 14);
        QCOMPARE(byCommand.at(6), "E11 3000 02 0FFF");
        QCOMPARE(byCommand.at(7), "E11 2006 02 0547");  // slave 5 at 500000 baud, parity Odd
        QCOMPARE(byCommand.at(12), "E11 200C 14 FF28124B0003A100DC050B0A0D0C0F0E1110DE05");

        // --only picks parts, in the file's order.
        m_sim->plc.clearLog();
        QCOMPARE(run({"download", file, "--only", "onewire,uart2"}).code, 0);
        QCOMPARE(wire(m_sim->plc.frames()), byWindow.mid(6));
    }

    void uploadSavesWhatTheWindowSaves()
    {
        const QString original = sampleFile();
        QCOMPARE(run({"download", original}).code, 0);

        const QString uploaded = path("uploaded.vqc");
        const Run r = run({"upload", uploaded});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, "uart1: read\nuart2: read\nonewire: read\nsaved " + uploaded + "\n");
        QCOMPARE(r.err, "uart1: 1/2\nuart1: 2/2\nonewire: 1/1\n");

        {  // a fresh window's menu upload, saved
            MainWindow window(m_prompts);
            window.uploadFromPlc();
            m_prompts.fileNames.enqueue(path("window.vqc"));
            window.saveConfig();
            QCOMPARE(m_prompts.messages(), QStringList());
        }
        QCOMPARE(fileBytes(uploaded), fileBytes(path("window.vqc")));

        // Downloading what was uploaded writes what the original wrote.
        m_sim->plc.clearLog();
        QCOMPARE(run({"download", original}).code, 0);
        const QStringList first = wire(m_sim->plc.frames());
        m_sim->plc.clearLog();
        QCOMPARE(run({"download", uploaded}).code, 0);
        QCOMPARE(wire(m_sim->plc.frames()), first);
    }

    void downloadStops_data()
    {
        // fault: 0 NAK, 1 silence, 2 short file, 3 faulty table
        testing::columns<int, int, QString, QString, int>(
            {"fault", "code", "out", "err", "frames"});
        const QString uart1 = "uart1: 1/2\nuart1: 2/2\n";
        row("UART 2 port word refused", 0, 1, "uart1: written\n", uart1 + "Wrong answer from PLC\n",
            8);
        row("UART 2 port word silent", 1, 1, "uart1: written\n",
            uart1 + "Answer timeout from PLC\n", 8);
        row("short file", 2, 2, "",
            "The file is 100 bytes long; a configuration file is 15046 bytes\n", 0);
        row("table refused by its check", 3, 2, "",
            "You configuration has error in the size of request  - row 2\r\nColumn [Num word]\n",
            0);
    }

    void downloadStops()
    {
        QFETCH(int, fault);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, frames);
        const QString file = sampleFile();
        if (fault < 2)
            m_sim->plc.failWrite(8,
                                 fault == 0 ? VirtualPlc::Fault::Nak : VirtualPlc::Fault::Silence);
        if (fault == 2)
            QVERIFY(writeWholeFile(file, fileBytes(file).left(100)).isEmpty());
        if (fault == 3) {
            WindowConfig c = sample();
            c.uarts[0].requests[1][1] = "126";
            writeConfig(file, c);
        }
        const Run r = run({"download", file});
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, out);
        QCOMPARE(r.code, code);
        QCOMPARE(m_sim->plc.frames().size(), frames);
    }

    void csvRoundTripKeepsTheFile_data()
    {
        testing::columns<QString, QString>({"table", "csv"});
        // The Name column comes last; a configuration file holds no names.
        const QString requests =
            "Slot,Address,Num word,Address slave,Address master,Function,"
            "\"Timeout,[ms]\",Name\r\n";
        row("uart1", "uart1",
            requests +
                "1,1,10,10,110,0,100,\r\n2,2,10,20,120,1,100,\r\n3,3,10,30,130,2,100,\r\n"
                "4,4,10,40,140,3,100,\r\n5,5,10,50,150,4,100,\r\n6,6,10,60,160,0,100,\r\n"
                "7,7,10,70,170,1,100,\r\n8,8,10,80,180,2,100,\r\n9,9,10,90,190,3,100,\r\n");
        row("uart2", "uart2", requests);
        row("onewire", "onewire",
            "Num,Byte 0,Byte 1,Byte 2,Byte 3,Byte 4,Byte 5,Byte 6,Byte 7,"
            "Dxxxx,Name\r\n1,28,FF,4B,12,03,00,00,A1,1500,\r\n"
            "2,0A,0B,0C,0D,0E,0F,10,11,1502,\r\n");
    }

    void csvRoundTripKeepsTheFile()
    {
        QFETCH(QString, table);
        QFETCH(QString, csv);
        const QString file = sampleFile();
        const QByteArray before = fileBytes(file);
        const Run exported = run({"csv", file, "--table", table});
        QCOMPARE(exported.code, 0);
        QCOMPARE(exported.out, csv);
        QVERIFY(writeWholeFile(path("t.csv"), exported.out.toUtf8()).isEmpty());
        const Run imported = run({"csv", file, "--table", table, "--import", path("t.csv")});
        QCOMPARE(imported.code, 0);
        QCOMPARE(fileBytes(file), before);
    }

    void csvRefusal_data()
    {
        testing::columns<QString, QByteArray, QString>({"table", "csv", "err"});
        const QByteArray head =
            "Slot,Address,Num word,Address slave,Address master,Function,\"Timeout,[ms]\"\r\n";
        const QString no = "The CSV file was not imported: ";
        row("not a number", "uart1", head + "1,1,10,0,100,1,100\r\n2,1,1x,0,100,1,100\r\n",
            no + "line 3, column \"Num word\" holds \"1x\".\nIt is not a whole number.\n");
        row("refused by the table's check", "uart2",
            head + "1,1,10,0,100,1,100\n\n2,1,126,0,100,1,100\n",
            no + "line 4, column \"Num word\" holds \"126\".\nYou configuration has error in "
                 "the size of request  - row 2\r\nColumn [Num word]\n");
        row("sensor byte", "onewire",
            QByteArray("\xEF\xBB\xBFNum,Byte 0,Byte 1,Byte 2,Byte 3,Byte 4,Byte 5,Byte 6,Byte 7,"
                       "Dxxxx\r\n1,28,FF,4B,12,\"0\"\"3\",00,00,A1,1500\r\n"),
            no + "line 2, column \"Byte 4\" holds \"0\"3\".\nYou configuration has error in the "
                 "addresing data - row 1\r\nColumn Byte 4\n");
        row("another table's file", "onewire", head,
            no + "line 1, column 1 is \"Slot\" where the table has \"Num\".\n");
        row("a cell missing", "uart1", head + "1,1,10,0,100,1\r\n",
            no + "line 2 has 6 cells where the table has 7 columns.\n");
        row("quote not closed", "uart1", head + "1,\"1,10,0,100,1,100\r\n",
            no + "line 2 opens a quote that is never closed.\n");
    }

    void csvRefusal()
    {
        QFETCH(QString, table);
        QFETCH(QByteArray, csv);
        QFETCH(QString, err);
        const QString file = sampleFile();
        const QByteArray before = fileBytes(file);
        QVERIFY(writeWholeFile(path("bad.csv"), csv).isEmpty());
        const Run r = run({"csv", file, "--table", table, "--import", path("bad.csv")});
        QCOMPARE(r.err, err);
        QCOMPARE(r.code, 2);
        QCOMPARE(fileBytes(file), before);
    }

    void csvMenuOnTheTables()
    {
        const QString file = sampleFile();
        MainWindow window(m_prompts);
        m_prompts.fileNames.enqueue(file);
        window.loadConfig();
        auto action = [&window](const char *frame, const char *name) {
            return window.findChild<QGroupBox *>(QLatin1String(frame))
                ->findChild<QAction *>(QLatin1String(name));
        };

        // UART 1's table exported is what the command prints; imported into UART 2's table it
        // shows there, unlocked.
        m_prompts.fileNames.enqueue(path("grid"));
        action("uart1MasterFrame", "exportCsv")->trigger();
        QCOMPARE(QString::fromUtf8(fileBytes(path("grid.csv"))),
                 run({"csv", file, "--table", "uart1"}).out);
        m_prompts.fileNames.enqueue(path("grid.csv"));
        action("uart2MasterFrame", "importCsv")->trigger();
        QCOMPARE(window.windowConfig().uarts[1].requests, sample().uarts[0].requests);

        // A refused file changes nothing and says where.
        QVERIFY(writeWholeFile(path("bad.csv"),
                               "Num,Byte 0,Byte 1,Byte 2,Byte 3,Byte 4,Byte 5,"
                               "Byte 6,Byte 7,Dxxxx\r\n"
                               "1,28,FF,4B,12,03,00,00,A1,7998\r\n")
                    .isEmpty());
        m_prompts.fileNames.enqueue(path("bad.csv"));
        action("sensorFrame", "importCsv")->trigger();
        QCOMPARE(m_prompts.messages(),
                 QStringList{"The CSV file was not imported: line 2, column \"Dxxxx\" holds "
                             "\"7998\".\nYou configuration has error in master addresing data "
                             "Dxxxx. Row is 1"});
        QCOMPARE(window.windowConfig().sensors, sample().sensors);
    }

    void csvMenuOverALockedTable()
    {
        // A master whose table has no chosen row keeps it locked; the menu still opens over it.
        MainWindow window(m_prompts);
        window.uart(1).selectMode(int(UartMode::ModbusMaster));
        QWidget *table = window.findChild<QWidget *>(QStringLiteral("uart1RequestTable"));
        QVERIFY(!table->isEnabled());
        QStringList entries;
        QTimer::singleShot(0, this, [&entries] {
            if (QWidget *menu = QApplication::activePopupWidget()) {
                for (const QAction *a : menu->actions())
                    entries.append(a->text());
                menu->close();
            }
        });
        QWidget *viewport = static_cast<QAbstractScrollArea *>(table)->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                viewport->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(viewport, &click);
        QCOMPARE(entries, (QStringList{"Export CSV...", "Import CSV..."}));
    }

    void severalPortsDownload_data()
    {
        // faults (per port: 0 none, 1 silent, 2 refusing), ends (how each port's line ends, after
        // its label)
        testing::columns<QList<int>, int, QStringList>({"faults", "code", "ends"});
        row("four done", QList<int>{0, 0, 0, 0}, 0,
            QStringList{"done in", "done in", "done in", "done in"});
        row("one silent, one refusing", QList<int>{0, 1, 2, 0}, 1,
            QStringList{"done in", "Answer timeout from PLC after", "Wrong answer from PLC after",
                        "done in"});
    }

    void severalPortsDownload()
    {
        QFETCH(QList<int>, faults);
        QFETCH(int, code);
        QFETCH(QStringList, ends);
        const QString file = sampleFile();
        QCOMPARE(run({"download", file}).code, 0);  // one port, as always: what each must receive
        const QStringList single = wire(m_sim->plc.frames());
        m_sim->plc.clearLog();
        QVERIFY2(fourControllers(), qPrintable(m_sim->error()));
        for (int n = 1; n <= 4; ++n) {
            if (faults.at(n - 1) > 0)
                m_sim->controller(n).failWrite(
                    1, faults.at(n - 1) == 1 ? VirtualPlc::Fault::Silence : VirtualPlc::Fault::Nak);
        }
        const Run r = run(QStringList{"download", file} + kFourPorts);
        QCOMPARE(r.code, code);
        for (int n = 1; n <= 4; ++n) {
            const QString end = label(n) + ": " + ends.at(n - 1);
            QVERIFY2(r.out.contains("\n" + end) || r.out.startsWith(end), qPrintable(r.out));
            if (faults.at(n - 1) == 0) {
                QCOMPARE(wire(m_sim->controller(n).frames()), single);
            } else {  // its message on standard error, named; the service word went out alone
                QVERIFY(r.err.contains(label(n) + ": " + ends.at(n - 1).section(" after", 0, 0)));
                QCOMPARE(m_sim->controller(n).frames().size(), 1);
            }
        }
        // The summary table: a heading and a row per port.
        QVERIFY(r.out.contains(QRegularExpression("\\nPort +\\| Outcome +\\| Exit \\| Time\\n")));
        QCOMPARE(r.out.count(QRegularExpression("\\| \\d +\\| \\d+\\.\\d s")), 4);
    }

    void severalPortsUploadOneFileEach()
    {
        QVERIFY2(fourControllers(), qPrintable(m_sim->error()));
        QCOMPARE(run(QStringList{"download", sampleFile()} + kFourPorts).code, 0);

        // Without {port} in the name: refused before anything is read.
        for (int n = 1; n <= 4; ++n)
            m_sim->controller(n).clearLog();
        const Run refused = run(QStringList{"upload", path("cell.vqc")} + kFourPorts);
        QCOMPARE(refused.code, 2);
        QVERIFY(
            refused.err.startsWith("upload to several ports writes a file per port: put {port}"));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(m_sim->controller(n).frames().size(), 0);

        QCOMPARE(run({"upload", path("single.vqc")}).code, 0);
        const Run r = run(QStringList{"upload", path("cell-{port}.vqc")} + kFourPorts);
        QCOMPARE(r.code, 0);
        for (int n = 1; n <= 4; ++n) {
            const QString cell = path(QStringLiteral("cell-COM%1.vqc").arg(n));
            QVERIFY(r.out.contains("  saved " + cell));
            QCOMPARE(fileBytes(cell), fileBytes(path("single.vqc")));
        }
    }

    void verify_data()
    {
        // changed: COM2 holds UART 1 row 3 with another timeout
        testing::columns<bool, int, QString>({"changed", "code", "com2"});
        row("equal", false, 0, "equal in");
        row("one cell changed", true, 1, "1 difference in");
    }

    void verify()
    {
        QFETCH(bool, changed);
        QFETCH(int, code);
        QFETCH(QString, com2);
        QVERIFY2(fourControllers(), qPrintable(m_sim->error()));
        const QString file = sampleFile();
        QCOMPARE(run(QStringList{"download", file, "--ports", "COM1,COM2"}).code, 0);
        if (changed) {
            WindowConfig c = sample();
            c.uarts[0].requests[2][5] = "250";
            QCOMPARE(run({"download", writeConfig(path("changed.vqc"), c), "--port", "COM2"}).code,
                     0);
        }
        const Run r = run(QStringList{"verify", file, "--port", "COM1", "--port", "COM2"});
        QCOMPARE(r.code, code);
        const QString com1 = label(1) + ": equal in";
        QVERIFY2(r.out.startsWith(com1) || r.out.contains("\n" + com1), qPrintable(r.out));
        QVERIFY(r.out.contains(label(2) + ": " + com2));
        QCOMPARE(r.out.contains("  uart1 row 3 Timeout,[ms]: file 100, controller 250\n"), changed);

        // One port alone: the differences as they are.
        const Run alone = run({"verify", file, "--port", "COM2"});
        QCOMPARE(alone.out,
                 changed ? "uart1 row 3 Timeout,[ms]: file 100, controller 250\n" : "equal\n");
        QCOMPARE(alone.code, code);
    }

    void ctrlCStopsEveryPortAndNamesThePartialOnes()
    {
        QVERIFY2(fourControllers(), qPrintable(m_sim->error()));
        for (int n = 1; n <= 2; ++n)
            m_sim->controller(n).setAnswerDelay(100);  // the download takes well over a second
        QProcess process;
        process.start(QStringLiteral(PLC_CONFIG), {"download", sampleFile(), "--ports", "COM1,COM2",
                                                   "--settings", m_sim->settingsFile()});
        QVERIFY(process.waitForStarted());
        // Both are past their first writes, however slowly the program started.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_sim->controller(1).frames().size() >= 3 && m_sim->controller(2).frames().size() >= 3,
            10000);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 130);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.endsWith("Stopped by Ctrl-C; left with a partial download: " + label(1) +
                              ", " + label(2) + ".\n"),
                 qPrintable(err));
        const int sent = int(m_sim->controller(1).frames().size());
        QVERIFY(sent > 1 && sent < 14);
    }

    void jsonHasAnObjectPerPort()
    {
        const Run r = run({"test", "--json", "--ports", "COM1,/nonexistent/tty"});
        QCOMPARE(r.code, 3);  // the worst of 0 and 3
        const QJsonArray ports = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QCOMPARE(ports.size(), 2);
        const QJsonObject done = ports.at(0).toObject();
        QCOMPARE(done.value("port").toString(), "COM1");
        QCOMPARE(done.value("outcome").toString(), "done");
        QCOMPARE(done.value("result").toObject().value("cpuType").toString(), "291");
        QVERIFY(done.value("seconds").toDouble() >= 0);
        const QJsonObject lost = ports.at(1).toObject();
        QCOMPARE(lost.value("port").toString(), "tty");
        QCOMPARE(lost.value("outcome").toString(), "port not opened");
        QCOMPARE(lost.value("exitCode").toInt(), 3);
    }

    void historyHoldsWhatEachControllerReceived()
    {
        QTemporaryDir data;  // the history of this case alone
        const QByteArray userData = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", userData); });
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QVERIFY2(m_sim->addControllers(1), qPrintable(m_sim->error()));
        QCOMPARE(run({"download", sampleFile(), "--ports", "COM1,COM2"}).code, 0);
        const Run r = run({"history", "--json", "--since", "2025-03-01"});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QStringList ports;
        for (const QString &line : lines) {
            const QJsonObject e = QJsonDocument::fromJson(line.toUtf8()).object();
            ports.append(e.value("port").toString());
            QByteArray written;  // the data of every write frame the controller received
            for (const auto &frame : m_sim->controller(ports.last().mid(3).toInt()).frames()) {
                if (frame.command.startsWith("E1"))
                    written += QByteArray::fromHex(frame.data.toLatin1());
            }
            QCOMPARE(e.value("sha256").toString(),
                     QCryptographicHash::hash(written, QCryptographicHash::Sha256).toHex());
            QCOMPARE(e.value("outcome").toString(), "done");
            QCOMPARE(e.value("file").toString(), sampleFile());
        }
        ports.sort();
        QCOMPARE(ports, (QStringList{"COM1", "COM2"}));
        QCOMPARE(run({"history", "--since", "2999-01-01T00:00"}).out, "");
        QCOMPARE(run({"history", "--since", "yesterday"}).code, 2);
    }

    void projectThroughTheController()
    {
        QCOMPARE(run({"download", writeConfig(path("p.vqc"), sampleProject().config)}).code, 0);
        const QStringList ports = wire(m_sim->plc.frames());
        m_sim->plc.clearLog();
        const Run down = run({"download", projectFile("p.plcproj", sampleProject())});
        QCOMPARE(down.out, "uart1: written\nuart2: written\nonewire: written\niomap: written\n");
        QCOMPARE(down.code, 0);
        const QStringList frames = wire(m_sim->plc.frames());
        QCOMPARE(frames.mid(0, ports.size()), ports);  // the ports as from a configuration file
        QCOMPARE(
            frames.mid(ports.size()),
            (QStringList{"E11 3000 02 0FFF", "E11 2000 08 0200000001000000", "E11 3000 02 0000"}));

        // Read back as a project it holds the I/O map; a project with another names the point.
        QCOMPARE(run({"upload", path("up.plcproj")}).code, 0);
        QVERIFY(readAnyConfigFile(path("up.plcproj")).ioMap.pointTypes ==
                sampleProject().ioMap.pointTypes);
        Project changed = sampleProject();
        applyChoice(changed.ioMap, 1, IoChoice::NotUse);
        const Run verify = run({"verify", projectFile("changed.plcproj", changed)});
        QCOMPARE(verify.out, "iomap point 1 Function: file Not use, controller Input -X\n");
        QCOMPARE(verify.code, 1);
    }

    void uploadOntoANamedProjectKeepsEveryName()
    {
        Project named = sampleProject();
        for (int i = 0; i < named.config.uarts[0].requests.size(); ++i)
            named.config.uarts[0].requests[i].append(QStringLiteral("Pump %1").arg(i + 1));
        named.config.sensors[0].append(QStringLiteral("Boiler"));
        named.config.sensors[1].append(QStringLiteral("Return pipe"));
        const QString file = projectFile("named.plcproj", named);
        QCOMPARE(run({"download", file}).code, 0);
        const Run up = run({"upload", file});
        QCOMPARE(up.code, 0);
        QVERIFY2(up.err.endsWith(file + ": 11 names kept, 0 rows new\n"), qPrintable(up.err));
        // The tables as they were, every name in its row.
        const Project read = readAnyConfigFile(file);
        QCOMPARE(read.config.uarts[0].requests, named.config.uarts[0].requests);
        QCOMPARE(read.config.sensors, named.config.sensors);
    }

    void reportPdfHoldsEveryRequestAndTheIoMap()
    {
        Project named = sampleProject();
        for (int i = 0; i < named.config.uarts[0].requests.size(); ++i)
            named.config.uarts[0].requests[i].append(QStringLiteral("Pump %1").arg(i + 1));
        const Run r = run({"report", projectFile("x.plcproj", named), "--out", path("r.pdf")});
        QCOMPARE(r.out, "saved " + path("r.pdf") + "\n");
        QCOMPARE(r.code, 0);
        QVERIFY(fileBytes(path("r.pdf")).startsWith("%PDF-"));
        QProcess pdfText;
        pdfText.start("pdftotext", {"-layout", path("r.pdf"), "-"});
        if (!pdfText.waitForFinished(30000))
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/test installs it");
        const QString text = QString::fromUtf8(pdfText.readAllStandardOutput());
        QStringList rows;  // each a line of cells apart
        for (int i = 0; i < named.config.uarts[0].requests.size(); ++i)
            rows.append(QString::number(i + 1) + ' ' +
                        named.config.uarts[0].requests.at(i).join(' '));
        for (int point = 0; point < kIoPoints; ++point)
            rows.append(QStringLiteral("IO %1 %2 %3")
                            .arg(point)
                            .arg(named.ioMap.function[point], named.ioMap.name[point])
                            .trimmed());
        for (const QString &cells : rows) {
            QString pattern = QRegularExpression::escape(cells).replace("\\ ", "\\s+");
            QVERIFY2(text.contains(QRegularExpression("\\n *" + pattern + " *\\n")),
                     qPrintable(cells + "\n---\n" + text));
        }
    }

    void diff_data()
    {
        // Files by name in the fixture's folder; the controller holds a.plcproj. PORT stands for
        // COM1's label, DIR/ for the folder.
        testing::columns<QString, int, QString, QString>({"arguments", "code", "out", "err"});
        const QString timeout = "uart1 row 3 Timeout,[ms]: %1 100, %2 250\n";
        const QString read = "uart1: 1/2\nuart1: 2/2\nonewire: 1/1\n";
        row("equal, project and configuration file", "a.plcproj a.vqc", 0, "equal\n", "");
        row("one cell", "a.plcproj b.plcproj", 1, timeout.arg("a.plcproj", "b.plcproj"), "");
        row("controller first", "--port COM1 b.plcproj", 1, timeout.arg("PORT", "b.plcproj"), read);
        row("controller holds the I/O map", "a.plcproj --port COM1", 0, "equal\n", read);
        row("JSON", "a.plcproj b.plcproj --json", 1,
            R"({"differences":[{"column":"Timeout,[ms]","left":"100","part":"uart1",)"
            R"("right":"250","row":3}],"left":"a.plcproj","right":"b.plcproj"})",
            "");
        row("newer schema", "v2.plcproj a.plcproj", 2, "",
            "DIR/v2.plcproj is refused: The project file cannot be read: it has schema version "
            "2; this program reads up to 1.\n");
        row("port cannot be opened", "a.plcproj --port /nonexistent/tty", 3, "",
            "Cannot open /nonexistent/tty: No such file or directory\n");
    }

    void diff()
    {
        QFETCH(QString, arguments);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QString a = projectFile("a.plcproj", sampleProject());
        Project b = sampleProject();
        b.config.uarts[0].requests[2][5] = "250";
        projectFile("b.plcproj", b);
        writeConfig(path("a.vqc"), sampleProject().config);
        QVERIFY(writeWholeFile(path("v2.plcproj"),
                               fileBytes(a).replace("\"schemaVersion\": 1", "\"schemaVersion\": 2"))
                    .isEmpty());
        QCOMPARE(run({"download", a}).code, 0);
        QStringList given = ("diff " + arguments).split(' ');
        for (QString &argument : given) {
            if (argument.contains('.'))
                argument = path(argument);
        }
        Run r = run(given);
        if (given.contains("--json"))
            r.out = QJsonDocument::fromJson(r.out.toUtf8()).toJson(QJsonDocument::Compact);
        QCOMPARE(r.err, QString(err).replace("DIR/", m_dir->path() + "/"));
        QCOMPARE(r.out, QString(out).replace("PORT", label(1)));
        QCOMPARE(r.code, code);
    }

    void convertRoundTripAndWhatIsLost()
    {
        const QString binary = sampleFile();
        QCOMPARE(run({"convert", binary, path("p.plcproj")}).code, 0);
        const Run back = run({"convert", path("p.plcproj"), path("back.vqc")});
        QCOMPARE(back.err, QString());
        QCOMPARE(back.code, 0);
        QCOMPARE(fileBytes(path("back.vqc")).size(), 15046);
        QCOMPARE(fileBytes(path("back.vqc")), fileBytes(binary));

        const Run lost =
            run({"convert", projectFile("io.plcproj", sampleProject()), path("io.vqc")});
        QCOMPARE(lost.err, "I/O map not written: the configuration file has no place for it\n");
        QCOMPARE(lost.code, 0);
    }

    void csvOnAProjectChangesOneLine()
    {
        const QString file = projectFile("p.plcproj", sampleProject());
        const QByteArray before = fileBytes(file);
        QString csv = run({"csv", file, "--table", "uart1"}).out;
        csv.replace("3,3,10,30,130,2,100", "3,3,10,30,130,2,250");
        QVERIFY(writeWholeFile(path("t.csv"), csv.toUtf8()).isEmpty());
        QCOMPARE(run({"csv", file, "--table", "uart1", "--import", path("t.csv")}).code, 0);
        const QList<QByteArray> old = before.split('\n');
        const QList<QByteArray> now = fileBytes(file).split('\n');
        QCOMPARE(now.size(), old.size());
        int changed = 0;
        for (int i = 0; i < old.size(); ++i)
            changed += old.at(i) != now.at(i) ? 1 : 0;
        QCOMPARE(changed, 1);
    }

    void search_data()
    {
        // The bus holds two new devices and the project's sensor 1 ("boiler"); its sensor 2
        // ("tank") is missing. FILE stands for the project.
        testing::columns<QString, int, QString>({"arguments", "code", "out"});
        row("no file", "search", 0, "2801020304050607\n28FF4B12030000A1\n28AABBCCDDEEFF00\n");
        row("project", "search FILE", 0,
            "2801020304050607 | new\n28FF4B12030000A1 | row 1 (boiler)\n"
            "28AABBCCDDEEFF00 | new\n0A0B0C0D0E0F1011 | not found: row 2 (tank)\n");
        row("JSON", "search --json FILE", 0,
            R"({"devices":[{"name":"","rom":"2801020304050607","row":null},)"
            R"({"name":"boiler","rom":"28FF4B12030000A1","row":1},)"
            R"({"name":"","rom":"28AABBCCDDEEFF00","row":null}],)"
            R"("notFound":[{"name":"tank","rom":"0A0B0C0D0E0F1011","row":2}]})");
        row("port cannot be opened", "search FILE --port /nonexistent/tty", 3, "");
    }

    void search()
    {
        QFETCH(QString, arguments);
        QFETCH(int, code);
        QFETCH(QString, out);
        Project named = sampleProject();
        named.config.sensors[0].append("boiler");
        named.config.sensors[1].append("tank");
        const QString file = projectFile("named.plcproj", named);
        m_sim->plc.setOneWireDevices({QByteArray::fromHex("2801020304050607"),
                                      QByteArray::fromHex("28FF4B12030000A1"),
                                      QByteArray::fromHex("28AABBCCDDEEFF00")});
        Run r = run(arguments.replace("FILE", file).split(' '));
        if (arguments.contains("--json"))
            r.out = QJsonDocument::fromJson(r.out.toUtf8()).toJson(QJsonDocument::Compact);
        QCOMPARE(r.out, out);
        QCOMPARE(r.code, code);
    }

private:
    // Four controllers, COM1 to COM4; the label of COMn as the lines name it.
    bool fourControllers() const { return m_sim->addControllers(3); }
    QString label(int n) const
    {
        return QStringLiteral("COM%1 (%2)").arg(n).arg(m_sim->controller(n).devicePath());
    }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString sampleFile() const { return writeConfig(path("sample.vqc"), sample()); }
    QString projectFile(const QString &name, const Project &project) const
    {
        writeAnyConfigFile(path(name), project);
        return path(name);
    }

    // Runs plc-config with the fixture's settings file and no display.
    Run run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PLC_CONFIG),
                      arguments + QStringList{"--settings", m_sim->settingsFile()});
        Run result;
        if (!process.waitForFinished(60000))
            return result;
        result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    std::unique_ptr<SimFixture> m_sim;
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompts m_prompts;
};

QTEST_MAIN(TestCommandLine)

#include "tst_command_line.moc"
