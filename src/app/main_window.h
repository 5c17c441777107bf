#pragma once

#include "config_record.h"
#include "link_action.h"
#include "plc_link.h"
#include "window_tabs.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

namespace plc {

struct WindowState;

class EditTracker;
class OneWireTab;
class ProductionWindow;
class ProgressWindow;
class ProjectActions;
class Prompts;
class StatusLine;
class TrafficMonitor;
class UartTab;
class UndoHistory;
class WindowMenus;

// The main window: the tabs, the menus, the status line and the caption. It owns what the tabs
// share: the serial link, the progress window and the prompts, handed to the tabs as one
// TransferContext.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Prompts &prompts, QWidget *parent = nullptr);

    // Rebuilds the caption from the stored port number.
    void updateCaption();

    // "Comm. setting": the "COM-port setting" dialog, modal.
    void openPortSettings();
    // "Save app setting": the UART 1 line settings become the stored defaults.
    void saveAppSetting();
    // "Upload from PLC": the uploads of UART 1, UART 2 and the 1-wire tab, one after the other.
    void uploadFromPlc();
    // "Traffic monitor": opens the monitor window, or brings the open one to the front.
    TrafficMonitor &openTrafficMonitor();
    // "Production...": opens the production window, or brings the open one to the front.
    ProductionWindow &openProductionWindow();
    // "Save config" / "Load config": the port configuration to and from a file. True when a
    // file was saved.
    bool saveConfig();
    void loadConfig();
    // A configuration file named from outside (the command line, a file dropped on the window):
    // loaded as "Load config" loads the file its dialog names.
    void openConfigFile(const QString &path);
    // A file of the recent configurations: opened as below; a file that is gone is named and
    // taken off the list.
    void openRecentFile(const QString &path);

    // "New config": the window as it opens, after asking about unkept edits as closing does.
    void newProject();
    // "Open project...": a file chosen in a dialog, opened as below.
    void openProject();
    // A file opened by its name: a project file as a project, any other as "Load config" loads
    // it. A file that cannot be read or is refused changes nothing; one taken asks about unkept
    // edits, as quitting does, before it replaces them.
    void openFile(const QString &path);
    // "Save project" (Ctrl+S): to the open project without a dialog; with none open, as "Save
    // project as..." (Ctrl+Shift+S) does: the file asked for, a project or by its name a
    // configuration file. True when a file was written.
    bool saveProject();
    bool saveProjectAs();
    // "Project note...": the note in its dialog; "OK" keeps the text typed.
    void editProjectNote();
    // The project file the window was last opened from or saved to; empty when none is.
    const QString &projectPath() const { return m_projectPath; }

    // What the configuration file holds of the window, and the tabs set from it.
    WindowConfig windowConfig() const { return m_tabs->windowConfig(); }
    void applyWindowConfig(const WindowConfig &config) { m_tabs->applyWindowConfig(config); }
    const ConfigRecord &configRecord() const { return m_config; }
    // What a project file holds of the window, and the window set from it.
    Project project() const { return m_tabs->project(); }
    void applyProject(const Project &project) { m_tabs->applyProject(project); }

    WindowTabs &tabs() const { return *m_tabs; }
    UndoHistory &history() const { return *m_history; }
    UartTab &uart(int uart) const { return m_tabs->uart(uart); }
    OneWireTab &oneWire() const { return m_tabs->oneWire(); }

    PlcLink &link() { return m_link; }
    ProgressWindow &progress() const { return *m_progress; }
    TransferContext &transferContext() { return m_ctx; }

    // The window as it stands, as it is kept in the settings file when the window closes.
    WindowState rememberedState() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // What each menu entry the user chooses does.
    void connectMenus();
    void restoreWindowState(const WindowState &state);
    void applyLoaded(const WindowConfig &loaded, const QString &path);
    void openProjectFile(const QString &path);
    bool writeProject(const QString &path);
    void setProjectPath(const QString &path);
    // Asks about unkept edits before an action drops them: true when the action may go on.
    bool mayDropEdits(const QString &question);
    // The same before a file loads over them; asked once the file has been read and taken.
    bool mayDropEditsFor(const QString &path);
    // Reads the file the user chose to open (read throws a Failure when it cannot), says why
    // when it cannot, asks about unkept edits, and keeps the file among the recent ones. True
    // when what was read may replace the window's content.
    bool readToOpen(const QString &path, const std::function<void()> &read);
    // "Save" to that question: to the open project; with none, to a configuration file when
    // one holds everything, else as "Save project as...".
    bool saveToKeep();

    Prompts &m_prompts;
    PlcLink m_link;
    ProgressWindow *m_progress;
    TransferContext m_ctx;
    ConfigRecord m_config;  // one for the whole run

    WindowTabs *m_tabs = nullptr;
    StatusLine *m_status = nullptr;
    EditTracker *m_edits = nullptr;
    UndoHistory *m_history = nullptr;
    ProjectActions *m_projectActions = nullptr;
    WindowMenus *m_menus = nullptr;
    QPointer<TrafficMonitor> m_monitor;  // null while closed
    QString m_projectPath;               // empty: no project open
    // The file the window's content was last loaded from or saved to (a project or a
    // configuration file), for the history of writes; empty when none.
    QString m_filePath;
    // Null until first opened.
    QPointer<ProductionWindow> m_production;
};

}  // namespace plc
