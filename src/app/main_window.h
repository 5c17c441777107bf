#pragma once

#include "config_record.h"
#include "link_action.h"
#include "plc_link.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <optional>

class QLabel;
class QMenu;
class QTabWidget;

namespace plc {

struct WindowState;

class ConverterTab;
class GeneralSettingFrame;
class IoMapFrame;
class ModbusDiagTab;
class OneWireDiagTab;
class OneWireTab;
class ProgressWindow;
class Prompts;
class TrafficMonitor;
class UartTab;

// The main window: seven tabs, the menus and the caption. It owns what the tabs share: the
// serial link, the progress window and the prompts, handed to the tabs as one TransferContext.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Prompts &prompts, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Rebuilds the caption from the stored port number.
    void updateCaption();

    // "Comm. setting": the "COM-port setting" dialog, modal.
    void openComSetting();
    // "Save app setting": the UART 1 line settings become the stored defaults.
    void saveAppSetting();
    // "Upload from PLC": the uploads of UART 1, UART 2 and the 1-wire tab, one after the other.
    void uploadFromPlc();
    // "Traffic monitor": opens the monitor window, or brings the open one to the front.
    TrafficMonitor &openTrafficMonitor();
    // "Save config" / "Load config": the port configuration to and from a file. True when a
    // file was saved.
    bool saveConfig();
    void loadConfig();
    // A configuration file named from outside (the command line, a file dropped on the window):
    // loaded as "Load config" loads the file its dialog names.
    void openConfigFile(const QString &path);
    // A file of the recent configurations: loaded as above; a file that is gone is named and
    // taken off the list.
    void openRecentFile(const QString &path);

    // Whether the tables and lists hold edits that are neither in the last file loaded or saved
    // nor written to the controller by a download that went through.
    bool hasUnkeptEdits() const;

    // What the configuration file holds of the window, read from the tabs; and the tabs set
    // from it (Put_config's order: UART 1, UART 2, then the auxiliary mode and its sensors).
    WindowConfig windowConfig() const;
    void applyWindowConfig(const WindowConfig &config);
    const ConfigRecord &configRecord() const { return m_config; }

    QTabWidget &tabs() const { return *m_tabs; }
    // UART 1 (uart 1) or UART 2 (uart 2).
    UartTab &uart(int uart) const { return *m_uarts[uart == 2 ? 1 : 0]; }
    IoMapFrame &ioMap() const { return *m_ioMap; }
    GeneralSettingFrame &generalSetting() const { return *m_generalSetting; }
    OneWireTab &oneWire() const { return *m_oneWire; }
    ModbusDiagTab &modbusDiag() const { return *m_modbusDiag; }
    OneWireDiagTab &oneWireDiag() const { return *m_oneWireDiag; }
    ConverterTab &converter() const { return *m_converter; }

    PlcLink &link() { return m_link; }
    ProgressWindow &progress() const { return *m_progress; }
    Prompts &prompts() const { return m_prompts; }
    TransferContext &transferContext() { return m_ctx; }

    bool tableHookInstalled() const { return m_hookInstalled; }

    // The window as it stands, as it is kept in the settings file when the window closes.
    WindowState rememberedState() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildTabs();
    void buildMenus();
    // "Table": CSV export and import of the current tab's table.
    void buildTableMenu();
    void startUp();
    void installTableHook();
    void removeTableHook();
    // Shortcuts on the menu entries and the "Verify after writing" entry.
    void addMenuComforts(bool verifyWrites);
    void buildStatusBar();
    void showPortStatus();
    void showActionOutcome(const QString &action, const Outcome &outcome);
    // A line in the status line; one about port `port` goes when another port is chosen.
    void showStatus(const QString &text, int port = 0);
    // Unkept edits: the parts as last kept, and watching the tabs for changes.
    void keepParts(int first, int last);
    void watchEdits();
    void showEditStatus();
    void restoreWindowState(const WindowState &state);
    void applyLoaded(const std::optional<WindowConfig> &loaded, const QString &path);
    // The entries of "Recent configurations", as the settings file lists them now.
    void fillRecentMenu();

    Prompts &m_prompts;
    PlcLink m_link;
    ProgressWindow *m_progress;
    TransferContext m_ctx;
    ConfigRecord m_config;  // one for the whole run

    QTabWidget *m_tabs = nullptr;
    UartTab *m_uarts[2] = {};
    IoMapFrame *m_ioMap = nullptr;
    GeneralSettingFrame *m_generalSetting = nullptr;
    OneWireTab *m_oneWire = nullptr;
    ModbusDiagTab *m_modbusDiag = nullptr;
    OneWireDiagTab *m_oneWireDiag = nullptr;
    ConverterTab *m_converter = nullptr;

    QPointer<TrafficMonitor> m_monitor;  // null while closed
    QObject *m_tableHook = nullptr;
    bool m_hookInstalled = false;

    QMenu *m_recent = nullptr;
    QLabel *m_actionStatus = nullptr;
    QLabel *m_portStatus = nullptr;
    QLabel *m_editStatus = nullptr;
    int m_statusPort = 0;               // the port the action status speaks of; 0: none
    std::array<QStringList, 3> m_kept;  // UART 1, UART 2, 1-wire as last saved, loaded or written
    QTimer m_editCheck;
};

}  // namespace plc
