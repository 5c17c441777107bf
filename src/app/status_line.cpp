#include "status_line.h"

#include "outcome.h"
#include "plc_link.h"
#include "serial_ports.h"
#include "settings_store.h"
#include "status_texts.h"

#include <QLabel>
#include <QStatusBar>

namespace plc {

StatusLine::StatusLine(QStatusBar &bar, const PlcLink &link) : QObject(&bar), m_link(link)
{
    m_actionStatus = new QLabel(&bar);
    m_actionStatus->setObjectName(QStringLiteral("actionStatus"));
    // A long failure text must not widen the window.
    m_actionStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_portStatus = new QLabel(&bar);
    m_portStatus->setObjectName(QStringLiteral("portStatus"));
    m_editStatus = new QLabel(&bar);
    m_editStatus->setObjectName(QStringLiteral("editStatus"));
    bar.addWidget(m_actionStatus, 1);
    bar.addPermanentWidget(m_editStatus);
    bar.addPermanentWidget(m_portStatus);
    showPortStatus();
}

void StatusLine::showPortStatus()
{
    const PortSetup port = settingsfile::storedPort();
    m_portStatus->setText(
        portStatusText(port.number, port.device, port.line.text(), devicePresent(port.device)));
    // What was said about another port no longer applies.
    if (m_statusPort != 0 && m_statusPort != port.number)
        showStatus(QString());
}

void StatusLine::showStatus(const QString &text, int port)
{
    m_actionStatus->setText(text);
    m_actionStatus->setToolTip(text);
    m_statusPort = text.isEmpty() ? 0 : port;
}

void StatusLine::showActionOutcome(const QString &action, const Outcome &outcome)
{
    const QString text =
        actionStatusText(action, outcome, settingsfile::updateUnfinished(m_link.device()));
    showStatus(text, m_link.portNumber());
    if (outcome.isLinkFailure() && !text.contains(outcome.message))
        m_actionStatus->setToolTip(text + QLatin1Char('\n') + outcome.message);
}

void StatusLine::showEdits(bool unkept)
{
    m_editStatus->setText(unkept ? tr("Changes not saved or written") : QString());
    m_editStatus->setToolTip(unkept ? tr("The tables hold changes that are neither in the last "
                                         "configuration file loaded or saved nor written to the "
                                         "controller")
                                    : QString());
}

}  // namespace plc
