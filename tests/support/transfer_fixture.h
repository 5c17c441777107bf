#pragma once

#include "link_action.h"
#include "plc_link.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"

#include <QObject>
#include <functional>
#include <memory>

namespace plc {

// What a transfer runs with in a test: a virtual controller reached as COM1, a link set up from
// the settings file as the window sets it up before an action, scripted prompts, a recording
// progress window and the context the transfer takes.
class TransferFixture {
public:
    TransferFixture();

    SimFixture sim;
    PlcLink link;
    ScriptedPrompts prompts;
    RecordingProgress progress;
    TransferContext ctx{link, prompts, progress};

    // Tells an action's outcome as the window does: its message goes to the prompts.
    Outcome show(const Outcome &outcome) { return report(ctx, QString(), outcome); }
    template <typename T>
    Result<T> show(const Result<T> &result)
    {
        show(result.outcome);
        return result;
    }
    // Runs an action and shows its outcome; false when it never started (the link was busy).
    bool run(const std::function<Outcome()> &action)
    {
        return show(action()).kind != Outcome::Kind::Busy;
    }
    // The frames the controller received, as wire() writes them.
    QStringList frames() const { return wire(sim.plc.frames()); }
    // The port released and the progress window closed, as every action must leave them.
    bool released() const { return !link.isOpen() && progress.closed == progress.opened; }
};

// What the transfer and exchange tests start from: a fresh fixture for each test function; after
// each, unless the test opened the port itself, the port released and the progress window closed
// as every action must leave them.
class TransferTest : public QObject {
    Q_OBJECT

protected:
    // For the tests that exchange frames themselves: init() with the port opened.
    void startWithOpenPort();
    // Runs an action and shows its outcome; false when it never started.
    bool run(const std::function<Outcome()> &action) { return m_f->run(action); }

    std::unique_ptr<TransferFixture> m_f;

protected Q_SLOTS:
    void init();
    void cleanup();

private:
    bool m_portOpened = false;
};

}  // namespace plc
