// The settings-file reader and writer on any file content: reading never fails, and writing
// one key changes that key's line (or adds it and perhaps its section) and keeps every other
// line as it was, in order.
#include "fuzz_check.h"
#include "ini_file.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Whether every line of `before` but at most one appears in `after`, in order.
bool keptInOrder(const QList<QByteArray> &before, const QList<QByteArray> &after)
{
    int missed = 0;
    int j = 0;
    for (const QByteArray &line : before) {
        int k = j;
        while (k < after.size() && after.at(k) != line)
            ++k;
        if (k == after.size()) {
            ++missed;
            continue;
        }
        j = k + 1;
    }
    return missed <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
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
    const QList<QByteArray> beforeLines = linesOf(before);
    const QList<QByteArray> afterLines = linesOf(after);
    FUZZ_CHECK(afterLines.size() <= beforeLines.size() + 3);
    FUZZ_CHECK(keptInOrder(beforeLines, afterLines));
    return 0;
}
