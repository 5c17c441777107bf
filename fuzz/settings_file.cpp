// The settings-file codec on any file content, in memory: reading never fails, and writing
// one key changes that key's line (or adds it, and its section when there is none) and keeps
// every other line as it was, in order. Writing the file to disk has its own test.
#include "fuzz_check.h"
#include "ini_file.h"

#include <QList>
#include <algorithm>
#include <cstdint>

using namespace plc;

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
    // One line more: where the two first differ, the entry went in, and the rest moved down.
    const qsizetype n = after.size();
    if (n == before.size() + 1) {
        qsizetype at = 0;
        while (at < before.size() && after.at(at) == before.at(at))
            ++at;
        if (isWritten(after.at(at), entry) &&
            std::equal(before.begin() + at, before.end(), after.begin() + at + 1))
            return true;
    }
    if (n < 2 || !isWritten(after.at(n - 2), header) || !isWritten(after.at(n - 1), entry))
        return false;
    const QList<QByteArray> appended = after.mid(0, n - 2);
    if (appended == before)
        return true;
    return !appended.isEmpty() && isWritten(appended.constLast(), QByteArray()) &&
           appended.mid(0, appended.size() - 1) == before;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString section = QStringLiteral("COM");
    const QString key = QStringLiteral("Speed");
    const QString old = iniValue(before, section, key, QStringLiteral("none"));
    FUZZ_CHECK(old.size() <= 254);
    iniValue(before, QStringLiteral("PORTS"), QStringLiteral("COM1"), QString());

    const QByteArray after = iniWithValue(before, section, key, QStringLiteral("3"));
    FUZZ_CHECK(iniValue(after, section, key, QStringLiteral("none")) == QStringLiteral("3"));
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
