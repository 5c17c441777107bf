#pragma once

#include "history_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QFileDevice;

namespace plc {

// The history file and the files it rolled over into: appends whole lines, rolls over when it
// grows past its size, reads every line back oldest first.
//
// A line is written whole or not at all: it is built in memory and goes out in one write() on a
// file opened for appending (O_APPEND), so the window and a command line appending at once never
// mix their lines (a local file takes one write() of a few hundred bytes at its end in one
// piece; a network file system may not). A line cut off by a crash in the middle is skipped by
// the reader, and the next append starts on a fresh line.
class HistoryFile {
public:
    static constexpr qint64 kRollBytes = 10 * 1024 * 1024;
    static constexpr int kKeptFiles = 5;

    // Writes one line to the opened file; what it returns is how many bytes went out.
    using Writer = std::function<qint64(QFileDevice &file, const QByteArray &line)>;

    explicit HistoryFile(const QString &path, qint64 rollBytes = kRollBytes);

    const QString &path() const { return m_path; }
    // "history.3.jsonl" for 3: where the file rolls over to, 1 the newest.
    QString rolledPath(int number) const;

    // Appends the entry as one line; false, with errorText(), when it could not be written.
    // Before that, a file that would grow past the size rolls over: history.jsonl becomes
    // history.1.jsonl, and each older one moves up a number, the oldest beyond kKeptFiles gone.
    bool append(const HistoryEntry &entry);
    QString errorText() const { return m_error; }

    // Every whole line of the rolled files and the file, oldest first.
    QList<HistoryLine> read() const;

    // For tests: how the line goes out (a writer that stops after a few bytes is a crash).
    void setWriter(Writer writer) { m_writer = std::move(writer); }

private:
    bool appendLine(QByteArray line);
    void rollOverBefore(qint64 lineBytes);

    QString m_path;
    qint64 m_rollBytes;
    Writer m_writer;
    QString m_error;
};

// Whole lines of one file, in order: a last line without its end of line is being written or was
// cut short, and lines that are no entry are skipped.
QList<HistoryLine> readHistoryLines(const QString &path);

// Where this user's history lies: "history.jsonl" in the application's data folder
// (~/.local/share/<application>/ on Linux), or in the folder set below.
QString historyFilePath();
// Puts the history in another folder (tests); an empty folder goes back to the user's.
void setHistoryFolder(const QString &folder);

}  // namespace plc
