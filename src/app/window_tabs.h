#pragma once

#include "config_parts.h"
#include "config_record.h"
#include "project_file.h"

#include <QList>
#include <QMap>
#include <QTabWidget>

namespace plc {

struct TransferContext;

class GeneralSettingFrame;
class GridView;
class IoMapFrame;
class ModbusDiagTab;
class OneWireDiagTab;
class OneWireTab;
class Prompts;
class UartTab;

// The main window's seven tabs and the project note, built in their order, set to their start-up
// state, and read and set as the configuration file and the project file hold them.
class WindowTabs : public QTabWidget {
    Q_OBJECT

public:
    WindowTabs(TransferContext &ctx, Prompts &prompts, QWidget *parent = nullptr);

    // UART 1 (uart 1) or UART 2 (uart 2).
    UartTab &uart(int uart) const { return *m_uarts[uart == 2 ? 1 : 0]; }
    GeneralSettingFrame &generalSetting() const { return *m_generalSetting; }
    OneWireTab &oneWire() const { return *m_oneWire; }
    IoMapFrame &ioMap() const { return *m_ioMap; }

    // What the configuration file holds of the window, read from the tabs; and the tabs set
    // from it in this order: UART 1, UART 2, then the auxiliary mode and its sensors.
    WindowConfig windowConfig() const;
    void applyWindowConfig(const WindowConfig &config);

    // Everything a project file holds of the window, read from the tabs and the note; and the
    // window set from it: the configuration as above, the Field Net lists, the I/O map, the note.
    Project project() const;
    void applyProject(const Project &project);
    // The window's content as it opens: the start-up values, empty tables, no note.
    void restoreStartUpState();

    // The tab that shows a part (the note has none: the current tab stays).
    void showPart(ConfigPart part);

    // The user's own text about the project; not shown on any tab.
    const QString &note() const { return m_note; }
    void setNote(const QString &note);

    // The widths of the columns the user sizes, by the key each table is kept under in the
    // settings file; and the tables given the widths kept (a key not kept leaves its table).
    QMap<QString, QList<int>> columnWidths() const;
    void setColumnWidths(const QMap<QString, QList<int>> &widths);

Q_SIGNALS:
    void noteChanged();

private:
    // The headings, modes and lists the window opens with.
    void showStartUpState();
    // The tables whose columns the user sizes, each by the key it is kept under.
    QList<std::pair<QString, GridView *>> resizableTables() const;

    UartTab *m_uarts[2] = {};
    IoMapFrame *m_ioMap = nullptr;
    GeneralSettingFrame *m_generalSetting = nullptr;
    OneWireTab *m_oneWire = nullptr;
    ModbusDiagTab *m_modbusDiag = nullptr;
    OneWireDiagTab *m_oneWireDiag = nullptr;
    QString m_note;
};

}  // namespace plc
