#pragma once

#include "plc_link.h"
#include "serial_ports.h"
#include "settings_store.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace plc {

class Prompts;

// The "COM-port setting" dialog: chooses the port and its line settings, stores them with
// "OK", and tests with its own port whether a controller answers on the selected settings.
class PortSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // stored runs after "OK" has written the settings (the main window rebuilds its caption).
    PortSettingsDialog(Prompts &prompts, std::function<void()> stored, QWidget *parent = nullptr);

    // The dialog's own port, used only by "Test".
    PlcLink &link() { return m_link; }

    // "OK": store the five selections, tell the owner, set up the dialog's port, close.
    void storeAndClose();
    // "Test": probe the controller on the selected port and settings and report the result.
    void testConnection();
    // "Detect...": lists the system's serial ports; the one chosen becomes the selected port's
    // device (stored at once) or, on Windows, the selected port.
    void detectPorts();
    // Where "Detect..." learns the system's ports (tests give their own).
    void setPortLister(std::function<QList<SystemPort>()> lister) { m_lister = std::move(lister); }
    // Told how "Test" ended, before its message box waits: the window's status line names
    // what really happened ("Connection test: COM5 (/dev/ttyS4): no answer to ENQ ...").
    void setActionFinished(std::function<void(const QString &action, const Outcome &)> finished)
    {
        m_finished = std::move(finished);
    }

    // Every way of closing ends here: the dialog's port is released.
    void done(int result) override;

private:
    // A list and the key it is stored under; none for the port list (Port_num).
    struct StoredList {
        QComboBox *list;
        std::optional<settingsfile::LineList> key;
    };

    QComboBox *addList(QFormLayout *form, const QString &label, const QString &name,
                       std::optional<settingsfile::LineList> key, const QStringList &entries,
                       QWidget *beside = nullptr);
    LineSettings selectedLineSettings() const;
    void showPortDevice();
    // The port list's marks: which ports [PORTS] maps and whose devices are present.
    void markPorts();

    Prompts &m_prompts;
    std::function<void()> m_stored;
    std::function<void(const QString &, const Outcome &)> m_finished;
    PlcLink m_link;
    QList<StoredList> m_lists;  // in the order "OK" writes them
    QComboBox *m_port = nullptr;
    QLabel *m_device = nullptr;
    QPushButton *m_detect = nullptr;
    std::function<QList<SystemPort>()> m_lister = systemPorts;
};

}  // namespace plc
