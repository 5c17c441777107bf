#include "edit_tracker.h"

#include "grid_model.h"
#include "io_map_frame.h"
#include "one_wire_tab.h"
#include "uart_tab.h"
#include "window_tabs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace plc {

namespace {

constexpr ConfigPart kConfigFileParts[] = {ConfigPart::Uart1, ConfigPart::Uart2,
                                           ConfigPart::OneWire};

}  // namespace

EditTracker::EditTracker(const WindowTabs &tabs, QObject *parent) : QObject(parent), m_tabs(tabs)
{
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, &EditTracker::check);
    watch(tabs.uart(1), tabs.uart(1).requests());
    watch(tabs.uart(2), tabs.uart(2).requests());
    watch(tabs.oneWire(), tabs.oneWire().sensors());
    watch(tabs.ioMap(), tabs.ioMap().map());
    connect(&tabs, &WindowTabs::noteChanged, this, &EditTracker::checkLater);
    // A download that went through keeps its part in the controller.
    connect(&tabs.uart(1), &UartTab::configurationWritten, this,
            [this] { keep(ConfigPart::Uart1); });
    connect(&tabs.uart(2), &UartTab::configurationWritten, this,
            [this] { keep(ConfigPart::Uart2); });
    connect(&tabs.oneWire(), &OneWireTab::configurationWritten, this,
            [this] { keep(ConfigPart::OneWire); });
    keepAll();
}

void EditTracker::keep(ConfigPart part)
{
    m_kept.at(size_t(part)) = partText(m_tabs.project(), part);
    check();
}

void EditTracker::keepAll()
{
    const Project project = m_tabs.project();
    for (ConfigPart part : kConfigParts)
        m_kept.at(size_t(part)) = partText(project, part);
    check();
}

void EditTracker::keepConfigFileParts()
{
    const Project project = m_tabs.project();
    for (ConfigPart part : kConfigFileParts)
        m_kept.at(size_t(part)) = partText(project, part);
    check();
}

bool EditTracker::hasUnkeptEdits() const
{
    const Project project = m_tabs.project();
    for (ConfigPart part : kConfigParts) {
        if (partText(project, part) != m_kept.at(size_t(part)))
            return true;
    }
    return false;
}

void EditTracker::watch(QWidget &tab, GridModel &table)
{
    const auto later = [this] {
        checkLater();
    };
    connect(&table, &QAbstractItemModel::dataChanged, this, later);
    connect(&table, &QAbstractItemModel::rowsInserted, this, later);
    connect(&table, &QAbstractItemModel::rowsRemoved, this, later);
    connect(&table, &QAbstractItemModel::modelReset, this, later);
    const QList<QComboBox *> lists = tab.findChildren<QComboBox *>();
    for (QComboBox *list : lists)
        connect(list, &QComboBox::currentIndexChanged, this, later);
    const QList<QLineEdit *> boxes = tab.findChildren<QLineEdit *>();
    for (QLineEdit *box : boxes)
        connect(box, &QLineEdit::textChanged, this, later);
    const QList<QAbstractButton *> options = tab.findChildren<QAbstractButton *>();
    for (QAbstractButton *option : options)
        connect(option, &QAbstractButton::toggled, this, later);
}

void EditTracker::checkLater()
{
    m_check.start(0);
}

void EditTracker::check()
{
    Q_EMIT checked(hasUnkeptEdits());
}

}  // namespace plc
