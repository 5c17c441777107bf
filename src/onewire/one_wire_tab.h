#pragma once

#include "grid_model.h"

#include <QWidget>
#include <array>

struct TransferContext;
class GridView;
class OptionGroup;
class QComboBox;
class QGroupBox;

// The "1-wire" tab: the auxiliary port's mode, its Field Net line settings and the 1-wire
// sensor table.
class OneWireTab : public QWidget {
    Q_OBJECT

public:
    // Mode option indexes, as the controller and the configuration file know them.
    enum Mode { OneWireMaster = 0, FieldNet = 1, NotUse = 2 };

    explicit OneWireTab(TransferContext &ctx, QWidget *parent = nullptr);

    // Sets the sensor table's heading line and centres its columns.
    void setHeadings();

    // Clicks a mode option, running the mode change.
    void selectMode(int mode);
    // The mode change of a click on option `mode`: frames, headings, option_1w1.
    void modeClicked(int mode);
    // The mode last clicked (option_1w1).
    int option_1w1() const { return m_option1w1; }

    // The start-up choices of the Field Net lists: 115200, Even, 8, 2.
    void selectListDefaults();

    GridModel &sensors() { return m_sensors; }
    GridView &sensorView() const { return *m_sensorView; }

    // The four Field Net lists, by their selected index.
    enum class List { Speed, Parity, Bits, Stop };
    int listIndex(List list) const;
    void setListIndex(List list, int index);

private:
    QGroupBox *buildAuxFrame();
    QGroupBox *buildFieldNetFrame();
    QGroupBox *buildMasterFrame();

    TransferContext &m_ctx;
    GridModel m_sensors{10};
    int m_option1w1 = NotUse;

    OptionGroup *m_modes = nullptr;
    std::array<QComboBox *, 4> m_lists{};  // by List
    QGroupBox *m_fieldNetFrame = nullptr;
    QGroupBox *m_masterFrame = nullptr;
    GridView *m_sensorView = nullptr;
};
