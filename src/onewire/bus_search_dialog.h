#pragma once

#include "bus_search.h"
#include "grid_model.h"
#include "link_action.h"
#include "plc_link.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace plc {

enum class FoundPlacement;
class GridView;
class ProgressDisplay;
class Prompts;

// The bus-search dialog "Search module for 1-wire device": has the controller scan its 1-wire
// bus over a port of its own, shows the ROM codes found for correcting with where each stands in
// the sensor table, and puts them into the sensor table: the new ones appended, or all in place
// of every sensor.
class BusSearchDialog : public QDialog {
    Q_OBJECT

public:
    // Asks and shows through the owner's prompts and takes the port settings stored for it.
    BusSearchDialog(const TransferContext &owner, GridModel &sensorTable,
                    QWidget *parent = nullptr);

    // The number of devices of the last search; 0 before any and after one that failed.
    int foundCount() const { return m_found; }
    GridModel &result() { return m_result; }

    void reject() override;

Q_SIGNALS:
    // A search ended: the devices found when it ended done, none when it did not.
    void busSearched(const QList<plc::RomCode> &devices, bool done);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void startSearch();
    void place(FoundPlacement placement);
    // The codes as the result grid shows them, the user's corrections included.
    QList<RomCode> shownDevices() const;
    // Says beside each device whether the sensor table holds it.
    void showPlaces();

    PlcLink m_link;
    TransferContext m_ctx;
    GridModel &m_sensorTable;
    GridModel m_result{9};
    int m_found = 0;

    QWidget *m_controls = nullptr;  // everything the user could start something with
    QLabel *m_searching = nullptr;  // the time left while the controller scans its bus
    QLineEdit *m_count = nullptr;
    QLineEdit *m_startAddress = nullptr;
    GridView *m_view = nullptr;
    QListWidget *m_places = nullptr;
};

}  // namespace plc
