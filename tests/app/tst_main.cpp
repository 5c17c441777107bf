#include "bus_search_dialog.h"
#include "exchange_feed.h"
#include "failure.h"
#include "general_setting_frame.h"
#include "grid_view.h"
#include "ini_file.h"
#include "one_wire_tab.h"
#include "port_settings_dialog.h"
#include "progress_window.h"
#include "project_compare.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "whole_file.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace plc;
using namespace plc::sim;

namespace {

using testing::row;

const QString kCaption =
    QStringLiteral("PLC Tavrix v 467 for  STM32F103C8T6 from firmware G029   //Active port - COM ");
const QString kSpeeds = QStringLiteral("9600|19200|38400|57600|[115200]|187500|256000|500000");

// What a control shows: a caption, a frame title, a box's text, or a list's entries joined
// by "|" with the selected one in brackets.
QString shownText(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w)) {
        QStringList entries;
        for (int i = 0; i < c->count(); ++i)
            entries.append(i == c->currentIndex()
                               ? QLatin1Char('[') + c->itemText(i) + QLatin1Char(']')
                               : c->itemText(i));
        return entries.join(QLatin1Char('|'));
    }
    return QStringLiteral("<%1>").arg(QLatin1String(w->metaObject()->className()));
}

// The port line of the status bar for COMn on its default device /dev/ttyS(n-1).
QString defaultPortStatus(int n, const QString &line)
{
    const QString device = QStringLiteral("/dev/ttyS%1").arg(n - 1);
    return QStringLiteral("COM%1 → %2%3, %4")
        .arg(n)
        .arg(device, QFile::exists(device) ? QString() : QStringLiteral(" (not present)"), line);
}

}  // namespace

// The main window: start-up state, tabs and their controls, menus, caption, shut-down, and the
// progress window.
class TestMain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<SettingsDir>();
        m_file = m_dir->file();
        m_prompts.clear();
    }

    void cleanup()
    {
        m_main.reset();
        m_dir.reset();
    }

    void startUpWithoutSettingsFile()
    {
        makeWindow();
        // Each list as "name=entries".
        for (const QString &list :
             QStringList{"uart1SpeedList=" + kSpeeds, "uart1ParityList=Odd|Even|[None]",
                         "uart1BitsList=[7]|8|9", "uart1StopList=[1]|1.5|2",
                         "uart2SpeedList=" + kSpeeds, "uart2ParityList=Odd|Even|[None]",
                         "fieldNetSpeedList=9600|19200|38400|57600|[115200]",
                         "fieldNetParityList=None|Odd|[Even]", "fieldNetBitsList=7|[8]",
                         "fieldNetStopList=1|[2]"})
            QCOMPARE(shownText(control(list.section('=', 0, 0))), list.section('=', 1));

        // All three ports "Not use": the option checked, the state stored, the frames hidden.
        for (const char *option : {"uart1ModeOption2", "uart2ModeOption2", "auxModeOption2"})
            QVERIFY2(control<QRadioButton>(option)->isChecked(), option);
        QCOMPARE(m_main->uart(1).modeIndex(), 2);
        QCOMPARE(m_main->uart(2).modeIndex(), 2);
        QCOMPARE(m_main->oneWire().auxModeIndex(), 2);
        for (const char *frame : {"uart1SlaveFrame", "uart1MasterFrame", "uart2SlaveFrame",
                                  "uart2MasterFrame", "fieldNetFrame", "sensorFrame"})
            QVERIFY2(control(frame)->isHidden(), frame);
        QVERIFY(!control("uart1GeneralFrame")->isHidden());
        QVERIFY(!control("uart2GeneralFrame")->isHidden());

        QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("1"));
        QCOMPARE(m_main->link().portNumber(), 1);
        QCOMPARE(m_main->link().lineSettings().text(), QStringLiteral("9600,N,7,1"));
        QVERIFY(!m_main->link().isOpen());
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(m_prompts.shown.isEmpty());
        QCOMPARE(control<QLabel>("portStatus")->text(), defaultPortStatus(1, "9600 N 7 1"));
    }

    void startUpTakesStoredSettings_data()
    {
        // uart1Lists: parity, bit number, stop bit
        testing::columns<QByteArray, QString, int, QString>(
            {"file", "uart1Lists", "port", "lineSettings"});

        // The stored parity is taken, then replaced by "None"; the speed is always 115200.
        row("stored defaults",
            QByteArray("[COM_MB]\nSpeed=0\nParity=1\nBit_num=2\nStop_bit=1\n"
                       "[COM]\nPort_num=4\nSpeed=4\nBit_num=1\n"),
            "Odd|Even|[None] 7|8|[9] 1|[1.5]|2", 5, "115200,N,8,1");
        row("stored values no list has",
            QByteArray("[COM_MB]\nBit_num=abc\nStop_bit=3\n[COM]\nPort_num=9\n"),
            "Odd|Even|[None] [7]|8|9 [1]|1.5|2", 10, "9600,N,7,1");
    }

    void startUpTakesStoredSettings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, uart1Lists);
        QFETCH(int, port);
        QFETCH(QString, lineSettings);
        writeFile(file);
        makeWindow();
        QCOMPARE(shownText(control("uart1ParityList")) + ' ' + shownText(control("uart1BitsList")) +
                     ' ' + shownText(control("uart1StopList")),
                 uart1Lists);
        QCOMPARE(shownText(control("uart1SpeedList")).section(QLatin1Char('|'), 4, 4), "[115200]");
        QCOMPARE(m_main->windowTitle(), kCaption + QString::number(port));
        QCOMPARE(m_main->link().portNumber(), port);
        QCOMPARE(m_main->link().lineSettings().text(), lineSettings);
        // UART 2's bit number and stop bit are not touched by the start-up.
        QCOMPARE(shownText(control("uart2BitsList")), "[7]|8|9");
        QCOMPARE(shownText(control("uart2StopList")), "[1]|1.5|2");
    }

    void actionsTakeStoredSettingsAsDocumented_data()
    {
        // takes: the stored settings, read just before; else the link's
        testing::columns<QString, bool>({"button", "takes"});
        const QList<std::pair<const char *, bool>> buttons = {
            {"uart1WriteButton", true},          {"uart1UploadButton", true},
            {"uart2SlaveDownloadButton", false}, {"uart2SlaveUploadButton", true},
            {"oneWireWriteButton", true},        {"oneWireUploadButton", true},
            {"ioDownloadButton", false},         {"ioUploadButton", true},
            {"readUart1BufferButton", true},     {"readUart2BufferButton", true},
            {"readOneWireBufferButton", true},   {"restartButton", false},
            {"updateFirmwareButton", true}};
        for (const auto &[button, takes] : buttons)
            row(button, QString::fromLatin1(button), takes);
    }

    void actionsTakeStoredSettingsAsDocumented()
    {
        QFETCH(QString, button);
        QFETCH(bool, takes);
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.prompts.confirmAnswers.enqueue(false);  // the question is answered "Cancel"
        w.sim.setCom(QStringLiteral("Speed"), QStringLiteral("2"));
        w.window->findChild<QPushButton *>(button)->click();
        QCOMPARE(w.window->link().lineSettings().text(), takes ? "38400,N,8,1" : "9600,N,8,1");
        QVERIFY(!w.window->link().isOpen());
    }

    void tabsInOrder()
    {
        makeWindow();
        QStringList captions;
        for (int i = 0; i < m_main->tabs().count(); ++i)
            captions.append(m_main->tabs().tabText(i));
        QCOMPARE(captions, (QStringList{"HW config", "UART 1", "UART 2", "1-wire", "Modbus diag",
                                        "1-wire diag", "Converter"}));
    }

    void controlsOnTheirTabs_data()
    {
        testing::columns<int, QString, QString>({"tab", "name", "text"});
        const auto row = [](int tab, const QString &name, const QString &text) {
            QTest::addRow("%d %s", tab, qPrintable(name)) << tab << name << text;
        };
        // Each control as "name=text".
        const auto rows = [&row](int tab, const QStringList &controls) {
            for (const QString &c : controls)
                row(tab, c.section(QLatin1Char('='), 0, 0), c.section(QLatin1Char('='), 1));
        };
        rows(0, {"ioMapFrame=Input-output configuration", "newIoConfigButton=New IO config",
                 "ioUploadButton=Upload from PLC", "ioDownloadButton=Download to PLC",
                 "generalSettingFrame=General setting", "restartButton=Restart PLC",
                 "updateFirmwareButton=Start update firmware for STM32F3"});

        // The two UART tabs: the same controls under their own names.
        const QStringList texts =
            QString(
                "Modbus master;Modbus slave;Not use;Modbus general setting;"
                "Modbus slave setting;<the UART's number>;2;Modbus master configuration;Add slave;"
                "Modify slave;Delete slave;Write to PLC;Upload from PLC;" +
                kSpeeds + ";[7]|8|9;[1]|1.5|2")
                .split(QLatin1Char(';'));
        const char *const uart[2] = {
            "uart1ModeOption0 uart1ModeOption1 uart1ModeOption2 uart1GeneralFrame uart1SlaveFrame "
            "uart1SlaveAddressBox uart1SlaveTimeoutBox uart1MasterFrame uart1AddRequestButton "
            "uart1ModifyRequestButton uart1DeleteRequestButton uart1WriteButton uart1UploadButton "
            "uart1SpeedList uart1BitsList uart1StopList",
            "uart2ModeOption0 uart2ModeOption1 uart2ModeOption2 uart2GeneralFrame uart2SlaveFrame "
            "uart2SlaveAddressBox uart2SlaveTimeoutBox uart2MasterFrame "
            "uart2AddRequestButton uart2ModifyRequestButton uart2DeleteRequestButton "
            "uart2WriteButton uart2UploadButton uart2SpeedList uart2BitsList uart2StopList"};
        for (int tab = 1; tab <= 2; ++tab) {
            const QStringList names = QString(uart[tab - 1]).split(QLatin1Char(' '));
            for (int i = 0; i < texts.size(); ++i)
                row(tab, names.at(i), i == 5 ? QString::number(tab) : texts.at(i));
        }
        rows(2, {"uart2SlaveDownloadButton=Download", "uart2SlaveUploadButton=Upload"});

        rows(3, {"auxPortFrame=Auxiliary port setting", "auxModeOption0=1-wire master",
                 "auxModeOption1=Field Net", "auxModeOption2=Not use",
                 "oneWireWriteButton=Write to PLC", "oneWireUploadButton=Upload from PLC",
                 "fieldNetFrame=Field Net port setting", "sensorFrame=1-wire master configuration",
                 "addSensorButton=Add slave", "modifySensorButton=Modify slave",
                 "deleteSensorButton=Delete slave", "searchSensorsButton=Search slave",
                 "deleteAllSensorsButton=Delete all slave"});
        rows(4, {"readUart1BufferButton=Read modbus buffer 1",
                 "readUart2BufferButton=Read modbus buffer 2",
                 "uart1ErrorTableFrame=UART1 modbus error buffer",
                 "uart2ErrorTableFrame=UART2 modbus error buffer"});
        rows(5, {"oneWireErrorTableFrame=1-wire error slave buffer",
                 "readOneWireBufferButton=Read 1-wire buffer"});
        rows(6, {"converterFrame=Floating-point number to IEEE converter", "toIeeeButton=To IEEE",
                 "toFloatButton=To float",
                 "floatInputBox=", "ieeeResultBox=", "ieeeInputBox=", "floatResultBox="});
    }

    void controlsOnTheirTabs()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, text);
        makeWindow();
        const auto found = m_main->tabs().widget(tab)->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(shownText(found.at(0)), text);
        // Each control name is used once in the whole window.
        QCOMPARE(m_main->findChildren<QWidget *>(name).size(), 1);
    }

    void tableHeadings_data()
    {
        testing::columns<int, QString, QString, bool>({"tab", "name", "line", "centred"});
        const QString requests = QStringLiteral(
            "Slot | Address | Num word | Address slave | Address master | Function | "
            "Timeout,[ms] | Name ");
        const QString modbusErrors = "Slot  |  Errors  type   |   Short descriptions of error    ";
        row("uart1RequestTable", 1, "uart1RequestTable", requests, true);
        row("uart2RequestTable", 2, "uart2RequestTable", requests, true);
        row("ioMapTable", 0, "ioMapTable", "Address | Function | Prog.name ", false);
        row("uart1ErrorTable", 4, "uart1ErrorTable", modbusErrors, true);
        row("uart2ErrorTable", 4, "uart2ErrorTable", modbusErrors, true);
        row("oneWireErrorTable", 5, "oneWireErrorTable",
            "Num |  Errors  type   |   Short descriptions of error ", true);
        row("sensorTable", 3, "sensorTable",
            "Num | Byte 0 | Byte 1 | Byte 2 | Byte 3 | Byte 4 | Byte 5 | "
            "Byte 6 | Byte 7 |  Dxxxx  | Name ",
            true);
    }

    void tableHeadings()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, line);
        QFETCH(bool, centred);
        makeWindow();
        auto *view = m_main->tabs().widget(tab)->findChild<GridView *>(name);
        QVERIFY(view);
        const QStringList headings = line.split(QLatin1Char('|'));
        QCOMPARE(view->gridModel().cols(), headings.size());
        for (int c = 0; c < headings.size(); ++c) {
            QCOMPARE(view->model()->headerData(c, Qt::Horizontal).toString(), headings.at(c));
            const auto align = view->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole);
            QCOMPARE(align.value<Qt::Alignment>() == Qt::AlignCenter, centred);
        }
        QVERIFY(!view->horizontalHeader()->isHidden());
        QVERIFY(view->verticalHeader()->isHidden());
    }

    void menus_data()
    {
        // A "-" before an entry the user cannot choose, its shortcut after it; ";" between.
        testing::columns<QString, QString, QString>({"menu", "title", "entries"});
        row("File", "fileMenu", "&File",
            "New config;Load config Ctrl+O;Save config;Open project...;Save project Ctrl+S;"
            "Save project as... Ctrl+Shift+S;Project note...;"
            "-Recent configurations;Print Ctrl+P;Export report as PDF...;-Save app setting;"
            "Exit Ctrl+Q");
        row("PLC", "plcMenu", "PLC",
            "Comm. setting;-Check config;Search 1-wire;Upload from PLC Shift+F5;"
            "Load to PLC F5;Compare with controller Ctrl+D;Compare with file...;Production...;"
            "Traffic monitor;History...;Verify after writing");
        row("About", "aboutMenu", "About", "Manual\tF1;About...");
    }

    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QString, entries);
        makeWindow();
        auto *m = m_main->menuBar()->findChild<QMenu *>(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), title);
        QVERIFY(m->menuAction()->isEnabled());
        QStringList shown;
        for (QAction *action : m->actions()) {
            if (!action->isSeparator())
                shown.append(((action->isEnabled() ? QString() : QStringLiteral("-")) +
                              action->text() + QLatin1Char(' ') + action->shortcut().toString())
                                 .trimmed());
        }
        QCOMPARE(shown, entries.split(QLatin1Char(';'), Qt::SkipEmptyParts));
        QVERIFY(m_main->findChild<QAction *>(QStringLiteral("searchOneWireAction")));
    }

    void checkConfigIsNotImplemented()
    {
        makeWindow();
        auto *check = control<QAction>("checkConfigAction");
        check->trigger();  // switched off: nothing happens
        QVERIFY(m_prompts.shown.isEmpty());
        check->setEnabled(true);
        check->trigger();
        QCOMPARE(m_prompts.messages(), QStringList{"Not implemented yet "});
    }

    void saveAppSettingStoresUart1Lists()
    {
        writeFile("[COM]\nPort_num=2\n");
        makeWindow();
        // Each list, the key it is stored under in [COM_MB] and the entry chosen.
        const std::tuple<const char *, const char *, int> lists[] = {
            {"uart1SpeedList", "Speed", 6},
            {"uart1ParityList", "Parity", 1},
            {"uart1BitsList", "Bit_num", 2},
            {"uart1StopList", "Stop_bit", 1}};
        for (const auto &[list, key, index] : lists)
            control<QComboBox>(list)->setCurrentIndex(index);
        auto *save = control<QAction>("saveAppSettingAction");
        save->setEnabled(true);
        save->trigger();

        for (const auto &[list, key, index] : lists)
            QCOMPARE(readIniValue(m_file, "COM_MB", key, QString()), QString::number(index));
        QCOMPARE(readIniValue(m_file, "COM", "Port_num", QString()), QStringLiteral("2"));
        QCOMPARE(m_prompts.messages(),
                 QStringList{"New default application setting was saved in *.ini file "
                             "successfully "});
    }

    void commSettingOkChangesTheCaptionAtOnce()
    {
        makeWindow();
        answerPortSettings(6, true);
        control<QAction>("commSettingAction")->trigger();
        QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("7"));
        QCOMPARE(control<QLabel>("portStatus")->text(), defaultPortStatus(7, "9600 N 7 1"));
        QCOMPARE(readIniValue(m_file, "COM", "Port_num", QString()), QStringLiteral("6"));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_main->findChildren<PortSettingsDialog *>().isEmpty());  // discarded when closed
        // The main window's own port follows at once.
        QCOMPARE(m_main->link().portNumber(), 7);
    }

    void commSettingCloseBoxKeepsTheCaption()
    {
        makeWindow();
        answerPortSettings(6, false);
        m_main->openPortSettings();
        QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("1"));
        QVERIFY(!QFile::exists(m_file));
    }

    void exitKeepsTheWindowState()
    {
        writeFile("[COM]\nPort_num=2\n");
        makeWindow();
        m_main->show();
        m_main->setGeometry(60, 40, 1100, 600);
        m_main->tabs().setCurrentIndex(4);
        // The tables whose columns the user sizes, each with two widths kept (the last column
        // takes the rest).
        int width = 50;
        for (const char *table :
             {"uart1ErrorTable", "uart2ErrorTable", "ioMapTable", "oneWireErrorTable"}) {
            control<GridView>(table)->setColumnWidth(0, width);
            control<GridView>(table)->setColumnWidth(1, 90 + width++);
        }
        control<QAction>("verifyAfterWritingAction")->trigger();
        QVERIFY(m_main->transferContext().verifyWrites);
        QCOMPARE(testing::fileBytes(m_file),
                 QByteArray("[COM]\nPort_num=2\n"));  // written at shut-down only

        control<QAction>("exitAction")->trigger();
        QVERIFY(!m_main->isVisible());
        QCOMPARE(testing::fileBytes(m_file),
                 QByteArray("[COM]\nPort_num=2\n\n[WINDOW]\nLeft=60\nTop=40\nWidth=1100\n"
                            "Height=600\nMaximized=0\nTab=4\nColumns_MB_grid=50,140\n"
                            "Columns_MB_grid2=51,141\nColumns_MSFlexGrid1=52,142\n"
                            "Columns_W1_grid=53,143\nVerify=1\n"));
    }

    void windowComesBackAsLeft_data()
    {
        // gridColumns: of UART 2's error table; empty: as the start-up sizes
        testing::columns<QByteArray, QRect, int, QList<int>, bool>(
            {"file", "geometry", "tab", "gridColumns", "verify"});
        row("where it was",
            QByteArray("[WINDOW]\nLeft=60\nTop=40\nWidth=1100\nHeight=600\nTab=4\n"
                       "Columns_MB_grid2=51,141\nVerify=1\n"),
            QRect(60, 40, 1100, 600), 4, QList<int>{51, 141}, true);
        // The offscreen screen is 800 x 800: centred as far as the window fits.
        row("off every screen",
            QByteArray("[WINDOW]\nLeft=4000\nTop=-3000\nWidth=1100\nHeight=600\nTab=9\n"
                       "Columns_MB_grid2=0,141\nVerify=0\n"),
            QRect(0, 100, 1100, 600), 0, QList<int>(), false);
    }

    void windowComesBackAsLeft()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRect, geometry);
        QFETCH(int, tab);
        QFETCH(QList<int>, gridColumns);
        QFETCH(bool, verify);
        const auto columns = [this] {
            const auto *grid = control<GridView>("uart2ErrorTable");
            return QList<int>{grid->columnWidth(0), grid->columnWidth(1)};
        };
        makeWindow();
        const QList<int> startUpColumns = columns();
        m_main.reset();

        writeFile(file);
        makeWindow();
        m_main->show();
        QCOMPARE(m_main->geometry(), geometry);
        QCOMPARE(m_main->tabs().currentIndex(), tab);
        QCOMPARE(columns(), gridColumns.isEmpty() ? startUpColumns : gridColumns);
        QCOMPARE(control<QAction>("verifyAfterWritingAction")->isChecked(), verify);
        QCOMPARE(m_main->transferContext().verifyWrites, verify);
    }

    void statusLine_data()
    {
        // button (or a menu's key), fault (-1 none, 0 the first
        // write refused, 1 silence, 2 the third), status (a pattern where the duration varies)
        testing::columns<QString, int, bool, QString>({"button", "fault", "confirmed", "status"});
        row("download done", "uart1WriteButton", -1, true,
            "^UART 1 download: done in \\d+\\.\\d s$");
        row("download refused", "uart1WriteButton", 0, true,
            "UART 1 download: Wrong answer from PLC; nothing written");
        row("download stopped at its third write", "uart1WriteButton", 2, true,
            "UART 1 download stopped after 2 of 3 writes: the controller may hold a partial "
            "configuration; download again");
        row("download cancelled", "uart2WriteButton", -1, false, "UART 2 download: nothing sent");
        row("upload silent", "oneWireUploadButton", 1, true,
            "1-wire upload: Answer timeout from PLC");
        row("Shift+F5, the last of three uploads", "Shift+F5", -1, true,
            "^1-wire upload: done in \\d+\\.\\d s$");
        row("F5, every part at once", "F5", -1, true, "^Load to PLC: done in \\d+\\.\\d s$");
    }

    void statusLine()
    {
        QFETCH(QString, button);
        QFETCH(int, fault);
        QFETCH(bool, confirmed);
        QFETCH(QString, status);
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        if (fault == 0 || fault == 2)
            sim.plc.failWrite(fault + 1, VirtualPlc::Fault::Nak);
        if (fault == 1)
            sim.plc.failAddress(QStringLiteral("200A"), VirtualPlc::Fault::Silence);
        m_prompts.confirmAnswers.enqueue(confirmed);
        makeWindow();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        auto *action = control<QLabel>("actionStatus");
        QCOMPARE(action->text(), QString());
        QCOMPARE(control<QLabel>("portStatus")->text(),
                 QStringLiteral("COM1 → %1, 9600 N 8 1").arg(sim.plc.devicePath()));

        if (button.endsWith("F5"))
            QTest::keySequence(m_main.get(), QKeySequence(button));
        else
            QTest::mouseClick(control(button), Qt::LeftButton);
        if (status.startsWith(QLatin1Char('^')))
            QVERIFY2(QRegularExpression(status).match(action->text()).hasMatch(),
                     qPrintable(action->text()));
        else
            QCOMPARE(action->text(), status);
        m_main.reset();  // before the controller goes
    }

    void testNamesTheRealCause_data()
    {
        // enq (the controller's answer to ENQ; 0 none), message (the documented box), status (%1:
        // the port's name)
        testing::columns<int, int, QString, QString>({"portIndex", "enq", "message", "status"});
        const QString noFirst = QStringLiteral(
            "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
        row("missing port", 4, 6, noFirst, "Cannot open %1: No such file or directory");
        row("silence", 0, 0, noFirst, "%1: no answer to ENQ within 100 ms");
        row("NAK", 0, 0x15, noFirst, "%1: the controller answered ENQ with NAK");
        row("connected", 0, 6, "Successful connect to the CPU with type 291",
            "done in 0.\\d s, CPU type 291");
    }

    void testNamesTheRealCause()
    {
        QFETCH(int, portIndex);
        QFETCH(int, enq);
        QFETCH(QString, message);
        QFETCH(QString, status);
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.sim.plc.setEnqAnswer(char(enq));
        writeIniValue(w.sim.settingsFile(), "PORTS", "COM5", "/nonexistent/tty5");
        w.onDialog<PortSettingsDialog>([portIndex](PortSettingsDialog &dialog) {
            testing::child<QComboBox>(&dialog, "portList")->setCurrentIndex(portIndex);
            dialog.testConnection();
            dialog.close();
        });
        w.window->openPortSettings();
        QCOMPARE(w.prompts.messages(), QStringList{message});
        const QString port = portIndex == 4
                                 ? QStringLiteral("COM5 (/nonexistent/tty5)")
                                 : QStringLiteral("COM1 (%1)").arg(w.sim.plc.devicePath());
        const QRegularExpression expected(QRegularExpression::anchoredPattern(
            QStringLiteral("Connection test: ") + status.arg(QRegularExpression::escape(port))));
        const QString shown = testing::child<QLabel>(w.window.get(), "actionStatus")->text();
        QVERIFY2(expected.match(shown).hasMatch(), qPrintable(shown));
    }

    void restartGoesToThePortJustChosen()
    {
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        QVERIFY2(w.sim.addControllers(1), qPrintable(w.sim.error()));
        w.onDialog<PortSettingsDialog>([](PortSettingsDialog &dialog) {
            testing::child<QComboBox>(&dialog, "portList")->setCurrentIndex(1);  // COM2
            dialog.storeAndClose();
        });
        w.window->openPortSettings();
        w.window->tabs().generalSetting().restartPlc();
        QCOMPARE(wire(w.sim.controller(2).frames()), QStringList{"E11 3011 02 12AD"});
        QVERIFY(w.sim.plc.frames().isEmpty());
    }

    void quitAsksOnlyForUnkeptEdits_data()
    {
        // before ("", "edit", "edit, save", "edit, download"), answer (to the question, when it
        // comes)
        testing::columns<QString, int, bool, bool>({"before", "answer", "asked", "closed"});
        using Keep = Prompts::Keep;
        row("no edit", "", int(Keep::Cancel), false, true);
        row("edit, Cancel", "edit", int(Keep::Cancel), true, false);
        row("edit, Discard", "edit", int(Keep::Discard), true, true);
        row("edit, Save, file chosen", "edit", int(Keep::Save), true, true);
        row("edit, save", "edit, save", int(Keep::Cancel), false, true);
        row("edit, download", "edit, download", int(Keep::Cancel), false, true);
    }

    void quitAsksOnlyForUnkeptEdits()
    {
        QFETCH(QString, before);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.window->show();
        auto *edits = testing::child<QLabel>(w.window.get(), "editStatus");
        QCOMPARE(edits->text(), QString());
        if (before.startsWith(QLatin1String("edit"))) {
            w.window->uart(1).setAddressText(QStringLiteral("17"));
            QTRY_COMPARE(edits->text(), QStringLiteral("Changes not saved or written"));
        }
        const QString file = w.sim.settingsFile() + QStringLiteral(".vqc");
        if (before.endsWith(QLatin1String("save"))) {
            w.prompts.fileNames.enqueue(file);
            QVERIFY(w.window->saveConfig());
        }
        if (before.endsWith(QLatin1String("download")))
            testing::child<QPushButton>(w.window.get(), "uart1WriteButton")->click();
        QTRY_COMPARE(edits->text().isEmpty(),
                     before.contains(QLatin1Char(',')) || before.isEmpty());
        w.prompts.clear();
        w.prompts.keepAnswers.enqueue(Prompts::Keep(answer));
        w.prompts.fileNames.enqueue(file);
        QCOMPARE(w.window->close(), closed);
        QCOMPARE(!w.prompts.shown.isEmpty() && w.prompts.shown.at(0).kind == "keep", asked);
        QCOMPARE(QFile::exists(file),
                 before.endsWith(QLatin1String("save")) || answer == int(Prompts::Keep::Save));
    }

    void uartModeChange_data()
    {
        testing::columns<int, int, int, bool, bool, bool>(
            {"uart", "indexGrid", "mode", "master", "slave", "tableEnabled"});
        for (int uart = 1; uart <= 2; ++uart) {
            // Master before any row is chosen locks the table until a request is stored.
            QTest::addRow("UART %d master, no row", uart)
                << uart << 0 << 0 << true << false << false;
            QTest::addRow("UART %d master, row 1", uart) << uart << 1 << 0 << true << false << true;
            QTest::addRow("UART %d slave", uart) << uart << 0 << 1 << false << true << true;
            QTest::addRow("UART %d not use", uart) << uart << 0 << 2 << false << false << true;
        }
    }

    void uartModeChange()
    {
        QFETCH(int, uart);
        QFETCH(int, indexGrid);
        QFETCH(int, mode);
        QFETCH(bool, master);
        QFETCH(bool, slave);
        QFETCH(bool, tableEnabled);
        makeWindow();
        m_main->show();
        UartTab &tab = m_main->uart(uart);
        tab.setCurrentRequestRow(indexGrid);
        m_main->tabs().setCurrentWidget(&tab);

        // A click on the option, as the user makes it.
        const QString option = uart == 1 ? "uart1ModeOption%1" : "uart2ModeOption%1";
        QTest::mouseClick(control(option.arg(mode)), Qt::LeftButton, {}, QPoint(5, 5));

        QCOMPARE(tab.modeIndex(), mode);
        QCOMPARE(control(uart == 1 ? "uart1MasterFrame" : "uart2MasterFrame")->isVisible(), master);
        QCOMPARE(control(uart == 1 ? "uart1SlaveFrame" : "uart2SlaveFrame")->isVisible(), slave);
        QCOMPARE(tab.requestView().isEnabled(), tableEnabled);
        QCOMPARE(m_main->uart(3 - uart).modeIndex(), 2);
    }

    void modeChangesKeepTableAndBoxes()
    {
        makeWindow();
        UartTab &tab = m_main->uart(2);
        tab.setCurrentRequestRow(1);
        tab.requests().setText(1, 1, QStringLiteral("17"));
        tab.requests().appendGridRow(QStringLiteral("2"));
        tab.setAddressText(QStringLiteral("33"));
        for (int mode : {0, 2, 1, 0})
            tab.selectMode(mode);
        QCOMPARE(tab.requests().rows(), 3);
        QCOMPARE(tab.requests().text(1, 1), QStringLiteral("17"));
        QCOMPARE(tab.addressText(), QStringLiteral("33"));
        QVERIFY(!control("uart2MasterFrame")->isHidden());
        QVERIFY(control("uart2SlaveFrame")->isHidden());
    }

    void progressWindow()
    {
        makeWindow();
        ProgressWindow &progress = m_main->progress();
        QCOMPARE(progress.windowTitle(), QStringLiteral("Download/upload progress"));
        auto *bar = testing::child<QProgressBar>(&progress, "progressBar");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QVERIFY(progress.isWindow());
        QVERIFY(!progress.isVisible());

        try {
            ProgressGuard guard(m_main->transferContext().progress);
            QVERIFY(progress.isVisible());
            QVERIFY(!progress.isModal());
            guard.setPercent(40);
            QCOMPARE(bar->value(), 40);
            guard.setPercent(140);
            QCOMPARE(bar->value(), 100);
            throw Failure(QStringLiteral("Answer timeout from PLC"));
        } catch (const Failure &) {
        }
        QVERIFY(!progress.isVisible());

        // The next transfer starts again from 0.
        progress.open();
        QCOMPARE(bar->value(), 0);
        progress.close();
    }

    void cancelStopsBeforeTheNextExchange_data()
    {
        // after: exchanges ended when the user cancels (Escape or the button); status: its start
        testing::columns<QString, int, bool, QString, QString>(
            {"trigger", "after", "escape", "sent", "status"});
        row("download of 128 requests", "uart1WriteButton", 5, false, "3000 2008 2502 2542 2582",
            "UART 1 download cancelled after 3 of 16 pieces: the controller may hold a partial");
        row("Load to PLC", "loadToPlcAction", 3, true, "3000 2008 2502",
            "Load to PLC cancelled after 1 of 16 pieces: the controller may hold a partial");
        row("Upload from PLC: no upload after UART 1's", "uploadFromPlcAction", 1, false,
            "2008 2502", "UART 1 upload: Cancelled by the user");
        row("compare", "compareWithControllerAction", 1, false, "2008 2502",
            "Compare with controller: Cancelled by the user");
        row("error buffer", "readUart2BufferButton", 1, false, "2006 3680",
            "UART 2 error buffer read: Cancelled by the user");
        row("bus search, in its wait", "searchOneWireAction", 2, true, "2000 3000",
            "1-wire bus search: Cancelled by the user");
    }

    void cancelStopsBeforeTheNextExchange()
    {
        QFETCH(QString, trigger);
        QFETCH(int, after);
        QFETCH(bool, escape);
        QFETCH(QString, sent);
        QFETCH(QString, status);
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.sim.plc.setAnswerDelay(20);
        w.sim.plc.pokeWord(0x2008, 0xC409);  // a master of nine requests: two pieces
        w.sim.plc.pokeWord(0x2006, 0xC446);  // seventy error records: two blocks
        Project p{{}, startUpWindowConfig(), {}, {}};
        p.config.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, QString(), QString()};
        p.config.uarts[0].requests.fill({"1", "10", "0", "100", "1", "100"}, 128);
        w.window->applyProject(p);
        auto *cancel = testing::child<QPushButton>(&w.window->progress(), "cancelButton");
        connect(&ExchangeFeed::instance(), &ExchangeFeed::finished, w.window.get(), [&] {
            if (--after == 0)
                QTimer::singleShot(0, w.window.get(), [&] {  // while the action waits
                    QVERIFY(cancel->isVisible() && cancel->isEnabled());
                    escape ? QTest::keyClick(cancel, Qt::Key_Escape) : cancel->click();
                });
        });
        if (trigger.startsWith("search"))
            w.onDialog<BusSearchDialog>([](BusSearchDialog &dialog) {
                testing::child<QPushButton>(&dialog, "startSearchButton")->click();
                dialog.reject();
            });
        const QDeadlineTimer deadline(3000);  // the bus search's wait too ends at once
        QMetaObject::invokeMethod(testing::child<QObject>(w.window.get(), trigger),
                                  trigger.endsWith("Action") ? "trigger" : "click");
        QVERIFY(!deadline.hasExpired());
        QStringList addresses;
        for (const auto &frame : w.sim.plc.frames())
            addresses.append(frame.address);
        QCOMPARE(addresses.join(' '), sent);
        QVERIFY(!cancel->isVisible() && !w.window->link().isOpen() && !w.window->link().isBusy());
        QVERIFY(testing::child<QLabel>(w.window.get(), "actionStatus")->text().startsWith(status));
        QVERIFY(w.prompts.messages().isEmpty());
        QCOMPARE(projectDifferences(p, w.window->project()), QList<Difference>());
    }

private:
    template <class T = QWidget>
    T *control(const QString &name) const
    {
        return testing::child<T>(m_main.get(), name);
    }
    void makeWindow() { m_main = std::make_unique<MainWindow>(m_prompts); }
    void writeFile(const QByteArray &text) { QVERIFY(writeWholeFile(m_file, text).isEmpty()); }
    // Answers the "COM-port setting" dialog once it is open: selects a port, then "OK" or the
    // close box.
    void answerPortSettings(int portIndex, bool ok)
    {
        QTimer::singleShot(0, m_main.get(), [portIndex, ok] {
            auto *dialog = qobject_cast<PortSettingsDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                qFatal("the COM-port setting dialog is not open");
            testing::child<QComboBox>(dialog, "portList")->setCurrentIndex(portIndex);
            if (ok)
                QTest::mouseClick(testing::child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
            else
                dialog->close();
        });
    }

    std::unique_ptr<SettingsDir> m_dir;
    QString m_file;
    ScriptedPrompts m_prompts;
    std::unique_ptr<MainWindow> m_main;
};

QTEST_MAIN(TestMain)

#include "tst_main.moc"
