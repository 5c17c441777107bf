#pragma once

#include "config_record.h"

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

// The main window's seven tabs, built in their order, set to their start-up state, and read
// and set as the configuration file holds them.
class WindowTabs : public QTabWidget {
    Q_OBJECT

public:
    WindowTabs(TransferContext &ctx, Prompts &prompts, QWidget *parent = nullptr);

    // UART 1 (uart 1) or UART 2 (uart 2).
    UartTab &uart(int uart) const { return *m_uarts[uart == 2 ? 1 : 0]; }
    GeneralSettingFrame &generalSetting() const { return *m_generalSetting; }
    OneWireTab &oneWire() const { return *m_oneWire; }

    // What the configuration file holds of the window, read from the tabs; and the tabs set
    // from it in this order: UART 1, UART 2, then the auxiliary mode and its sensors.
    WindowConfig windowConfig() const;
    void applyWindowConfig(const WindowConfig &config);

    // The widths of the columns the user sizes, by the key each table is kept under in the
    // settings file; and the tables given the widths kept (a key not kept leaves its table).
    QMap<QString, QList<int>> columnWidths() const;
    void setColumnWidths(const QMap<QString, QList<int>> &widths);

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
};

}  // namespace plc
