#include "com_setting.h"

#include "connection_test.h"
#include "ini_file.h"
#include "port_detection.h"
#include "port_setup.h"
#include "prompts.h"
#include "serial_ports.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kComSection = QStringLiteral("COM");

QStringList portNames()
{
    QStringList names;
    for (int n = 1; n <= 10; ++n)
        names.append(QStringLiteral("COM%1").arg(n));
    return names;
}

}  // namespace

Com_setting::Com_setting(Prompts &prompts, std::function<void()> stored, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_stored(std::move(stored))
{
    setWindowTitle(QStringLiteral("COM-port setting"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto *detect = new QPushButton(QStringLiteral("Detect..."), this);
    detect->setObjectName(QStringLiteral("detectButton"));
    detect->setAutoDefault(false);
    m_port = addList(form, QStringLiteral("COM-port :"), QStringLiteral("Port_num"),
                     QStringLiteral("Port_num"), portNames(), detect);
    m_device = new QLabel(this);
    m_device->setObjectName(QStringLiteral("portDevice"));
    m_device->setEnabled(false);  // drawn dimmed: a hint, not a setting
    m_device->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QString(), m_device);
    addList(form, QStringLiteral("Speed setting:"), QStringLiteral("Speed_set"),
            QStringLiteral("Speed"),
            {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
             QStringLiteral("57600"), QStringLiteral("115200")});
    addList(form, QStringLiteral("Parity setting"), QStringLiteral("Parity_set"),
            QStringLiteral("Parity"),
            {QStringLiteral("N"), QStringLiteral("O"), QStringLiteral("E")});
    addList(form, QStringLiteral("Bit number:"), QStringLiteral("Bit_setting"),
            QStringLiteral("Bit_num"),
            {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")});
    addList(form, QStringLiteral("Stop bit"), QStringLiteral("Stop_bit"),
            QStringLiteral("Stop_bit"),
            {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    // "OK" writes Port_num last.
    m_lists.append(m_lists.takeFirst());

    auto *test = new QPushButton(QStringLiteral("Test"), this);
    test->setObjectName(QStringLiteral("testButton"));
    test->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(test, &QPushButton::clicked, this, &Com_setting::testConnection);
    connect(ok, &QPushButton::clicked, this, &Com_setting::storeAndClose);
    connect(detect, &QPushButton::clicked, this, &Com_setting::detectPorts);
    connect(m_port, &QComboBox::currentIndexChanged, this, &Com_setting::showPortDevice);
    showPortDevice();

    // Which file "OK" writes: beside the program, or the user's own for an installed program.
    auto *file = new QLabel(
        QStringLiteral("Settings file: %1").arg(QDir::toNativeSeparators(settingsFilePath())),
        this);
    file->setObjectName(QStringLiteral("settingsFile"));
    file->setEnabled(false);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(test);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(file);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QComboBox *Com_setting::addList(QFormLayout *form, const QString &label, const QString &name,
                                const QString &key, const QStringList &entries, QWidget *beside)
{
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(entries);
    list->setCurrentIndex(storedListIndex(kComSection, key, int(entries.size())));
    list->setMinimumContentsLength(14);
    if (beside) {
        auto *row = new QHBoxLayout;
        row->addWidget(list, 1);
        row->addWidget(beside);
        form->addRow(label, row);
    } else {
        form->addRow(label, list);
    }
    m_lists.append({list, key});
    return list;
}

void Com_setting::showPortDevice()
{
    m_device->setText(deviceLine(m_port->currentIndex() + 1));
}

void Com_setting::detectPorts()
{
    QList<SystemPort> ports = m_lister();
    sortNewestFirst(ports);  // a port just plugged in comes first
    PortDetection detection(ports, this);
    if (detection.exec() != QDialog::Accepted)
        return;
    const std::optional<SystemPort> port = detection.chosen();
    if (!port)
        return;
    const int number = adoptDetectedPort(m_port->currentIndex() + 1, *port);
    if (number == 0) {
        m_prompts.message(this, QStringLiteral("%1 lies outside COM1 to COM10").arg(port->device));
        return;
    }
    m_port->setCurrentIndex(number - 1);
    showPortDevice();  // the same number may now have another device
}

void Com_setting::storeAndClose()
{
    for (const StoredList &stored : std::as_const(m_lists))
        Write_ini(settingsFilePath(), kComSection, stored.key,
                  QString::number(stored.list->currentIndex()));
    if (m_stored)
        m_stored();
    Setup_port(m_link);
    accept();
}

QString Com_setting::selectedLineSettings() const
{
    QStringList texts;
    for (const StoredList &stored : m_lists) {
        if (stored.list != m_port)
            texts.append(stored.list->currentText());
    }
    return texts.join(QLatin1Char(','));
}

QString Com_setting::probeSelected()
{
    m_link.close();
    const int number = m_port->currentIndex() + 1;
    m_link.setPort(number, portDevice(number));
    m_link.setLineSettings(selectedLineSettings());
    return ::testConnection(m_link).message;
}

void Com_setting::testConnection()
{
    // A second click while the first test waits for the controller is ignored.
    if (m_link.isBusy())
        return;
    // Storing or closing while the test waits would pull the port from under it.
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setEnabled(false);
    m_link.setBusy(true);
    const QString result = probeSelected();
    m_link.close();
    m_link.setBusy(false);
    for (QPushButton *button : buttons)
        button->setEnabled(true);
    m_prompts.message(this, result);
}

void Com_setting::done(int result)
{
    if (m_link.isBusy())
        return;  // the close box during a test: the dialog stays until the test has answered
    m_link.close();
    QDialog::done(result);
}
