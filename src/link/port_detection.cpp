#include "port_detection.h"

#include "dialog_buttons.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace plc {

PortDetection::PortDetection(const QList<SystemPort> &ports, QWidget *parent)
    : QDialog(parent), m_ports(ports), m_list(new QTreeWidget(this))
{
    setWindowTitle(tr("Serial ports"));
    m_list->setObjectName(QStringLiteral("portList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Device"), tr("Description"), tr("Manufacturer"),
                             tr("Serial number"), tr("Vendor ID"), tr("Product ID")});
    for (const SystemPort &port : ports) {
        m_list->addTopLevelItem(
            new QTreeWidgetItem({port.device, port.description, port.manufacturer,
                                 port.serialNumber, port.vendorId, port.productId}));
    }
    if (ports.isEmpty()) {
        auto *none = new QTreeWidgetItem({tr("No serial ports found")});
        none->setFlags(Qt::NoItemFlags);
        m_list->addTopLevelItem(none);
    }
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
    m_list->setMinimumWidth(640);

    const DialogButtons buttons =
        dialogButtons(*this, {QStringLiteral("okButton")}, {QStringLiteral("cancelButton")});
    QPushButton *ok = buttons.accept;
    ok->setEnabled(false);
    connect(m_list, &QTreeWidget::currentItemChanged, ok,
            [this, ok] { ok->setEnabled(current().has_value()); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (current())
            accept();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons.box);
}

std::optional<SystemPort> PortDetection::chosen() const
{
    return result() == Accepted ? current() : std::nullopt;
}

std::optional<SystemPort> PortDetection::current() const
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || row >= m_ports.size())
        return std::nullopt;
    return m_ports.at(row);
}

}  // namespace plc
