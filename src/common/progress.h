#pragma once

// Where a transfer reports how far it has come: the progress window, or a recorder in tests.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void open() = 0;                   // shown modeless, at 0
    virtual void setPercent(int percent) = 0;  // 0 to 100, repainted at once
    virtual void close() = 0;
};

// Keeps the progress window open for one transfer and closes it on every path out.
class ProgressGuard {
public:
    explicit ProgressGuard(ProgressDisplay &display) : m_display(display) { m_display.open(); }
    ~ProgressGuard() { m_display.close(); }
    ProgressGuard(const ProgressGuard &) = delete;
    ProgressGuard &operator=(const ProgressGuard &) = delete;

    void setPercent(int percent) { m_display.setPercent(percent); }

private:
    ProgressDisplay &m_display;
};
