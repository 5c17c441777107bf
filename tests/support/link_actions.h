#pragma once

#include "aux_transfer.h"
#include "bus_search.h"
#include "grid_model.h"
#include "io_block.h"
#include "port_transfer.h"
#include "transfer_fixture.h"

#include <QList>
#include <functional>

namespace plc {

// Every user action that talks to the controller, as the window runs it, with the values it
// works on: one registry for the tests that run each of them (faults at every frame, reading
// back what a download wrote). A new action adds an entry here, not a test.

// The values a window would show: what an action reads into and what a failed one must leave.
struct ActionValues {
    PortSettings settings{UartMode::ModbusMaster, 4, 2, QStringLiteral("5"), QStringLiteral("100")};
    GridModel grid{7};
    AuxSettings aux;
    GridModel sensors{10};
    IoMasks io;
    GridModel errors{3};
    QList<RomCode> found;

    // All of it as one text, to compare before and after.
    QString text() const;
};

// How an action treats the answer to one of its frames.
enum class AnswerUse { Examined, Unexamined, Probe };

struct LinkAction {
    QString name;
    std::function<void(TransferFixture &, ActionValues &)> prepare;
    // Runs the action and applies what it read as its tab does; its outcome.
    std::function<Outcome(TransferFixture &, ActionValues &)> run;
    std::function<int(const sim::VirtualPlc::Frame &)> timeoutMs;
    std::function<AnswerUse(const sim::VirtualPlc::Frame &, int frame)> answer;  // frames from 1
};

QList<LinkAction> linkActions();
// The one action of that name; the test stops when there is none.
LinkAction linkAction(const QString &name);

}  // namespace plc
