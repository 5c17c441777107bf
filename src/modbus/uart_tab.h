#pragma once

#include "grid_model.h"
#include "outcome.h"
#include "port_tab_parts.h"
#include "port_word.h"
#include "request_record.h"

#include <QLineEdit>
#include <QWidget>

class QGroupBox;

namespace plc {

struct PortSettings;
struct UartTabState;
struct TransferContext;
struct UartPort;
enum class DialogMode;
class GridView;
class OptionGroup;
struct Outcome;

// One UART tab (UART 1 or UART 2): the port's mode, line settings, slave settings and master
// request table. Its control names and differing texts come from the UartPort it is built for.
class UartTab : public QWidget {
    Q_OBJECT

public:
    UartTab(const UartPort &port, TransferContext &ctx, QWidget *parent = nullptr);

    const UartPort &port() const { return m_port; }

    // Sets the request table's heading line and centres its columns.
    void setHeadings();

    // Clicks a mode option, running the mode change. The options are
    // numbered as UartMode: 0 "Modbus master", 1 "Modbus slave", 2 "Not use".
    void selectMode(int index);
    // The mode change of a click on option `index`: the frames and the table shown.
    void modeClicked(int index);
    // The index of the mode option last clicked.
    int modeIndex() const { return m_modeIndex; }

    // The request table's current row; 0 until a row is chosen.
    int currentRequestRow() const { return m_currentRequestRow; }
    void setCurrentRequestRow(int row) { m_currentRequestRow = row; }
    // The column last clicked in the request table.
    int currentRequestColumn() const { return m_currentRequestColumn; }
    // How the request dialog was last opened: 1 add, 2 modify, 0 not yet.
    int requestDialogMode() const { return m_requestDialogMode; }

    // The tab's whole state, and the tab set from one: the mode is clicked (with its mode
    // change), the lists, boxes and request table take the state's values. applySettings
    // leaves the request table as it is.
    UartTabState state() const;
    void setState(const UartTabState &state);
    void applySettings(const UartTabState &state);

    // "Upload from PLC": the port's configuration read back onto the tab. How it ended.
    Outcome uploadFromPlc();

    GridModel &requests() { return m_requests; }
    GridView &requestView() const { return *m_requestView; }

    // The four line-setting lists, by their selected index; an index outside the list
    // selects nothing.
    using List = LineSettingsBox::List;
    int listIndex(List list) const { return m_general->index(list); }
    void setListIndex(List list, int index) { m_general->setIndex(list, index); }

    // The "MB address" and "Timeout,[msec]" boxes of the slave frame.
    QString addressText() const { return m_address->text(); }
    void setAddressText(const QString &text) { m_address->setText(text); }
    QString timeoutText() const { return m_timeout->text(); }
    void setTimeoutText(const QString &text) { m_timeout->setText(text); }

Q_SIGNALS:
    // "Write to PLC" went through: the controller holds the tab's configuration as it stands.
    void configurationWritten();

private:
    OptionGroup *buildModeOptions();
    QGroupBox *buildGeneralFrame();
    QGroupBox *buildSlaveFrame();
    QGroupBox *buildMasterFrame();

    // The controls as the transfers take them, and the transfers' results put back.
    PortSettings settings() const;
    void showSettings(const PortSettings &settings);

    // The tab's actions, reported as "UART 1 download" and the like: the window's status line
    // shows the name translated, the history keeps it as it is.
    enum class Action { Download, Upload, SlaveDownload, SlaveUpload };
    void report(Action action, const Outcome &outcome);

    // Button handlers.
    void deleteClicked();
    void writeClicked();
    void slaveDownloadClicked();
    void slaveUploadClicked();

    void openRequestDialog(DialogMode mode);

    const UartPort &m_port;
    TransferContext &m_ctx;
    GridModel m_requests{requestcol::TableCount};
    int m_modeIndex = int(UartMode::NotUse);
    int m_currentRequestRow = 0;
    int m_currentRequestColumn = 0;
    int m_requestDialogMode = 0;

    OptionGroup *m_modes = nullptr;
    LineSettingsBox *m_general = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_timeout = nullptr;
    QGroupBox *m_slaveFrame = nullptr;
    QGroupBox *m_masterFrame = nullptr;
    GridView *m_requestView = nullptr;
};

}  // namespace plc
