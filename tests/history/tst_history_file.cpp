#include "history_file.h"
#include "history_filter.h"
#include "test_helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace plc;

using testing::row;

namespace {

HistoryEntry entry(int number)
{
    HistoryEntry e;
    e.time = QDateTime(QDate(2025, 3, 1), QTime(8, 0), Qt::UTC).addSecs(number);
    e.portNumber = 1;
    e.device = QStringLiteral("/dev/ttyUSB0");
    e.action = QStringLiteral("download UART 1");
    e.outcome = QStringLiteral("done");
    e.message = QStringLiteral("write %1").arg(number);
    return e;
}

QStringList messages(const QList<HistoryLine> &lines)
{
    QStringList texts;
    for (const HistoryLine &line : lines)
        texts.append(line.entry.message);
    return texts;
}

}  // namespace

// The history file: a line cut off by a crash never shows and never spoils the next one; the
// roll-over keeps the newest files.
class TestHistoryFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void crashInTheMiddleOfALine_data()
    {
        testing::columns<int>({"cut"});  // bytes of the line that reached the file; -1: all but
                                         // its end of line
        row("first byte", 1);
        row("half", 60);
        row("all but the end of line", -1);
    }

    void crashInTheMiddleOfALine()
    {
        QFETCH(int, cut);
        QTemporaryDir dir;
        HistoryFile file(dir.filePath("history.jsonl"));
        QVERIFY(file.append(entry(1)));
        file.setWriter([cut](QFileDevice &device, const QByteArray &line) {
            device.write(line.left(cut < 0 ? line.size() - 1 : cut));
            return qint64(-1);  // the program died here
        });
        QVERIFY(!file.append(entry(2)));
        // A line without its end is being written or was cut: the reader leaves it.
        QCOMPARE(messages(file.read()), QStringList{"write 1"});

        HistoryFile restarted(file.path());
        QVERIFY(restarted.append(entry(3)));
        const QList<HistoryLine> lines = restarted.read();
        // Only a line cut just before its end of line was whole, and it counts.
        const QStringList kept = cut < 0 ? QStringList{"write 1", "write 2", "write 3"}
                                         : QStringList{"write 1", "write 3"};
        QCOMPARE(messages(lines), kept);
        const QByteArray bytes = testing::fileBytes(file.path());
        QVERIFY(bytes.endsWith("\n" + historyLineOf(entry(3))));
    }

    void rollsOverKeepingTheNewestFiles()
    {
        QTemporaryDir dir;
        const qint64 lineBytes = historyLineOf(entry(10)).size();
        HistoryFile file(dir.filePath("history.jsonl"), 3 * lineBytes);
        for (int i = 10; i < 40; ++i)
            QVERIFY(file.append(entry(i)));
        // Three lines a file: 30 lines filled ten files; the current one and five rolled stay.
        QCOMPARE(file.rolledPath(2), dir.filePath("history.2.jsonl"));
        for (int number = 1; number <= HistoryFile::kKeptFiles; ++number)
            QCOMPARE(QFileInfo(file.rolledPath(number)).size(), 3 * lineBytes);
        QVERIFY(!QFile::exists(file.rolledPath(HistoryFile::kKeptFiles + 1)));
        QStringList newest;
        for (int i = 22; i < 40; ++i)
            newest.append(QStringLiteral("write %1").arg(i));
        QCOMPARE(messages(file.read()), newest);
    }

    void since_data()
    {
        testing::columns<QString, QDateTime>({"text", "since"});
        const QDateTime invalid;
        row("date: the start of the day here", "2025-03-01", QDate(2025, 3, 1).startOfDay());
        row("local date-time", "2025-03-01T08:15", QDateTime(QDate(2025, 3, 1), QTime(8, 15)));
        row("UTC", "2025-03-01T08:15:02Z", QDateTime(QDate(2025, 3, 1), QTime(8, 15, 2), Qt::UTC));
        row("offset", "2025-03-01T10:15:02.5+02:00",
            QDateTime(QDate(2025, 3, 1), QTime(8, 15, 2, 500), Qt::UTC));
        row("no time after T", "2025-03-01T", invalid);
        row("no month 13", "2025-13-01", invalid);
        row("words", "yesterday", invalid);
        row("empty", "", invalid);
    }

    void since()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, since);
        const std::optional<QDateTime> parsed = parseSince(text);
        QCOMPARE(parsed.has_value(), since.isValid());
        if (parsed)
            QCOMPARE(parsed->toUTC(), since.toUTC());
    }
};

QTEST_MAIN(TestHistoryFile)

#include "tst_history_file.moc"
