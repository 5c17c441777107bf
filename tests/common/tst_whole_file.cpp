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
        // old (empty: no file there), diskFull (files may grow to 64 KiB only)
        testing::columns<QByteArray, int, bool, QString>({"old", "newSize", "diskFull", "name"});
        testing::row("new file", QByteArray(), 100, false, "set.ini");
        testing::row("shorter than the old one", QByteArray(5000, 'o'), 10, false, "set.ini");
        testing::row("disk full midway", QByteArray(5000, 'o'), 200000, true, "set.ini");
        testing::row("no such folder", QByteArray(), 10, false, "missing/set.ini");
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
