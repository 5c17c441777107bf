#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace plc {

class PlcLink;
struct Outcome;

// The main window's status line: how the last action ended, the tables' unkept edits, and the
// chosen port with its device and line settings.
class StatusLine : public QObject {
    Q_OBJECT

public:
    // The lines go into bar; link tells which port an action ran on.
    StatusLine(QStatusBar &bar, const PlcLink &link);

    // The stored port as it is now.
    void showPortStatus();
    // A line about the last action; one about port `port` goes when another port is chosen.
    void showStatus(const QString &text, int port = 0);
    // How a named action ended, on the port the link used.
    void showActionOutcome(const QString &action, const Outcome &outcome);
    // Whether the tables hold edits neither saved nor written.
    void showEdits(bool unkept);

private:
    const PlcLink &m_link;
    QLabel *m_actionStatus = nullptr;
    QLabel *m_portStatus = nullptr;
    QLabel *m_editStatus = nullptr;
    int m_statusPort = 0;  // the port the action status speaks of; 0: none
};

}  // namespace plc
