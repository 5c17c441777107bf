#include "one_wire_tab.h"

#include "grid_view.h"
#include "option_group.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSensorHeadings = QStringLiteral(
    "Num | Byte 0 | Byte 1 | Byte 2 | Byte 3 | Byte 4 | Byte 5 | Byte 6 | Byte 7 |  Dxxxx  ");

QPushButton *addButton(QBoxLayout *layout, const QString &caption, const QString &name)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    layout->addWidget(b);
    return b;
}

}  // namespace

OneWireTab::OneWireTab(TransferContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("oneWireTab"));
    auto *column = new QWidget(this);
    column->setMinimumWidth(300);
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *left = new QVBoxLayout(column);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildAuxFrame());
    left->addWidget(buildFieldNetFrame());
    left->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(column);
    layout->addWidget(buildMasterFrame(), 1);
    layout->addStretch(0);  // keeps the left column in place while the table frame is hidden
    setHeadings();
}

QGroupBox *OneWireTab::buildAuxFrame()
{
    m_modes = new OptionGroup(
        QStringLiteral("Auxiliary port setting"), QStringLiteral("auxPortFrame"),
        QStringLiteral("Option1"),
        {QStringLiteral("1-wire master"), QStringLiteral("Field Net"), QStringLiteral("Not use")});
    connect(m_modes, &OptionGroup::optionClicked, this, &OneWireTab::modeClicked);

    auto *transfers = new QHBoxLayout;
    addButton(transfers, QStringLiteral("Write to PLC"), QStringLiteral("Command17"));
    addButton(transfers, QStringLiteral("Upload from PLC"), QStringLiteral("Command18"));
    m_modes->column().addLayout(transfers);
    return m_modes;
}

QGroupBox *OneWireTab::buildFieldNetFrame()
{
    m_fieldNetFrame = new QGroupBox(QStringLiteral("Field Net port setting"));
    m_fieldNetFrame->setObjectName(QStringLiteral("USART3_setting"));
    auto *form = new QFormLayout(m_fieldNetFrame);
    auto addList = [form](const QString &label, const QString &name, const QStringList &entries) {
        auto *list = new QComboBox;
        list->setObjectName(name);
        list->addItems(entries);
        form->addRow(label, list);
        return list;
    };
    m_lists[size_t(List::Speed)] =
        addList(QStringLiteral("Speed setting:"), QStringLiteral("Combo4"),
                {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                 QStringLiteral("57600"), QStringLiteral("115200")});
    m_lists[size_t(List::Parity)] =
        addList(QStringLiteral("Parity setting"), QStringLiteral("Combo2"),
                {QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even")});
    m_lists[size_t(List::Bits)] = addList(QStringLiteral("Bit number:"), QStringLiteral("Combo3"),
                                          {QStringLiteral("7"), QStringLiteral("8")});
    m_lists[size_t(List::Stop)] = addList(QStringLiteral("Stop bit"), QStringLiteral("Combo5"),
                                          {QStringLiteral("1"), QStringLiteral("2")});
    return m_fieldNetFrame;
}

QGroupBox *OneWireTab::buildMasterFrame()
{
    auto *master = new GridFrame(QStringLiteral("1-wire master configuration"),
                                 QStringLiteral("Frame3"), m_sensors, QStringLiteral("Grid1"));
    m_masterFrame = master;
    m_sensorView = &master->view();
    m_sensorView->shareWidthAmongColumns();
    master->addButton(QStringLiteral("Add slave"), QStringLiteral("Command8"));
    master->addButton(QStringLiteral("Modify slave"), QStringLiteral("Command9"));
    master->addButton(QStringLiteral("Delete slave"), QStringLiteral("Command11"));
    master->addButton(QStringLiteral("Search slave"), QStringLiteral("Command10"));
    master->addButton(QStringLiteral("Delete all slave"), QStringLiteral("Command21"));
    return master;
}

void OneWireTab::setHeadings()
{
    m_sensorView->setCentredHeadingLine(kSensorHeadings);
}

void OneWireTab::selectMode(int mode)
{
    m_modes->click(mode);
}

void OneWireTab::modeClicked(int mode)
{
    m_masterFrame->setVisible(mode == OneWireMaster);
    m_fieldNetFrame->setVisible(mode == FieldNet);
    if (mode == OneWireMaster)
        setHeadings();
    m_option1w1 = mode;
}

void OneWireTab::selectListDefaults()
{
    setListIndex(List::Speed, 4);   // "115200"
    setListIndex(List::Bits, 1);    // "8"
    setListIndex(List::Parity, 2);  // "Even"
    setListIndex(List::Stop, 1);    // "2"
}

int OneWireTab::listIndex(List list) const
{
    return m_lists.at(size_t(list))->currentIndex();
}

void OneWireTab::setListIndex(List list, int index)
{
    m_lists.at(size_t(list))->setCurrentIndex(index);
}
