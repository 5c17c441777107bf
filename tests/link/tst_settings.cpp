#include "failure.h"
#include "ini_file.h"
#include "line_settings.h"
#include "plc_link.h"
#include "settings_store.h"
#include "test_helpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace plc;

using testing::row;

// The settings file, the line settings assembled from it, and the port mapping.
class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_file = m_dir->filePath(QStringLiteral("set.ini"));
        setSettingsFilePath(m_file);
    }

    void cleanup()
    {
        setSettingsFilePath(QString());
        delete m_dir;
    }

    void missingFileSectionOrKeyGiveTheDefault()
    {
        QCOMPARE(readIniValue(m_file, "COM", "Speed", "0"), QStringLiteral("0"));
        QVERIFY(testing::writeBytes(m_file, "[COM_MB]\nSpeed=3\n[COM]\nParity=2\n"));
        QCOMPARE(readIniValue(m_file, "COM", "Speed", "0"), QStringLiteral("0"));
        QCOMPARE(readIniValue(m_file, "NONE", "Parity", "0"), QStringLiteral("0"));
        QCOMPARE(readIniValue(m_file, "com", "PARITY", "0"), QStringLiteral("2"));
        QCOMPARE(readIniValue(m_file, "COM_MB", "Speed", "0"), QStringLiteral("3"));
    }

    void valuesAreReadAfreshEveryTime()
    {
        QVERIFY(testing::writeBytes(m_file, "[COM]\nPort_num=2\n"));
        QCOMPARE(settingsfile::portNumber(), 3);
        QVERIFY(testing::writeBytes(m_file, "[COM]\nPort_num = \"9\" \n"));
        QCOMPARE(settingsfile::portNumber(), 10);
    }

    void writeKeepsEveryOtherLine()
    {
        // A comment in an 8-bit code page must come back byte for byte.
        QVERIFY(testing::writeBytes(
            m_file,
            "; my controller, "
            "caf\xe9\r\n[PORTS]\r\nCOM1=/dev/ttyUSB0\r\n\r\n[COM]\r\nSpeed=1\r\n"));
        writeIniValue(m_file, "COM", "Speed", "4");
        writeIniValue(m_file, "COM", "Port_num", "0");
        writeIniValue(m_file, "PORTS", "COM2", "/dev/ttyUSB1");
        writeIniValue(m_file, "COM_MB", "Parity", "2");
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("; my controller, caf\xe9\r\n[PORTS]\r\nCOM1=/dev/ttyUSB0\r\n"
                            "COM2=/dev/ttyUSB1\r\n\r\n[COM]\r\nSpeed=4\r\nPort_num=0\r\n"
                            "\r\n[COM_MB]\r\nParity=2\r\n"));
    }

    void settingsFileFollowsTheProgramFolder_data()
    {
        // writable (the program's folder), beside (the file beside the program; empty: none),
        // besideReadOnly (as its owner left it), ownBefore (the user's file; empty: none), own (the
        // user's file is the one in use)
        testing::columns<bool, QByteArray, bool, QByteArray, bool, QByteArray>(
            {"writable", "beside", "besideReadOnly", "ownBefore", "own", "ownAfter"});

        const QByteArray beside = "[COM]\r\nPort_num=4\r\n";
        const QByteArray own = "[COM]\nPort_num=6\n";
        const QByteArray none;
        row("writable: beside the program, the user's left alone", true, beside, false, own, false,
            own);
        row("writable, no file yet: beside the program", true, none, false, none, false, none);
        row("read-only: the user's, first a copy", false, beside, false, none, true, beside);
        row("read-only: the user's, never overwritten", false, beside, false, own, true, own);
        row("read-only, nothing beside: the user's, made at the first write", false, none, false,
            none, true, none);
        row("read-only, a read-only file beside: the user's copy can be written", false, beside,
            true, none, true, beside);
    }

    void settingsFileFollowsTheProgramFolder()
    {
        QFETCH(bool, writable);
        QFETCH(QByteArray, beside);
        QFETCH(bool, besideReadOnly);
        QFETCH(QByteArray, ownBefore);
        QFETCH(bool, own);
        QFETCH(QByteArray, ownAfter);

        const QString program = m_dir->filePath(QStringLiteral("program"));
        const QString user = m_dir->filePath(QStringLiteral("config/tool"));
        const QString besideFile = program + QStringLiteral("/set.ini");
        const QString ownFile = user + QStringLiteral("/set.ini");
        auto ownBytes = [&] {
            QFile f(ownFile);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QVERIFY(QDir().mkpath(program));
        if (!beside.isEmpty())
            QVERIFY(testing::writeBytes(besideFile, beside));
        if (besideReadOnly)
            QVERIFY(QFile::setPermissions(besideFile, QFile::ReadOwner | QFile::ReadOther));
        if (!ownBefore.isEmpty()) {
            QVERIFY(QDir().mkpath(user));
            QVERIFY(testing::writeBytes(ownFile, ownBefore));
        }

        const QString chosen = chooseSettingsFile(program, user, writable);
        QCOMPARE(chosen, own ? ownFile : besideFile);
        QCOMPARE(ownBytes(), ownAfter);

        // A later change beside the program (a new version installed) leaves the user's file alone.
        if (!beside.isEmpty()) {
            QFile::setPermissions(besideFile, QFile::ReadOwner | QFile::WriteOwner);
            QVERIFY(testing::writeBytes(besideFile, "[COM]\nPort_num=9\n"));
        }
        QCOMPARE(chooseSettingsFile(program, user, writable), chosen);
        QCOMPARE(ownBytes(), ownAfter);

        // The file in use takes the next "OK".
        writeIniValue(chosen, QStringLiteral("COM"), QStringLiteral("Speed"), QStringLiteral("3"));
        QCOMPARE(readIniValue(chosen, "COM", "Speed", QString()), "3");
        if (own)
            QVERIFY(QFile::permissions(chosen) & QFile::WriteOwner);
    }

    void setupPortWithoutFile()
    {
        PlcLink link;
        applyStoredPortSettings(link);
        QCOMPARE(link.lineSettings().text(), QStringLiteral("9600,N,7,1"));
        QCOMPARE(link.portNumber(), 1);
        QVERIFY(!link.isOpen());
    }

    void setupPortFromFile_data()
    {
        testing::columns<QByteArray, QString, int>({"file", "settings", "port"});
        row("all set", QByteArray("[COM]\nSpeed=4\nParity=2\nBit_num=1\nStop_bit=2\nPort_num=9\n"),
            "115200,E,8,2", 10);
        row("one and a half stop bits",
            QByteArray("[COM]\nSpeed=1\nParity=1\nBit_num=2\nStop_bit=1\n"), "19200,O,9,1.5", 1);
        row("speed outside its table", QByteArray("[COM]\nSpeed=7\nBit_num=1\n"), "N,8,1", 1);
        row("negative stop bit", QByteArray("[COM]\nStop_bit=-1\n"), "9600,N,7,", 1);
        row("not a number", QByteArray("[COM]\nParity=x\nPort_num=two\n"), "9600,7,1", 0);
    }

    void setupPortFromFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, settings);
        QFETCH(int, port);
        QVERIFY(testing::writeBytes(m_file, file));
        PlcLink link;
        applyStoredPortSettings(link);
        QCOMPARE(link.lineSettings().text(), settings);
        QCOMPARE(link.portNumber(), port);
    }

    void portMapping_data()
    {
        testing::columns<int, QString>({"port", "device"});
        row("mapped", 1, "/dev/ttyUSB0");
        row("mapped, key in other case", 2, "/dev/ttyACM0");
        row("default", 3, "/dev/ttyS2");
        row("COM10", 10, "/dev/ttyS9");
        row("no port", 0, "");
    }

    void portMapping()
    {
        QFETCH(int, port);
        QFETCH(QString, device);
        QVERIFY(testing::writeBytes(m_file, "[PORTS]\nCOM1=/dev/ttyUSB0\ncom2 = /dev/ttyACM0\n"));
        QCOMPARE(settingsfile::portDevice(port), device);
    }

    void badLineSettingsNameTheSetting_data()
    {
        // stored: list indexes that give the same; empty: none do
        testing::columns<QString, QString, QList<int>>({"settings", "named", "stored"});
        row("9 data bits", "9600,N,9,1", "9 data bits", QList<int>{0, 0, 2, 0});
        row("empty field", "9600,N,,1", "the data bits setting is empty", QList<int>());
        row("speed not a number", "fast,N,8,1", "\"fast\" is not a baud rate", QList<int>());
        // What the port set-up makes of a stored speed outside its list.
        row("a setting left out", "N,8,1",
            "3 settings where speed, parity, data bits and stop bits are needed",
            QList<int>{7, 0, 1, 0});
        row("empty", "", "0 settings where", QList<int>{-1, -1, -1, -1});
    }

    void badLineSettingsNameTheSetting()
    {
        QFETCH(QString, settings);
        QFETCH(QString, named);
        QFETCH(QList<int>, stored);
        QString refusal;
        try {
            LineSettings::parse(settings);
            QFAIL("accepted");
        } catch (const Failure &f) {
            refusal = f.description();
            QVERIFY2(refusal.contains(named), qPrintable(refusal));
        }
        if (stored.isEmpty())
            return;
        // Stored, they read as the same text; the link refuses to open with them, naming the same
        // setting, before touching any device.
        const LineSettings line =
            LineSettings::fromListIndexes(stored.at(0), stored.at(1), stored.at(2), stored.at(3));
        QCOMPARE(line.text(), settings);
        QCOMPARE(line.fault(), refusal);
        PlcLink link;
        link.setPort({1, QStringLiteral("/dev/null"), line});
        try {
            link.open();
            QFAIL("opened");
        } catch (const Failure &f) {
            QCOMPARE(f.description(), refusal);
        }
        QVERIFY(!link.isOpen());
    }

    void portThatCannotOpenIsAClearFailure()
    {
        QVERIFY(testing::writeBytes(m_file, "[PORTS]\nCOM4=/nonexistent/tty\n"));
        PlcLink link;
        link.setPort({4, settingsfile::portDevice(4), LineSettings::parse("9600,N,8,1")});
        try {
            link.open();
            QFAIL("opened");
        } catch (const Failure &f) {
            QVERIFY2(
                f.description().startsWith(QLatin1String("Cannot open COM4 (/nonexistent/tty): ")),
                qPrintable(f.description()));
        }
        QVERIFY(!link.isOpen());
    }

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_file;
};

QTEST_GUILESS_MAIN(TestSettings)

#include "tst_settings.moc"
