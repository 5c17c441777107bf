#include "csv_file.h"
#include "dialog_prompts.h"
#include "exchange_feed.h"
#include "exchange_text.h"
#include "link_action.h"
#include "port_settings_dialog.h"
#include "tab_test.h"
#include "test_helpers.h"
#include "traffic_model.h"
#include "traffic_monitor.h"
#include "transfer_steps.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

using namespace plc;

using testing::child;

namespace {

ExchangeRecord enquiry()
{
    return {QDateTime::currentDateTime(),
            1,
            "/dev/ttyS0",
            Request::enquiry(),
            "\x05",
            {Reply::Kind::Acknowledged, "\x06", {}},
            2};
}

// A 64-byte write: the longest Data there is.
ExchangeRecord longWrite()
{
    ExchangeRecord write = enquiry();
    write.request = Request::write(0x2502, QString(128, u'7'));
    write.frame = "\002E11250240" + QByteArray(128, '7') + "\0035A";  // STX ... ETX 5A
    return write;
}

void publish(const TrafficModel &model, int n, const ExchangeRecord &record = enquiry())
{
    for (int i = 0; i < n; ++i)
        ExchangeFeed::instance().publish(record);
    QTRY_VERIFY(!model.hasHeldRows());  // they show together, with the next batch
    QCoreApplication::processEvents();  // the table lays its rows out when the loop turns
}

}  // namespace

// The "Traffic monitor" window as the user meets it: opened from the menu, fed by every link,
// following the end, saving what it shows, and gone once closed.
class TestTrafficMonitor : public TabTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TabTest::init();
        m_w->window->show();
    }

    void showsEveryLinkAndSavesTheShownRows()
    {
        QVERIFY(!ExchangeFeed::instance().isListened());
        auto *entry = m_w->window->findChild<QAction *>(QStringLiteral("trafficMonitorAction"));
        entry->trigger();
        entry->trigger();  // the open window comes to the front, no second one
        const QList<TrafficMonitor *> monitors = m_w->window->findChildren<TrafficMonitor *>();
        QCOMPARE(monitors.size(), 1);
        QPointer<TrafficMonitor> monitor = monitors.at(0);
        QVERIFY(monitor->isVisible() && !monitor->isModal() && monitor->isWindow());
        QCOMPARE(monitor->windowTitle(), QStringLiteral("Traffic monitor"));

        // The COM-port dialog's own link, then the main window's.
        PortSettingsDialog dialog(m_w->prompts, {}, m_w->window.get());
        dialog.testConnection();
        runOnLink(m_w->window->link(), [this] {
            m_w->window->link().open();
            steps::readWord(m_w->window->link(), 350, 0x2008);
            return Outcome();
        });
        QCOMPARE(m_w->prompts.messages(),
                 QStringList{"Successful connect to the CPU with type 291"});
        const TrafficModel &model = monitor->model();
        QTRY_COMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(2, 2).data().toString(), QStringLiteral("<STX>E00200802<ETX>D4"));

        m_w->prompts.fileNames.enqueue(m_w->sim.settingsFile() + QStringLiteral(".csv"));
        QTest::keyClicks(child<QWidget>(monitor, "filterText"), "<stx>");
        QTest::mouseClick(child<QWidget>(monitor, "saveAsButton"), Qt::LeftButton);
        const QByteArray csv = testing::fileBytes(m_w->sim.settingsFile() + QStringLiteral(".csv"));
        QCOMPARE(csv, csv::table(model));
        QCOMPARE(csv.count("\r\n"), 3);  // the heading, the CPU-type probe and the read
        QCOMPARE(m_w->prompts.shown.last().kind, QStringLiteral("save"));
        QCOMPARE(m_w->prompts.shown.last().filter, QStringLiteral("CSV files (*.csv)"));
        QCOMPARE(child<QLabel>(monitor, "savedNote")->text(),
                 "Saved to " + QDir::toNativeSeparators(m_w->sim.settingsFile() + ".csv"));

        QVERIFY(monitor->close());
        QTRY_VERIFY(monitor.isNull());
        QVERIFY(!ExchangeFeed::instance().isListened());  // closed, it costs the links nothing
    }

    void followsTheEndUnlessScrolledUp_data()
    {
        // scrolledTo (-1: left at the end), rowOnTop (-1: the end is shown)
        testing::columns<int, int, int, int>({"before", "scrolledTo", "after", "rowOnTop"});
        testing::row("at the end", 200, -1, 50, -1);
        testing::row("scrolled up", 200, 20, 50, 20);
        testing::row("scrolled back down", 200, 9999, 50, -1);
        testing::row("at the end while the oldest go", 10000, -1, 30, -1);
        testing::row("scrolled up while the oldest go", 10000, 50, 30, 20);
    }

    void followsTheEndUnlessScrolledUp()
    {
        QFETCH(int, before);
        QFETCH(int, scrolledTo);
        QFETCH(int, after);
        QFETCH(int, rowOnTop);
        TrafficMonitor &monitor = m_w->window->openTrafficMonitor();
        QScrollBar *scroll = monitor.table().verticalScrollBar();
        publish(monitor.model(), before);
        if (scrolledTo >= 0)
            scroll->setValue(scrolledTo);
        publish(monitor.model(), after);
        QCOMPARE(monitor.model().rowCount(), qMin(before + after, TrafficModel::kDefaultCapacity));
        QVERIFY(scroll->maximum() > 0);
        QCOMPARE(scroll->value(), rowOnTop < 0 ? scroll->maximum() : rowOnTop);
    }

    void saveAsLeavesATransferGoing()
    {
        DialogPrompts dialogs;  // the real dialog: a scripted one would not wait at all
        auto *monitor = new TrafficMonitor(dialogs, m_w->window.get());
        monitor->show();
        // A dialog that held the transfer is closed here, so the test ends either way.
        QTimer::singleShot(5000, monitor, [] { QApplication::activeModalWidget()->close(); });
        // "Save as..." pressed while "Upload from PLC" reads the three ports.
        QMetaObject::Connection once =
            connect(&ExchangeFeed::instance(), &ExchangeFeed::finished, monitor, [&once, monitor] {
                disconnect(once);
                monitor->saveAs();
            });
        QElapsedTimer upload;
        upload.start();
        m_w->window->uploadFromPlc();
        QVERIFY2(upload.elapsed() < 4000, "the upload waited for the dialog");
        QCOMPARE(m_w->prompts.messages(), QStringList());

        auto *dialog = monitor->findChild<QFileDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QTRY_VERIFY(monitor->model().rowCount() > 2);  // rows join the table as it repaints
        const QString file = m_w->sim.settingsFile() + QStringLiteral(".csv");
        dialog->setDirectory(QFileInfo(file).path());
        child<QLineEdit>(dialog, "fileNameEdit")->setText(QFileInfo(file).fileName());
        QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
        // The whole upload, then saved.
        QCOMPARE(testing::fileBytes(file), csv::table(monitor->model()));
    }

    void longCellsAndHeadings()
    {
        TrafficMonitor &monitor = m_w->window->openTrafficMonitor();
        QTableView &table = monitor.table();
        publish(monitor.model(), 1, longWrite());
        const QRect cell = table.visualRect(monitor.model().index(0, exchangetext::Data));
        const QString whole(128, QLatin1Char('7'));
        // Too wide for its cell, so cut short with "…"; whole in the tool tip.
        QVERIFY(table.fontMetrics().horizontalAdvance(whole) > cell.width());
        QCOMPARE(table.textElideMode(), Qt::ElideRight);
        QCOMPARE(table.indexAt(cell.center()).data(Qt::ToolTipRole), whole);

        // A selected row leaves every heading whole.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
        const QHeaderView &headings = *table.horizontalHeader();
        for (int c = 0; c < exchangetext::kColumns; ++c)
            QVERIFY2(headings.sectionSize(c) >= headings.sectionSizeHint(c),
                     qPrintable(exchangetext::heading(c)));
    }

    void pauseRowAndFilterCount_data()
    {
        // counts: after the pause, and after a write too
        testing::columns<QString, QStringList>({"filter", "counts"});
        testing::row("no filter", "", QStringList{"4 of 4", "5 of 5"});
        testing::row("the enquiries", "<enq>", QStringList{"3 of 4", "3 of 5"});
        testing::row("the pause", "PAUSED", QStringList{"1 of 4", "1 of 5"});
    }

    void pauseRowAndFilterCount()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, counts);
        TrafficMonitor &monitor = m_w->window->openTrafficMonitor();
        auto *shown = child<QLabel>(&monitor, QStringLiteral("filterCount"));
        auto *pause = child<QAbstractButton>(&monitor, QStringLiteral("pauseButton"));
        QCOMPARE(shown->text(), "0 of 0");
        publish(monitor.model(), 2);
        pause->click();
        publish(monitor.model(), 3);  // counted, not kept
        pause->click();
        publish(monitor.model(), 1);
        QCOMPARE(monitor.model().index(2, exchangetext::Data).data(),
                 "3 exchanges not recorded while paused");
        QTest::keyClicks(child<QLineEdit>(&monitor, QStringLiteral("filterText")), filter);
        QCOMPARE(shown->text(), counts.at(0));
        publish(monitor.model(), 1, longWrite());
        QCOMPARE(shown->text(), counts.at(1));
    }

private:
};

QTEST_MAIN(TestTrafficMonitor)

#include "tst_traffic_monitor.moc"
