#include "update_window.h"

#include "firmware_image.h"
#include "loader_port.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

namespace {

const QList<int> kSpeeds = {115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200};

const QString kReadoutQuestion = QStringLiteral(
    "The chip is readout-protected. Readout Unprotect removes the protection and ERASES THE "
    "WHOLE FLASH of the controller; the controller restarts into its loader. Unprotect now?");
const QString kWriteQuestion = QStringLiteral(
    "The flash is write-protected. Write Unprotect removes the write protection of the whole "
    "flash; the controller restarts into its loader. Unprotect now?");

}  // namespace

UpdateWindow::UpdateWindow(const StoredPort &stored, Confirm confirm, QWidget *parent)
    : QWidget(parent), m_confirm(confirm ? std::move(confirm) : Confirm(&askOkCancel))
{
    setWindowTitle(QStringLiteral("Firmware update"));
    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    m_device = new QLineEdit(stored.device, this);
    m_speed = new QComboBox(this);
    for (const int speed : kSpeeds)
        m_speed->addItem(QString::number(speed), speed);
    m_parity = new QComboBox(this);
    m_parity->addItem(QStringLiteral("8E1 (the loader's)"), true);
    m_parity->addItem(QStringLiteral("8N1 (a line without parity)"), false);
    m_connect = new QPushButton(QStringLiteral("Connect"), this);
    m_info = new QLabel(QStringLiteral("Not connected"), this);
    m_file = new QLineEdit(this);
    m_browse = new QPushButton(QStringLiteral("Choose..."), this);
    m_write = new QPushButton(QStringLiteral("Write"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_progress = new QProgressBar(this);
    m_status = new QLabel(this);
    for (auto [w, name] :
         std::initializer_list<std::pair<QWidget *, const char *>>{{m_device, "device"},
                                                                   {m_speed, "speed"},
                                                                   {m_parity, "parity"},
                                                                   {m_connect, "connect"},
                                                                   {m_info, "info"},
                                                                   {m_file, "file"},
                                                                   {m_browse, "browse"},
                                                                   {m_write, "write"},
                                                                   {m_cancel, "cancel"},
                                                                   {m_progress, "progress"},
                                                                   {m_status, "status"}})
        named(w, name);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_cancel->setEnabled(false);
    m_progress->setValue(0);

    auto *line = new QHBoxLayout;
    line->addWidget(m_speed);
    line->addWidget(m_parity);
    line->addWidget(m_connect);
    auto *file = new QHBoxLayout;
    file->addWidget(m_file);
    file->addWidget(m_browse);
    auto *form = new QFormLayout;
    const QString port = stored.number > 0 ? QStringLiteral("Port COM%1:").arg(stored.number)
                                           : QStringLiteral("Port:");
    form->addRow(port, m_device);
    form->addRow(QStringLiteral("Line:"), line);
    form->addRow(QStringLiteral("Loader:"), m_info);
    form->addRow(QStringLiteral("Firmware:"), file);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_write);
    buttons->addWidget(m_cancel);
    auto *all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(buttons);
    all->addWidget(m_status);
    resize(560, 220);

    connect(m_browse, &QPushButton::clicked, this, &UpdateWindow::chooseFile);
    connect(m_connect, &QPushButton::clicked, this, &UpdateWindow::connectLoader);
    connect(m_write, &QPushButton::clicked, this, &UpdateWindow::writeImage);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_client)
            m_client->cancel();
        m_status->setText(QStringLiteral("Stopping at the next block..."));
    });
}

bool UpdateWindow::askOkCancel(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QString(), question, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void UpdateWindow::closeEvent(QCloseEvent *event)
{
    // The port is in use until the action stops at its next block.
    if (m_client) {
        m_client->cancel();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void UpdateWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Firmware image"), m_file->text(),
        QStringLiteral("Firmware images (*.hex *.ihex *.ihx *.bin);;All files (*)"));
    if (!path.isEmpty())
        m_file->setText(path);
}

void UpdateWindow::connectLoader()
{
    run([](LoaderClient &client) { return client.connectLoader(); });
}

void UpdateWindow::writeImage()
{
    const ImageFile file = loadImageFile(m_file->text(), loader::kFlashStart);
    if (!file.error.isEmpty() || file.image.isEmpty()) {
        m_status->setText(file.error.isEmpty() ? checkImageFits(file.image, loader::kFlashStart, 0)
                                               : file.error);
        return;
    }
    run([this, &file](LoaderClient &client) {
        UpdateOutcome outcome = client.connectLoader();
        if (outcome.ok())
            outcome = client.write(file.image);
        if (outcome.kind != UpdateOutcome::Kind::ReadoutProtected &&
            outcome.kind != UpdateOutcome::Kind::WriteProtected)
            return outcome;
        outcome = offerUnprotect(client, outcome);
        return outcome.ok() ? client.write(file.image) : outcome;
    });
}

UpdateOutcome UpdateWindow::offerUnprotect(LoaderClient &client, const UpdateOutcome &outcome)
{
    const bool readout = outcome.kind == UpdateOutcome::Kind::ReadoutProtected;
    m_status->setText(outcome.message);
    if (!m_confirm(this, readout ? kReadoutQuestion : kWriteQuestion))
        return outcome;
    m_status->setText(readout ? QStringLiteral("Readout Unprotect: erasing the whole flash...")
                              : QStringLiteral("Write Unprotect..."));
    return client.unprotect(readout);
}

void UpdateWindow::run(const std::function<UpdateOutcome(LoaderClient &)> &action)
{
    if (m_client)
        return;
    LoaderLine line;
    line.baudRate = m_speed->currentData().toInt();
    line.evenParity = m_parity->currentData().toBool();
    LoaderPort port;
    const QString notOpened = port.open(m_device->text().trimmed(), line);
    if (!notOpened.isEmpty()) {
        m_status->setText(notOpened);
        return;
    }
    LoaderClient client(port);
    connect(&client, &LoaderClient::progress, this, &UpdateWindow::showProgress);
    m_client = &client;
    setBusy(true);
    m_status->setText(QStringLiteral("Connecting..."));
    const UpdateOutcome outcome = action(client);
    m_client = nullptr;
    port.close();
    setBusy(false);
    if (client.info().flashKb > 0)
        m_info->setText(client.info().text());
    m_status->setText(outcome.ok() ? QStringLiteral("Done: %1.").arg(client.info().text())
                                   : outcome.message);
}

void UpdateWindow::setBusy(bool busy)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_device, m_speed, m_parity, m_connect,
                                                       m_file, m_browse, m_write})
        w->setEnabled(!busy);
    m_cancel->setEnabled(busy);
}

void UpdateWindow::showProgress(LoaderClient::Phase phase, int done, int total)
{
    static const QString names[] = {QStringLiteral("Erase"), QStringLiteral("Write"),
                                    QStringLiteral("Verify")};
    m_progress->setFormat(names[int(phase)] + QStringLiteral(" %p%"));
    m_progress->setRange(0, qMax(total, 1));
    m_progress->setValue(done);
    m_status->setText(names[int(phase)] + QStringLiteral("..."));
}

}  // namespace plc
