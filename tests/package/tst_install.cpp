#include "test_helpers.h"

#include <unistd.h>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace plc;

namespace {

const QString kCaption = QStringLiteral(
    "caption: PLC Tavrix v 467 for  STM32F103C8T6 from firmware G029   //Active port - COM %1");
const QByteArray kBesideFile = "[COM]\r\nPort_num=4\r\n";  // COM5
const QByteArray kOwnFile = "[COM]\nPort_num=6\n";         // COM7
enum Where { Beside, Own };
const QString kApp = QStringLiteral("PLC Tavrix");  // names the user's configuration folder

struct Outcome {
    int exitCode = -1;
    QString out;
    QString errors;
};

// Runs a program to its end; a program that cannot start or hangs has exit code -1.
Outcome run(const QString &program, const QStringList &arguments,
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Outcome outcome;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        outcome.exitCode = process.exitCode();
    else
        process.kill();
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.errors = QString::fromLocal8Bit(process.readAllStandardError());
    outcome.errors += process.errorString();
    return outcome;
}

// What an installation puts below its prefix.
QStringList installedFiles(const QString &prefix)
{
    const char *const files[] = {"bin/plc-config",
                                 "bin/plc-sim",
                                 "bin/plc-update",
                                 PLC_PRIVATE_LIBDIR "/libconv.so",
                                 PLC_PRIVATE_LIBDIR "/update/update",
                                 PLC_PRIVATE_LIBDIR "/update/update-window",
                                 "share/applications/plc-config.desktop",
                                 "share/icons/hicolor/scalable/apps/plc-config.svg",
                                 "share/mime/packages/plc-config.xml"};
    QStringList paths;
    for (const char *file : files)
        paths.append(prefix + QLatin1Char('/') + QLatin1String(file));
    return paths;
}

using testing::fileBytes;

}  // namespace

// Installing into a temporary prefix and the Debian package: where the files land, the
// installed program finding its conv library and its settings file, the package's fields.
class TestInstall : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const Outcome install = run(QStringLiteral(CMAKE_COMMAND_PATH),
                                    {QStringLiteral("--install"), QStringLiteral(PLC_BINARY_DIR),
                                     QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.errors));
        QStringList files;
        QDirIterator it(m_prefix.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        QCOMPARE(files, installedFiles(m_prefix.path()));
        // On the path, plc-update is the program the tool starts.
        QCOMPARE(QFileInfo(m_prefix.filePath(QStringLiteral("bin/plc-update"))).canonicalFilePath(),
                 QFileInfo(m_prefix.filePath(QStringLiteral(PLC_PRIVATE_LIBDIR "/update/update")))
                     .canonicalFilePath());
    }

    void installedProgram_data()
    {
        // writable (the program's folder), ownBefore (the user's file; empty: none), where (the
        // file in use), port (the caption's, as read from it)
        testing::columns<bool, QByteArray, int, int, QByteArray>(
            {"writable", "ownBefore", "where", "port", "ownAfter"});

        testing::row("writable folder: the file beside the program", true, kOwnFile, int(Beside), 5,
                     kOwnFile);
        testing::row("read-only folder: the user's file, first a copy", false, QByteArray(),
                     int(Own), 5, kBesideFile);
        testing::row("read-only folder: the user's file as it is", false, kOwnFile, int(Own), 7,
                     kOwnFile);
    }

    void installedProgram()
    {
        QFETCH(bool, writable);
        QFETCH(QByteArray, ownBefore);
        QFETCH(int, where);
        QFETCH(int, port);
        QFETCH(QByteArray, ownAfter);
        if (!writable && ::geteuid() == 0)
            QSKIP("root may write any folder; tst_settings tests the rule for read-only folders");

        const QString beside = bin() + QStringLiteral("/set.ini");
        QVERIFY(testing::writeBytes(beside, kBesideFile));
        QDir(QFileInfo(ownFile()).path()).removeRecursively();
        if (!ownBefore.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(ownFile()).path()));
            QVERIFY(testing::writeBytes(ownFile(), ownBefore));
        }

        // As started from a desktop: no library path, the user's own configuration folder.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
        environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", m_home.path());  // no window of the user's answers
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(DRIVER_PLUGINS));
        environment.insert("QT_QPA_GENERIC_PLUGINS", "plcdriver:1.5");
        const auto mode = QFile::permissions(bin());
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(bin(), writable ? mode : readOnly));
        const Outcome program = run(bin() + QStringLiteral("/plc-config"), {}, environment);
        QFile::setPermissions(bin(), mode);

        QVERIFY2(program.exitCode == 0, qPrintable(program.out + program.errors));
        const QStringList expected{
            kCaption.arg(port),
            QStringLiteral("Settings file: ") + (where == Beside ? beside : ownFile()),
            QStringLiteral("To IEEE: 3FC00000"),
        };
        QCOMPARE(program.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        // The file in use keeps what it held and gains the window's section at shut-down; the
        // other one is left alone.
        const QByteArray inUse = fileBytes(where == Beside ? beside : ownFile());
        QVERIFY2(inUse.startsWith(where == Beside ? kBesideFile : ownAfter), inUse.constData());
        QVERIFY(inUse.contains("[WINDOW]"));
        if (where == Beside)
            QCOMPARE(fileBytes(ownFile()), ownAfter);
        else
            QCOMPARE(fileBytes(beside), kBesideFile);
    }

    void desktopEntryAndMimeType()
    {
        const QString entry = m_prefix.filePath("share/applications/plc-config.desktop");
        const QString mime = m_prefix.filePath("share/mime/packages/plc-config.xml");
        const QByteArray entryText = fileBytes(entry);
        QVERIFY(entryText.contains("\nExec=plc-config %f\n"));
        QVERIFY(entryText.contains(
            "\nMimeType=application/x-plc-config;application/x-plc-config-project;\n"));
        QVERIFY(fileBytes(mime).contains("<mime-type type=\"application/x-plc-config\">"));
        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
            const Outcome valid = run(QStringLiteral("desktop-file-validate"), {entry});
            QVERIFY2(valid.exitCode == 0 && valid.out.isEmpty(), qPrintable(valid.out));
        }
        // The desktop's own tool reads the file as installing the package does.
        if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QSKIP("update-mime-database is missing (shared-mime-info)");
        QTemporaryDir database;
        QVERIFY(QDir(database.path()).mkdir(QStringLiteral("packages")));
        QVERIFY(QFile::copy(mime, database.filePath(QStringLiteral("packages/plc-config.xml"))));
        const Outcome update = run(QStringLiteral("update-mime-database"), {database.path()});
        QVERIFY2(update.exitCode == 0, qPrintable(update.errors));
        const QByteArray globs = fileBytes(database.filePath(QStringLiteral("globs2")));
        QVERIFY2(globs.contains("application/x-plc-config:*.vqc\n") &&
                     globs.contains("application/x-plc-config:*.rfp\n") &&
                     globs.contains("application/x-plc-config-project:*.plcproj\n"),
                 globs.constData());
    }

    void debianPackage()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
            QSKIP("dpkg-shlibdeps is missing: scripts/package installs dpkg-dev");
        QTemporaryDir out;
        const Outcome cpack =
            run(CPACK_COMMAND_PATH,
                {"-G", "DEB", "--config", PLC_BINARY_DIR "/CPackConfig.cmake", "-B", out.path()});
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.out + cpack.errors));
        const QStringList debs = QDir(out.path()).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        const QString deb = out.filePath(debs.at(0));

        const Outcome info = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), deb});
        QCOMPARE(info.exitCode, 0);
        QStringList fields;
        QSet<QString> depends;
        const QStringList lines = info.out.split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QString field = line.trimmed();
            if (field.startsWith(QLatin1String("Package:")) ||
                field.startsWith(QLatin1String("Section:")))
                fields.append(field);
            if (!field.startsWith(QLatin1String("Depends:")))
                continue;
            const QStringList entries = field.mid(8).split(QLatin1Char(','));
            for (const QString &entry : entries)
                depends.insert(entry.trimmed().section(QLatin1Char(' '), 0, 0));
        }
        QCOMPARE(fields, QStringList({"Package: plc-config", "Section: electronics"}));
        // Worked out from the linked libraries, plus the window system's plugins.
        const QSet<QString> needed{
            "libc6",          "libstdc++6",        "libqt6core6",     "libqt6gui6",
            "libqt6widgets6", "libqt6serialport6", "qt6-qpa-plugins",
        };
        QVERIFY2(depends.contains(needed), qPrintable(info.out));
        QVERIFY2(info.out.contains(QLatin1String("group dialout")), qPrintable(info.out));

        const Outcome contents = run("dpkg-deb", {"--contents", deb});
        QStringList files;
        const QStringList entries = contents.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &entry : entries) {
            if (!entry.endsWith(QLatin1Char('/')))  // a link is listed "path -> target"
                files.append(entry.section(QStringLiteral(" -> "), 0, 0).section(' ', -1));
        }
        files.sort();
        QCOMPARE(files, installedFiles(QStringLiteral("./usr")));
    }

private:
    QString bin() const { return m_prefix.filePath(QStringLiteral("bin")); }
    QString ownFile() const
    {
        return m_home.filePath(QStringLiteral("config/%1/set.ini").arg(kApp));
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestInstall)

#include "tst_install.moc"
