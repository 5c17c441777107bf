#include "com_setting.h"
#include "failure.h"
#include "grid_view.h"
#include "ini_file.h"
#include "main_window.h"
#include "one_wire_tab.h"
#include "progress_window.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"
#include "uart_tab.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

const QString kCaption =
    QStringLiteral("PLC Tavrix v 467 for  STM32F103C8T6 from firmware G029   //Active port - COM ");

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

}  // namespace

// The main window: start-up state, tabs and their controls, menus, caption, shut-down, and the
// progress window.
class TestMain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startUpWithoutSettingsFile();
    void startUpTakesStoredSettings_data();
    void startUpTakesStoredSettings();
    void actionsTakeStoredSettingsAsDocumented_data();
    void actionsTakeStoredSettingsAsDocumented();
    void tabsInOrder();
    void controlsOnTheirTabs_data();
    void controlsOnTheirTabs();
    void tableHeadings_data();
    void tableHeadings();
    void menus_data();
    void menus();
    void checkConfigIsNotImplemented();
    void saveAppSettingStoresUart1Lists();
    void commSettingOkChangesTheCaptionAtOnce();
    void commSettingCloseBoxKeepsTheCaption();
    void exitKeepsTheWindowAndRemovesTheTableHook();
    void windowComesBackAsLeft_data();
    void windowComesBackAsLeft();
    void statusLine_data();
    void statusLine();
    void testNamesTheRealCause_data();
    void testNamesTheRealCause();
    void quitAsksOnlyForUnkeptEdits_data();
    void quitAsksOnlyForUnkeptEdits();
    void uartModeChange_data();
    void uartModeChange();
    void modeChangesKeepTableAndBoxes();
    void progressWindow();

private:
    QWidget *control(const QString &name) const;
    void writeFile(const QByteArray &text);
    void makeWindow();
    void answerComSetting(int portIndex, bool ok);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
    ScriptedPrompts m_prompts;
    std::unique_ptr<Main> m_main;
};

void TestMain::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath(QStringLiteral("set.ini"));
    setSettingsFilePath(m_file);
    m_prompts.clear();
}

void TestMain::cleanup()
{
    m_main.reset();
    setSettingsFilePath(QString());
    m_dir.reset();
}

void TestMain::writeFile(const QByteArray &text)
{
    QFile f(m_file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void TestMain::makeWindow()
{
    m_main = std::make_unique<Main>(m_prompts);
}

QWidget *TestMain::control(const QString &name) const
{
    auto *w = m_main->findChild<QWidget *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

void TestMain::startUpWithoutSettingsFile()
{
    makeWindow();
    QCOMPARE(shownText(control("Speed_set")),
             "9600|19200|38400|57600|[115200]|187500|256000|500000");
    QCOMPARE(shownText(control("Parity_set")), "Odd|Even|[None]");
    QCOMPARE(shownText(control("Bit_setting")), "[7]|8|9");
    QCOMPARE(shownText(control("Stop_bit")), "[1]|1.5|2");
    QCOMPARE(shownText(control("Speed_set2")),
             "9600|19200|38400|57600|[115200]|187500|256000|500000");
    QCOMPARE(shownText(control("Parity_set2")), "Odd|Even|[None]");
    QCOMPARE(shownText(control("Combo4")), "9600|19200|38400|57600|[115200]");
    QCOMPARE(shownText(control("Combo2")), "None|Odd|[Even]");
    QCOMPARE(shownText(control("Combo3")), "7|[8]");
    QCOMPARE(shownText(control("Combo5")), "1|[2]");

    // All three ports "Not use": the option checked, the state stored, the frames hidden.
    for (const char *option : {"Option4_2", "Option5_2", "Option1_2"})
        QVERIFY2(qobject_cast<QRadioButton *>(control(option))->isChecked(), option);
    QCOMPARE(m_main->uart(1).option_hw(), 2);
    QCOMPARE(m_main->uart(2).option_hw(), 2);
    QCOMPARE(m_main->oneWire().option_1w1(), 2);
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
    QCOMPARE(qobject_cast<QLabel *>(control("portStatus"))->text(),
             QStringLiteral("COM1 → /dev/ttyS0%1, 9600 N 7 1")
                 .arg(QFile::exists("/dev/ttyS0") ? "" : " (not present)"));
}

void TestMain::startUpTakesStoredSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("uart1Lists");  // parity, bit number, stop bit
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("lineSettings");

    // The stored parity is taken, then replaced by "None"; the speed is always 115200.
    QTest::newRow("stored defaults") << QByteArray(
                                            "[COM_MB]\nSpeed=0\nParity=1\nBit_num=2\nStop_bit=1\n"
                                            "[COM]\nPort_num=4\nSpeed=4\nBit_num=1\n")
                                     << "Odd|Even|[None] 7|8|[9] 1|[1.5]|2" << 5 << "115200,N,8,1";
    QTest::newRow("stored values no list has")
        << QByteArray("[COM_MB]\nBit_num=abc\nStop_bit=3\n[COM]\nPort_num=9\n")
        << "Odd|Even|[None] [7]|8|9 [1]|1.5|2" << 10 << "9600,N,7,1";
}

void TestMain::startUpTakesStoredSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, uart1Lists);
    QFETCH(int, port);
    QFETCH(QString, lineSettings);
    writeFile(file);
    makeWindow();
    QCOMPARE(QStringList({shownText(control("Parity_set")), shownText(control("Bit_setting")),
                          shownText(control("Stop_bit"))})
                 .join(QLatin1Char(' ')),
             uart1Lists);
    QCOMPARE(shownText(control("Speed_set")).section(QLatin1Char('|'), 4, 4), "[115200]");
    QCOMPARE(m_main->windowTitle(), kCaption + QString::number(port));
    QCOMPARE(m_main->link().portNumber(), port);
    QCOMPARE(m_main->link().lineSettings().text(), lineSettings);
    // UART 2's bit number and stop bit are not touched by the start-up.
    QCOMPARE(shownText(control("Combo10")), "[7]|8|9");
    QCOMPARE(shownText(control("Combo7")), "[1]|1.5|2");
}

void TestMain::actionsTakeStoredSettingsAsDocumented_data()
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

void TestMain::actionsTakeStoredSettingsAsDocumented()
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

void TestMain::tabsInOrder()
{
    makeWindow();
    QStringList captions;
    for (int i = 0; i < m_main->tabs().count(); ++i)
        captions.append(m_main->tabs().tabText(i));
    QCOMPARE(captions, (QStringList{"HW config", "UART 1", "UART 2", "1-wire", "Modbus diag",
                                    "1-wire diag", "Converter"}));
}

void TestMain::controlsOnTheirTabs_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    auto row = [](int tab, const char *name, const QString &text) {
        QTest::addRow("%d %s", tab, name) << tab << QString::fromLatin1(name) << text;
    };
    row(0, "ioMapFrame", "Input-output configuration");
    row(0, "Command12", "New IO config");
    row(0, "Command13", "Upload from PLC");
    row(0, "Command14", "Download to PLC");
    row(0, "generalSettingFrame", "General setting");
    row(0, "Command32", "Restart PLC");
    row(0, "Command31", "Start update firmware for STM32F3");

    // The two UART tabs: the same controls under their own names.
    const QString speeds = "9600|19200|38400|57600|[115200]|187500|256000|500000";
    const char *const uart[2][16] = {
        {"Option4_0", "Option4_1", "Option4_2", "Frame1", "Frame_slave", "Text1", "Text2",
         "Frame_master", "Command1", "Command2", "Command3", "Command19", "Command20", "Speed_set",
         "Bit_setting", "Stop_bit"},
        {"Option5_0", "Option5_1", "Option5_2", "Frame13", "Frame_slave2", "Text16", "Text5",
         "Frame_master2", "Command27", "Command28", "Command29", "Command7", "Command26",
         "Speed_set2", "Combo10", "Combo7"},
    };
    for (int u = 0; u < 2; ++u) {
        const int tab = u + 1;
        const QStringList texts = {"Modbus master",
                                   "Modbus slave",
                                   "Not use",
                                   "Modbus general setting",
                                   "Modbus slave setting",
                                   u == 0 ? "1" : "2",
                                   "2",
                                   "Modbus master configuration",
                                   "Add slave",
                                   "Modify slave",
                                   "Delete slave",
                                   "Write to PLC",
                                   "Upload from PLC",
                                   speeds,
                                   "[7]|8|9",
                                   "[1]|1.5|2"};
        for (int i = 0; i < texts.size(); ++i)
            row(tab, uart[u][i], texts.at(i));
    }
    row(2, "Command24", "Download");
    row(2, "Command25", "Upload");

    row(3, "auxPortFrame", "Auxiliary port setting");
    row(3, "Option1_0", "1-wire master");
    row(3, "Option1_1", "Field Net");
    row(3, "Option1_2", "Not use");
    row(3, "Command17", "Write to PLC");
    row(3, "Command18", "Upload from PLC");
    row(3, "USART3_setting", "Field Net port setting");
    row(3, "Frame3", "1-wire master configuration");
    row(3, "Command8", "Add slave");
    row(3, "Command9", "Modify slave");
    row(3, "Command11", "Delete slave");
    row(3, "Command10", "Search slave");
    row(3, "Command21", "Delete all slave");

    row(4, "Command4", "Read modbus buffer 1");
    row(4, "Command6", "Read modbus buffer 2");
    row(4, "MB_gridFrame", "UART1 modbus error buffer");
    row(4, "MB_grid2Frame", "UART2 modbus error buffer");
    row(5, "W1_gridFrame", "1-wire error slave buffer");
    row(5, "Command5", "Read 1-wire buffer");

    row(6, "converterFrame", "Floating-point number to IEEE converter");
    row(6, "Command22", "To IEEE");
    row(6, "Command23", "To float");
    for (const char *box : {"Text13", "Text12", "Text15", "Text14"})
        row(6, box, QString());
}

void TestMain::controlsOnTheirTabs()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(QString, text);
    makeWindow();
    QWidget *page = m_main->tabs().widget(tab);
    const auto found = page->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(shownText(found.at(0)), text);
    // Each designer name is used once in the whole window.
    QCOMPARE(m_main->findChildren<QWidget *>(name).size(), 1);
}

void TestMain::tableHeadings_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("centred");

    const QString requests = QStringLiteral(
        "Slot | Address | Num word | Address slave | Address master | Function | Timeout,[ms] ");
    const QString modbusErrors =
        QStringLiteral("Slot  |  Errors  type   |   Short descriptions of error    ");
    QTest::newRow("grid") << 1 << "grid" << requests << true;
    QTest::newRow("grid2") << 2 << "grid2" << requests << true;
    QTest::newRow("MSFlexGrid1") << 0 << "MSFlexGrid1"
                                 << "Address | Function | Prog.name " << false;
    QTest::newRow("MB_grid") << 4 << "MB_grid" << modbusErrors << true;
    QTest::newRow("MB_grid2") << 4 << "MB_grid2" << modbusErrors << true;
    QTest::newRow("W1_grid") << 5 << "W1_grid"
                             << "Num |  Errors  type   |   Short descriptions of error " << true;
    QTest::newRow("Grid1")
        << 3 << "Grid1"
        << "Num | Byte 0 | Byte 1 | Byte 2 | Byte 3 | Byte 4 | Byte 5 | Byte 6 | Byte 7 |  Dxxxx  "
        << true;
}

void TestMain::tableHeadings()
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
        const auto alignment = view->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole);
        QCOMPARE(alignment.value<Qt::Alignment>() == Qt::AlignCenter, centred);
    }
    QVERIFY(!view->horizontalHeader()->isHidden());
    QVERIFY(view->verticalHeader()->isHidden());
}

void TestMain::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    // A "-" before an entry the user cannot choose, its shortcut after it.
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("File") << "File"
                          << "&File" << QStringList{"-New config",
                                                    "Load config Ctrl+O",
                                                    "Save config Ctrl+S",
                                                    "-Recent configurations",
                                                    "-Print",
                                                    "-Save app setting",
                                                    "Exit Ctrl+Q"};
    QTest::newRow("PLC") << "PLC"
                         << "PLC"
                         << QStringList{"Comm. setting",       "-Check config", "Search 1-wire",
                                        "Upload from PLC F5",  "-Load to PLC",  "Traffic monitor",
                                        "Verify after writing"};
    QTest::newRow("About") << "About"
                           << "About" << QStringList{};
}

void TestMain::menus()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    makeWindow();
    auto *m = m_main->menuBar()->findChild<QMenu *>(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), title);
    QCOMPARE(m->menuAction()->isEnabled(), menu != QLatin1String("About"));
    QStringList shown;
    for (QAction *action : m->actions()) {
        if (!action->isSeparator())
            shown.append(((action->isEnabled() ? QString() : QStringLiteral("-")) + action->text() +
                          QLatin1Char(' ') + action->shortcut().toString())
                             .trimmed());
    }
    QCOMPARE(shown, entries);
    QVERIFY(m_main->findChild<QAction *>(QStringLiteral("Search_1wire")));
}

void TestMain::checkConfigIsNotImplemented()
{
    makeWindow();
    auto *check = m_main->findChild<QAction *>(QStringLiteral("Check_config"));
    check->trigger();  // switched off: nothing happens
    QVERIFY(m_prompts.shown.isEmpty());
    check->setEnabled(true);
    check->trigger();
    QCOMPARE(m_prompts.messages(), QStringList{"Not implemented yet "});
}

void TestMain::saveAppSettingStoresUart1Lists()
{
    writeFile("[COM]\nPort_num=2\n");
    makeWindow();
    qobject_cast<QComboBox *>(control("Speed_set"))->setCurrentIndex(6);
    qobject_cast<QComboBox *>(control("Parity_set"))->setCurrentIndex(1);
    qobject_cast<QComboBox *>(control("Bit_setting"))->setCurrentIndex(2);
    qobject_cast<QComboBox *>(control("Stop_bit"))->setCurrentIndex(1);
    auto *save = m_main->findChild<QAction *>(QStringLiteral("Save_app_setting"));
    save->setEnabled(true);
    save->trigger();

    const QString section = QStringLiteral("COM_MB");
    QCOMPARE(Read_ini(m_file, section, "Speed", QString()), QStringLiteral("6"));
    QCOMPARE(Read_ini(m_file, section, "Parity", QString()), QStringLiteral("1"));
    QCOMPARE(Read_ini(m_file, section, "Bit_num", QString()), QStringLiteral("2"));
    QCOMPARE(Read_ini(m_file, section, "Stop_bit", QString()), QStringLiteral("1"));
    QCOMPARE(Read_ini(m_file, "COM", "Port_num", QString()), QStringLiteral("2"));
    QCOMPARE(m_prompts.messages(),
             QStringList{"New default application setting was saved in *.ini file successfully "});
}

// Answers the "COM-port setting" dialog once it is open: selects a port, then "OK" or the
// close box.
void TestMain::answerComSetting(int portIndex, bool ok)
{
    QTimer::singleShot(0, m_main.get(), [portIndex, ok] {
        auto *dialog = qobject_cast<Com_setting *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the COM-port setting dialog is not open");
        dialog->findChild<QComboBox *>(QStringLiteral("Port_num"))->setCurrentIndex(portIndex);
        if (ok)
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        else
            dialog->close();
    });
}

void TestMain::commSettingOkChangesTheCaptionAtOnce()
{
    makeWindow();
    answerComSetting(6, true);
    m_main->findChild<QAction *>(QStringLiteral("Comm_setting"))->trigger();
    QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("7"));
    QCOMPARE(qobject_cast<QLabel *>(control("portStatus"))->text(),
             QStringLiteral("COM7 → /dev/ttyS6%1, 9600 N 7 1")
                 .arg(QFile::exists("/dev/ttyS6") ? "" : " (not present)"));
    QCOMPARE(Read_ini(m_file, "COM", "Port_num", QString()), QStringLiteral("6"));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(m_main->findChildren<Com_setting *>().isEmpty());  // discarded when closed
    // The main window's port gets the new settings at its next transfer, not now.
    QCOMPARE(m_main->link().portNumber(), 1);
}

void TestMain::commSettingCloseBoxKeepsTheCaption()
{
    makeWindow();
    answerComSetting(6, false);
    m_main->openComSetting();
    QCOMPARE(m_main->windowTitle(), kCaption + QStringLiteral("1"));
    QVERIFY(!QFile::exists(m_file));
}

// The tables whose columns the user sizes, each with two widths kept (the last column takes
// the rest).
const char *const kResizableTables[] = {"MB_grid", "MB_grid2", "MSFlexGrid1", "W1_grid"};

void TestMain::exitKeepsTheWindowAndRemovesTheTableHook()
{
    writeFile("[COM]\nPort_num=2\n");
    makeWindow();
    m_main->show();
    m_main->setGeometry(60, 40, 1100, 600);
    m_main->tabs().setCurrentIndex(4);
    int width = 50;
    for (const char *table : kResizableTables) {
        auto *view = qobject_cast<GridView *>(control(table));
        view->setColumnWidth(0, width);
        view->setColumnWidth(1, width + 90);
        ++width;
    }
    m_main->findChild<QAction *>(QStringLiteral("Verify_after_writing"))->trigger();
    QVERIFY(m_main->transferContext().verifyWrites);
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[COM]\nPort_num=2\n"));  // written at shut-down only
    file.close();

    m_main->findChild<QAction *>(QStringLiteral("Exit"))->trigger();
    QVERIFY(!m_main->isVisible());
    QVERIFY(!m_main->tableHookInstalled());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("[COM]\nPort_num=2\n\n[WINDOW]\nLeft=60\nTop=40\nWidth=1100\n"
                        "Height=600\nMaximized=0\nTab=4\nColumns_MB_grid=50,140\n"
                        "Columns_MB_grid2=51,141\nColumns_MSFlexGrid1=52,142\n"
                        "Columns_W1_grid=53,143\nVerify=1\n"));
}

void TestMain::windowComesBackAsLeft_data()
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

void TestMain::windowComesBackAsLeft()
{
    QFETCH(QByteArray, file);
    QFETCH(QRect, geometry);
    QFETCH(int, tab);
    QFETCH(QList<int>, gridColumns);
    QFETCH(bool, verify);
    const auto columns = [this] {
        const auto *grid = qobject_cast<GridView *>(control("MB_grid2"));
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
    QCOMPARE(m_main->findChild<QAction *>(QStringLiteral("Verify_after_writing"))->isChecked(),
             verify);
    QCOMPARE(m_main->transferContext().verifyWrites, verify);
}

void TestMain::statusLine_data()
{
    QTest::addColumn<QString>("button");  // empty: the key F5 ("Upload from PLC" of the menu)
    QTest::addColumn<int>("fault");  // -1 none, 0 the first write refused, 1 silence, 2 the third
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("status");  // a pattern where the duration varies

    QTest::newRow("download done")
        << "Command19" << -1 << true << "^UART 1 download: done in \\d+\\.\\d s$";
    QTest::newRow("download refused")
        << "Command19" << 0 << true << "UART 1 download: Wrong answer from PLC; nothing written";
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

void TestMain::statusLine()
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
    auto *action = qobject_cast<QLabel *>(control("actionStatus"));
    QCOMPARE(action->text(), QString());
    QCOMPARE(qobject_cast<QLabel *>(control("portStatus"))->text(),
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

void TestMain::testNamesTheRealCause_data()
{
    QTest::addColumn<int>("portIndex");
    QTest::addColumn<int>("enq");          // the controller's answer to ENQ; 0 none
    QTest::addColumn<QString>("message");  // the documented box
    QTest::addColumn<QString>("cause");    // after the port's name
    const QString noFirst =
        QStringLiteral("No first answer from PLC. Check cable connection,port setting,and e.t.c.");
    QTest::newRow("missing port") << 4 << 6 << noFirst << "No such file or directory";
    QTest::newRow("silence") << 0 << 0 << noFirst << "no answer to ENQ within 100 ms";
    QTest::newRow("NAK") << 0 << 0x15 << noFirst << "the controller answered ENQ with NAK";
    QTest::newRow("connected") << 0 << 6 << "Successful connect to the CPU with type 291"
                               << "CPU type 291";
}

void TestMain::testNamesTheRealCause()
{
    QFETCH(int, portIndex);
    QFETCH(int, enq);
    QFETCH(QString, message);
    QFETCH(QString, cause);
    WindowFixture w;
    QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
    w.sim.plc.setEnqAnswer(char(enq));
    Write_ini(w.sim.settingsFile(), "PORTS", "COM5", "/nonexistent/tty5");
    w.onDialog<Com_setting>([portIndex](Com_setting &dialog) {
        dialog.findChild<QComboBox *>(QStringLiteral("Port_num"))->setCurrentIndex(portIndex);
        dialog.testConnection();
        dialog.close();
    });
    w.window->openComSetting();
    QCOMPARE(w.prompts.messages(), QStringList{message});
    const QString port = portIndex == 4 ? QStringLiteral("COM5 (/nonexistent/tty5)")
                                        : QStringLiteral("COM1 (%1)").arg(w.sim.plc.devicePath());
    QCOMPARE(w.window->findChild<QLabel *>(QStringLiteral("actionStatus"))->text(),
             port + QStringLiteral(": ") + cause);
}

void TestMain::quitAsksOnlyForUnkeptEdits_data()
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

void TestMain::quitAsksOnlyForUnkeptEdits()
{
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    WindowFixture w;
    QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
    w.window->show();
    auto *edits = w.window->findChild<QLabel *>(QStringLiteral("editStatus"));
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
        w.window->findChild<QPushButton *>(QStringLiteral("Command19"))->click();
    QTRY_COMPARE(edits->text().isEmpty(), before.count(QLatin1Char(',')) != 0 || before.isEmpty());
    w.prompts.clear();
    w.prompts.keepAnswers.enqueue(Prompts::Keep(answer));
    w.prompts.fileNames.enqueue(file);
    QCOMPARE(w.window->close(), closed);
    QCOMPARE(!w.prompts.shown.isEmpty() && w.prompts.shown.at(0).kind == "keep", asked);
    QCOMPARE(QFile::exists(file),
             before.endsWith(QLatin1String("save")) || answer == int(Prompts::Keep::Save));
}

void TestMain::uartModeChange_data()
{
    QTest::addColumn<int>("uart");
    QTest::addColumn<int>("indexGrid");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("slave");
    QTest::addColumn<bool>("tableEnabled");

    for (int uart = 1; uart <= 2; ++uart) {
        // Master before any row is chosen locks the table until a request is stored.
        QTest::addRow("UART %d master, no row", uart) << uart << 0 << 0 << true << false << false;
        QTest::addRow("UART %d master, row 1", uart) << uart << 1 << 0 << true << false << true;
        QTest::addRow("UART %d slave", uart) << uart << 0 << 1 << false << true << true;
        QTest::addRow("UART %d not use", uart) << uart << 0 << 2 << false << false << true;
    }
}

void TestMain::uartModeChange()
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
    const UartTab &other = m_main->uart(3 - uart);
    tab.setIndex_grid(indexGrid);
    m_main->tabs().setCurrentWidget(&tab);

    // A click on the option, as the user makes it.
    const QString option = uart == 1 ? QStringLiteral("Option4_%1") : QStringLiteral("Option5_%1");
    QTest::mouseClick(control(option.arg(mode)), Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(tab.option_hw(), mode);
    QCOMPARE(control(uart == 1 ? "Frame_master" : "Frame_master2")->isVisible(), master);
    QCOMPARE(control(uart == 1 ? "Frame_slave" : "Frame_slave2")->isVisible(), slave);
    QCOMPARE(tab.requestView().isEnabled(), tableEnabled);
    QCOMPARE(other.option_hw(), 2);
}

void TestMain::modeChangesKeepTableAndBoxes()
{
    makeWindow();
    UartTab &tab = m_main->uart(2);
    tab.setIndex_grid(1);
    tab.requests().setText(1, 1, QStringLiteral("17"));
    tab.requests().appendGridRow(QStringLiteral("2"));
    tab.setAddressText(QStringLiteral("33"));
    tab.selectMode(0);
    tab.selectMode(2);
    tab.selectMode(1);
    tab.selectMode(0);
    QCOMPARE(tab.requests().rows(), 3);
    QCOMPARE(tab.requests().text(1, 1), QStringLiteral("17"));
    QCOMPARE(tab.addressText(), QStringLiteral("33"));
    QVERIFY(!control("Frame_master2")->isHidden());
    QVERIFY(control("Frame_slave2")->isHidden());
}

void TestMain::progressWindow()
{
    makeWindow();
    Progress &progress = m_main->progress();
    QCOMPARE(progress.windowTitle(), QStringLiteral("Download/upload progress"));
    auto *bar = progress.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    QVERIFY(bar);
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

QTEST_MAIN(TestMain)
#include "tst_main.moc"
