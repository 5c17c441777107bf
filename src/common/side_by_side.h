#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace plc {

// Ctrl-C while it lives: the signal handler only writes a byte into a pipe (async-signal-safe);
// this thread's event loop reads it, raises the stop flag and says interrupted(). Work that
// checks the flag before each exchange stops there. One at a time; the previous handler comes
// back when it goes.
class InterruptWatch : public QObject {
    Q_OBJECT

public:
    InterruptWatch();
    ~InterruptWatch() override;
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    // Raised once Ctrl-C came; safe to read from any thread.
    const std::atomic<bool> &flag() const { return m_flag; }
    bool requested() const { return m_flag.load(); }

Q_SIGNALS:
    void interrupted();

private:
    void readPipe();

    std::atomic<bool> m_flag{false};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// Progress of several ports on standard error, one line per port: redrawn in place on a
// terminal, printed as plain lines otherwise. Messages go above the lines. Every entry point may
// be called from any thread; the drawing happens on the thread the board lives in (at once when
// called there), in the order the calls came from each thread.
class ProgressBoard : public QObject {
    Q_OBJECT

public:
    // names: how each port is named at the start of its lines. inPlace: redraw (a terminal).
    ProgressBoard(QStringList names, bool inPlace, std::FILE *stream = stderr);

    // The port's progress line, "uart1: 5/16".
    void show(int port, const QString &line);
    // A message of the port, printed above the board, its name first.
    void say(int port, const QString &text);
    // Whether standard error is a terminal (where the board redraws in place).
    static bool stderrIsTerminal();

private:
    void redraw();
    void write(const QString &text);

    QStringList m_names;
    QStringList m_lines;
    bool m_inPlace;
    std::FILE *m_stream;
    int m_drawn = 0;  // lines of the board on the screen below the messages
};

// Runs job(i) for i = 0 .. count-1, each on a thread of its own, side by side; this thread
// waits in its event loop (no CPU) and calls ended(i) as each ends, in the order they end.
// A job owns what it creates: objects made in the job live on its thread.
void runSideBySide(int count, const std::function<void(int)> &job,
                   const std::function<void(int)> &ended);

// The numerically highest of the codes: 0 only when every one is 0.
int worstExitCode(const QList<int> &codes);

}  // namespace plc
