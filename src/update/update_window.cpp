#include "update_window.h"

#include "firmware_image.h"
#include "flash_read.h"
#include "guided_update.h"
#include "loader_port.h"
#include "update_settings.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace plc {

namespace {

const QList<int> kSpeeds = {115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200};
constexpr int kToolPorts = 10;  // COM1 to COM10

}  // namespace

UpdateWindow::UpdateWindow(const StoredPort &stored, Confirm confirm, QWidget *parent)
    : UpdateWindow(stored, nullptr, QString(), std::move(confirm), parent)
{
}

UpdateWindow::UpdateWindow(const StoredPort &stored, UpdateSettings *settings,
                           const QString &backupFolder, Confirm confirm, QWidget *parent)
    : QWidget(parent),
      m_stored(stored),
      m_settings(settings),
      m_backupFolder(backupFolder),
      m_confirm(confirm ? std::move(confirm) : Confirm(&askOkCancel))
{
    setWindowTitle(tr("Firmware update"));
    m_portLabel = new QLabel(this);
    m_device = new QLineEdit(stored.device, this);
    m_speed = new QComboBox(this);
    for (const int speed : kSpeeds)
        m_speed->addItem(QString::number(speed), speed);
    m_parity = new QComboBox(this);
    m_parity->addItem(tr("8E1 (the loader's)"), true);
    m_parity->addItem(tr("8N1 (a line without parity)"), false);
    m_connect = new QPushButton(tr("Connect"), this);
    m_entry = new QLineEdit(this);
    m_entry->setPlaceholderText(tr("none (as rts=1,dtr=0,wait=100,dtr=1,wait=50)"));
    m_entry->setToolTip(
        tr("Drives DTR and RTS before the loader is reached, for boards that wire them to reset "
           "and BOOT0: dtr=0|1, rts=0|1 (1 asserts the line) and wait=ms, run in order"));
    m_info = new QLabel(this);
    m_file = new QLineEdit(this);
    m_browse = new QPushButton(tr("Choose..."), this);
    m_write = new QPushButton(tr("Write"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_progress = new QProgressBar(this);
    m_status = new QLabel(this);
    for (auto [w, name] :
         std::initializer_list<std::pair<QWidget *, const char *>>{{m_portLabel, "portLabel"},
                                                                   {m_device, "device"},
                                                                   {m_speed, "speed"},
                                                                   {m_parity, "parity"},
                                                                   {m_connect, "connect"},
                                                                   {m_entry, "entry"},
                                                                   {m_info, "info"},
                                                                   {m_file, "file"},
                                                                   {m_browse, "browse"},
                                                                   {m_write, "write"},
                                                                   {m_cancel, "cancel"},
                                                                   {m_progress, "progress"},
                                                                   {m_status, "status"}})
        w->setObjectName(QLatin1String(name));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_cancel->setEnabled(false);

    auto *line = new QHBoxLayout;
    line->addWidget(m_speed);
    line->addWidget(m_parity);
    line->addWidget(m_connect);
    auto *file = new QHBoxLayout;
    file->addWidget(m_file);
    file->addWidget(m_browse);
    auto *form = new QFormLayout;
    form->addRow(m_portLabel, m_device);
    form->addRow(tr("Line:"), line);
    form->addRow(tr("Entry sequence:"), m_entry);
    form->addRow(tr("Loader:"), m_info);
    form->addRow(tr("Firmware:"), file);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_write);
    buttons->addWidget(m_cancel);
    auto *all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addLayout(buttons);
    all->addWidget(m_status);
    resize(560, 250);

    restoreChoices();
    clearDisplay();
    showPortName();
    connect(m_device, &QLineEdit::textChanged, this, &UpdateWindow::showPortName);
    connect(m_browse, &QPushButton::clicked, this, &UpdateWindow::chooseFile);
    connect(m_connect, &QPushButton::clicked, this, [this] { run(Action::Connect); });
    connect(m_write, &QPushButton::clicked, this, [this] { run(Action::Write); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_client)
            m_client->cancel();
        m_status->setText(tr("Stopping before the next command..."));
    });
}

bool UpdateWindow::askOkCancel(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QString(), question, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void UpdateWindow::bringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void UpdateWindow::closeEvent(QCloseEvent *event)
{
    // The port is in use until the action stops before its next command.
    if (m_client) {
        m_client->cancel();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void UpdateWindow::restoreChoices()
{
    if (!m_settings)
        return;
    const WindowChoices kept = m_settings->windowChoices();
    // A device chosen under another port of the tool gives way to the one the tool uses now.
    if (!kept.device.isEmpty() && kept.toolPort == m_stored.number)
        m_device->setText(kept.device);
    const int speed = m_speed->findData(kept.speed);
    m_speed->setCurrentIndex(qMax(speed, 0));
    m_parity->setCurrentIndex(kept.evenParity ? 0 : 1);
    m_entry->setText(kept.entry);
}

void UpdateWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Firmware image"), m_file->text(),
        tr("Firmware images (*.hex *.ihex *.ihx *.bin);;All files (*)"));
    if (!path.isEmpty())
        m_file->setText(path);
}

StoredPort UpdateWindow::typedPort() const
{
    const QString text = m_device->text().trimmed();
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]?)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto com = comName.match(text);
    if (com.hasMatch() && m_settings)
        return {com.captured(1).toInt(), m_settings->deviceOf(com.captured(1).toInt())};
    for (int n = 1; m_settings && n <= kToolPorts; ++n) {
        if (m_settings->deviceOf(n) == text)
            return {n, text};
    }
    if (m_stored.number > 0 && text == m_stored.device)
        return m_stored;
    return {0, text};
}

void UpdateWindow::showPortName()
{
    const StoredPort port = typedPort();
    m_portLabel->setText(port.number > 0 ? tr("Port COM%1:").arg(port.number) : tr("Port:"));
}

QString UpdateWindow::newBackupPath(const StoredPort &port) const
{
    const QString name = port.number > 0 ? QStringLiteral("COM%1").arg(port.number)
                                         : QFileInfo(port.device).fileName();
    const QString path =
        QDir(m_backupFolder).filePath(backupFileName(name, QDateTime::currentDateTime()));
    // Two writes within a second keep both backups.
    QString free = path;
    for (int n = 2; QFileInfo::exists(free); ++n)
        free = path.chopped(4) + QStringLiteral("-%1.bin").arg(n);
    return free;
}

void UpdateWindow::clearDisplay()
{
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("%p%"));
    m_info->setText(tr("Not connected"));
    m_status->clear();
}

void UpdateWindow::run(Action action)
{
    if (m_client)
        return;
    clearDisplay();
    QString error;
    const auto entry = m_entry->text().trimmed().isEmpty()
                           ? std::optional<ModemSequence>(ModemSequence())
                           : parseModemSequence(m_entry->text().trimmed(), &error);
    if (!entry) {
        m_status->setText(error);
        return;
    }
    LoaderLine line;
    line.baudRate = m_speed->currentData().toInt();
    line.evenParity = m_parity->currentData().toBool();
    const StoredPort port = typedPort();
    if (m_settings)
        m_settings->keepWindowChoices({m_stored.number, m_device->text().trimmed(), line.baudRate,
                                       line.evenParity, m_entry->text().trimmed()});
    ImageFile file;
    if (action == Action::Write) {
        file = loadImageFile(m_file->text(), loader::kFlashStart);
        if (file.error.isEmpty() && file.image.isEmpty())
            file.error = checkImageFits(file.image, loader::kFlashStart, 0);
        if (!file.error.isEmpty()) {
            m_status->setText(file.error);
            return;
        }
    }
    LoaderPort loaderPort;
    const QString notOpened = loaderPort.open(port.device, line);
    if (!notOpened.isEmpty()) {
        m_status->setText(notOpened);
        return;
    }

    UnfinishedMark mark(m_settings, port.device);
    LoaderClient client(loaderPort);
    connect(&client, &LoaderClient::progress, this, &UpdateWindow::showProgress);
    m_client = &client;
    m_estimate = ProgressEstimate();
    m_clock.start();
    setBusy(true);
    GuidedUpdate guided(loaderPort, client, *entry,
                        {[this](const QString &question) { return m_confirm(this, question); },
                         [this](const QString &text) { m_status->setText(text); },
                         [this](const LoaderInfo &loader) {
                             m_info->setText(loader.text());
                         }});
    const QString backupPath = m_backupFolder.isEmpty() ? QString() : newBackupPath(port);
    const UpdateOutcome outcome =
        action == Action::Write ? guided.write(file.image, backupPath) : guided.connect();
    m_client = nullptr;
    loaderPort.close();
    mark.end(guided.reached(), guided.started());
    if (action == Action::Write && m_settings) {
        m_settings->recordWrite(firmwareWrite(port.number, port.device, m_file->text(), file.image,
                                              outcome, guided.reached()));
    }
    setBusy(false);
    m_status->setText(outcome.message);
}

void UpdateWindow::setBusy(bool busy)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_device, m_speed, m_parity, m_connect,
                                                       m_entry, m_file, m_browse, m_write})
        w->setEnabled(!busy);
    m_cancel->setEnabled(busy);
}

void UpdateWindow::showProgress(LoaderClient::Phase phase, int done, int total)
{
    static const char *const names[] = {QT_TR_NOOP("Erase"), QT_TR_NOOP("Write"),
                                        QT_TR_NOOP("Verify")};
    m_progress->setFormat(tr(names[int(phase)]) + QStringLiteral(" %p%"));
    m_progress->setRange(0, qMax(total, 1));
    m_progress->setValue(done);
    m_status->setText(m_estimate.text(phase, done, total, m_clock.elapsed()));
}

}  // namespace plc
