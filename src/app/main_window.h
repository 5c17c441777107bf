#pragma once

#include "config_record.h"
#include "link_action.h"
#include "plc_link.h"

#include <QMainWindow>
#include <QPointer>

struct WindowState;

class ConverterTab;
class GeneralSettingFrame;
class IoMapFrame;
class ModbusDiagTab;
class OneWireDiagTab;
class OneWireTab;
class Progress;
class Prompts;
class QLabel;
class QTabWidget;
class TrafficMonitor;
class UartTab;

// The main window: seven tabs, the menus and the caption. It owns what the tabs share: the
// serial link, the progress window and the prompts, handed to the tabs as one TransferContext.
class Main : public QMainWindow {
    Q_OBJECT

public:
    explicit Main(Prompts &prompts, QWidget *parent = nullptr);
    ~Main() override;

    // Rebuilds the caption from the stored port number.
    void Change_main_caption();

    // "Comm. setting": the "COM-port setting" dialog, modal.
    void openComSetting();
    // "Save app setting": the UART 1 line settings become the stored defaults.
    void saveAppSetting();
    // "Upload from PLC": the uploads of UART 1, UART 2 and the 1-wire tab, one after the other.
    void uploadFromPlc();
    // "Traffic monitor": opens the monitor window, or brings the open one to the front.
    TrafficMonitor &openTrafficMonitor();
    // "Save config" / "Load config": the port configuration to and from a file.
    void saveConfig();
    void loadConfig();

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
    Progress &progress() const { return *m_progress; }
    Prompts &prompts() const { return m_prompts; }
    TransferContext &transferContext() { return m_ctx; }

    bool tableHookInstalled() const { return m_hookInstalled; }

    // The window as it stands, as it is kept in the settings file when the window closes.
    WindowState rememberedState() const;

protected:
    void closeEvent(QCloseEvent *event) override;

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
    void restoreWindowState(const WindowState &state);

    Prompts &m_prompts;
    PlcLink m_link;
    Progress *m_progress;
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

    QLabel *m_actionStatus = nullptr;
    QLabel *m_portStatus = nullptr;
};
