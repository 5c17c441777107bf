#pragma once

#include "bus_search.h"
#include "grid_model.h"
#include "outcome.h"
#include "port_tab_parts.h"
#include "sensor_record.h"

#include <QWidget>

class QGroupBox;

namespace plc {

struct AuxSettings;
struct FieldNetSettings;
struct OneWireTabState;
struct TransferContext;
enum class SensorDialogMode;
class GridView;
class MissingSensorMarks;
class OptionGroup;

// The "1-wire" tab: the auxiliary port's mode, its Field Net line settings, the 1-wire sensor
// table with its editing, and the transfers of all of it.
class OneWireTab : public QWidget {
    Q_OBJECT

public:
    explicit OneWireTab(TransferContext &ctx, QWidget *parent = nullptr);

    // Sets the sensor table's heading line and centres its columns.
    void setHeadings();

    // Clicks a mode option, running the mode change. The options are numbered as AuxMode:
    // 0 "1-wire master", 1 "Field Net", 2 "Not use".
    void selectMode(int mode);
    // The mode change of a click on option `mode`: the frames shown and the headings.
    void modeClicked(int mode);
    // The mode last clicked.
    int auxModeIndex() const { return m_auxModeIndex; }

    // The start-up choices of the Field Net lists: 115200, Even, 8, 2.
    void selectListDefaults();

    // The sensor table's row last clicked, minus 1; 0 until the first click.
    int currentSensorRow() const { return m_currentSensorRow; }
    // How the sensor dialog was last opened: 1 add, 2 modify, 0 not yet.
    int sensorDialogMode() const { return m_sensorDialogMode; }

    // The tab's whole state, and the tab set from one: the mode is clicked (with its mode
    // change), the lists and the sensor table take the state's values.
    OneWireTabState state() const;
    void setState(const OneWireTabState &state);

    // "Write to PLC" and "Upload from PLC".
    void writeToPlc();
    Outcome uploadFromPlc();  // how it ended
    // "Search slave" and the menu's "Search 1-wire": the bus search, modal. Each search marks
    // the sensors it did not find.
    void openBusSearch();
    // The sensor rows (from 1) the last search did not find, while the table is unchanged since.
    QList<int> notFoundRows() const;
    // "Replace with found device..." on the current sensor row (or the row last clicked): a new
    // device of the last search, or a typed ROM code, in place of the row's ROM code.
    void replaceSensorClicked();

    GridModel &sensors() { return m_sensors; }
    GridView &sensorView() const { return *m_sensorView; }

    // The four Field Net lists, by their selected index.
    using List = LineSettingsBox::List;
    int listIndex(List list) const { return m_fieldNetFrame->index(list); }
    void setListIndex(List list, int index) { m_fieldNetFrame->setIndex(list, index); }

Q_SIGNALS:
    // "Write to PLC" went through: the controller holds the tab's configuration as it stands.
    void configurationWritten();

private:
    QGroupBox *buildAuxFrame();
    QGroupBox *buildFieldNetFrame();
    QGroupBox *buildMasterFrame();

    AuxSettings settings() const;
    void showFieldNet(const FieldNetSettings &fieldNet);

    void openSensorDialog(SensorDialogMode mode);
    void deleteClicked();
    void deleteAllClicked();
    void showSearched(const QList<RomCode> &devices, bool done);

    TransferContext &m_ctx;
    GridModel m_sensors{sensorcol::TableCount};
    int m_auxModeIndex = 2;
    int m_currentSensorRow = 0;
    int m_sensorDialogMode = 0;
    QList<RomCode> m_lastFound;  // the devices of the last search that ended done

    OptionGroup *m_modes = nullptr;
    LineSettingsBox *m_fieldNetFrame = nullptr;
    QGroupBox *m_masterFrame = nullptr;
    GridView *m_sensorView = nullptr;
    MissingSensorMarks *m_marks = nullptr;
};

}  // namespace plc
