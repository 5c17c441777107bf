#include "port_settings_dialog.h"

#include "connection_test.h"
#include "drawn_colours.h"
#include "ini_file.h"
#include "link_action.h"
#include "port_detection.h"
#include "progress.h"
#include "prompts.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

namespace {

QStringList portNames()
{
    QStringList names;
    for (int n = 1; n <= 10; ++n)
        names.append(QStringLiteral("COM%1").arg(n));
    return names;
}

// The mark beside a port in the list: a filled dot when its device is present, a ring when not.
QIcon presenceIcon(bool present, const QColor &colour)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(present ? QBrush(colour) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    return QIcon(pixmap);
}

}  // namespace

PortSettingsDialog::PortSettingsDialog(Prompts &prompts, std::function<void()> stored,
                                       QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_stored(std::move(stored))
{
    setWindowTitle(tr("COM-port setting"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_detect = new QPushButton(tr("Detect..."), this);
    m_detect->setObjectName(QStringLiteral("detectButton"));
    m_detect->setAutoDefault(false);
    m_port = addList(form, tr("COM-port :"), QStringLiteral("portList"), std::nullopt, portNames(),
                     m_detect);
    markPorts();
    m_device = new QLabel(this);
    m_device->setObjectName(QStringLiteral("portDevice"));
    m_device->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QString(), m_device);
    using settingsfile::LineList;
    addList(form, tr("Speed setting:"), QStringLiteral("speedList"), LineList::Speed,
            LineSettings::speedEntries());
    addList(form, tr("Parity setting"), QStringLiteral("parityList"), LineList::Parity,
            LineSettings::parityEntries());
    addList(form, tr("Bit number:"), QStringLiteral("dataBitsList"), LineList::Bits,
            LineSettings::bitEntries());
    addList(form, tr("Stop bit"), QStringLiteral("stopBitsList"), LineList::Stop,
            LineSettings::stopEntries());
    // "OK" writes Port_num last.
    m_lists.append(m_lists.takeFirst());

    auto *test = new QPushButton(tr("Test"), this);
    test->setObjectName(QStringLiteral("testButton"));
    test->setAutoDefault(false);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(test, &QPushButton::clicked, this, &PortSettingsDialog::testConnection);
    connect(ok, &QPushButton::clicked, this, &PortSettingsDialog::storeAndClose);
    connect(m_detect, &QPushButton::clicked, this, &PortSettingsDialog::detectPorts);
    connect(m_port, &QComboBox::currentIndexChanged, this, &PortSettingsDialog::showPortDevice);
    showPortDevice();

    // Which file "OK" writes: beside the program, or the user's own for an installed program.
    auto *file =
        new QLabel(tr("Settings file: %1").arg(QDir::toNativeSeparators(settingsFilePath())), this);
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

QComboBox *PortSettingsDialog::addList(QFormLayout *form, const QString &label, const QString &name,
                                       std::optional<settingsfile::LineList> key,
                                       const QStringList &entries, QWidget *beside)
{
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(entries);
    const int entryCount = int(entries.size());
    // The port list has no line setting behind it: it is the port number's index.
    list->setCurrentIndex(key ? settingsfile::comListIndex(*key, entryCount)
                              : settingsfile::portListIndex(entryCount));
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

void PortSettingsDialog::showPortDevice()
{
    const int number = m_port->currentIndex() + 1;
    m_device->setText(deviceLine(number));
    // A missing device is named in a warning colour, still readable on the dialog's background.
    QPalette shown = palette();
    if (!devicePresent(settingsfile::portDevice(number))) {
        shown.setColor(QPalette::WindowText, absentDeviceColour(palette(), QPalette::Window));
    }
    m_device->setPalette(shown);
#ifdef Q_OS_WIN
    m_detect->setToolTip(tr("Selects the serial port you choose from the system's"));
#else
    m_detect->setToolTip(tr("Maps COM%1 to the device you choose from the system's "
                            "serial ports ([PORTS] in the settings file)")
                             .arg(number));
#endif
}

void PortSettingsDialog::markPorts()
{
    const QColor text = palette().color(QPalette::WindowText);
    const QColor absent = absentDeviceColour(palette(), QPalette::Base);
    for (int i = 0; i < m_port->count(); ++i) {
        const PortMarks marks = portMarks(i + 1);
        m_port->setItemData(i, marks.text(), Qt::ToolTipRole);
        m_port->setItemIcon(i, presenceIcon(marks.present, marks.present ? text : absent));
        QFont font = m_port->font();
        font.setBold(marks.mapped);  // a port [PORTS] maps stands out
        m_port->setItemData(i, font, Qt::FontRole);
    }
}

void PortSettingsDialog::detectPorts()
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
        m_prompts.message(this, tr("%1 lies outside COM1 to COM10").arg(port->device));
        return;
    }
    m_port->setCurrentIndex(number - 1);
    markPorts();
    showPortDevice();  // the same number may now have another device
}

void PortSettingsDialog::storeAndClose()
{
    for (const StoredList &stored : std::as_const(m_lists)) {
        if (stored.key)
            settingsfile::setComListIndex(*stored.key, stored.list->currentIndex());
        else
            settingsfile::setPortIndex(stored.list->currentIndex());
    }
    if (m_stored)
        m_stored();
    applyStoredPortSettings(m_link);
    accept();
}

LineSettings PortSettingsDialog::selectedLineSettings() const
{
    int index[4] = {};
    for (const StoredList &stored : m_lists) {
        if (stored.key)
            index[int(*stored.key)] = stored.list->currentIndex();
    }
    return LineSettings::fromListIndexes(index[0], index[1], index[2], index[3]);
}

void PortSettingsDialog::testConnection()
{
    // A second click while the first test waits for the controller is ignored.
    if (m_link.isBusy())
        return;
    // Storing or closing while the test waits would pull the port from under it.
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setEnabled(false);
    const int number = m_port->currentIndex() + 1;
    m_link.setPort({number, settingsfile::portDevice(number), selectedLineSettings()});
    NoProgress noProgress;
    TransferContext ctx{m_link, m_prompts, noProgress, this};
    ctx.finished = m_finished;
    const Outcome outcome = plc::testConnection(m_link);
    for (QPushButton *button : buttons)
        button->setEnabled(true);
    report(ctx, QStringLiteral(QT_TRANSLATE_NOOP("plc::ActionNames", "Connection test")), outcome);
}

void PortSettingsDialog::done(int result)
{
    if (m_link.isBusy())
        return;  // the close box during a test: the dialog stays until the test has answered
    m_link.close();
    QDialog::done(result);
}

}  // namespace plc
