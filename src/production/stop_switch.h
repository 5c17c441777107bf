#pragma once

#include <QObject>
#include <atomic>

namespace plc {

// The production window's Cancel for every port at once: a flag each port's link reads before
// each exchange (as Ctrl-C raises it on the command line), and a signal for what waits on
// something other than the link (the update program).
class StopSwitch : public QObject {
    Q_OBJECT

public:
    // The flag the links read; safe from any thread.
    const std::atomic<bool> &flag() const { return m_flag; }
    bool isRaised() const { return m_flag.load(); }

    // Raises the flag and says so, once per run.
    void raise();
    // Lowers it for the next run.
    void reset() { m_flag.store(false); }

Q_SIGNALS:
    void raised();

private:
    std::atomic<bool> m_flag{false};
};

}  // namespace plc
