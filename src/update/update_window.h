#pragma once

#include "loader_client.h"
#include "update_command_line.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace plc {

class FirmwareImage;
class LoaderPort;

// plc-update's window: the port and line, what the loader is, the image file, Write with its
// progress by phase, and Cancel. It reads its controls into values and hands them to the loader
// client; every rule lives there.
class UpdateWindow : public QWidget {
    Q_OBJECT

public:
    // Asks an OK/Cancel question; true for OK.
    using Confirm = std::function<bool(QWidget *parent, const QString &question)>;

    explicit UpdateWindow(const StoredPort &stored, Confirm confirm = {},
                          QWidget *parent = nullptr);

    static bool askOkCancel(QWidget *parent, const QString &question);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void chooseFile();
    void connectLoader();
    void writeImage();
    // Opens the port, runs the action with a client on it, closes the port, shows the outcome.
    void run(const std::function<UpdateOutcome(LoaderClient &)> &action);
    // A refused read or write offers the unprotect that removes the cause; after OK it runs and
    // the loader is connected again.
    UpdateOutcome offerUnprotect(LoaderClient &client, const UpdateOutcome &outcome);
    void setBusy(bool busy);
    void showProgress(LoaderClient::Phase phase, int done, int total);

    Confirm m_confirm;
    QLineEdit *m_device = nullptr;
    QComboBox *m_speed = nullptr;
    QComboBox *m_parity = nullptr;
    QPushButton *m_connect = nullptr;
    QLabel *m_info = nullptr;
    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_write = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    LoaderClient *m_client = nullptr;  // while an action runs
};

}  // namespace plc
