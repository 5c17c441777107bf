#include "port_settings_dialog.h"
#include "failure.h"
#include "general_setting_frame.h"
#include "grid_view.h"
#include "ini_file.h"
#include "one_wire_tab.h"
#include "progress_window.h"
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
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath(QStringLiteral("set.ini"));
        setSettingsFilePath(m_file);
        m_prompts.clear();
    }

    void cleanup()
    {
        m_main.reset();
        setSettingsFilePath(QString());
        m_dir.reset();
    }

    void startUpWithoutSettingsFile()
    {
        makeWindow();
        // Each list as "name=entries".
        for (const QString &list :
             QStringList{"Speed_set=" + kSpeeds, "Parity_set=Odd|Even|[None]",
                         "Bit_setting=[7]|8|9", "Stop_bit=[1]|1.5|2", "Speed_set2=" + kSpeeds,
                         "Parity_set2=Odd|Even|[None]", "Combo4=9600|19200|38400|57600|[115200]",
                         "Combo2=None|Odd|[Even]", "Combo3=7|[8]", "Combo5=1|[2]"})
            QCOMPARE(shownText(control(list.section('=', 0, 0))), list.section('=', 1));

        // All three ports "Not use": the option checked, the state stored, the frames hidden.
        for (const char *option : {"Option4_2", "Option5_2", "Option1_2"})
            QVERIFY2(control<QRadioButton>(option)->isChecked(), option);
        QCOMPARE(m_main->uart(1).modeIndex(), 2);
        QCOMPARE(m_main->uart(2).modeIndex(), 2);
        QCOMPARE(m_main->oneWire().auxModeIndex(), 2);
        for (const char *frame : {"Frame_slave", "Frame_master", "Frame_slave2", "Frame_master2",
                                  "USART3_setting", "Frame3"})
            QVERIFY2(control(frame)->isHidden(), frame);
        QVERIFY(!control("Frame1")->isHidden());
        QVERIFY(!control("Frame13")->isHidden());

        QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("1"));
        QCOMPARE(m_main->link().portNumber(), 1);
        QCOMPARE(m_main->link().lineSettings().text(), QStringLiteral("9600,N,7,1"));
        QVERIFY(!m_main->link().isOpen());
        QVERIFY(m_main->tableHookInstalled());
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(m_prompts.shown.isEmpty());
        QCOMPARE(control<QLabel>("portStatus")->text(), defaultPortStatus(1, "9600 N 7 1"));
    }

    void startUpTakesStoredSettings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("uart1Lists");  // parity, bit number, stop bit
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("lineSettings");

        // The stored parity is taken, then replaced by "None"; the speed is always 115200.
        QTest::newRow("stored defaults")
            << QByteArray(
                   "[COM_MB]\nSpeed=0\nParity=1\nBit_num=2\nStop_bit=1\n"
                   "[COM]\nPort_num=4\nSpeed=4\nBit_num=1\n")
            << "Odd|Even|[None] 7|8|[9] 1|[1.5]|2" << 5 << "115200,N,8,1";
        QTest::newRow("stored values no list has")
            << QByteArray("[COM_MB]\nBit_num=abc\nStop_bit=3\n[COM]\nPort_num=9\n")
            << "Odd|Even|[None] [7]|8|9 [1]|1.5|2" << 10 << "9600,N,7,1";
    }

    void startUpTakesStoredSettings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, uart1Lists);
        QFETCH(int, port);
        QFETCH(QString, lineSettings);
        writeFile(file);
        makeWindow();
        QCOMPARE(shownText(control("Parity_set")) + ' ' + shownText(control("Bit_setting")) + ' ' +
                     shownText(control("Stop_bit")),
                 uart1Lists);
        QCOMPARE(shownText(control("Speed_set")).section(QLatin1Char('|'), 4, 4), "[115200]");
        QCOMPARE(m_main->windowTitle(), kCaption + QString::number(port));
        QCOMPARE(m_main->link().portNumber(), port);
        QCOMPARE(m_main->link().lineSettings().text(), lineSettings);
        // UART 2's bit number and stop bit are not touched by the start-up.
        QCOMPARE(shownText(control("Combo10")), "[7]|8|9");
        QCOMPARE(shownText(control("Combo7")), "[1]|1.5|2");
    }

    void actionsTakeStoredSettingsAsDocumented_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("takes");  // the stored settings, read just before; else the link's
        const QList<std::pair<const char *, bool>> buttons = {
            {"Command19", true}, {"Command20", true}, {"Command24", false}, {"Command25", true},
            {"Command17", true}, {"Command18", true}, {"Command14", false}, {"Command13", true},
            {"Command4", true},  {"Command6", true},  {"Command5", true},   {"Command32", false},
            {"Command31", true}};
        for (const auto &[button, takes] : buttons)
            QTest::newRow(button) << QString::fromLatin1(button) << takes;
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
        QCOMPARE(w.window->link().lineSettings().text(),
                 takes ? QStringLiteral("38400,N,8,1") : QStringLiteral("9600,N,8,1"));
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
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](int tab, const QString &name, const QString &text) {
            QTest::addRow("%d %s", tab, qPrintable(name)) << tab << name << text;
        };
        // Each control as "name=text".
        const auto rows = [&row](int tab, const QStringList &controls) {
            for (const QString &c : controls)
                row(tab, c.section(QLatin1Char('='), 0, 0), c.section(QLatin1Char('='), 1));
        };
        rows(0, {"ioMapFrame=Input-output configuration", "Command12=New IO config",
                 "Command13=Upload from PLC", "Command14=Download to PLC",
                 "generalSettingFrame=General setting", "Command32=Restart PLC",
                 "Command31=Start update firmware for STM32F3"});

        // The two UART tabs: the same controls under their own names.
        const QStringList texts =
            QString(
                "Modbus master;Modbus slave;Not use;Modbus general setting;"
                "Modbus slave setting;<the UART's number>;2;Modbus master configuration;Add slave;"
                "Modify slave;Delete slave;Write to PLC;Upload from PLC;" +
                kSpeeds + ";[7]|8|9;[1]|1.5|2")
                .split(QLatin1Char(';'));
        const char *const uart[2] = {
            "Option4_0 Option4_1 Option4_2 Frame1 Frame_slave Text1 Text2 Frame_master Command1 "
            "Command2 Command3 Command19 Command20 Speed_set Bit_setting Stop_bit",
            "Option5_0 Option5_1 Option5_2 Frame13 Frame_slave2 Text16 Text5 Frame_master2 "
            "Command27 Command28 Command29 Command7 Command26 Speed_set2 Combo10 Combo7"};
        for (int tab = 1; tab <= 2; ++tab) {
            const QStringList names = QString(uart[tab - 1]).split(QLatin1Char(' '));
            for (int i = 0; i < texts.size(); ++i)
                row(tab, names.at(i), i == 5 ? QString::number(tab) : texts.at(i));
        }
        rows(2, {"Command24=Download", "Command25=Upload"});

        rows(3,
             {"auxPortFrame=Auxiliary port setting", "Option1_0=1-wire master",
              "Option1_1=Field Net", "Option1_2=Not use", "Command17=Write to PLC",
              "Command18=Upload from PLC", "USART3_setting=Field Net port setting",
              "Frame3=1-wire master configuration", "Command8=Add slave", "Command9=Modify slave",
              "Command11=Delete slave", "Command10=Search slave", "Command21=Delete all slave"});
        rows(4,
             {"Command4=Read modbus buffer 1", "Command6=Read modbus buffer 2",
              "MB_gridFrame=UART1 modbus error buffer", "MB_grid2Frame=UART2 modbus error buffer"});
        rows(5, {"W1_gridFrame=1-wire error slave buffer", "Command5=Read 1-wire buffer"});
        rows(6, {"converterFrame=Floating-point number to IEEE converter", "Command22=To IEEE",
                 "Command23=To float", "Text13=", "Text12=", "Text15=", "Text14="});
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
        // Each designer name is used once in the whole window.
        QCOMPARE(m_main->findChildren<QWidget *>(name).size(), 1);
    }

    void tableHeadings_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("centred");
        const QString requests = QStringLiteral(
            "Slot | Address | Num word | Address slave | Address master | Function | "
            "Timeout,[ms] ");
        const QString modbusErrors =
            QStringLiteral("Slot  |  Errors  type   |   Short descriptions of error    ");
        QTest::newRow("grid") << 1 << "grid" << requests << true;
        QTest::newRow("grid2") << 2 << "grid2" << requests << true;
        QTest::newRow("MSFlexGrid1") << 0 << "MSFlexGrid1"
                                     << "Address | Function | Prog.name " << false;
        QTest::newRow("MB_grid") << 4 << "MB_grid" << modbusErrors << true;
        QTest::newRow("MB_grid2") << 4 << "MB_grid2" << modbusErrors << true;
        QTest::newRow("W1_grid") << 5 << "W1_grid"
                                 << "Num |  Errors  type   |   Short descriptions of error "
                                 << true;
        QTest::newRow("Grid1") << 3 << "Grid1"
                               << "Num | Byte 0 | Byte 1 | Byte 2 | Byte 3 | Byte 4 | Byte 5 | "
                                  "Byte 6 | Byte 7 |  Dxxxx  "
                               << true;
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
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        // A "-" before an entry the user cannot choose, its shortcut after it; ";" between.
        QTest::addColumn<QString>("entries");
        QTest::newRow("File") << "File"
                              << "&File"
                              << "-New config;Load config Ctrl+O;Save config Ctrl+S;"
                                 "-Recent configurations;-Print;-Save app setting;Exit Ctrl+Q";
        QTest::newRow("PLC") << "PLC"
                             << "PLC"
                             << "Comm. setting;-Check config;Search 1-wire;Upload from PLC F5;"
                                "-Load to PLC;Traffic monitor;Verify after writing";
        QTest::newRow("About") << "About"
                               << "About"
                               << "";
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
        QCOMPARE(m->menuAction()->isEnabled(), menu != QLatin1String("About"));
        QStringList shown;
        for (QAction *action : m->actions()) {
            if (!action->isSeparator())
                shown.append(((action->isEnabled() ? QString() : QStringLiteral("-")) +
                              action->text() + QLatin1Char(' ') + action->shortcut().toString())
                                 .trimmed());
        }
        QCOMPARE(shown, entries.split(QLatin1Char(';'), Qt::SkipEmptyParts));
        QVERIFY(m_main->findChild<QAction *>(QStringLiteral("Search_1wire")));
    }

    void checkConfigIsNotImplemented()
    {
        makeWindow();
        auto *check = control<QAction>("Check_config");
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
        const std::tuple<const char *, const char *, int> lists[] = {{"Speed_set", "Speed", 6},
                                                                     {"Parity_set", "Parity", 1},
                                                                     {"Bit_setting", "Bit_num", 2},
                                                                     {"Stop_bit", "Stop_bit", 1}};
        for (const auto &[list, key, index] : lists)
            control<QComboBox>(list)->setCurrentIndex(index);
        auto *save = control<QAction>("Save_app_setting");
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
        answerComSetting(6, true);
        control<QAction>("Comm_setting")->trigger();
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
        answerComSetting(6, false);
        m_main->openComSetting();
        QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("1"));
        QVERIFY(!QFile::exists(m_file));
    }

    void exitKeepsTheWindowAndRemovesTheTableHook()
    {
        writeFile("[COM]\nPort_num=2\n");
        makeWindow();
        m_main->show();
        m_main->setGeometry(60, 40, 1100, 600);
        m_main->tabs().setCurrentIndex(4);
        // The tables whose columns the user sizes, each with two widths kept (the last column
        // takes the rest).
        int width = 50;
        for (const char *table : {"MB_grid", "MB_grid2", "MSFlexGrid1", "W1_grid"}) {
            control<GridView>(table)->setColumnWidth(0, width);
            control<GridView>(table)->setColumnWidth(1, 90 + width++);
        }
        control<QAction>("Verify_after_writing")->trigger();
        QVERIFY(m_main->transferContext().verifyWrites);
        QCOMPARE(fileBytes(), QByteArray("[COM]\nPort_num=2\n"));  // written at shut-down only

        control<QAction>("Exit")->trigger();
        QVERIFY(!m_main->isVisible());
        QVERIFY(!m_main->tableHookInstalled());
        QCOMPARE(fileBytes(),
                 QByteArray("[COM]\nPort_num=2\n\n[WINDOW]\nLeft=60\nTop=40\nWidth=1100\n"
                            "Height=600\nMaximized=0\nTab=4\nColumns_MB_grid=50,140\n"
                            "Columns_MB_grid2=51,141\nColumns_MSFlexGrid1=52,142\n"
                            "Columns_W1_grid=53,143\nVerify=1\n"));
    }

    void windowComesBackAsLeft_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QList<int>>("gridColumns");  // of MB_grid2; empty: as the start-up sizes
        QTest::addColumn<bool>("verify");
        QTest::newRow("where it was")
            << QByteArray(
                   "[WINDOW]\nLeft=60\nTop=40\nWidth=1100\nHeight=600\nTab=4\n"
                   "Columns_MB_grid2=51,141\nVerify=1\n")
            << QRect(60, 40, 1100, 600) << 4 << QList<int>{51, 141} << true;
        // The offscreen screen is 800 x 800: centred as far as the window fits.
        QTest::newRow("off every screen")
            << QByteArray(
                   "[WINDOW]\nLeft=4000\nTop=-3000\nWidth=1100\nHeight=600\nTab=9\n"
                   "Columns_MB_grid2=0,141\nVerify=0\n")
            << QRect(0, 100, 1100, 600) << 0 << QList<int>() << false;
    }

    void windowComesBackAsLeft()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRect, geometry);
        QFETCH(int, tab);
        QFETCH(QList<int>, gridColumns);
        QFETCH(bool, verify);
        const auto columns = [this] {
            const auto *grid = control<GridView>("MB_grid2");
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
        QCOMPARE(control<QAction>("Verify_after_writing")->isChecked(), verify);
        QCOMPARE(m_main->transferContext().verifyWrites, verify);
    }

    void statusLine_data()
    {
        QTest::addColumn<QString>("button");  // empty: the key F5 ("Upload from PLC" of the menu)
        QTest::addColumn<int>(
            "fault");  // -1 none, 0 the first write refused, 1 silence, 2 the third
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("status");  // a pattern where the duration varies
        QTest::newRow("download done")
            << "Command19" << -1 << true << "^UART 1 download: done in \\d+\\.\\d s$";
        QTest::newRow("download refused")
            << "Command19" << 0 << true
            << "UART 1 download: Wrong answer from PLC; nothing written";
        QTest::newRow("download stopped at its third write")
            << "Command19" << 2 << true
            << "UART 1 download stopped after 2 of 3 writes: the controller may hold a partial "
               "configuration; download again";
        QTest::newRow("download cancelled")
            << "Command7" << -1 << false << "UART 2 download: nothing sent";
        QTest::newRow("upload silent")
            << "Command18" << 1 << true << "1-wire upload: Answer timeout from PLC";
        QTest::newRow("F5, the last of three uploads")
            << QString() << -1 << true << "^1-wire upload: done in \\d+\\.\\d s$";
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

        if (button.isEmpty())
            QTest::keyClick(m_main.get(), Qt::Key_F5);
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
        QTest::addColumn<int>("portIndex");
        QTest::addColumn<int>("enq");          // the controller's answer to ENQ; 0 none
        QTest::addColumn<QString>("message");  // the documented box
        QTest::addColumn<QString>("status");   // %1: the port's name
        const QString noFirst = QStringLiteral(
            "No first answer from PLC. Check cable connection,port setting,and e.t.c.");
        QTest::newRow("missing port") << 4 << 6 << noFirst
                                      << "Cannot open %1: No such file or directory";
        QTest::newRow("silence") << 0 << 0 << noFirst << "%1: no answer to ENQ within 100 ms";
        QTest::newRow("NAK") << 0 << 0x15 << noFirst << "%1: the controller answered ENQ with NAK";
        QTest::newRow("connected") << 0 << 6 << "Successful connect to the CPU with type 291"
                                   << "done in 0.\\d s, CPU type 291";
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
        w.window->openComSetting();
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
        w.window->openComSetting();
        w.window->generalSetting().restartPlc();
        QCOMPARE(wire(w.sim.controller(2).frames()), QStringList{"E11 3011 02 12AD"});
        QVERIFY(w.sim.plc.frames().isEmpty());
    }

    void quitAsksOnlyForUnkeptEdits_data()
    {
        QTest::addColumn<QString>("before");  // "", "edit", "edit, save", "edit, download"
        QTest::addColumn<int>("answer");      // to the question, when it comes
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        using Keep = Prompts::Keep;
        QTest::newRow("no edit") << "" << int(Keep::Cancel) << false << true;
        QTest::newRow("edit, Cancel") << "edit" << int(Keep::Cancel) << true << false;
        QTest::newRow("edit, Discard") << "edit" << int(Keep::Discard) << true << true;
        QTest::newRow("edit, Save, file chosen") << "edit" << int(Keep::Save) << true << true;
        QTest::newRow("edit, save") << "edit, save" << int(Keep::Cancel) << false << true;
        QTest::newRow("edit, download") << "edit, download" << int(Keep::Cancel) << false << true;
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
            testing::child<QPushButton>(w.window.get(), "Command19")->click();
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
        QTest::addColumn<int>("uart");
        QTest::addColumn<int>("indexGrid");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("master");
        QTest::addColumn<bool>("slave");
        QTest::addColumn<bool>("tableEnabled");
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
        const QString option = uart == 1 ? "Option4_%1" : "Option5_%1";
        QTest::mouseClick(control(option.arg(mode)), Qt::LeftButton, {}, QPoint(5, 5));

        QCOMPARE(tab.modeIndex(), mode);
        QCOMPARE(control(uart == 1 ? "Frame_master" : "Frame_master2")->isVisible(), master);
        QCOMPARE(control(uart == 1 ? "Frame_slave" : "Frame_slave2")->isVisible(), slave);
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
        QVERIFY(!control("Frame_master2")->isHidden());
        QVERIFY(control("Frame_slave2")->isHidden());
    }

    void progressWindow()
    {
        makeWindow();
        ProgressWindow &progress = m_main->progress();
        QCOMPARE(progress.windowTitle(), QStringLiteral("Download/upload progress"));
        auto *bar = testing::child<QProgressBar>(&progress, "ProgressBar1");
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

private:
    template <class T = QWidget>
    T *control(const QString &name) const
    {
        return testing::child<T>(m_main.get(), name);
    }
    void makeWindow() { m_main = std::make_unique<MainWindow>(m_prompts); }
    void writeFile(const QByteArray &text) { QVERIFY(writeWholeFile(m_file, text).isEmpty()); }
    QByteArray fileBytes() const
    {
        QFile f(m_file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Answers the "COM-port setting" dialog once it is open: selects a port, then "OK" or the
    // close box.
    void answerComSetting(int portIndex, bool ok)
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

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
    ScriptedPrompts m_prompts;
    std::unique_ptr<MainWindow> m_main;
};

QTEST_MAIN(TestMain)

#include "tst_main.moc"
