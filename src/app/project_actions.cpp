#include "project_actions.h"

#include "compare_dialog.h"
#include "failure.h"
#include "link_action.h"
#include "project_compare.h"
#include "project_names.h"
#include "prompts.h"
#include "recent_files.h"

#include <QFileInfo>

namespace plc {

namespace {

// The actions' names as the history knows them; the status line shows them translated.
const char *const kLoadAction = QT_TRANSLATE_NOOP("plc::ActionNames", "Load to PLC");
const char *const kCompareAction = QT_TRANSLATE_NOOP("plc::ActionNames", "Compare with controller");

QString partCaptions(const ProjectParts &parts)
{
    QStringList captions;
    for (ProjectPart part : parts)
        captions.append(partCaption(part));
    return captions.join(QStringLiteral(", "));
}

}  // namespace

ProjectActions::ProjectActions(TransferContext &ctx, Prompts &prompts, WindowProject window,
                               QObject *parent)
    : QObject(parent), m_ctx(ctx), m_prompts(prompts), m_window(std::move(window))
{
}

void ProjectActions::writeParts(const ProjectParts &parts)
{
    takeStoredPort(m_ctx);
    const ProjectRun run = plc::loadToPlc(m_ctx, m_window.read(), parts);
    if (!run.done.isEmpty())
        m_window.written(run.done);
    Outcome outcome = run.outcome;
    // A stop midway leaves the parts before it written: the user is told which.
    if (!outcome.done() && !run.done.isEmpty() && !outcome.message.isEmpty()) {
        outcome.message +=
            tr("\n\nWritten before the stop: %1. Not written: %2.")
                .arg(partCaptions(run.done), partCaptions(parts.mid(int(run.done.size()))));
    }
    report(m_ctx, QString::fromLatin1(kLoadAction), outcome);
}

void ProjectActions::compareWithController()
{
    takeStoredPort(m_ctx);
    const Project window = m_window.read();
    Project held;
    const ProjectRun run = readFromPlc(m_ctx, window, allProjectParts(), &held);
    report(m_ctx, QString::fromLatin1(kCompareAction), run.outcome);
    if (!run.outcome.done())
        return;
    const QList<Difference> differences = projectDifferences(window, held);
    CompareDialog dialog(tr("Compare with controller"), differences, tr("Controller"), true,
                         m_ctx.window);
    dialog.exec();
    switch (dialog.choice()) {
        case CompareDialog::Choice::WriteDiffering:
            writeParts(differingParts(differences));
            break;
        case CompareDialog::Choice::TakeOther: {
            // The controller holds no names: each row keeps the one it has in the window.
            const NamesKept named = keepProjectNames(window, held, allProjectParts());
            nameNextEdit(m_ctx, tr("take the controller's values"));
            m_window.apply(held);
            note(m_ctx, tr("%1: controller's values taken, %2")
                            .arg(tr("Compare with controller"), namesKeptText(named)));
            break;
        }
        case CompareDialog::Choice::Close:
            break;
    }
}

void ProjectActions::compareWithFile()
{
    const QString path = m_prompts.openFileName(
        m_ctx.window, tr("Compare with file"), recentfiles::dialogFolder(),
        tr("PLC project or configuration (*.plcproj *.vqc *.rfp);;All file (*.*)"));
    if (path.isEmpty())
        return;
    const Project window = m_window.read();
    Project file = window;
    try {
        const Project read = readAnyConfigFile(path);
        if (isProjectFileName(path))
            file = read;
        else
            file.config = read.config;  // the rest is not in a configuration file
    } catch (const Failure &f) {
        m_prompts.message(m_ctx.window, f.description());
        return;
    }
    const QList<Difference> differences = projectDifferences(window, file);
    CompareDialog dialog(tr("Compare with file: %1").arg(QFileInfo(path).fileName()), differences,
                         QFileInfo(path).fileName(), false, m_ctx.window);
    dialog.exec();
    if (dialog.choice() == CompareDialog::Choice::TakeOther) {
        Project taken = file;
        taken.note = window.note;
        nameNextEdit(m_ctx, tr("take the file's values"));
        m_window.apply(taken);
    }
}

}  // namespace plc
