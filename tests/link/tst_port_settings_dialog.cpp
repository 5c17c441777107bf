#include "ini_file.h"
#include "port_settings_dialog.h"
#include "scripted_prompts.h"
#include "serial_ports.h"
#include "settings_store.h"
#include "sim_fixture.h"
#include "test_helpers.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace plc;
using namespace plc::sim;

namespace {

const QString kNoFirst =
    QStringLiteral("No first answer from PLC. Check cable connection,port setting,and e.t.c.");
const QString kNoSecond = QStringLiteral(
    "No second answer from PLC with type. Check cable connection,port setting,and e.t.c.");
const QString kSuccess291 = QStringLiteral("Successful connect to the CPU with type 291");

const char *const kLists[] = {"portList", "speedList", "parityList", "dataBitsList",
                              "stopBitsList"};

using testing::fileBytes;
using testing::row;

}  // namespace

// The "COM-port setting" dialog: what it loads and stores, and its connection test.
class TestPortSettingsDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_file = m_dir->filePath(QStringLiteral("set.ini"));
        setSettingsFilePath(m_file);
        m_prompts.clear();
        m_storedCalls = 0;
    }

    void cleanup()
    {
        delete m_dialog;
        m_dialog = nullptr;
        setSettingsFilePath(QString());
        delete m_dir;
    }

    void loadSelectsStoredIndexes_data()
    {
        // shown: in the order of kLists
        testing::columns<QByteArray, QStringList>({"file", "shown"});

        row("no file", QByteArray(), QStringList{"COM1", "9600", "N", "7", "1"});
        row("stored", QByteArray("[COM]\nSpeed=4\nParity=2\nBit_num=1\nStop_bit=1\nPort_num=9\n"),
            QStringList{"COM10", "115200", "E", "8", "1.5"});
        row("not whole numbers",
            QByteArray("[COM]\nSpeed=fast\nParity=1.5\nBit_num=\nStop_bit=2x\nPort_num=0x3\n"),
            QStringList{"COM1", "9600", "N", "7", "1"});
        row("outside the lists",
            QByteArray("[COM]\nSpeed=5\nParity=-1\nBit_num=3\nStop_bit=99999\nPort_num=10\n"),
            QStringList{"COM1", "9600", "N", "7", "1"});
        row("blanks around", QByteArray("[COM]\nSpeed= 2 \nPort_num= 4\n"),
            QStringList{"COM5", "38400", "N", "7", "1"});
    }

    void loadSelectsStoredIndexes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        if (!file.isEmpty())
            QVERIFY(testing::writeBytes(m_file, file));
        select({});
        QStringList texts;
        for (const char *name : kLists)
            texts.append(list(name)->currentText());
        QCOMPARE(texts, shown);
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("COM-port setting"));
    }

    void showsTheDeviceBehindThePort_data()
    {
        testing::columns<int, QString>({"index", "line"});
        row("mapped, present", 2, "Device: /dev/null");
        row("mapped, missing", 1, "Device: /nonexistent/ttyUSB0 (not present)");
    }

    void showsTheDeviceBehindThePort()
    {
        QFETCH(int, index);
        QFETCH(QString, line);
        QVERIFY(
            testing::writeBytes(m_file, "[PORTS]\nCOM2=/nonexistent/ttyUSB0\nCOM3=/dev/null\n"));
        select({index == 1 ? 2 : 1});
        list("portList")->setCurrentIndex(index);  // the line follows the list
        QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("portDevice"))->text(), line);
    }

    void detectMapsTheChosenPort_data()
    {
        // choice: row of the list, newest first; -1 cancels
        testing::columns<QByteArray, int, QByteArray, QString>(
            {"before", "choice", "after", "line"});

        const QByteArray kept =
            "; tool settings\r\n[COM]\r\nPort_num=2\r\n\r\n[PORTS]\r\nCOM1=/tmp/plc\r\n; spare\r\n";
        const QByteArray old = "[PORTS]\nCOM3=/nonexistent/old\n[COM]\nSpeed=1\n";
        const QByteArray added = kept + "COM3=/nonexistent/ttyUSB1\r\n";
        row("newest, added to [PORTS]", kept, 0, added,
            "Device: /nonexistent/ttyUSB1 (not present)");
        row("mapping replaced", old, 2, QByteArray("[PORTS]\nCOM3=/dev/null\n[COM]\nSpeed=1\n"),
            "Device: /dev/null");
        row("no [PORTS] yet", QByteArray("[COM]\nSpeed=1\n"), 1,
            QByteArray("[COM]\nSpeed=1\n\n[PORTS]\nCOM3=/dev/ttyACM0\n"),
            "Device: /dev/ttyACM0 (not present)");
        row("cancelled", old, -1, old, "Device: /nonexistent/old (not present)");
    }

    void detectMapsTheChosenPort()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, choice);
        QFETCH(QByteArray, after);
        QFETCH(QString, line);
        QVERIFY(testing::writeBytes(m_file, before));
        const QDateTime boot(QDate(2024, 5, 1), QTime(8, 0));
        select({2});
        m_dialog->setPortLister([boot] {
            return QList<SystemPort>{
                {"/dev/null", "ttyS", "", "", "", "", QDateTime()},
                {"/dev/ttyACM0", "Controller", "Tavrix", "A1", "0483", "5740", boot.addSecs(60)},
                {"/nonexistent/ttyUSB1", "USB-Serial", "Maker, Inc.", "FT9", "0403", "6001",
                 boot.addSecs(3600)}};
        });
        QStringList shown;
        QTimer::singleShot(0, m_dialog, [&] {
            auto *detection = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *ports = detection->findChild<QTreeWidget *>(QStringLiteral("portList"));
            for (int r = 0; r < ports->topLevelItemCount(); ++r)
                shown.append(ports->topLevelItem(r)->text(0) + ' ' +
                             ports->topLevelItem(r)->text(5));
            if (choice < 0)
                return detection->reject();
            ports->setCurrentItem(ports->topLevelItem(choice));
            QTest::mouseClick(detection->findChild<QPushButton *>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("detectButton")),
                          Qt::LeftButton);
        QCOMPARE(shown,
                 (QStringList{"/nonexistent/ttyUSB1 6001", "/dev/ttyACM0 5740", "/dev/null "}));
        QCOMPARE(fileBytes(m_file), after);
        QCOMPARE(list("portList")->currentText(), QStringLiteral("COM3"));
        QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("portDevice"))->text(), line);
        QVERIFY(m_prompts.shown.isEmpty());
    }

    void okStoresTheFiveKeysAndSetsUpItsPort()
    {
        QVERIFY(testing::writeBytes(m_file, "[PORTS]\nCOM3=/dev/ttyUSB1\n"));
        select({2, 3, 1, 1, 2});
        m_dialog->show();
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("okButton")),
                          Qt::LeftButton);

        // Each key as "key=value".
        for (const QString key : {"Speed=3", "Parity=1", "Bit_num=1", "Stop_bit=2", "Port_num=2"})
            QCOMPARE(readIniValue(m_file, "COM", key.section('=', 0, 0), QString()),
                     key.section('=', 1));
        QCOMPARE(readIniValue(m_file, "PORTS", "COM3", QString()), "/dev/ttyUSB1");
        QCOMPARE(m_storedCalls, 1);
        QCOMPARE(m_dialog->link().portNumber(), 3);
        QCOMPARE(m_dialog->link().lineSettings().text(), QStringLiteral("57600,O,8,2"));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(m_prompts.shown.isEmpty());
    }

    void closeBoxStoresNothingAndReleasesThePort()
    {
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        const QByteArray before = fileBytes(sim.settingsFile());
        select({3, 4, 2, 0, 1});
        m_dialog->show();
        applyStoredPortSettings(m_dialog->link());
        m_dialog->link().open();
        QVERIFY(m_dialog->link().isOpen());
        QVERIFY(m_dialog->close());
        QVERIFY(!m_dialog->link().isOpen());
        QCOMPARE(fileBytes(sim.settingsFile()), before);
        QCOMPARE(m_storedCalls, 0);
    }

    void testReportsWhatTheControllerAnswers_data()
    {
        testing::columns<QString, QString>({"fault", "message"});
        row("port missing", "missing", kNoFirst);
        row("NAK to ENQ", "nak", kNoFirst);
        row("silence to ENQ", "silent", kNoFirst);
        row("no CPU-type answer", "no type", kNoSecond);
        row("success", "", kSuccess291);
        row("other type", "type 4660", "Successful connect to the CPU with type 4660");
    }

    void testReportsWhatTheControllerAnswers()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        if (fault == QLatin1String("missing"))
            writeIniValue(sim.settingsFile(), "PORTS", "COM1", "/nonexistent/plc-tty");
        else if (fault == QLatin1String("nak"))
            sim.plc.setEnqAnswer(0x15);
        else if (fault == QLatin1String("silent"))
            sim.plc.setEnqAnswer(0);
        else if (fault == QLatin1String("no type"))
            sim.plc.failAddress(QStringLiteral("0E02"), VirtualPlc::Fault::Silence);
        else if (fault == QLatin1String("type 4660"))
            sim.plc.setCpuType(0x1234);
        const QByteArray before = fileBytes(sim.settingsFile());

        select({0, 0, 0, 1, 0});  // COM1 at 9600,N,8,1
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("testButton")),
                          Qt::LeftButton);

        QCOMPARE(m_prompts.messages(), QStringList{message});
        QVERIFY(m_prompts.shown.at(0).title.isNull());
        QVERIFY(!m_dialog->link().isOpen());
        QCOMPARE(fileBytes(sim.settingsFile()), before);
        QCOMPARE(m_storedCalls, 0);
        if (message.startsWith(QLatin1String("Successful"))) {
            const auto probes = sim.plc.frames(QStringLiteral("0"));
            QCOMPARE(probes.size(), 1);
            QCOMPARE(probes.at(0).address, QStringLiteral("0E02"));
            QCOMPARE(probes.at(0).count, QStringLiteral("02"));
        }
    }

    void testTwiceInARow()
    {
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        select({0, 0, 0, 1, 0});
        m_dialog->testConnection();
        QVERIFY(!m_dialog->link().isOpen());
        m_dialog->testConnection();
        QCOMPARE(m_prompts.messages(), (QStringList{kSuccess291, kSuccess291}));
        QVERIFY(!m_dialog->link().isOpen());
    }

    void dialogStaysWhileTestWaits()
    {
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        sim.plc.setAnswerDelay(60);
        select({0, 0, 0, 1, 0});
        m_dialog->show();
        bool buttonsOff = false;
        QTimer::singleShot(20, m_dialog, [&] {
            buttonsOff =
                !m_dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->isEnabled();
            m_dialog->close();
            m_dialog->reject();
        });
        m_dialog->testConnection();
        QVERIFY(buttonsOff);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_prompts.messages(), QStringList{kSuccess291});
        QVERIFY(m_dialog->close());
    }

    void testUsesTheSelectionNotTheStoredSettings()
    {
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        // Stored: COM1 (now a missing device) with a speed no port takes; the controller is COM4.
        writeIniValue(sim.settingsFile(), "PORTS", "COM4", sim.plc.devicePath());
        writeIniValue(sim.settingsFile(), "PORTS", "COM1", "/nonexistent/plc-tty");
        sim.setCom("Speed", "7");
        // A pseudo-terminal keeps no parity or size settings, so only N or O with 8 bits open.
        select({3, 4, 1, 1, 2});  // COM4 at 115200,O,8,2
        m_dialog->testConnection();
        QCOMPARE(m_prompts.messages(), QStringList{kSuccess291});
        QCOMPARE(m_dialog->link().portNumber(), 4);
        QCOMPARE(m_dialog->link().lineSettings().text(), QStringLiteral("115200,O,8,2"));
        QCOMPARE(readIniValue(sim.settingsFile(), "COM", "Port_num", "none"), "none");
    }

private:
    QComboBox *list(const char *name) const { return testing::child<QComboBox>(m_dialog, name); }

    // in the order of kLists
    void select(const QList<int> &indexes)
    {
        if (!m_dialog)
            m_dialog = new PortSettingsDialog(m_prompts, [this] { ++m_storedCalls; });
        for (int i = 0; i < indexes.size(); ++i)
            list(kLists[i])->setCurrentIndex(indexes.at(i));
    }

    QTemporaryDir *m_dir = nullptr;
    QString m_file;
    ScriptedPrompts m_prompts;
    int m_storedCalls = 0;
    PortSettingsDialog *m_dialog = nullptr;
};

QTEST_MAIN(TestPortSettingsDialog)

#include "tst_port_settings_dialog.moc"
