#pragma once

#include <QObject>

class QMenu;
class QMenuBar;

namespace plc {

class UndoHistory;
class WindowTabs;

// The main window's menus: "File", "Edit", "View", "PLC", "Table" and "About" on its menu bar. Each
// entry the user can choose says so by a signal; the window decides what it does.
class WindowMenus : public QObject {
    Q_OBJECT

public:
    // verifyWrites: whether "Verify after writing" starts checked. The "Table" entries act on
    // the table of the current tab; "Edit" holds the history's undo and redo.
    WindowMenus(QMenuBar *bar, const WindowTabs &tabs, const UndoHistory &history,
                bool verifyWrites, QObject *parent);

    // The entries of "Recent configurations", as the settings file lists them now.
    void fillRecentMenu();

Q_SIGNALS:
    void newChosen();
    void openProjectChosen();
    void saveProjectChosen();
    void saveProjectAsChosen();
    void projectNoteChosen();
    void loadConfigChosen();
    void saveConfigChosen();
    void printChosen();
    void exportReportChosen();
    void saveAppSettingChosen();
    void exitChosen();
    void recentFileChosen(const QString &path);
    void commSettingChosen();
    void checkConfigChosen();
    void searchOneWireChosen();
    void uploadFromPlcChosen();
    void loadToPlcChosen();
    void compareWithControllerChosen();
    void compareWithFileChosen();
    void productionChosen();
    void trafficMonitorChosen();
    void historyChosen();
    void verifyAfterWritingToggled(bool on);
    // "View" > "Theme": the Theme's number.
    void themeChosen(int theme);
    void manualChosen();
    void aboutChosen();

private:
    void buildFileMenu();
    // The project file's entries, after the configuration file's.
    void addProjectEntries(QMenu *file);
    // "View": the theme and the language, the ones the settings file keeps checked.
    void buildViewMenu();
    // "View" > "Language": the choice is kept in the settings file for the next start.
    void buildLanguageMenu(QMenu *view);
    void buildPlcMenu(bool verifyWrites);
    // "Table": CSV export and import of the current tab's table.
    void buildTableMenu();
    // "About": the manual and the program's version, licence and files.
    void buildAboutMenu();

    QMenuBar *m_bar;
    const WindowTabs &m_tabs;
    QMenu *m_recent = nullptr;
};

}  // namespace plc
