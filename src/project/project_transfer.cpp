#include "project_transfer.h"

#include "aux_transfer.h"
#include "io_block.h"
#include "io_transfer.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_transfer.h"
#include "progress.h"
#include "request_check.h"
#include "sensor_check.h"
#include "uart_port.h"

#include <QCoreApplication>
#include <functional>

namespace plc {

namespace {

struct PartNames {
    ProjectPart part;
    const char *key;
    const char *caption;
};
constexpr PartNames kParts[] = {
    {ProjectPart::Uart1, "uart1", QT_TRANSLATE_NOOP("plc::ProjectTransfer", "UART 1")},
    {ProjectPart::Uart2, "uart2", QT_TRANSLATE_NOOP("plc::ProjectTransfer", "UART 2")},
    {ProjectPart::OneWire, "onewire", QT_TRANSLATE_NOOP("plc::ProjectTransfer", "1-wire")},
    {ProjectPart::IoMap, "iomap", QT_TRANSLATE_NOOP("plc::ProjectTransfer", "I/O map")}};

const PartNames &namesOf(ProjectPart part)
{
    return kParts[int(part)];
}

const UartPort &uartPortOf(ProjectPart part)
{
    return part == ProjectPart::Uart2 ? UartPort::uart2() : UartPort::uart1();
}

template <typename P>  // Project or const Project
auto &uartStateOf(P &project, ProjectPart part)
{
    return project.config.uarts.at(part == ProjectPart::Uart2 ? 1 : 0);
}

OneWireTabState oneWireStateOf(const Project &project)
{
    return {{AuxMode(project.config.auxMode), project.fieldNet}, project.config.sensors};
}

// Shows several parts' progress as one bar: each part takes an equal share, and the window
// opens once for them all.
class SharedProgress : public ProgressDisplay {
public:
    SharedProgress(ProgressDisplay &display, int parts) : m_display(display), m_parts(parts) {}

    void startPart(int index)
    {
        m_index = index;
        setPercent(0);
    }
    void open() override {}
    void close() override { setPercent(100); }
    void setPercent(int percent) override
    {
        m_display.setPercent((m_index * 100 + percent) / qMax(1, m_parts));
    }
    void pieceDone(int piece, int pieces) override { m_display.pieceDone(piece, pieces); }

private:
    ProgressDisplay &m_display;
    int m_parts;
    int m_index = 0;
};

// Runs each part on one hold of the link with one progress over them all, keeping in run where
// it has come to (a part's failure is thrown past it); stops at the first part not done.
Outcome runParts(TransferContext &ctx, const ProjectParts &parts, bool writes, ProjectRun &run,
                 const std::function<Outcome(TransferContext &, ProjectPart)> &step)
{
    SharedProgress shared(ctx.progress, int(parts.size()));
    TransferContext partCtx{ctx.link,         ctx.prompts,  shared,         ctx.window,
                            ctx.verifyWrites, ctx.finished, ctx.storedPort, ctx.note};
    ProgressGuard progress(ctx.progress, cancelActionOn(ctx.link));
    for (int i = 0; i < parts.size(); ++i) {
        run.ended = parts.at(i);
        shared.startPart(i);
        const Outcome outcome = step(partCtx, parts.at(i));
        if (!outcome.done())
            return outcome;
        run.done.append(parts.at(i));
    }
    run.ended.reset();
    return writes ? Outcome::downloaded(ctx.verifyWrites) : Outcome();
}

}  // namespace

const ProjectParts &allProjectParts()
{
    static const ProjectParts parts = {ProjectPart::Uart1, ProjectPart::Uart2, ProjectPart::OneWire,
                                       ProjectPart::IoMap};
    return parts;
}

QString partKey(ProjectPart part)
{
    return QString::fromLatin1(namesOf(part).key);
}

std::optional<ProjectPart> partOfKey(const QString &key)
{
    for (const PartNames &names : kParts) {
        if (key == QLatin1String(names.key))
            return names.part;
    }
    return std::nullopt;
}

QString partCaption(ProjectPart part)
{
    return QCoreApplication::translate("plc::ProjectTransfer", namesOf(part).caption);
}

Outcome writeProjectPart(TransferContext &ctx, const Project &project, ProjectPart part)
{
    switch (part) {
        case ProjectPart::Uart1:
        case ProjectPart::Uart2: {
            const UartTabState &state = uartStateOf(project, part);
            return writePortConfig(ctx, uartPortOf(part), state.settings, state.requests);
        }
        case ProjectPart::OneWire:
            return writeAuxConfig(ctx, oneWireStateOf(project));
        case ProjectPart::IoMap:
            return writeIoMap(ctx, project.ioMap.pointTypes);
    }
    return Outcome();
}

void readProjectPart(TransferContext &ctx, Project &project, ProjectPart part)
{
    switch (part) {
        case ProjectPart::Uart1:
        case ProjectPart::Uart2: {
            const PortConfigUpload upload = readPortConfig(ctx, uartPortOf(part));
            UartTabState &state = uartStateOf(project, part);
            if (applyPortUpload(upload, state.settings)) {
                state.requests.clear();
                for (const ModbusRequest &request : upload.requests)
                    state.requests.append(requestCells(request));
            }
            return;
        }
        case ProjectPart::OneWire: {
            const AuxConfigUpload upload = readAuxConfig(ctx);
            AuxSettings settings{AuxMode(project.config.auxMode), project.fieldNet};
            applyAuxUpload(upload, settings);
            project.config.auxMode = int(settings.mode);
            project.fieldNet = settings.fieldNet;
            project.config.sensors = upload.sensors;
            return;
        }
        case ProjectPart::IoMap:
            applyUpload(project.ioMap, readIoMap(ctx));
            return;
    }
}

std::optional<PartFault> projectFault(const Project &project, const ProjectParts &parts)
{
    for (ProjectPart part : parts) {
        std::optional<Outcome> fault;
        switch (part) {
            case ProjectPart::Uart1:
            case ProjectPart::Uart2: {
                const UartTabState &state = uartStateOf(project, part);
                fault = portConfigFault(state.settings, state.requests);
                break;
            }
            case ProjectPart::OneWire:
                fault = auxConfigFault(oneWireStateOf(project));
                break;
            case ProjectPart::IoMap:
                break;
        }
        if (fault)
            return PartFault{part, *fault};
    }
    return std::nullopt;
}

ProjectRun loadToPlc(TransferContext &ctx, const Project &project, const ProjectParts &parts)
{
    ProjectRun run;
    run.outcome = askThenRun(ctx, downloadQuestion(), [&] {
        if (const auto fault = projectFault(project, parts)) {
            run.ended = fault->part;
            return fault->refusal;
        }
        return runParts(ctx, parts, true, run,
                        [&project](TransferContext &partCtx, ProjectPart part) {
                            return writeProjectPart(partCtx, project, part);
                        });
    });
    return run;
}

ProjectRun readFromPlc(TransferContext &ctx, const Project &base, const ProjectParts &parts,
                       Project *read)
{
    ProjectRun run;
    Project project = base;
    run.outcome = runOnLink(ctx.link, [&] {
        return runParts(ctx, parts, false, run,
                        [&project](TransferContext &partCtx, ProjectPart part) {
                            readProjectPart(partCtx, project, part);
                            return Outcome();
                        });
    });
    if (run.outcome.done() && read)
        *read = project;
    return run;
}

}  // namespace plc
