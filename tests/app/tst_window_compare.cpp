#include "compare_dialog.h"
#include "link_action.h"
#include "test_helpers.h"
#include "window_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace plc;

// "Load to PLC" and "Compare with controller" in the window, against the virtual controller.
class TestWindowCompare : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_w = std::make_unique<WindowFixture>(); }
    void cleanup() { m_w.reset(); }

    void loadToPlcWritesEveryPartWithOneQuestion()
    {
        loadFilled();
        QCOMPARE(m_w->prompts.shown.size(), 1);
        QCOMPARE(m_w->prompts.shown.at(0).text, downloadQuestion());
        QStringList written;
        for (const auto &frame : m_w->sim.plc.frames("E11"))
            written.append(frame.address);
        written.removeDuplicates();
        // Each part's own writes: the port words, the request table, the 1-wire mode word and
        // sensors, the I/O map block; service words around them.
        QCOMPARE(written, QStringList({"3000", "2008", "2502", "2006", "200A", "200C", "2000"}));
    }

    void compareNamesEachChangedCellAndTakesTheControllersValues()
    {
        const Project loaded = loadFilled();
        Project edited = loaded;
        edited.config.uarts[0].requests[1][1] = "20";  // Num word
        edited.config.sensors[0][4] = "13";
        applyChoice(edited.ioMap, 1, IoChoice::Output);
        m_w->window->applyProject(edited);

        QList<QStringList> rows;
        // The dialog opens once every part has been read back.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<CompareDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            const QTableWidget &table = dialog->table();
            for (int row = 0; row < table.rowCount(); ++row) {
                rows.append(QStringList());
                for (int col = 0; col < table.columnCount(); ++col)
                    rows.last().append(table.item(row, col)->text());
            }
            testing::child<QPushButton>(dialog, "takeOtherButton")->click();
        });
        poll.start(10);
        trigger("compareWithControllerAction");
        QCOMPARE(rows,
                 (QList<QStringList>{{"UART 1", "2", "Num word", "20", "10"},
                                     {"1-wire", "1", "Byte 4", "13", "03"},
                                     {"I/O map", "IO 1", "Function", "Output-Y", "Not use"}}));
        QCOMPARE(projectDifferences(m_w->window->project(), loaded), QList<Difference>());
    }

private:
    // A project away from the start-up state, shown in the window and sent with "Load to PLC".
    Project loadFilled()
    {
        Project p;
        p.config = startUpWindowConfig();
        p.config.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, QString(), QString()};
        p.config.uarts[0].requests = {{"1", "10", "0", "100", "1", "100"},
                                      {"2", "10", "10", "110", "1", "100"}};
        p.config.uarts[1].settings = {UartMode::ModbusSlave, 4, 2, "5", "100"};
        p.config.auxMode = 0;
        p.config.sensors = {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500"}};
        applyChoice(p.ioMap, 0, IoChoice::Input);
        m_w->window->applyProject(p);
        m_w->prompts.confirmAnswers.enqueue(true);
        trigger("loadToPlcAction");
        return p;
    }

    void trigger(const char *action)
    {
        m_w->sim.plc.clearLog();
        testing::child<QAction>(m_w->window.get(), action)->trigger();
    }

    std::unique_ptr<WindowFixture> m_w;
};

QTEST_MAIN(TestWindowCompare)

#include "tst_window_compare.moc"
