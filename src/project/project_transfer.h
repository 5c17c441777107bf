#pragma once

#include "outcome.h"
#include "project_file.h"

#include <QList>
#include <QString>
#include <optional>

namespace plc {

struct TransferContext;

// The parts of a controller's configuration, each with a download and an upload of its own, in
// the order they go over the line.
enum class ProjectPart { Uart1, Uart2, OneWire, IoMap };
using ProjectParts = QList<ProjectPart>;

const ProjectParts &allProjectParts();
// "uart1", "uart2", "onewire", "iomap": how the command line and compare lines name a part.
QString partKey(ProjectPart part);
std::optional<ProjectPart> partOfKey(const QString &key);
// "UART 1", "UART 2", "1-wire", "I/O map": how the window names a part.
QString partCaption(ProjectPart part);

// Inside an action that holds the link (runOnLink): one part written as its own download
// writes it (the same frames, read back with ctx.verifyWrites), with no question. A refusal
// of its checks comes back; a failure on the line is thrown.
Outcome writeProjectPart(TransferContext &ctx, const Project &project, ProjectPart part);
// Inside an action that holds the link: one part read as its own upload reads it, and put into
// project as the window shows an upload (what the controller does not hold stays). Thrown on a
// failure.
void readProjectPart(TransferContext &ctx, Project &project, ProjectPart part);

// A part that fails the checks of its download, and the refusal to show.
struct PartFault {
    ProjectPart part;
    Outcome refusal;
};

// The checks each part's download makes before it sends anything, for all the parts at once:
// the first part that fails them, or none.
std::optional<PartFault> projectFault(const Project &project, const ProjectParts &parts);

// How an action over several parts ended.
struct ProjectRun {
    Outcome outcome;
    ProjectParts done;                 // the parts written or read before the end
    std::optional<ProjectPart> ended;  // the part it ended in when it did not end done
};

// "Load to PLC": one question, the checks of every chosen part, then the parts in order on one
// hold of the link, with one progress over them all; stops at the first part that fails.
ProjectRun loadToPlc(TransferContext &ctx, const Project &project, const ProjectParts &parts);

// Reads the chosen parts on one hold of the link, with one progress over them all, over base
// (what the controller does not hold keeps base's values). *read is set only when every part
// was read.
ProjectRun readFromPlc(TransferContext &ctx, const Project &base, const ProjectParts &parts,
                       Project *read);

}  // namespace plc
