#include "bus_search_dialog.h"
#include "grid_view.h"
#include "one_wire_tab.h"
#include "onewire_test_support.h"
#include "sensor_replace_dialog.h"
#include "tab_test.h"
#include "table_steps.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace plc;
using namespace plc::sim;

using namespace onewiretest;

namespace {

const QStringList kButtons = {"startSearchButton", "addFoundButton", "replaceAllButton",
                              "closeButton"};

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

}  // namespace

// The bus-search dialog opened from the "1-wire" tab and the menu, against the virtual
// controller: its controls, the search with its wait, the result grid's editing, and what
// reaches the sensor table.
class TestSearchDialog : public TabTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TabTest::init();
        m_w->window->oneWire().selectMode(0);
        m_w->window->show();
    }

    void cleanup()
    {
        // The dialog is discarded when it closes.
        QVERIFY(m_w->window->findChildren<BusSearchDialog *>().isEmpty());
        TabTest::cleanup();
    }

    void opensFromButtonAndMenu_data()
    {
        testing::boolColumn("menu", "Search slave", "Search 1-wire");
    }

    void opensFromButtonAndMenu()
    {
        QFETCH(bool, menu);
        sensors().setDataRows({onewiretest::sensor(1)});
        const QStringList before = rowTexts(sensors());
        QString title;
        bool modal = false;
        QStringList labels, texts, headings, captions;
        m_w->onDialog<BusSearchDialog>([&](BusSearchDialog &dialog) {
            title = dialog.windowTitle();
            modal = dialog.isModal();
            auto *form = dialog.findChild<QFormLayout *>();
            for (const char *name : {"deviceCountBox", "startAddressBox"}) {
                auto *box = child<QLineEdit>(&dialog, name);
                labels.append(qobject_cast<QLabel *>(form->labelForField(box))->text());
                texts.append(box->text());
            }
            for (int col = 0; col < 9; ++col)
                headings.append(dialog.result().heading(col));
            for (const QString &name : kButtons)
                captions.append(child<QPushButton>(&dialog, name)->text());
            QVERIFY(child<QLineEdit>(&dialog, "foundCellEditor")->isHidden());
            child<QPushButton>(&dialog, "closeButton")->click();
        });
        if (menu)
            child<QAction>(m_w->window.get(), "searchOneWireAction")->trigger();
        else
            child<QPushButton>(&m_w->window->oneWire(), "searchSensorsButton")->click();
        QCOMPARE(title, "Search module for 1-wire device");
        QVERIFY(modal);
        QCOMPARE(labels,
                 (QStringList{"Number sensor on the bus",
                              "Start address for automatic slave addition in the main table"}));
        QCOMPARE(texts, (QStringList{"0", "1500"}));
        QCOMPARE(headings.join('|'),
                 "Num | Byte 0 | Byte 1 | Byte 2 | Byte 3 | Byte 4 | Byte 5 | Byte 6 | Byte 7 ");
        QCOMPARE(captions, (QStringList{"Start search", "Add new in the table",
                                        "Replace all in the table", "Close"}));
        QCOMPARE(rowTexts(sensors()), before);  // "Close" leaves the table alone
        QVERIFY(m_w->sim.plc.frames().isEmpty());
    }

    void searchEditAndAdd()
    {
        m_w->sim.plc.setOneWireDevices({romBytes(1), romBytes(2), romBytes(3)});
        qint64 elapsed = 0;
        bool locked = false, stayedOpen = false, openAfterEnter = false;
        QStringList result;
        QString countdown;
        withDialog([&](BusSearchDialog &dialog) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            // Halfway through the wait: the window still answers, but takes no click and no close.
            QTimer::singleShot(1500, &dialog, [&] {
                locked = true;
                countdown = child<QLabel>(&dialog, "searching")->text();
                for (const QString &name : kButtons)
                    locked = locked && !child<QPushButton>(&dialog, name)->isEnabled();
                dialog.close();
                dialog.reject();
                stayedOpen = dialog.isVisible();
            });
            QElapsedTimer clock;
            clock.start();
            child<QPushButton>(&dialog, "startSearchButton")->click();
            elapsed = clock.elapsed();
            QCOMPARE(child<QLineEdit>(&dialog, "deviceCountBox")->text(), "3");

            // Byte 1 of the first device corrected in place; Enter only stores the cell.
            GridView &view = *child<GridView>(&dialog, "foundTable");
            view.setCurrentCell(1, 2);
            view.setFocus();
            QTest::keyClick(&view, Qt::Key_Return);
            auto *editor = child<QLineEdit>(&dialog, "foundCellEditor");
            QVERIFY(editor->isVisible());
            QTest::keyClicks(editor, "AB");
            QTest::keyClick(editor, Qt::Key_Return);
            openAfterEnter = dialog.isVisible() && editor->isHidden();
            QCOMPARE(view.currentGridRow(), 2);
            QTest::keyClick(&view, Qt::Key_Delete);  // byte 1 of the second device emptied
            result = rowTexts(dialog.result());

            child<QLineEdit>(&dialog, "startAddressBox")->setText("15x");
            child<QPushButton>(&dialog, "addFoundButton")->click();
            QVERIFY(dialog.isVisible());
            child<QLineEdit>(&dialog, "startAddressBox")->setText("1500");
            child<QPushButton>(&dialog, "addFoundButton")->click();
            QVERIFY(!dialog.isVisible());
        });
        QVERIFY2(elapsed >= 3500, qPrintable(QString::number(elapsed)));
        QVERIFY(locked);
        QVERIFY2(QRegularExpression("^Searching the bus: [12]\\.\\d s left$")
                     .match(countdown)
                     .hasMatch(),
                 qPrintable(countdown));
        const QString status = child<QLabel>(m_w->window.get(), "actionStatus")->text();
        QVERIFY2(QRegularExpression("^1-wire bus search: done in \\d+\\.\\d s, 3 devices found$")
                     .match(status)
                     .hasMatch(),
                 qPrintable(status));
        QVERIFY(stayedOpen);
        QVERIFY(openAfterEnter);
        QCOMPARE(result, (QStringList{"1|28|AB|4B|12|03|00|00|A1", "2|28||4B|12|03|00|00|A1",
                                      "3|28|03|4B|12|03|00|00|A1", "4||||||||"}));
        QCOMPARE(m_w->prompts.messages(), QStringList{"The start address must be a whole number"});
        QCOMPARE(rowTexts(sensors()),
                 (QStringList{"1|28|AB|4B|12|03|00|00|A1|1500", "2|28||4B|12|03|00|00|A1|1502",
                              "3|28|03|4B|12|03|00|00|A1|1504", "4|||||||||"}));
    }

    void noneFoundThenAddOnlyRenumbers()
    {
        sensors().setDataRows({onewiretest::sensor(1)});
        sensors().setText(1, 0, "7");
        sensors().setText(2, 0, "");
        QString count = "?";
        withDialog([&](BusSearchDialog &dialog) {
            child<QPushButton>(&dialog, "startSearchButton")->click();
            count = child<QLineEdit>(&dialog, "deviceCountBox")->text();
            child<QPushButton>(&dialog, "addFoundButton")->click();
        });
        QCOMPARE(count, "0");
        QCOMPARE(rowTexts(sensors()),
                 (QStringList{"1|28|FF|4B|12|03|00|00|A1|1500", "2|||||||||"}));
        QVERIFY(m_w->prompts.shown.isEmpty());
    }

    void refusedSearchListsNothing()
    {
        m_w->sim.plc.setOneWireDevices({romBytes(1)});
        m_w->sim.plc.failWrite(1, VirtualPlc::Fault::Nak);
        QStringList result;
        QString count;
        withDialog([&](BusSearchDialog &dialog) {
            dialog.result().setDataRows({{"28", "01"}, {"28", "02"}});  // from an earlier search
            child<QPushButton>(&dialog, "startSearchButton")->click();
            result = rowTexts(dialog.result());
            count = child<QLineEdit>(&dialog, "deviceCountBox")->text();
            QCOMPARE(dialog.foundCount(), 0);
            child<QPushButton>(&dialog, "replaceAllButton")->click();  // nothing to replace with
        });
        QCOMPARE(m_w->prompts.messages(), QStringList{"Wrong answer from PLC"});
        QCOMPARE(result, QStringList{"||||||||"});
        QCOMPARE(count, "0");
        QCOMPARE(rowTexts(sensors()), QStringList{"1|||||||||"});
    }

    void searchMarksTheTableThenReplace()
    {
        // Sensor 1 (device 255) is on the bus, sensor 2 (device 254) is not, device 9 is new.
        sensors().setDataRows(onewiretest::sensors(2));
        sensors().setText(2, 10, "tank");  // the name cell, where the table has one
        m_w->sim.plc.setOneWireDevices({romBytes(255), romBytes(9)});
        QStringList places;
        withDialog([&](BusSearchDialog &dialog) {
            child<QPushButton>(&dialog, "startSearchButton")->click();
            places = listTexts(child<QListWidget>(&dialog, "foundPlaces"));
        });
        QCOMPARE(places, (QStringList{"1: in table, row 1", "2: new"}));
        OneWireTab &tab = m_w->window->oneWire();
        QCOMPARE(tab.notFoundRows(), QList<int>{2});

        // The missing sensor takes the new device, after a code refused with the text kept.
        QList<QStringList> expected = sensors().dataRows();
        expected[1] = romCode(9) + expected[1].mid(8);
        QString offered, kept;
        m_w->onDialog<SensorReplaceDialog>([&](SensorReplaceDialog &dialog) {
            offered = listTexts(child<QListWidget>(&dialog, "newDeviceList")).join(',');
            auto *box = child<QLineEdit>(&dialog, "romCodeBox");
            const QString picked = box->text();
            box->setText("28 09");
            child<QPushButton>(&dialog, "replaceButton")->click();
            kept = dialog.isVisible() ? box->text() : QString();
            box->setText(picked);
            child<QPushButton>(&dialog, "replaceButton")->click();
        });
        tab.sensorView().setCurrentCell(2, 1);
        child<QAction>(&tab, "replaceSensorAction")->trigger();
        QCOMPARE(offered, "28 09 4B 12 03 00 00 A1");
        QCOMPARE(kept, "28 09");
        QCOMPARE(m_w->prompts.messages(),
                 QStringList{"You configuration has error in the addresing data - row 2\r\n"
                             "Column Byte 2"});
        QCOMPARE(sensors().dataRows(), expected);
        QVERIFY(tab.notFoundRows().isEmpty());  // the table changed: the marks are gone
    }

    void addNewSkipsTheKnownDevice()
    {
        sensors().setDataRows(onewiretest::sensors(1));
        m_w->sim.plc.setOneWireDevices({romBytes(255), romBytes(9)});
        withDialog([&](BusSearchDialog &dialog) {
            child<QPushButton>(&dialog, "startSearchButton")->click();
            child<QPushButton>(&dialog, "addFoundButton")->click();
        });
        QCOMPARE(sensors().dataRowCount(), 2);
        QCOMPARE(sensors().dataRows().at(1).mid(0, 9), romCode(9) + QStringList{"1502"});
        QCOMPARE(child<QLabel>(m_w->window.get(), "actionStatus")->text(),
                 "Add new in the table: 1 added, 1 already in the table");
    }

private:
    // Opens the dialog from "Search slave" and runs `script` on it while it is open.
    void withDialog(const std::function<void(BusSearchDialog &)> &script)
    {
        m_w->onDialog<BusSearchDialog>([script](BusSearchDialog &dialog) {
            script(dialog);
            if (dialog.isVisible())
                child<QPushButton>(&dialog, "closeButton")->click();
        });
        child<QPushButton>(&m_w->window->oneWire(), "searchSensorsButton")->click();
    }
    GridModel &sensors() const { return m_w->window->oneWire().sensors(); }
};

QTEST_MAIN(TestSearchDialog)

#include "tst_bus_search_dialog.moc"
