#include "command_line.h"
#include "config_file.h"
#include "config_record.h"
#include "grid_view.h"
#include "ini_file.h"
#include "main_window.h"
#include "one_wire_tab.h"
#include "recent_files.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"
#include "test_helpers.h"
#include "uart_tab.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QtTest>
#include <memory>

using namespace plc;

namespace {

using testing::fileBytes;
using testing::row;
using testing::writeBytes;

WindowConfig sample()
{
    WindowConfig c;
    c.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, QStringLiteral("17"),
                           QStringLiteral("250")};
    c.uarts[0].bits = 1;
    c.uarts[0].stop = 2;
    c.uarts[0].requests = {{"1", "10", "0", "100", "1", "100"},
                           {"247", "125", "-1", "-32768", "4", "4095"}};
    c.uarts[1].settings = {UartMode::ModbusSlave, 7, 0, QStringLiteral("2"), QStringLiteral("2")};
    c.uarts[1].requests = {{"3", "5", "10", "110", "2", "200"}};
    c.auxMode = 0;
    c.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"},
                 {"0A", "0B", "0C", "0D", "0E", "0F", "10", "11", "-2"}};
    return c;
}

QByteArray recordOf(const WindowConfig &c)
{
    ConfigRecord r;
    r.gather(c);
    return r.bytes();
}

}  // namespace

// The configuration record, byte for byte, and "Save config" / "Load config" on the window.
class TestConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<SettingsDir>();
        m_prompts.clear();
    }

    void cleanup() { m_dir.reset(); }

    void layout_data()
    {
        testing::columns<int, QByteArray>({"offset", "bytes"});
        // Address, Function, Num word, then Address slave, Address master, Timeout low byte first.
        row("UART 1 entry 0", 0, QByteArray::fromHex("01010A000064006400"));
        row("UART 1 entry 1", 9, QByteArray::fromHex("F7047DFFFF0080FF0F"));
        row("UART 1 counts", 3741, QByteArray::fromHex("020000"));
        row("UART 1 settings", 3744, QByteArray::fromHex("110004020102"));
        row("UART 1 timeout 250.0", 3750, QByteArray::fromHex("00007A43"));
        row("UART 2 entry 0", 3754, QByteArray::fromHex("0302050A006E00C800"));
        row("UART 2 counts", 7495, QByteArray::fromHex("010000"));
        row("UART 2 settings, lists it has not are 0", 7498, QByteArray::fromHex("020107000000"));
        row("UART 2 timeout 2.0", 7504, QByteArray::fromHex("00000040"));
        row("sensor entry 0", 8669, QByteArray::fromHex("0028FF4B12030000A1DC05"));
        row("sensor entry 1", 8680, QByteArray::fromHex("000A0B0C0D0E0F1011FEFF"));
        row("auxiliary counts and mode", 11249, QByteArray::fromHex("0002000000000000000000"));
        row("unused fourth section", 11262, QByteArray(3754, '\0'));
        row("reserved texts and bytes", 15016, QByteArray(24, ' ') + QByteArray(6, '\0'));
    }

    void layout()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        const QByteArray record = recordOf(sample());
        QCOMPARE(record.size(), 15046);
        QCOMPARE(record.mid(offset, bytes.size()).toHex(), bytes.toHex());
    }

    void moreThan128RowsSave128()
    {
        WindowConfig c = sample();
        c.uarts[0].requests.clear();
        for (int i = 0; i < 129; ++i)
            c.uarts[0].requests.append({QString::number(i % 200), "1", "0", "0", "1", "1"});
        c.uarts[0].requests.last() = {"junk"};  // row 129 is not stored, so not checked
        const QByteArray record = recordOf(c);
        QCOMPARE(quint8(record.at(3741)), quint8(128));
        QCOMPARE(quint8(record.at(127 * 9)), quint8(127));
        QCOMPARE(record.mid(128 * 9, 9), QByteArray(9, '\0'));
    }

    void unstorableCellStopsTheSave_data()
    {
        testing::columns<int, QString, QString>({"what", "text", "message"});
        const QString head = QStringLiteral("The configuration cannot be saved: ");
        row("byte over 255", 0, "300",
            head +
                "the UART 1 request table, row 2, column \"Num word\" holds \"300\"; a whole "
                "number from 0 to 255 fits there.");
        row("word over 32767", 1, "40000",
            head +
                "the UART 2 request table, row 1, column \"Address slave\" holds \"40000\"; a "
                "whole number from -32768 to 32767 fits there.");
        row("ROM byte of one digit", 2, "4",
            head +
                "the 1-wire sensor table, row 1, column \"Byte 3\" holds \"4\"; a byte of two "
                "hexadecimal digits fits there.");
        row("address box not a number", 3, "abc",
            head +
                "the UART 1 box \"MB address\" holds \"abc\"; a whole number from 0 to 255 "
                "fits there.");
        row("timeout box not whole", 4, "1.5",
            head + "the UART 2 box \"Timeout,[msec]\" holds \"1.5\"; a whole number fits there.");
    }

    void unstorableCellStopsTheSave()
    {
        QFETCH(int, what);
        QFETCH(QString, text);
        QFETCH(QString, message);
        WindowConfig c = sample();
        QString *const cells[] = {&c.uarts[0].requests[1][1], &c.uarts[1].requests[0][2],
                                  &c.sensors[0][3], &c.uarts[0].settings.address,
                                  &c.uarts[1].settings.timeout};
        *cells[what] = text;
        const QString target = path(QStringLiteral("old.vqc"));
        QVERIFY(writeBytes(target, "old"));
        ConfigRecord record;
        m_prompts.fileNames.enqueue(target);
        QVERIFY(saveConfig(m_prompts, nullptr, record, c).isEmpty());
        QCOMPARE(m_prompts.messages(), QStringList{message});
        QCOMPARE(fileBytes(target), QByteArray("old"));
        QCOMPARE(record.bytes(), ConfigRecord().bytes());
    }

    void freshWindowSaves()
    {
        auto window = newWindow();
        m_prompts.fileNames.enqueue(path(QStringLiteral("fresh")));  // typed without extension
        window->saveConfig();
        QCOMPARE(m_prompts.messages(), QStringList());
        const auto &dialog = m_prompts.shown.at(0);
        QCOMPARE(dialog.title, QStringLiteral("Save PLC configuration"));
        QCOMPARE(dialog.filter, "Volquen technology PLC config (*.vqc *.rfp);;All file (*.*)");
        QCOMPARE(dialog.suffix, QStringLiteral("rfp"));
        const QByteArray bytes = fileBytes(path(QStringLiteral("fresh.rfp")));
        QCOMPARE(bytes.size(), 15046);
        for (int count : {3741, 7495, 11250})
            QCOMPARE(int(bytes.at(count)), 0);
        // Address 1, "Not use", 115200, None, 7 data bits, 1 stop bit.
        QCOMPARE(bytes.mid(3744, 6).toHex(), QByteArray("010204020000"));
    }

    void roundTripThroughTheWindow()
    {
        const QString file = path(QStringLiteral("both.vqc"));
        auto first = newWindow();
        first->applyWindowConfig(sample());
        m_prompts.fileNames.enqueue(file);
        first->saveConfig();
        QCOMPARE(fileBytes(file), recordOf(sample()));

        auto second = newWindow();
        second->uart(1).requests().setDataRows({{"9", "9", "9", "9", "9", "9"}, {}, {}});
        m_prompts.keepAnswers.enqueue(Prompts::Keep::Discard);  // the rows typed before the load
        for (int load = 0; load < 2; ++load) {
            m_prompts.fileNames.enqueue(file);
            second->loadConfig();
            QCOMPARE(recordOf(second->windowConfig()), recordOf(sample()));
            QCOMPARE(second->uart(1).requests().rows(), 4);
            QCOMPARE(second->oneWire().sensors().text(2, 1), QStringLiteral("0A"));
            QCOMPARE(second->oneWire().auxModeIndex(), 0);
            QCOMPARE(second->uart(2).modeIndex(), 1);
            QVERIFY(second->uart(1).requestView().isEnabled());
        }
        QCOMPARE(m_prompts.messages(), QStringList());
        QCOMPARE(m_prompts.shown.at(1).title, QStringLiteral("Load PLC configuration"));
    }

    void foreignFieldsSurviveLoadAndSave()
    {
        QByteArray foreign = recordOf(sample());
        foreign[3743] = char(0x5A);                                           // a reserved byte
        foreign.replace(2580, 9, QByteArray::fromHex("0102030405060708FF"));  // a reserved entry
        foreign.replace(2 * 9, 9, QByteArray(9, char(0x77)));        // UART 1 past its count
        foreign.replace(11262, 4, QByteArray::fromHex("DEADBEEF"));  // the unused fourth section
        foreign.replace(15040, 6, QByteArray::fromHex("010203040506"));
        const QString in = path(QStringLiteral("foreign.vqc"));
        const QString out = path(QStringLiteral("again.vqc"));
        QVERIFY(writeBytes(in, foreign + QByteArray("trailing bytes are not read")));
        auto window = newWindow();
        m_prompts.fileNames << in << out;
        window->loadConfig();
        window->saveConfig();
        QCOMPARE(m_prompts.messages(), QStringList());
        QCOMPARE(fileBytes(out).toHex(), foreign.toHex());
    }

    void refusedFileChangesNothing_data()
    {
        // offset: -1: the file is cut to 812 bytes
        testing::columns<int, int, QString>({"offset", "value", "message"});
        const QString head = QStringLiteral("This is not a configuration file the tool can load: ");
        row("short", -1, 0, "The file is 812 bytes long; a configuration file is 15046 bytes");
        row("UART 1 mode", 3745, 3, head + "the UART 1 port mode is 3, where 0 to 2 are known.");
        row("UART 2 speed", 7500, 8, head + "the UART 2 speed index is 8, where 0 to 7 are known.");
        row("UART 1 stop bits", 3749, 3,
            head + "the UART 1 stop-bit index is 3, where 0 to 2 are known.");
        row("UART 2 count", 7495, 129,
            head + "the UART 2 request count is 129, where 0 to 128 are known.");
        row("auxiliary mode", 11253, 255,
            head + "the auxiliary port mode is 255, where 0 to 2 are known.");
        row("timeout not whole", 3751, 0x80,
            head + "the UART 1 slave timeout is 250.5, not a whole number of milliseconds.");
        row("sensor count", 11250, 200,
            head + "the sensor count is 200, where 0 to 128 are known.");
    }

    void refusedFileChangesNothing()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, message);
        QByteArray bytes = recordOf(sample());
        if (offset < 0)
            bytes.truncate(812);
        else
            bytes[offset] = char(value);
        const QString file = path(QStringLiteral("bad.vqc"));
        QVERIFY(writeBytes(file, bytes));
        auto window = newWindow();
        const QByteArray before = recordOf(window->windowConfig());
        m_prompts.fileNames.enqueue(file);
        window->loadConfig();
        QCOMPARE(m_prompts.messages(), QStringList{message});
        QCOMPARE(recordOf(window->windowConfig()), before);
        QCOMPARE(window->configRecord().bytes(), ConfigRecord().bytes());
    }

    void cancelEndsQuietly()
    {
        auto window = newWindow();
        window->applyWindowConfig(sample());
        window->saveConfig();
        window->loadConfig();
        QCOMPARE(m_prompts.shown.size(), 2);  // the two dialogs, no message
        QCOMPARE(recordOf(window->windowConfig()), recordOf(sample()));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    }

    void startFolder_data()
    {
        // Folders below the test's own: "last", "program", "documents" exist, "gone" does not.
        // last: empty: none kept yet
        testing::columns<QString, QString, bool, QString>(
            {"last", "documents", "programWritable", "start"});
        const QString last = "last", program = "program", documents = "documents", gone = "gone";
        const QString home = "home";
        row("the last folder", last, documents, false, last);
        row("last folder gone, no documents: home", gone, gone, false, home);
        row("read-only program folder", program, program, false, home);
        row("writable program folder", program, documents, true, program);
    }

    void startFolder()
    {
        QFETCH(QString, last);
        QFETCH(QString, documents);
        QFETCH(bool, programWritable);
        QFETCH(QString, start);
        for (const char *name : {"last", "program", "documents", "home"})
            QVERIFY(QDir(m_dir->path()).mkdir(QLatin1String(name)));
        QCOMPARE(recentfiles::startFolder({last.isEmpty() ? QString() : path(last),
                                           path("program") + "/", programWritable, path(documents),
                                           path("home")}),
                 path(start));
    }

    void recentConfigurations_data()
    {
        // used ("s" saved or "l" loaded, and the file's number), lastGone (the last listed file is
        // deleted before it is chosen)
        testing::columns<QStringList, QList<int>, bool>({"used", "listed", "lastGone"});
        row("most recent first", QStringList{"s1", "s2", "l1"}, QList<int>{1, 2}, false);
        row("the last eight",
            QStringList{"s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "l2"},
            QList<int>{2, 9, 8, 7, 6, 5, 4, 3}, false);
        row("a file gone", QStringList{"s1", "s2"}, QList<int>{2, 1}, true);
    }

    void recentConfigurations()
    {
        QFETCH(QStringList, used);
        QFETCH(QList<int>, listed);
        QFETCH(bool, lastGone);
        QVERIFY(QDir(m_dir->path()).mkdir("sub"));
        const auto file = [this](int n) {
            return path(QStringLiteral("sub/%1.vqc").arg(n));
        };
        auto window = newWindow();
        for (const QString &use : used) {
            m_prompts.fileNames.enqueue(file(use.mid(1).toInt()));
            if (use.startsWith('s'))
                window->saveConfig();
            else
                window->loadConfig();
        }
        QStringList expected;
        for (int n : listed)
            expected.append(file(n));
        QCOMPARE(recentfiles::list(), expected);

        // A new window lists them, starts its dialogs in their folder and loads one when chosen.
        if (lastGone)
            QVERIFY(QFile::remove(expected.last()));
        m_prompts.clear();
        auto again = newWindow();
        again->loadConfig();
        QCOMPARE(m_prompts.shown.at(0).dir, path("sub"));
        auto *menu = again->findChild<QMenu *>("recentMenu");
        QCOMPARE(menu->actions().size(), listed.size());
        menu->actions().last()->trigger();
        const QString gone = QStringLiteral(
            "The configuration file %1 no longer exists. It has been "
            "taken off the recent configurations.");
        QCOMPARE(m_prompts.messages(),
                 lastGone ? QStringList{gone.arg(expected.last())} : QStringList());
        if (lastGone)
            QCOMPARE(recentfiles::list(), expected.mid(0, expected.size() - 1));  // taken off
        else
            QCOMPARE(recentfiles::list().at(0), expected.last());  // loaded, so first now
    }

    void namedFileLoadsAsLoadConfig_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // empty: no such file
        row("a good file", recordOf(sample()));
        row("a refused file", recordOf(sample()).left(812));
        row("no such file", QByteArray());
    }

    void namedFileLoadsAsLoadConfig()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path("named.VQC");
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(file, bytes));
        // As main() takes it: the window opens with the file, no command runs.
        QByteArray argument = file.toLocal8Bit();
        char *argv[] = {const_cast<char *>("plc-config"), argument.data()};
        QVERIFY(!isCommandLine(2, argv));
        QCOMPARE(windowFileArgument({"plc-config", file}), file);

        auto byDialog = newWindow();
        m_prompts.fileNames.enqueue(file);
        byDialog->loadConfig();
        const QStringList messages = m_prompts.messages();
        m_prompts.clear();
        auto named = newWindow();
        named->openConfigFile(file);
        QCOMPARE(m_prompts.messages(), messages);
        QCOMPARE(m_prompts.shown.size(), messages.size());  // no dialog
        QCOMPARE(recordOf(named->windowConfig()), recordOf(byDialog->windowConfig()));
        QCOMPARE(named->configRecord().bytes(), byDialog->configRecord().bytes());
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<MainWindow> newWindow() { return std::make_unique<MainWindow>(m_prompts); }

    std::unique_ptr<SettingsDir> m_dir;
    ScriptedPrompts m_prompts;
};

QTEST_MAIN(TestConfig)

#include "tst_config.moc"
