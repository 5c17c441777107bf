#include "console.h"

#include <cstdio>
#include <utility>

namespace plc {

Console::Console() : m_out(stdout), m_err(stderr) {}

Console::Console(Sink notes, Sink progress)
    : m_out(stdout), m_err(stderr), m_notes(std::move(notes)), m_progress(std::move(progress))
{
}

void Console::result(const QString &line)
{
    m_out << line << '\n';
    m_out.flush();
}

void Console::resultBytes(const QByteArray &bytes)
{
    m_out.flush();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::note(const QString &line)
{
    if (m_notes) {
        m_notes(line);
        return;
    }
    m_err << line << '\n';
    m_err.flush();
}

void Console::progress(const QString &line)
{
    if (m_progress)
        m_progress(line);
    else
        note(line);
}

void ConsolePrompts::message(QWidget *, const QString &text, const QString &)
{
    m_console.note(text);
}

bool ConsolePrompts::confirm(QWidget *, const QString &)
{
    return true;
}

QString ConsolePrompts::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return QString();
}

QString ConsolePrompts::saveFileName(QWidget *, const QString &, const QString &, const QString &,
                                     const QString &)
{
    return QString();
}

void ConsoleProgress::pieceDone(int piece, int pieces)
{
    m_console.progress(QStringLiteral("%1: %2/%3").arg(m_label).arg(piece).arg(pieces));
}

}  // namespace plc
