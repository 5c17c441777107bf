#pragma once

#include "config_parts.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>

namespace plc {

class GridModel;
class WindowTabs;

// Tells whether the tables, lists and note hold edits that are neither in the last file loaded
// or saved nor written to the controller by a download that went through.
class EditTracker : public QObject {
    Q_OBJECT

public:
    // Takes the tabs as they stand as kept, and watches them from now on.
    explicit EditTracker(const WindowTabs &tabs, QObject *parent = nullptr);

    // The part as it stands now is kept (saved, loaded or written).
    void keep(ConfigPart part);
    // Everything as it stands now is kept (a project saved or opened, the window started anew).
    void keepAll();
    // What a configuration file holds is kept (one saved or loaded): the three ports.
    void keepConfigFileParts();

    bool hasUnkeptEdits() const;

Q_SIGNALS:
    // Once the event loop is free after a change, and after each keep.
    void checked(bool unkept);

private:
    // Every change to the table, a list, a box or an option of one tab is looked at.
    void watch(QWidget &tab, GridModel &table);
    void checkLater();
    void check();

    const WindowTabs &m_tabs;
    std::array<QStringList, 5> m_kept;  // by ConfigPart, as last saved, loaded or written
    QTimer m_check;
};

}  // namespace plc
