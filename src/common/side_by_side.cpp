#include "side_by_side.h"

#include <fcntl.h>
#include <unistd.h>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <utility>
#include <vector>

namespace plc {

namespace {

// The pipe the handler writes into: read end, write end. -1 while no watch lives.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous = {};

void onInterrupt(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing else is safe to do here.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

InterruptWatch::InterruptWatch()
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // another watch is on (or no pipe): Ctrl-C ends the program as always
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &InterruptWatch::readPipe);
    struct sigaction action = {};
    action.sa_handler = &onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &g_previous);
}

InterruptWatch::~InterruptWatch()
{
    if (!m_notifier)
        return;
    ::sigaction(SIGINT, &g_previous, nullptr);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void InterruptWatch::readPipe()
{
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    if (m_flag.exchange(true))
        return;
    Q_EMIT interrupted();
}

ProgressBoard::ProgressBoard(QStringList names, bool inPlace, std::FILE *stream)
    : m_names(std::move(names)), m_inPlace(inPlace), m_stream(stream)
{
    for (int i = 0; i < m_names.size(); ++i)
        m_lines.append(tr("waiting"));
}

// Both draw at once on the board's thread; from another thread invokeMethod queues them.
void ProgressBoard::show(int port, const QString &line)
{
    QMetaObject::invokeMethod(this, [this, port, line] {
        m_lines[port] = line;
        if (m_inPlace)
            redraw();
        else
            write(m_names.at(port) + QStringLiteral(": ") + line + QLatin1Char('\n'));
    });
}

void ProgressBoard::say(int port, const QString &text)
{
    QMetaObject::invokeMethod(this, [this, port, text] {
        QString out;
        if (m_inPlace && m_drawn > 0)  // up over the board, which is drawn again below
            out = QStringLiteral("\x1b[%1A\r\x1b[J").arg(m_drawn);
        m_drawn = 0;
        write(out + m_names.at(port) + QStringLiteral(": ") + text + QLatin1Char('\n'));
        if (m_inPlace)
            redraw();
    });
}

bool ProgressBoard::stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

void ProgressBoard::redraw()
{
    QString out;
    if (m_drawn > 0)
        out = QStringLiteral("\x1b[%1A").arg(m_drawn);
    for (int i = 0; i < m_names.size(); ++i)
        out += QStringLiteral("\r\x1b[2K") + m_names.at(i) + QStringLiteral(": ") + m_lines.at(i) +
               QLatin1Char('\n');
    m_drawn = int(m_names.size());
    write(out);
}

void ProgressBoard::write(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_stream);
    std::fflush(m_stream);
}

void runSideBySide(int count, const std::function<void(int)> &job,
                   const std::function<void(int)> &ended)
{
    QEventLoop loop;
    std::vector<std::unique_ptr<QThread>> threads;
    int running = count;
    for (int i = 0; i < count; ++i) {
        threads.emplace_back(QThread::create([&job, i] { job(i); }));
        QObject::connect(threads.back().get(), &QThread::finished, &loop, [&, i] {
            ended(i);
            if (--running == 0)
                loop.quit();
        });
    }
    for (const std::unique_ptr<QThread> &thread : threads)
        thread->start();
    if (count > 0)
        loop.exec();
    for (const std::unique_ptr<QThread> &thread : threads)
        thread->wait();
}

int worstExitCode(const QList<int> &codes)
{
    return codes.isEmpty() ? 0 : *std::max_element(codes.begin(), codes.end());
}

}  // namespace plc
