#pragma once

#include "loader_client.h"
#include "progress_estimate.h"
#include "update_command_line.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace plc {

class UpdateSettings;

// plc-update's window: the port and line, the entry sequence, what the loader is, the image
// file, Write with its progress by phase, speed and time left, and Cancel. It reads its controls
// into values and hands them to the guided update; every rule lives there.
class UpdateWindow : public QWidget {
    Q_OBJECT

public:
    // Asks an OK/Cancel question; true for OK.
    using Confirm = std::function<bool(QWidget *parent, const QString &question)>;

    explicit UpdateWindow(const StoredPort &stored, Confirm confirm = {},
                          QWidget *parent = nullptr);
    // settings: where the choices and unfinished updates are kept (none: nothing is kept);
    // backupFolder: where a write saves the pages it erases first (empty: no backup).
    UpdateWindow(const StoredPort &stored, UpdateSettings *settings, const QString &backupFolder,
                 Confirm confirm = {}, QWidget *parent = nullptr);

    static bool askOkCancel(QWidget *parent, const QString &question);

    // Shows the window in front of the others (a second start of the program asked for it).
    void bringToFront();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Action { Connect, Write };

    void restoreChoices();
    void chooseFile();
    // Opens the port, runs the action with a client on it, closes the port, shows the outcome.
    void run(Action action);
    // The port the device box names: "COM3" or a device the tool maps to a port number, else
    // the device alone (number 0).
    StoredPort typedPort() const;
    void showPortName();
    // A file for the backup of a write on the port that holds no other backup.
    QString newBackupPath(const StoredPort &port) const;
    void clearDisplay();
    void setBusy(bool busy);
    void showProgress(LoaderClient::Phase phase, int done, int total);

    StoredPort m_stored;
    UpdateSettings *m_settings = nullptr;
    QString m_backupFolder;
    Confirm m_confirm;
    QLabel *m_portLabel = nullptr;
    QLineEdit *m_device = nullptr;
    QComboBox *m_speed = nullptr;
    QComboBox *m_parity = nullptr;
    QPushButton *m_connect = nullptr;
    QLineEdit *m_entry = nullptr;
    QLabel *m_info = nullptr;
    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_write = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    LoaderClient *m_client = nullptr;  // while an action runs
    ProgressEstimate m_estimate;
    QElapsedTimer m_clock;  // since the action began
};

}  // namespace plc
