#pragma once

#include <QObject>

class QMenu;

namespace plc {

class MainWindow;

// The main window's menus: "File", "PLC", "Table" and "About", each entry wired to what the
// window does for it.
class WindowMenus : public QObject {
    Q_OBJECT

public:
    // verifyWrites: whether "Verify after writing" starts checked.
    WindowMenus(MainWindow &window, bool verifyWrites);

    // The entries of "Recent configurations", as the settings file lists them now.
    void fillRecentMenu();

private:
    void buildFileMenu();
    void buildPlcMenu(bool verifyWrites);
    // "Table": CSV export and import of the current tab's table.
    void buildTableMenu();

    MainWindow &m_window;
    QMenu *m_recent = nullptr;
};

}  // namespace plc
