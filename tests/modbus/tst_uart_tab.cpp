#include "grid_view.h"
#include "one_wire_tab.h"
#include "port_transfer.h"
#include "request_dialog.h"
#include "request_editing.h"
#include "request_record.h"
#include "tab_test.h"
#include "table_steps.h"
#include "test_helpers.h"
#include "uart_port.h"
#include "uart_tab.h"

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
using namespace plc::sim;

namespace {

using tablesteps::addCases;
using testing::child;
using testing::rowTexts;

const UartPort &port(int uart)
{
    return uart == 1 ? UartPort::uart1() : UartPort::uart2();
}

// Two requests; the first is address 1, count 10, start 0, master 100, function 1, timeout 100.
const QList<ModbusRequest> kTwoRequests = {{1, 10, 0, 100, 1, 100}, {3, 5, 10, 110, 2, 200}};
const QString kTwoRecords = QStringLiteral("010A000064006410") + "03050A006E00C820";
const QStringList kTwoRows = {"1|1|10|0|100|1|100", "2|3|5|10|110|2|200", "3||||||"};

struct DeleteCase {
    int chosen;  // the current request row
    bool answer;
    QStringList rows;
};
struct EditCase {
    int uart, row, col;
    QString typed, stored, message;  // message null: none
};
struct UploadCase {
    int uart, word;
    QStringList reads;
    int mode, speed, parity;
    QString address;
    QStringList rows;
};

}  // namespace

// The UART tabs in the main window: the request dialog, the table's editing, and the transfer
// buttons and menu entry wired to the controls, against the virtual controller.
class TestUartTab : public TabTest {
    Q_OBJECT

private Q_SLOTS:
    void firstAddThroughTheDialog_data()
    {
        testing::columns<int, QString>({"uart", "title"});
        testing::row("UART 1", 1, "Slave add/modify");
        testing::row("UART 2", 2, "Form1");
    }

    void firstAddThroughTheDialog()
    {
        QFETCH(int, uart);
        QFETCH(QString, title);
        UartTab &t = tab(uart);
        t.selectMode(0);  // master before any row is chosen: the table is locked
        QVERIFY(!t.requestView().isEnabled());

        QString shownTitle, frame;
        QStringList fields, functions, buttons;
        bool modal = false;
        onDialog([&](RequestDialog &dialog) {
            shownTitle = dialog.windowTitle();
            modal = dialog.isModal();
            auto *box = child<QGroupBox>(&dialog, "slaveSettingFrame");
            frame = box->title();
            auto *form = qobject_cast<QFormLayout *>(box->layout());
            for (const char *name :
                 {"slaveNumberBox", "slaveAddressBox", "countBox", "slaveStartBox",
                  "masterAddressBox", "functionList", "timeoutBox"}) {
                QWidget *field = child<QWidget>(&dialog, name);
                const QString label = qobject_cast<QLabel *>(form->labelForField(field))->text();
                auto *list = qobject_cast<QComboBox *>(field);
                fields.append(label + " = " +
                              (list ? QString::number(list->currentIndex())
                                    : qobject_cast<QLineEdit *>(field)->text()));
            }
            auto *list = child<QComboBox>(&dialog, "functionList");
            for (int i = 0; i < list->count(); ++i)
                functions.append(list->itemText(i));
            auto *ok = child<QPushButton>(&dialog, "okButton");
            buttons = QStringList{ok->text(), child<QPushButton>(&dialog, "closeButton")->text()};
            child<QLineEdit>(&dialog, "slaveAddressBox")->setText("7");
            ok->click();
        });
        click(uart, port(uart).controlName("AddRequestButton"));

        QCOMPARE(shownTitle, title);
        QVERIFY(modal);
        QCOMPARE(frame, "Slave setting");
        QCOMPARE(fields, (QStringList{"Slave number = 1", "Slave modbus address = 3",
                                      "Word/Coil  number to read/write-slave part = 100",
                                      "Slave address point start read/write = 0",
                                      "Master address to place Word/Coil from slave = 0",
                                      "Function type = 1", "Timeout,[msec] = 100"}));
        QCOMPARE(functions,
                 (QStringList{"Read coils", "Read holding register", "Write multiply register",
                              "Write coils", "Read input register"}));
        QCOMPARE(buttons, (QStringList{"OK", "Close"}));
        QCOMPARE(rowTexts(t.requests()), (QStringList{"1|7|100|0|0|1|100", "2||||||"}));
        QVERIFY(t.requestView().isEnabled());
        QCOMPARE(t.currentRequestRow(), 1);
        QCOMPARE(t.requestDialogMode(), 1);
        QVERIFY(t.findChildren<RequestDialog *>().isEmpty());  // created fresh each time
        QVERIFY(prompts().shown.isEmpty());
    }

    void dialogCheckKeepsTheDialogOpen()
    {
        bool openAfterOk = false;
        onDialog([&](RequestDialog &dialog) {
            child<QLineEdit>(&dialog, "timeoutBox")->setText("4096");  // 12 bits in the record
            child<QPushButton>(&dialog, "okButton")->click();
            openAfterOk = dialog.isVisible();
            child<QPushButton>(&dialog, "closeButton")->click();
        });
        click(2, port(2).controlName("AddRequestButton"));
        QVERIFY(openAfterOk);
        QCOMPARE(prompts().messages(), QStringList{"You put wrong value  4096"});
        QCOMPARE(prompts().shown.at(0).title, "Error in data");
        QCOMPARE(rowTexts(tab(2).requests()), QStringList{"||||||"});  // "Close" stores nothing
    }

    void modifyOnTheEntryRow()
    {
        UartTab &t = tab(2);
        QVERIFY(showMaster(2, kTwoRequests));
        GridView &view = t.requestView();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.model()->index(2, 4)).center());
        QCOMPARE(t.currentRequestRow(), 3);
        QCOMPARE(t.currentRequestColumn(), 4);

        QString slot, count, function;
        onDialog([&](RequestDialog &dialog) {
            slot = child<QLineEdit>(&dialog, "slaveNumberBox")->text();
            count = child<QLineEdit>(&dialog, "countBox")->text();
            function = child<QComboBox>(&dialog, "functionList")->currentText();
            child<QLineEdit>(&dialog, "countBox")->setText("6");
            child<QPushButton>(&dialog, "okButton")->click();
        });
        click(2, port(2).controlName("ModifyRequestButton"));
        QCOMPARE(slot, "2");  // the entry row stands for the last request
        QCOMPARE(count, "5");
        QCOMPARE(function, "Write multiply register");
        QCOMPARE(rowTexts(t.requests()),
                 (QStringList{kTwoRows[0], "2|3|6|10|110|2|200", "3||||||"}));
        QCOMPARE(t.currentRequestRow(), 2);
        QCOMPARE(t.requestDialogMode(), 2);
    }

    void deleteAsksFirst_data()
    {
        addCases<DeleteCase>({
            {"OK", {2, true, {"1|1|10|0|100|1|100", "2||||||"}}},
            {"Cancel", {2, false, kTwoRows}},
            {"no row chosen yet", {0, true, kTwoRows}},
        });
    }

    void deleteAsksFirst()
    {
        QFETCH(DeleteCase, c);
        fill(1, kTwoRequests);
        tab(1).setCurrentRequestRow(c.chosen);
        prompts().confirmAnswers.enqueue(c.answer);
        click(1, port(1).controlName("DeleteRequestButton"));
        QCOMPARE(prompts().shown.size(), c.chosen == 0 ? 0 : 1);
        if (c.chosen != 0) {
            QCOMPARE(prompts().shown.at(0).kind, "confirm");
            QCOMPARE(prompts().shown.at(0).text, deleteQuestion());
        }
        QCOMPARE(rowTexts(tab(1).requests()), c.rows);
        QCOMPARE(tab(1).currentRequestRow(), c.chosen);
    }

    void cellEditorEnter_data()
    {
        using tablesteps::kRefusedInner, tablesteps::kRefusedOuter, tablesteps::kRefusedUart1;
        const QString &u1 = kRefusedUart1, &outer = kRefusedOuter, &inner = kRefusedInner;
        addCases<EditCase>({
            {"UART 1 accepted", {1, 1, 3, "65535", "65535", {}}},
            {"UART 1 Num word 300", {1, 1, 2, "300", "", u1}},
            {"UART 2 Num word 300", {2, 1, 2, "300", "", inner}},
            {"UART 2 Timeout 65536", {2, 2, 6, "65536", "", outer}},
            {"UART 2 entry row stays", {2, 3, 1, "9", "9", {}}},
        });
    }

    void cellEditorEnter()
    {
        QFETCH(EditCase, c);
        UartTab &t = tab(c.uart);
        QVERIFY(showMaster(c.uart, kTwoRequests));
        GridView &view = t.requestView();
        view.setCurrentCell(c.row, c.col);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Return);

        auto *editor = child<QLineEdit>(&t, port(c.uart).controlName("RequestCellEditor"));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->parentWidget(), view.viewport());
        QCOMPARE(editor->geometry(), view.visualRect(view.currentIndex()));
        QCOMPARE(editor->selectedText(), t.requests().text(c.row, c.col));
        QVERIFY(editor->hasFocus());

        QTest::keyClicks(editor, c.typed);  // replaces the selected text
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(t.requests().text(c.row, c.col), c.stored);
        if (c.message.isNull()) {
            QVERIFY(prompts().shown.isEmpty());
        } else {
            QCOMPARE(prompts().messages(), QStringList{c.message});
            QVERIFY(!prompts().shown.at(0).title.isNull());  // title-less, not the application's
            QVERIFY(prompts().shown.at(0).title.isEmpty());
        }
        QCOMPARE(view.currentGridRow(), qMin(c.row + 1, t.requests().rows() - 1));
        QCOMPARE(view.currentGridCol(), c.col);
        QVERIFY(view.hasFocus());
        QVERIFY(editor->isHidden());
        QCOMPARE(t.currentRequestRow(), 1);  // the move is the grid's own
    }

    void cellEditorFocusLossDiscards()
    {
        UartTab &t = tab(1);
        QVERIFY(showMaster(1, kTwoRequests));
        GridView &view = t.requestView();
        // A double click as the window system delivers it: press, release, then the double click.
        const QPoint cell = view.visualRect(view.model()->index(0, 2)).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell);
        auto *editor = child<QLineEdit>(&t, "uart1RequestCellEditor");
        QVERIFY(editor->isVisible());
        QTest::keyClicks(editor, "77");
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(view.model()->index(1, 5)).center());
        QVERIFY(editor->isHidden());
        QCOMPARE(rowTexts(t.requests()), kTwoRows);
        QCOMPARE(t.currentRequestRow(), 2);
        QCOMPARE(t.currentRequestColumn(), 5);
    }

    void deleteKeyEmptiesTheCell()
    {
        UartTab &t = tab(2);
        QVERIFY(showMaster(2, kTwoRequests));
        t.requestView().setCurrentCell(2, 4);
        QTest::keyClick(&t.requestView(), Qt::Key_Delete);
        QCOMPARE(rowTexts(t.requests()),
                 (QStringList{kTwoRows[0], "2|3|5|10||2|200", kTwoRows[2]}));
        QVERIFY(prompts().shown.isEmpty());
    }

    void writeToPlc_data()
    {
        testing::columns<int, QStringList>({"uart", "frames"});
        // Master, 115200, None, two requests: the port word 0xD402.
        const auto frames = [](const QString &word, const QString &table) {
            return QStringList{"E11 3000 02 0FFF", "E11 " + word + " 02 02D4",
                               "E11 " + table + " 10 " + kTwoRecords, "E11 3000 02 0000",
                               "E10 2002 02 0080"};
        };
        testing::row("UART 1", 1, frames("2008", "2502"));
        testing::row("UART 2", 2, frames("2006", "2902"));
    }

    void writeToPlc()
    {
        QFETCH(int, uart);
        fill(uart, kTwoRequests);
        tab(uart).selectMode(0);
        click(uart, port(uart).controlName("WriteButton"));
        QCOMPARE(prompts().shown.size(), 1);
        QCOMPARE(prompts().shown.at(0).text, downloadQuestion());
        QTEST(frames(), "frames");
    }

    void uploadFillsTheTab_data()
    {
        addCases<UploadCase>({
            {"UART 1 master, two requests",
             {1, 0xC202, {"E00 2008 02", "E00 2502 10"}, 0, 2, 0, "1", kTwoRows}},
            {"UART 2 slave", {2, 0x4A05, {"E00 2006 02"}, 1, 2, 1, "5", {"||||||"}}},
        });
    }

    void uploadFillsTheTab()
    {
        QFETCH(UploadCase, c);
        const UartPort &p = port(c.uart);
        m_w->sim.plc.pokeWord(p.portWordAddress, quint16(c.word));
        m_w->sim.plc.poke(p.tableBase, QByteArray::fromHex(kTwoRecords.toLatin1()));
        UartTab &t = tab(c.uart);
        t.selectMode(0);  // the table locked: the upload unlocks it
        click(c.uart, p.controlName("UploadButton"));

        QCOMPARE(frames(), c.reads);
        QVERIFY(prompts().shown.isEmpty());
        QCOMPARE(t.modeIndex(), c.mode);
        QVERIFY(child<QRadioButton>(&t, p.controlName("ModeOption") + QString::number(c.mode))
                    ->isChecked());
        QCOMPARE(child<QWidget>(&t, p.controlName("MasterFrame"))->isHidden(), c.mode != 0);
        QCOMPARE(child<QWidget>(&t, p.controlName("SlaveFrame"))->isHidden(), c.mode != 1);
        QCOMPARE(t.listIndex(UartTab::List::Speed), c.speed);
        QCOMPARE(t.listIndex(UartTab::List::Parity), c.parity);
        QCOMPARE(t.addressText(), c.address);
        QCOMPARE(rowTexts(t.requests()), c.rows);
        QVERIFY(t.requestView().isEnabled());
    }

    void silentControllerChangesNothing()
    {
        UartTab &t = tab(1);
        fill(1, kTwoRequests);
        t.selectMode(0);
        m_w->sim.plc.failAddress("2008", VirtualPlc::Fault::Silence);
        click(1, "uart1UploadButton");
        QCOMPARE(prompts().messages(), QStringList{tablesteps::kSilence});
        QCOMPARE(t.modeIndex(), 0);
        QCOMPARE(t.listIndex(UartTab::List::Speed), 4);
        QCOMPARE(t.listIndex(UartTab::List::Parity), 2);
        QCOMPARE(rowTexts(t.requests()), kTwoRows);
        QVERIFY(!t.requestView().isEnabled());
    }

    void slaveSettingsButtons()
    {
        UartTab &t = tab(2);
        t.setListIndex(UartTab::List::Speed, 7);  // "500000"; parity "None"
        t.setAddressText("1");
        t.setTimeoutText("250");
        click(2, "uart2SlaveDownloadButton");
        QCOMPARE(frames(), (QStringList{"E11 3000 02 0FFF", "E11 2006 02 0157", "E11 2004 02 FA00",
                                        "E11 3000 02 0000"}));

        m_w->sim.plc.clearLog();
        m_w->sim.plc.pokeWord(0x2006, 0xCE05);
        m_w->sim.plc.pokeWord(0x2004, 300);
        click(2, "uart2SlaveUploadButton");
        QCOMPARE(frames(), (QStringList{"E00 2006 02", "E00 2004 02"}));
        QCOMPARE(t.listIndex(UartTab::List::Speed), 6);   // "256000"
        QCOMPARE(t.listIndex(UartTab::List::Parity), 1);  // "Even"
        QCOMPARE(t.addressText(), "5");
        QCOMPARE(t.timeoutText(), "300");
        QCOMPARE(t.modeIndex(), 2);  // the mode is not touched
        QCOMPARE(tab(1).addressText(), "1");
        QCOMPARE(tab(1).timeoutText(), "2");
        QCOMPARE(prompts().messages(), QStringList());
    }

    void menuUploadReadsAllPorts()
    {
        m_w->sim.plc.pokeWord(0x2008, 0x4205);
        m_w->sim.plc.pokeWord(0x2006, 0xC401);
        m_w->sim.plc.poke(0x2902, QByteArray::fromHex("010A000064006410"));
        m_w->sim.plc.pokeWord(0x200A, 0xC001);  // the 1-wire settings come last
        m_w->sim.plc.poke(0x200C, QByteArray::fromHex("FF28124B0003A100DC05"));
        child<QAction>(m_w->window.get(), "uploadFromPlcAction")->trigger();
        QCOMPARE(frames(), (QStringList{"E00 2008 02", "E00 2006 02", "E00 2902 08", "E00 200A 02",
                                        "E00 200C 0A"}));
        QCOMPARE(m_w->window->oneWire().auxModeIndex(), 0);
        QCOMPARE(m_w->window->oneWire().sensors().text(1, 9), "1500");
        QCOMPARE(tab(1).modeIndex(), 1);
        QCOMPARE(tab(1).addressText(), "5");
        QCOMPARE(tab(2).modeIndex(), 0);
        QCOMPARE(rowTexts(tab(2).requests()), (QStringList{kTwoRows[0], "2||||||"}));
        QVERIFY(prompts().shown.isEmpty());
    }

    void clicksAndEditsWhileOneWaits()
    {
        fill(1, kTwoRequests);
        tab(1).selectMode(0);
        m_w->sim.plc.setAnswerDelay(60);
        bool waiting = false, locked = false, closed = true;
        QTimer::singleShot(30, m_w->window.get(), [&] {
            closed = m_w->window->close();  // would cut the download off halfway
            waiting = m_w->window->link().isWaiting();
            locked = !m_w->window->tabs().isEnabled() && !m_w->window->menuBar()->isEnabled();
            click(2, "uart2UploadButton");
            click(1, "uart1WriteButton");
            tab(1).setCurrentRequestRow(1);
            click(1, "uart1DeleteRequestButton");  // "Delete slave": what goes out is the table as
                                                   // it was
            child<QAction>(m_w->window.get(), "uploadFromPlcAction")->trigger();
        });
        click(1, "uart1WriteButton");
        QVERIFY(waiting);  // the clicks came while the download waited for an answer
        QVERIFY(locked);   // ... on a window that takes none of them
        QVERIFY(!closed);
        QVERIFY(m_w->window->tabs().isEnabled() && m_w->window->menuBar()->isEnabled());
        QCOMPARE(frames(),
                 (QStringList{"E11 3000 02 0FFF", "E11 2008 02 02D4", "E11 2502 10 " + kTwoRecords,
                              "E11 3000 02 0000", "E10 2002 02 0080"}));
        QCOMPARE(prompts().shown.size(), 1);    // the download's confirmation, nothing else
        QCOMPARE(tab(1).requests().rows(), 4);  // both requests and the entry row
    }

private:
    UartTab &tab(int uart) const { return m_w->window->uart(uart); }
    void click(int uart, const QString &button) const
    {
        child<QPushButton>(&tab(uart), button)->click();
    }

    void fill(int uart, const QList<ModbusRequest> &requests) const
    {
        GridModel &grid = tab(uart).requests();
        for (int i = 0; i < requests.size(); ++i) {
            writeRequestToRow(grid, i + 1, requests.at(i));
            grid.appendGridRow();
        }
        grid.renumber();
    }

    // The tab on screen in master mode with its table enabled, the window active.
    bool showMaster(int uart, const QList<ModbusRequest> &requests)
    {
        fill(uart, requests);
        tab(uart).setCurrentRequestRow(1);
        tab(uart).selectMode(0);
        return showTab(tab(uart)) && tab(uart).requestView().isVisible() &&
               tab(uart).requestView().isEnabled();
    }

    // Runs `answer` on the request dialog as soon as it is open.
    void onDialog(const std::function<void(RequestDialog &)> &answer)
    {
        m_w->onDialog<RequestDialog>(answer);
    }
};

QTEST_MAIN(TestUartTab)

#include "tst_uart_tab.moc"
