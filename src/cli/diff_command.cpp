#include "diff_command.h"

#include "commands.h"
#include "console.h"
#include "exit_code.h"
#include "file_commands.h"
#include "multi_port.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace plc {

namespace {

// The parts both sides hold: a project and a controller hold every part, a configuration file
// the three ports.
ProjectParts partsOfBoth(const QList<DiffSide> &sides)
{
    for (const DiffSide &side : sides) {
        if (!side.port && !isProjectFileName(side.file))
            return partsOfFile(side.file);
    }
    return allProjectParts();
}

// How the lines name each side: a file by its name (by the path given when both names are
// alike), a controller by its port.
QStringList sideNames(const QList<DiffSide> &sides)
{
    QStringList names;
    for (const DiffSide &side : sides)
        names.append(side.port ? portLabel(*side.port) : QFileInfo(side.file).fileName());
    if (names.at(0) == names.at(1)) {
        for (int i = 0; i < sides.size(); ++i) {
            if (!sides.at(i).port)
                names[i] = sides.at(i).file;
        }
    }
    return names;
}

QJsonObject differenceJson(const Difference &difference)
{
    return {{QStringLiteral("part"), partKey(difference.part)},
            {QStringLiteral("row"), difference.row},
            {QStringLiteral("column"), difference.column},
            {QStringLiteral("left"), difference.left},
            {QStringLiteral("right"), difference.right}};
}

}  // namespace

int runDiff(Console &console, const QList<DiffSide> &sides, bool json,
            const std::atomic<bool> &stop)
{
    Q_ASSERT(sides.size() == 2);
    QList<Project> projects(2);
    for (int i = 0; i < 2; ++i) {
        if (!sides.at(i).port)
            projects[i] = readCommandFile(console, sides.at(i).file);
    }
    const ProjectParts parts = partsOfBoth(sides);
    for (int i = 0; i < 2; ++i) {
        const std::optional<PortSetup> &port = sides.at(i).port;
        if (!port)
            continue;
        const bool overFile = !sides.at(1 - i).port;
        const Project base = overFile ? projects.at(1 - i) : startUpProject();
        const PortRun run = runOnPort(console, *port, stop, [&](CommandEnv &env, int) {
            return runRead(env, base, parts, &projects[i]);
        });
        if (!run.outcome.done())
            return run.code();
    }

    // Two files: everything they hold; a controller: what it holds.
    const Compared scope =
        sides.at(0).port || sides.at(1).port ? Compared::ControllerValues : Compared::FileValues;
    const QList<Difference> differences =
        differencesIn(projects.at(0), projects.at(1), parts, scope);
    const QStringList names = sideNames(sides);
    PortRun compared;
    compared.takeDifferences(differenceLines(differences, names.at(0), names.at(1)));
    if (json) {
        QJsonArray all;
        for (const Difference &difference : differences)
            all.append(differenceJson(difference));
        const QJsonObject result{{QStringLiteral("left"), names.at(0)},
                                 {QStringLiteral("right"), names.at(1)},
                                 {QStringLiteral("differences"), all}};
        console.resultBytes(QJsonDocument(result).toJson(QJsonDocument::Indented));
    } else {
        for (const QString &line : compared.lines)
            console.result(line);
    }
    return compared.code();
}

}  // namespace plc
