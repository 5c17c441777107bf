#include "edit_labels.h"
#include "io_map_frame.h"
#include "one_wire_tab.h"
#include "request_editing.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "undo_history.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace plc;
using Edit = std::function<void(MainWindow &)>;
Q_DECLARE_METATYPE(Edit)

// Undo and redo over the window's content, and the unsaved mark following them.
class TestUndoHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_w = std::make_unique<WindowFixture>();
        Project p = m_w->window->project();
        p.config.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, "17", "250"};
        p.config.uarts[0].requests = {{"1", "10", "0", "100", "1", "100", "pump"},
                                      {"2", "10", "10", "110", "1", "100"},
                                      {"3", "10", "20", "120", "1", "100"}};
        m_w->window->applyProject(p);
        m_w->prompts.fileNames.enqueue(path("saved.plcproj"));
        QVERIFY(m_w->window->saveProjectAs());
        QTRY_COMPARE(history().steps(), 1);
        m_w->prompts.clear();
    }
    void cleanup() { m_w.reset(); }

    void eachEditIsOneStep_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("undoText");
        const auto requests = [](MainWindow &w) -> GridModel & {
            return w.uart(1).requests();
        };
        testing::row("cell", Edit([=](MainWindow &w) { requests(w).setText(2, 3, "44"); }),
                     "Undo edit request 2");
        testing::row("delete row", Edit([](MainWindow &w) { deleteRow(w, 2); }),
                     "Undo delete request 2");
        testing::row(
            "dialog OK", Edit([=](MainWindow &w) {
                applyRequestEdit(requests(w), DialogMode::Add, 1, {9, 1, 2, 3, 1, 5}, "fan");
            }),
            "Undo add request 4");
        testing::row("mode choice",
                     Edit([](MainWindow &w) { w.uart(1).setListIndex(UartTab::List::Speed, 0); }),
                     "Undo change UART 1 settings");
        testing::row("I/O choice", Edit([](MainWindow &w) {
                         IoMap map = w.tabs().ioMap().state();
                         applyChoice(map, 3, IoChoice::Output);
                         w.tabs().ioMap().setState(map);
                     }),
                     "Undo change I/O map");
        testing::row("two parts", Edit([=](MainWindow &w) {
                         requests(w).setText(1, 2, "5");
                         w.tabs().setNote("x");
                     }),
                     "Undo change configuration");
        testing::row("new", Edit([](MainWindow &w) {
                         testing::child<QAction>(&w, "newConfigAction")->trigger();
                     }),
                     "Undo new config");
    }

    void eachEditIsOneStep()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, undoText);
        m_w->prompts.keepAnswers.enqueue(Prompts::Keep::Discard);
        const QByteArray saved = shown();
        edit(*m_w->window);
        QTRY_COMPARE(undoAction()->text(), undoText);
        const QByteArray edited = shown();
        QVERIFY(edited != saved);
        QCOMPARE(status("editStatus").isEmpty(), undoText == "Undo new config");

        undoAction()->trigger();
        QCOMPARE(shown(), saved);
        QTRY_COMPARE(status("editStatus"), QString());  // back as saved: no mark
        QCOMPARE(redoAction()->text(), undoText.replace("Undo", "Redo"));
        redoAction()->trigger();
        QCOMPARE(shown(), edited);
        QTRY_COMPARE(history().steps(), 2);
    }

    void threeEditsUndoneAndRedone()
    {
        const QByteArray saved = shown();
        m_w->prompts.fileNames.enqueue(path("requests.csv"));
        testing::child<QAction>(&m_w->window->uart(1), "exportCsv")->trigger();
        QList<QByteArray> states{saved};
        const QList<Edit> edits{[](MainWindow &w) { w.uart(1).requests().setText(1, 2, "77"); },
                                [](MainWindow &w) { deleteRow(w, 3); },
                                [this](MainWindow &w) {
                                    m_w->prompts.fileNames.enqueue(path("requests.csv"));
                                    testing::child<QAction>(&w.uart(1), "importCsv")->trigger();
                                }};
        for (const Edit &edit : edits) {
            edit(*m_w->window);
            QTRY_COMPARE(history().steps(), int(states.size()) + 1);
            states.append(shown());
        }
        QCOMPARE(states.constLast(), saved);  // the import brought the exported table back
        QCOMPARE(undoAction()->text(), "Undo import CSV into UART 1 requests");
        for (int i = 2; i >= 0; --i) {
            undoAction()->trigger();
            QCOMPARE(shown(), states.at(i));
        }
        m_w->window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_w->window.get()));
        for (int i = 1; i <= 3; ++i) {
            QTest::keyClick(m_w->window.get(), Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(shown(), states.at(i));
        }
    }

    void uploadOverEditsIsUndone()
    {
        m_w->window->uart(1).requests().setText(2, 2, "99");
        QTRY_COMPARE(history().steps(), 2);
        const QByteArray edited = shown();
        m_w->window->uploadFromPlc();
        QCOMPARE(undoAction()->text(), "Undo upload from PLC");
        QVERIFY(shown() != edited);
        undoAction()->trigger();
        QCOMPARE(shown(), edited);
        QTRY_VERIFY(!status("editStatus").isEmpty());
    }

    void typingInOneBoxIsOneStep()
    {
        for (const char *text : {"1", "12", "123"})
            m_w->window->uart(1).setAddressText(QString::fromLatin1(text));
        QTRY_COMPARE(undoAction()->text(), "Undo change UART 1 settings");
        QTRY_COMPARE(history().steps(), 2);
        undoAction()->trigger();
        QCOMPARE(m_w->window->project().config.uarts[0].settings.address, "17");
    }

private:
    UndoHistory &history() const { return m_w->window->history(); }
    QAction *undoAction() const { return history().undoAction(); }
    QAction *redoAction() const { return history().redoAction(); }
    QByteArray shown() const { return projectBytes(m_w->window->project()); }
    QString path(const QString &name) const
    {
        return QFileInfo(m_w->sim.settingsFile()).dir().filePath(name);
    }
    QString status(const char *label) const
    {
        return testing::child<QLabel>(m_w->window.get(), label)->text();
    }
    // "Delete slave" on a row, answered OK.
    static void deleteRow(MainWindow &w, int row)
    {
        w.uart(1).setCurrentRequestRow(row);
        const QList<QPushButton *> buttons = w.uart(1).findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->text() == QLatin1String("Delete slave"))
                button->click();
        }
    }

    std::unique_ptr<WindowFixture> m_w;
};

QTEST_MAIN(TestUndoHistory)

#include "tst_undo_history.moc"
