#include "console.h"

#include <cstdio>

Console::Console() : m_out(stdout), m_err(stderr) {}

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
    m_err << line << '\n';
    m_err.flush();
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
    m_console.note(QStringLiteral("%1: %2/%3").arg(m_label).arg(piece).arg(pieces));
}
