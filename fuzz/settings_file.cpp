// The settings-file reader and writer on any file content: reading never fails, and writing
// one key changes that key's line (or adds it, and its section when there is none) and keeps
// every other line as it was, in order.
#include "fuzz_check.h"
#include "ini_file.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstdint>

namespace {

// The lines as they are on disk, a CR before the line feed included.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// A line the writer wrote: its text, with the CR of the file's line ends or without.
bool isWritten(const QByteArray &line, const QByteArray &text)
{
    return line == text || line == text + '\r';
}

// Whether after is before, byte for byte, with the key's line replaced, or with it inserted
// into the section, or with the section and the key appended (after a blank line) at the end.
bool onlyTheKeyChanged(const QList<QByteArray> &before, const QList<QByteArray> &after,
                       const QByteArray &entry, const QByteArray &header)
{
    if (after.size() == before.size()) {
        int changed = 0;
        for (int i = 0; i < after.size(); ++i) {
            if (after.at(i) != before.at(i))
                changed += isWritten(after.at(i), entry) ? 1 : 2;
        }
        return changed <= 1;
    }
    for (int at = 0; at < after.size(); ++at) {
        if (!isWritten(after.at(at), entry))
            continue;
        QList<QByteArray> rest = after;
        rest.removeAt(at);
        if (rest == before)
            return true;
    }
    const qsizetype n = after.size();
    if (n < 2 || !isWritten(after.at(n - 2), header) || !isWritten(after.at(n - 1), entry))
        return false;
    QList<QByteArray> appended = after.mid(0, n - 2);
    if (appended == before)
        return true;
    return !appended.isEmpty() && isWritten(appended.constLast(), QByteArray()) &&
           appended.mid(0, appended.size() - 1) == before;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where the system has it: the writer syncs every file it saves.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/plc-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/plc-fuzz-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("set.ini"));
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(before);
    }
    const QString section = QStringLiteral("COM");
    const QString key = QStringLiteral("Speed");
    const QString old = Read_ini(path, section, key, QStringLiteral("none"));
    FUZZ_CHECK(old.size() <= 254);
    Read_ini(path, QStringLiteral("PORTS"), QStringLiteral("COM1"), QString());

    Write_ini(path, section, key, QStringLiteral("3"));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    FUZZ_CHECK(Read_ini(path, section, key, QStringLiteral("none")) == QStringLiteral("3"));
    const QList<QByteArray> afterLines = linesOf(after);
    // A last line without a line end gets one when a line is added after it.
    bool kept = false;
    for (const char *end : {"", "\n", "\r\n"}) {
        if (!kept && (*end == 0 || !before.endsWith('\n')))
            kept = onlyTheKeyChanged(linesOf(before + end), afterLines, "Speed=3", "[COM]");
    }
    FUZZ_CHECK(kept);
    return 0;
}
