#pragma once

#include <functional>
#include <utility>

namespace plc {

// Where a transfer reports how far it has come: the progress window, or a recorder in tests.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void open() = 0;                   // shown modeless, at 0
    virtual void setPercent(int percent) = 0;  // 0 to 100, repainted at once
    virtual void close() = 0;
    // Piece `piece` of `pieces` of a table has gone over the line; a window shows only the
    // percentage, a console one line per piece.
    virtual void pieceDone(int /*piece*/, int /*pieces*/) {}

    // What the display's Cancel does while a transfer shows in it (stop that transfer before
    // its next exchange); nothing when none is set.
    void setCancel(std::function<void()> cancel) { m_cancel = std::move(cancel); }

protected:
    bool canCancel() const { return bool(m_cancel); }
    // The user asked to stop the transfer shown.
    void requestCancel() const
    {
        if (m_cancel)
            m_cancel();
    }

private:
    std::function<void()> m_cancel;
};

// Where an action that shows no progress (the connection test) reports it.
class NoProgress : public ProgressDisplay {
public:
    void open() override {}
    void setPercent(int) override {}
    void close() override {}
};

// Keeps the progress window open for one transfer and closes it on every path out. While it is
// open, the window's Cancel calls `cancel`.
class ProgressGuard {
public:
    explicit ProgressGuard(ProgressDisplay &display, std::function<void()> cancel = {})
        : m_display(display)
    {
        m_display.setCancel(std::move(cancel));
        m_display.open();
    }
    ~ProgressGuard()
    {
        m_display.close();
        m_display.setCancel({});
    }
    ProgressGuard(const ProgressGuard &) = delete;
    ProgressGuard &operator=(const ProgressGuard &) = delete;

    void setPercent(int percent) { m_display.setPercent(percent); }
    void pieceDone(int piece, int pieces)
    {
        if (m_piecesShown)
            m_display.pieceDone(piece, pieces);
    }
    // The percentage alone: what goes over is not a table's pieces, so a console prints no line.
    void showPercentOnly() { m_piecesShown = false; }

private:
    ProgressDisplay &m_display;
    bool m_piecesShown = true;
};

}  // namespace plc
