#pragma once

#include "progress.h"
#include "prompts.h"

#include <QByteArray>
#include <QString>
#include <QTextStream>
#include <functional>

namespace plc {

// The command line's two streams: results to standard output, progress and every message the
// window would show to standard error, each line flushed at once.
class Console {
public:
    using Sink = std::function<void(const QString &)>;

    Console();
    // One port's console among several: its messages and progress lines go to these sinks (the
    // progress board); its results are collected by the caller, not printed here.
    Console(Sink notes, Sink progress);

    void result(const QString &line);
    void resultBytes(const QByteArray &bytes);
    void note(const QString &line);
    // A progress line such as "uart1: 5/16"; a message line on a console of its own.
    void progress(const QString &line);

private:
    QTextStream m_out;
    QTextStream m_err;
    Sink m_notes;
    Sink m_progress;
};

// Prompts without a window: messages are printed with their own text, questions are answered
// with OK (a command asks nothing), and no file is asked for.
class ConsolePrompts : public Prompts {
public:
    explicit ConsolePrompts(Console &console) : m_console(console) {}

    void message(QWidget *parent, const QString &text, const QString &title = QString()) override;
    bool confirm(QWidget *parent, const QString &text) override;
    Keep askKeep(QWidget *, const QString &) override { return Keep::Discard; }
    QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter, const QString &defaultSuffix) override;

private:
    Console &m_console;
};

// Progress without a window: one line per piece of a table, such as "uart1: 5/16".
class ConsoleProgress : public ProgressDisplay {
public:
    explicit ConsoleProgress(Console &console) : m_console(console) {}

    // What the lines start with: the part being transferred.
    void setLabel(const QString &label) { m_label = label; }

    void open() override {}
    void setPercent(int) override {}
    void close() override {}
    void pieceDone(int piece, int pieces) override;

private:
    Console &m_console;
    QString m_label;
};

}  // namespace plc
