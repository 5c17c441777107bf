#include "test_helpers.h"

#include <QFile>
#include <QProcess>

namespace plc {

namespace testing {

QStringList rowTexts(const GridModel &grid, int cols)
{
    const int shown = cols >= 0 ? cols : grid.cols() - (grid.lastColumnOptional() ? 1 : 0);
    QStringList rows;
    for (int row = 1; row < grid.rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < shown; ++col)
            cells.append(grid.text(row, col));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString standardErrorUnder(const QString &lang, const QString &program,
                           const QStringList &arguments, int *exitCode)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished();
    *exitCode = ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardError());
}

}  // namespace testing

}  // namespace plc
