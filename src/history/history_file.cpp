#include "history_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

namespace plc {

namespace {

// The file's threads (the command line's ports each have one) take turns; other processes take
// turns only to roll over, through a lock file.
QMutex g_appending;
QString g_folder;

// How long a roll-over waits for another process that rolls over the same file.
constexpr int kRollLockMs = 2000;

qint64 defaultWrite(QFileDevice &file, const QByteArray &line)
{
    return file.write(line);
}

// Whether the file's last byte ends a line (an empty or missing file does).
bool endsWithNewline(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return true;
    file.seek(file.size() - 1);
    char last = '\n';
    file.getChar(&last);
    return last == '\n';
}

}  // namespace

HistoryFile::HistoryFile(const QString &path, qint64 rollBytes)
    : m_path(path), m_rollBytes(rollBytes), m_writer(defaultWrite)
{
}

QString HistoryFile::rolledPath(int number) const
{
    const QFileInfo info(m_path);
    return info.dir().filePath(
        QStringLiteral("%1.%2.%3").arg(info.completeBaseName()).arg(number).arg(info.suffix()));
}

bool HistoryFile::append(const HistoryEntry &entry)
{
    return appendLine(historyLineOf(entry));
}

bool HistoryFile::appendLine(QByteArray line)
{
    m_error.clear();
    QMutexLocker appending(&g_appending);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        m_error = QStringLiteral("Cannot make the folder of %1").arg(m_path);
        return false;
    }
    rollOverBefore(line.size());
    // A crash in the middle of a line left it without its end: this line starts afresh.
    if (!endsWithNewline(m_path))
        line.prepend('\n');
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_error = QStringLiteral("Cannot open %1: %2").arg(m_path, file.errorString());
        return false;
    }
    if (m_writer(file, line) != line.size()) {
        m_error = QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString());
        return false;
    }
    return file.flush();
}

void HistoryFile::rollOverBefore(qint64 lineBytes)
{
    const auto full = [&] {
        const qint64 size = QFileInfo(m_path).size();
        return size > 0 && size + lineBytes > m_rollBytes;
    };
    if (!full())
        return;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    // Without the lock the line goes to the full file: better a long file than a lost line.
    if (!lock.tryLock(kRollLockMs) || !full())
        return;
    QFile::remove(rolledPath(kKeptFiles));
    for (int number = kKeptFiles - 1; number >= 1; --number)
        QFile::rename(rolledPath(number), rolledPath(number + 1));
    QFile::rename(m_path, rolledPath(1));
}

QList<HistoryLine> HistoryFile::read() const
{
    QList<HistoryLine> lines;
    for (int number = kKeptFiles; number >= 1; --number)
        lines += readHistoryLines(rolledPath(number));
    lines += readHistoryLines(m_path);
    return lines;
}

QList<HistoryLine> readHistoryLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    QList<HistoryLine> lines;
    qsizetype start = 0;
    for (qsizetype end = all.indexOf('\n'); end >= 0; end = all.indexOf('\n', start)) {
        if (const auto line = parseHistoryLine(all.mid(start, end - start)))
            lines.append(*line);
        start = end + 1;
    }
    return lines;
}

QString historyFilePath()
{
    const QString folder = g_folder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : g_folder;
    return QDir(folder).filePath(QStringLiteral("history.jsonl"));
}

void setHistoryFolder(const QString &folder)
{
    g_folder = folder;
}

}  // namespace plc
