#include "test_helpers.h"
#include "whole_file.h"

#include <QtTest>

#include <sys/resource.h>
#include <csignal>

using namespace plc;

// Files written whole or not at all: the old file survives any failure, and no part-written
// file is left beside it.
class TestWholeFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacesOrKeepsTheOldFile_data()
    {
        QTest::addColumn<QByteArray>("old");  // empty: no file there
        QTest::addColumn<int>("newSize");
        QTest::addColumn<bool>("diskFull");  // files may grow to 64 KiB only
        QTest::addColumn<QString>("name");
        QTest::newRow("new file") << QByteArray() << 100 << false << "set.ini";
        QTest::newRow("shorter than the old one")
            << QByteArray(5000, 'o') << 10 << false << "set.ini";
        QTest::newRow("disk full midway") << QByteArray(5000, 'o') << 200000 << true << "set.ini";
        QTest::newRow("no such folder") << QByteArray() << 10 << false << "missing/set.ini";
    }

    void replacesOrKeepsTheOldFile()
    {
        QFETCH(QByteArray, old);
        QFETCH(int, newSize);
        QFETCH(bool, diskFull);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!old.isEmpty())
            QVERIFY(testing::writeBytes(path, old));
        const QByteArray bytes(newSize, 'n');

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (diskFull) {
            std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
            rlimit limit = saved;
            limit.rlim_cur = 65536;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const QString reason = writeWholeFile(path, bytes);
        setrlimit(RLIMIT_FSIZE, &saved);

        const bool fails = diskFull || name.contains(QLatin1Char('/'));
        QCOMPARE(reason.isEmpty(), !fails);
        QCOMPARE(testing::fileBytes(path), fails ? old : bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QFile::exists(path) ? QStringList{QFileInfo(path).fileName()} : QStringList());
    }
};

QTEST_MAIN(TestWholeFile)

#include "tst_whole_file.moc"
