#include "bus_search_dialog.h"
#include "contrast.h"
#include "converter_tab.h"
#include "ini_file.h"
#include "one_wire_tab.h"
#include "port_settings_dialog.h"
#include "request_dialog.h"
#include "sensor_dialog.h"
#include "tab_test.h"
#include "test_helpers.h"
#include "uart_port.h"
#include "uart_tab.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace plc;

using testing::child;
using testing::row;

// What the window does beyond the documented flows: limits told before a check refuses, the
// keyboard reaching every field and table, and a window that keeps its width.
class TestWindowAids : public TabTest {
    Q_OBJECT

private Q_SLOTS:
    void toolTipsTellTheLimits_data()
    {
        // Owner, where ("<table>#<column>" for a heading, else a control's objectName), tool tip.
        QTest::addColumn<QStringList>("tip");
        const auto row = [](const char *name, const QStringList &tip) {
            QTest::newRow(name) << tip;
        };
        row("requests: Timeout", {"window", "uart1RequestTable#6", "1–4095 ms"});
        row("sensors: Byte 3", {"window", "sensorTable#4", "two hexadecimal digits"});
        row("sensors: Dxxxx", {"window", "sensorTable#9", "Dxxxx register, a whole number 0–7997"});
        row("UART 2 MB address", {"window", "uart2SlaveAddressBox", "1–247"});
        row("UART 1 Write to PLC",
            {"window", "uart1WriteButton",
             "Writes the mode and line settings (port word, address 2008 (hex)) and, for a master, "
             "the request table (from address 2502 (hex)) into the controller"});
        row("request dialog: address", {"request", "slaveAddressBox", "1–254"});
        row("sensor dialog: Address",
            {"sensor", "registerBox", "Dxxxx register, a whole number 0–7997"});
        row("bus search: start address",
            {"search", "startAddressBox",
             "Dxxxx register of the first device found, a whole number 0–7997; the next ones "
             "follow 2 apart"});
    }

    void toolTipsTellTheLimits()
    {
        QFETCH(QStringList, tip);
        MainWindow &window = *m_w->window;
        RequestDialog request(UartPort::uart1(), m_w->prompts, RequestFields{});
        SensorDialog sensor{SensorCells{}};
        BusSearchDialog search(window.transferContext(), window.oneWire().sensors());
        const QMap<QString, QWidget *> owners = {
            {"window", &window}, {"request", &request}, {"sensor", &sensor}, {"search", &search}};
        const QStringList where = tip.at(1).split(QLatin1Char('#'));
        const QString shown =
            where.size() == 2
                ? child<QAbstractItemView>(owners[tip.at(0)], where.at(0))
                      ->model()
                      ->headerData(where.at(1).toInt(), Qt::Horizontal, Qt::ToolTipRole)
                      .toString()
                : child<QWidget>(owners[tip.at(0)], tip.at(1))->toolTip();
        QCOMPARE(shown, tip.at(2));
    }

    void portSettingsMarkPortsAndMissingDevice()
    {
        const QString file = m_w->sim.settingsFile();
        writeIniValue(file, "PORTS", "COM2", "/no/ttyUSB0");
        writeIniValue(file, "PORTS", "COM3", "/dev/null");
        PortSettingsDialog dialog(m_w->prompts, nullptr);
        auto *ports = child<QComboBox>(&dialog, "portList");
        ports->setCurrentIndex(1);
        QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(),
                 "COM2 → /no/ttyUSB0: mapped in [PORTS], not present");
        QCOMPARE(ports->itemData(2, Qt::ToolTipRole).toString(),
                 "COM3 → /dev/null: mapped in [PORTS], present");
        QCOMPARE(child<QWidget>(&dialog, "detectButton")->toolTip(),
                 QStringLiteral("Maps COM2 to the device you choose from the system's serial ports "
                                "([PORTS] in the settings file)"));
        const auto *device = child<QLabel>(&dialog, "portDevice");
        QCOMPARE(device->text(), "Device: /no/ttyUSB0 (not present)");
        QVERIFY(device->isEnabled());
        QVERIFY(contrastRatio(device->palette().color(QPalette::WindowText),
                              dialog.palette().color(QPalette::Window)) >= 4.5);
        const QColor dark(0x20, 0x20, 0x20);  // where the wanted red alone would not do
        QVERIFY(contrastRatio(readableOn(QColor(0xC0, 0, 0), dark), dark) >= 4.5);
    }

    void requestDialogTabsInReadingOrder()
    {
        RequestDialog dialog(UartPort::uart2(), m_w->prompts, RequestFields{});
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        child<QWidget>(&dialog, "slaveNumberBox")->setFocus();
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        std::sort(order.begin() + 7, order.end());  // the buttons as the platform orders them
        QCOMPARE(order,
                 (QStringList{"slaveAddressBox", "countBox", "slaveStartBox", "masterAddressBox",
                              "functionList", "timeoutBox", "nameBox", "closeButton", "okButton"}));
    }

    void enterConverts()
    {
        ConverterTab tab(m_w->prompts);
        const QStringList cases[] = {{"floatInputBox", "1,5", "ieeeResultBox", "3FC00000"},
                                     {"ieeeInputBox", "3fc00000", "floatResultBox", "1.5"}};
        for (const QStringList &c : cases) {
            child<QLineEdit>(&tab, c.at(0))->setText(c.at(1));
            QTest::keyClick(child<QLineEdit>(&tab, c.at(0)), Qt::Key_Return);
            QCOMPARE(child<QLineEdit>(&tab, c.at(2))->text(), c.at(3));
        }
    }

    void tableMenuActsOnTheCurrentTab_data()
    {
        // mode (of the tab's port), note (in the status line, in front of the file)
        testing::columns<int, int, bool, QList<QStringList>, QString>(
            {"tab", "mode", "enabled", "rows", "note"});
        const QList<QStringList> requests = {{"1", "10", "0", "100", "1", "100"},
                                             {"3", "5", "10", "110", "2", "200"}};
        row("UART 2 master", 2, 0, true, requests, "UART 2 requests: 2 rows");
        row("1-wire master", 3, 0, true,
            QList<QStringList>{{"28", "FF", "4B", "12", "03", "00", "00", "A1", "3000"}},
            "1-wire sensors: 1 row");
        row("UART 1 slave: table hidden", 1, 1, false, requests, "");
    }

    void tableMenuActsOnTheCurrentTab()
    {
        QFETCH(int, tab);
        QFETCH(int, mode);
        QFETCH(bool, enabled);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, note);
        MainWindow &window = *m_w->window;
        const bool oneWire = tab == 3;
        GridModel &grid = oneWire ? window.oneWire().sensors() : window.uart(tab).requests();
        grid.setDataRows(rows);
        oneWire ? window.oneWire().selectMode(mode) : window.uart(tab).selectMode(mode);
        auto *exportCsv = child<QAction>(&window, "exportCsvAction");
        QVERIFY(!exportCsv->isEnabled());  // the first tab has no table
        window.tabs().setCurrentIndex(tab);
        QCOMPARE(exportCsv->isEnabled(), enabled);
        if (!enabled)
            return;
        QTemporaryDir dir;
        const QString path = dir.filePath("table.csv");
        const QString missing = dir.filePath("missing.csv");
        m_w->prompts.fileNames << path << path << missing;
        const auto status = [&window] {
            return child<QLabel>(&window, "actionStatus")->text();
        };
        exportCsv->trigger();
        QCOMPARE(status(), note + " exported to " + QDir::toNativeSeparators(path));
        grid.setDataRows({});
        auto *importCsv = child<QAction>(&window, "importCsvAction");
        importCsv->trigger();
        QCOMPARE(grid.dataRows(), rows);  // what went out came back into the same table
        QCOMPARE(status(), note + " imported from " + QDir::toNativeSeparators(path));
        importCsv->trigger();
        QCOMPARE(grid.dataRows(), rows);
        QCOMPARE(status(), note.left(note.indexOf(':')) + ": nothing imported from " +
                               QDir::toNativeSeparators(missing));
    }

    void widthKeptAcrossModeChanges_data()
    {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 7; ++tab)
            QTest::addRow("tab %d", tab) << tab;
    }

    void widthKeptAcrossModeChanges()
    {
        QFETCH(int, tab);
        MainWindow &window = *m_w->window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // As narrow as it goes, where any table that widens its tab would widen the window.
        window.resize(window.minimumSizeHint().width(), window.height());
        window.tabs().setCurrentIndex(tab);
        QCoreApplication::processEvents();
        const QList<int> before = {window.width(), window.minimumSizeHint().width()};
        // Every mode of every port, twice over: the second round would catch a table that grows.
        for (int mode : {0, 1, 2, 0, 1, 2, 0}) {
            window.uart(1).selectMode(mode);
            window.uart(2).selectMode(mode);
            window.oneWire().selectMode(mode);
            QCoreApplication::processEvents();
            QCOMPARE((QList<int>{window.width(), window.minimumSizeHint().width()}), before);
        }
    }

private:
};

QTEST_MAIN(TestWindowAids)

#include "tst_window_aids.moc"
