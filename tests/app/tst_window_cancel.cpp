#include "bus_search_dialog.h"
#include "exchange_feed.h"
#include "grid_view.h"
#include "progress_window.h"
#include "project_compare.h"
#include "test_helpers.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace plc;

// The progress window's Cancel in every kind of long action, against a slow virtual controller:
// what went out before it, nothing after the next exchange, and what the window shows.
class TestWindowCancel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cancelStopsBeforeTheNextExchange_data()
    {
        // after: the exchanges finished when Cancel is clicked; sent: each frame's command and
        // address; escape: Escape instead of the button
        testing::columns<QString, int, QStringList, bool, QString>(
            {"trigger", "after", "sent", "escape", "status"});
        const QStringList download{"E11 3000", "E11 2008", "E11 2502", "E11 2542", "E11 2582"};
        testing::row("download of 128 requests", QString("uart1WriteButton"), 5, download, false,
                     QString("UART 1 download cancelled after 3 of 16 pieces: the controller may "
                             "hold a partial configuration; download again"));
        testing::row("Load to PLC", QString("loadToPlcAction"), 3, download.mid(0, 3), true,
                     QString("Load to PLC cancelled after 1 of 16 pieces: the controller may hold "
                             "a partial configuration; download again"));
        const QStringList upload{"E00 2008", "E00 2502"};
        const QString uploadCancelled("UART 1 upload: Cancelled by the user");
        testing::row("upload", QString("uart1UploadButton"), 1, upload, false, uploadCancelled);
        testing::row("Upload from PLC, the first of three", QString("uploadFromPlcAction"), 1,
                     upload, false, uploadCancelled);
        testing::row("compare", QString("compareWithControllerAction"), 1, upload, false,
                     QString("Compare with controller: Cancelled by the user"));
        testing::row("error buffer of two blocks", QString("readUart2BufferButton"), 1,
                     QStringList{"E00 2006", "E00 3680"}, false,
                     QString("UART 2 error buffer read: Cancelled by the user"));
        testing::row("bus search, in its wait", QString("searchOneWireAction"), 2,
                     QStringList{"E10 2000", "E00 3000"}, true,
                     QString("1-wire bus search: Cancelled by the user"));
    }

    void cancelStopsBeforeTheNextExchange()
    {
        QFETCH(QString, trigger);
        QFETCH(int, after);
        QFETCH(QStringList, sent);
        QFETCH(bool, escape);
        QFETCH(QString, status);
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        w.sim.plc.setAnswerDelay(20);
        w.sim.plc.pokeWord(0x2008, 0xC409);  // a master of nine requests: two pieces
        w.sim.plc.pokeWord(0x2006, 0xC446);  // seventy error records: two blocks
        Project p;
        p.config = startUpWindowConfig();
        p.config.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, QString(), QString()};
        p.config.uarts[0].requests.fill({"1", "10", "0", "100", "1", "100"}, 128);
        w.window->applyProject(p);
        const Project before = w.window->project();
        const QStringList tables = gridTexts(*w.window);

        ProgressWindow &progress = w.window->progress();
        auto *cancel = testing::child<QPushButton>(&progress, "cancelButton");
        bool offered = false;
        int exchanges = 0;
        QObject listener;
        connect(&ExchangeFeed::instance(), &ExchangeFeed::finished, &listener, [&] {
            if (++exchanges != after)
                return;
            QTimer::singleShot(0, &listener, [&] {  // while the action waits
                offered = progress.isVisible() && cancel->isEnabled();
                if (escape)
                    QTest::keyClick(cancel, Qt::Key_Escape);
                else
                    QTest::mouseClick(cancel, Qt::LeftButton);
            });
        });
        if (trigger.startsWith("search")) {
            w.onDialog<BusSearchDialog>([](BusSearchDialog &dialog) {
                testing::child<QPushButton>(&dialog, "startSearchButton")->click();
                dialog.reject();
            });
        }
        QElapsedTimer elapsed;
        elapsed.start();
        if (auto *button = w.window->findChild<QPushButton *>(trigger))
            button->click();
        else
            testing::child<QAction>(w.window.get(), trigger)->trigger();

        QVERIFY(offered);
        QVERIFY(elapsed.elapsed() < 3000);  // the bus search's wait too ends at once
        QStringList frames = wire(w.sim.plc.frames());
        for (QString &frame : frames)
            frame.truncate(8);
        QCOMPARE(frames, sent);
        QVERIFY(!progress.isVisible());
        QVERIFY(!w.window->link().isOpen() && !w.window->link().isBusy());
        QCOMPARE(testing::child<QLabel>(w.window.get(), "actionStatus")->text(), status);
        QCOMPARE(w.prompts.messages(), QStringList());
        QCOMPARE(gridTexts(*w.window), tables);
        QCOMPARE(projectDifferences(before, w.window->project()), QList<Difference>());
    }

private:
    // What every table of the window shows.
    static QStringList gridTexts(const MainWindow &window)
    {
        QStringList texts;
        for (const GridView *view : window.findChildren<GridView *>())
            texts += view->objectName() + ": " + testing::rowTexts(view->gridModel()).join('/');
        return texts;
    }
};

QTEST_MAIN(TestWindowCancel)

#include "tst_window_cancel.moc"
