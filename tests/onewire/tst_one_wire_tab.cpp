#include "aux_transfer.h"
#include "grid_view.h"
#include "link_action.h"
#include "one_wire_tab.h"
#include "onewire_test_support.h"
#include "plc_link.h"
#include "sensor_dialog.h"
#include "tab_test.h"
#include "table_steps.h"
#include "test_helpers.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace plc;

using namespace onewiretest;
using testing::row;

namespace {

const QList<SensorCells> kTwoSensors = onewiretest::sensors(2);
const QString kTwoRecords = QStringLiteral("FF28124B0003A100DC05FE28124B0003A100DE05");
const QStringList kTwoRows = {"1|28|FF|4B|12|03|00|00|A1|1500", "2|28|FE|4B|12|03|00|00|A1|1502",
                              "3|||||||||"};

}  // namespace

// The "1-wire" tab in the main window: modes, the sensor dialog, the table's editing, and the
// transfer buttons wired to the controls, against the virtual controller.
class TestOneWireTab : public TabTest {
    Q_OBJECT

private Q_SLOTS:
    void modeChange_data()
    {
        testing::columns<int, bool, bool>({"mode", "table", "fieldNet"});
        row("1-wire master", 0, true, false);
        row("Field Net", 1, false, true);
        row("Not use", 2, false, false);
    }

    void modeChange()
    {
        QFETCH(int, mode);
        QFETCH(bool, table);
        QFETCH(bool, fieldNet);
        QVERIFY(showMaster({}));
        // From each other mode, by a click on the option.
        for (int from = 0; from < 3; ++from) {
            tab().selectMode(from);
            QTest::mouseClick(
                child<QRadioButton>(&tab(), QStringLiteral("auxModeOption%1").arg(mode)),
                Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(tab().auxModeIndex(), mode);
            QCOMPARE(child<QGroupBox>(&tab(), "sensorFrame")->isVisible(), table);
            QCOMPARE(child<QGroupBox>(&tab(), "fieldNetFrame")->isVisible(), fieldNet);
            QVERIFY(child<QGroupBox>(&tab(), "auxPortFrame")->isVisible());
        }
    }

    void masterModeSetsTheHeadingsAgain()
    {
        tab().sensors().setHeadingLine(QStringLiteral("x|y"));
        tab().sensors().setText(1, 1, QStringLiteral("28"));
        tab().selectMode(1);
        QCOMPARE(tab().sensors().cols(), 2);
        tab().selectMode(0);
        QCOMPARE(tab().sensors().cols(), 11);
        QCOMPARE(tab().sensors().heading(9), QStringLiteral("  Dxxxx  "));
        QCOMPARE(tab().sensors().text(1, 1), QStringLiteral("28"));  // the rows stay
    }

    void sensorDialog_data()
    {
        // sensors (of kTwoSensors), last (the last sensor's register; null: as it is), clicked (the
        // grid row clicked first; 0 none)
        testing::columns<int, QString, QString, int, QString, bool, QStringList>(
            {"sensors", "last", "button", "clicked", "preset", "accepted", "rows"});
        row("add to an empty table", 0, QString(), "addSensorButton", 0,
            "00 00 00 00 00 00 00 00 3000", true,
            QStringList{"1|AA|00|00|00|00|00|00|00|3000", "2|||||||||"});
        row("add after 1502", 2, QString(), "addSensorButton", 1, "00 00 00 00 00 00 00 00 1504",
            true, kTwoRows.mid(0, 2) + QStringList{"3|AA|00|00|00|00|00|00|00|1504", "4|||||||||"});
        row("modify the clicked row", 2, QString(), "modifySensorButton", 2,
            "28 FE 4B 12 03 00 00 A1 1502", true,
            QStringList{kTwoRows[0], "2|AA|FE|4B|12|03|00|00|A1|1502", kTwoRows[2]});
        row("last register no number, cancelled", 2, "15x", "addSensorButton", 0,
            "00 00 00 00 00 00 00 00 3000", false,
            QStringList{kTwoRows[0], "2|28|FE|4B|12|03|00|00|A1|15x", kTwoRows[2]});
    }

    void sensorDialog()
    {
        QFETCH(int, sensors);
        QFETCH(QString, last);
        QFETCH(QString, button);
        QFETCH(int, clicked);
        QFETCH(QString, preset);
        QFETCH(bool, accepted);
        QFETCH(QStringList, rows);
        QVERIFY(showMaster(kTwoSensors.mid(0, sensors)));
        if (!last.isNull())
            tab().sensors().setText(sensors, 9, last);
        if (clicked > 0)
            clickCell(clicked, 3);

        QString title;
        QStringList labels, shown, buttons;
        m_w->onDialog<SensorDialog>([&](SensorDialog &dialog) {
            title = dialog.windowTitle();
            auto *form = dialog.findChild<QFormLayout *>();
            for (int k = 0; k <= 8; ++k) {
                auto *box = child<QLineEdit>(&dialog, k < 8 ? QStringLiteral("romByte%1Box").arg(k)
                                                            : QStringLiteral("registerBox"));
                labels.append(qobject_cast<QLabel *>(form->labelForField(box))->text());
                shown.append(box->text());
            }
            auto *store = child<QPushButton>(&dialog, "storeButton");
            auto *cancel = child<QPushButton>(&dialog, "cancelButton");
            buttons = QStringList{store->text(), cancel->text()};
            child<QLineEdit>(&dialog, "romByte0Box")->setText("AA");
            (accepted ? store : cancel)->click();
        });
        click(button);

        QCOMPARE(title, "Add/modify 1-wire slave");
        QCOMPARE(labels, (QStringList{"Byte 0", "Byte1", "Byte 2", "Byte3", "Byte 4", "Byte 5",
                                      "Byte 6", "Byte 7", "Address"}));
        QCOMPARE(buttons, (QStringList{"Add/modify", "Cancel"}));
        QCOMPARE(shown.join(' '), preset);
        QCOMPARE(rowTexts(tab().sensors()), rows);
        QCOMPARE(tab().sensorDialogMode(), button == "addSensorButton" ? 1 : 2);
        QCOMPARE(tab().currentSensorRow(), qMax(0, clicked - 1));
        QVERIFY(tab().findChildren<SensorDialog *>().isEmpty());  // created fresh each time
        QVERIFY(m_w->prompts.shown.isEmpty());
    }

    void deleteButtonsAsk_data()
    {
        // clicked: the grid row clicked first
        testing::columns<QString, int, bool, QString, QStringList>(
            {"button", "clicked", "answer", "question", "rows"});
        const QString one = QStringLiteral("You are shure for delete this sensor?");
        const QString all = QStringLiteral("Delete all sensors from the table?");
        row("delete row 1", "deleteSensorButton", 1, true, one,
            QStringList{"1|28|FE|4B|12|03|00|00|A1|1502", "2|||||||||"});
        row("delete cancelled", "deleteSensorButton", 1, false, one, kTwoRows);
        row("delete on the entry row", "deleteSensorButton", 3, true, QString(), kTwoRows);
        row("delete all", "deleteAllSensorsButton", 1, true, all, QStringList{"|||||||||"});
        row("delete all cancelled", "deleteAllSensorsButton", 1, false, all, kTwoRows);
    }

    void deleteButtonsAsk()
    {
        QFETCH(QString, button);
        QFETCH(int, clicked);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(QStringList, rows);
        QVERIFY(showMaster(kTwoSensors));
        clickCell(clicked, 2);
        m_w->prompts.confirmAnswers.enqueue(answer);
        click(button);
        QCOMPARE(m_w->prompts.shown.size(), question.isNull() ? 0 : 1);  // nothing to ask about
        if (!question.isNull()) {
            QCOMPARE(m_w->prompts.shown.at(0).kind, "confirm");
            QCOMPARE(m_w->prompts.shown.at(0).text, question);
        }
        QCOMPARE(rowTexts(tab().sensors()), rows);
    }

    void cellEditorEnter_data()
    {
        // doubleClick: else Enter on the table opens the editor
        testing::columns<int, bool, QString>({"row", "doubleClick", "typed"});
        row("any text, double-click", 1, true, "zz?");
        row("Enter on the entry row", 3, false, "AB");
    }

    void cellEditorEnter()
    {
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QString, typed);
        QVERIFY(showMaster(kTwoSensors));
        GridView &view = tab().sensorView();
        clickCell(row, 4);
        if (doubleClick) {
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, {},
                               view.visualRect(view.currentIndex()).center());
        } else {
            QTest::keyClick(&view, Qt::Key_Return);
        }
        auto *editor = child<QLineEdit>(&tab(), "sensorCellEditor");
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->geometry(), view.visualRect(view.currentIndex()));
        QCOMPARE(editor->selectedText(), tab().sensors().text(row, 4));
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(tab().sensors().text(row, 4), typed);
        QCOMPARE(view.currentGridRow(), qMin(row + 1, 3));
        QVERIFY(view.hasFocus());
        QVERIFY(editor->isHidden());
        QVERIFY(m_w->prompts.shown.isEmpty());
    }

    void uploadFillsTheTab_data()
    {
        // lists: as shown
        testing::columns<int, int, QStringList, QStringList>({"word", "mode", "lists", "rows"});
        const QStringList before = {"19200", "Odd", "7", "1"};
        row("master, two sensors", 0xC002, 0, before, kTwoRows);
        // Cut back whatever the mode: row 1 stays as it was, as the entry row.
        const QStringList cut = {"1|28|FE|4B|12|03|00|00|A1|1502"};
        row("Field Net", 0xB780, 1, QStringList{"115200", "Odd", "8", "2"}, cut);
        row("Not use", 0x0000, 2, before, cut);
    }

    void uploadFillsTheTab()
    {
        QFETCH(int, word);
        QFETCH(int, mode);
        QFETCH(QStringList, lists);
        QFETCH(QStringList, rows);
        m_w->sim.plc.pokeWord(0x200A, quint16(word));
        m_w->sim.plc.poke(0x200C, QByteArray::fromHex(kTwoRecords.toLatin1()));
        tab().sensors().setDataRows(kTwoSensors.mid(1) + kTwoSensors);
        tab().sensors().setHeadingLine("a|b|c|d|e|f|g|h|i|j");
        tab().setListIndex(OneWireTab::List::Speed, 1);
        tab().setListIndex(OneWireTab::List::Parity, 1);
        tab().setListIndex(OneWireTab::List::Bits, 0);
        tab().setListIndex(OneWireTab::List::Stop, 0);
        tab().selectMode(mode == 1 ? 0 : 1);
        click("oneWireUploadButton");

        QVERIFY(m_w->prompts.shown.isEmpty());
        QCOMPARE(tab().auxModeIndex(), mode);
        QVERIFY(
            child<QRadioButton>(&tab(), QStringLiteral("auxModeOption%1").arg(mode))->isChecked());
        QCOMPARE(child<QWidget>(&tab(), "sensorFrame")->isHidden(), mode != 0);
        QCOMPARE(child<QWidget>(&tab(), "fieldNetFrame")->isHidden(), mode != 1);
        QStringList shown;
        for (const char *name :
             {"fieldNetSpeedList", "fieldNetParityList", "fieldNetBitsList", "fieldNetStopList"})
            shown.append(child<QComboBox>(&tab(), name)->currentText());
        QCOMPARE(shown, lists);
        QCOMPARE(tab().sensors().heading(9), "  Dxxxx  ");  // set again whatever the mode
        QCOMPARE(rowTexts(tab().sensors()), rows);
    }

    void stateRoundTrip()
    {
        OneWireTabState state{{AuxMode::FieldNet, {3, 0, 0, 1}}, kTwoSensors};
        tab().setState(state);
        QVERIFY(child<QRadioButton>(&tab(), "auxModeOption1")->isChecked());
        QCOMPARE(child<QComboBox>(&tab(), "fieldNetSpeedList")->currentText(), "57600");
        QCOMPARE(rowTexts(tab().sensors()), kTwoRows);
        const OneWireTabState back = tab().state();
        QCOMPARE(int(back.settings.mode), 1);
        QVERIFY(back.settings.fieldNet == state.settings.fieldNet);
        QCOMPARE(back.sensors, kTwoSensors);
    }

    void secondTransferIsIgnoredWhileOneWaits()
    {
        tab().sensors().setDataRows(kTwoSensors);
        tab().selectMode(0);
        m_w->sim.plc.setAnswerDelay(60);
        bool waiting = false, locked = false;
        QTimer::singleShot(30, m_w->window.get(), [&] {
            waiting = m_w->window->link().isWaiting();
            locked = !m_w->window->tabs().isEnabled() && !m_w->window->menuBar()->isEnabled();
            click("oneWireUploadButton");
            click("oneWireWriteButton");
            child<QAction>(m_w->window.get(), "uploadFromPlcAction")->trigger();
        });
        click("oneWireWriteButton");
        QVERIFY(waiting);
        QVERIFY(locked);
        QCOMPARE(frames(), (QStringList{"E11 3000 02 0FFF", "E11 200A 02 02C0",
                                        "E11 200C 14 " + kTwoRecords, "E11 3000 02 0000"}));
        QCOMPARE(m_w->prompts.shown.size(), 1);  // the download's confirmation, nothing else
    }

private:
    OneWireTab &tab() const { return m_w->window->oneWire(); }
    void click(const QString &button) const { child<QPushButton>(&tab(), button)->click(); }

    // The tab on screen in master mode holding these sensors, the window active.
    bool showMaster(const QList<SensorCells> &sensors)
    {
        tab().sensors().setDataRows(sensors);
        tab().selectMode(0);
        return showTab(tab()) && tab().sensorView().isVisible();
    }

    void clickCell(int gridRow, int col) const
    {
        GridView &view = tab().sensorView();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.model()->index(gridRow - 1, col)).center());
    }
};

QTEST_MAIN(TestOneWireTab)

#include "tst_one_wire_tab.moc"
