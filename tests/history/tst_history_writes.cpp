#include "history_dialog.h"
#include "history_file.h"
#include "project_file.h"
#include "test_helpers.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace plc;
using namespace plc::sim;

using testing::row;

namespace {

// The SHA-256 of what the controller received to write: the data of every write frame, in order.
QByteArray receivedDigest(const VirtualPlc &plc)
{
    QByteArray data;
    for (const VirtualPlc::Frame &frame : plc.frames()) {
        if (frame.command == QLatin1String("E11") || frame.command == QLatin1String("E10"))
            data += QByteArray::fromHex(frame.data.toLatin1());
    }
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

}  // namespace

// Each kind of write from the window, against the virtual controller, leaves one line in the
// history; the "History..." dialog shows them.
class TestHistoryWrites : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        setHistoryFolder(m_dir->path());
        m_w = std::make_unique<WindowFixture>();
        QVERIFY2(m_w->sim.ok(), qPrintable(m_w->sim.error()));
    }

    void cleanup()
    {
        m_w.reset();
        setHistoryFolder(QString());
    }

    void eachWriteLeavesOneLine_data()
    {
        // control (a button or a menu entry), project (the window opened one first), refused
        // (the nth write; 0 none), confirmed, then the line: its action, outcome, partial; no
        // action: no line
        testing::columns<QString, bool, int, bool, QString, QString, bool>(
            {"control", "project", "refused", "confirmed", "action", "outcome", "partial"});
        row("download", "uart1WriteButton", false, 0, true, "download UART 1", "done", false);
        row("download from a project", "uart1WriteButton", true, 0, true, "download UART 1", "done",
            false);
        row("download refused midway", "uart1WriteButton", false, 3, true, "download UART 1",
            "refused", true);
        row("download cancelled: nothing sent", "uart1WriteButton", false, 0, false, "", "", false);
        row("load to PLC", "loadToPlcAction", true, 0, true, "load to PLC", "done", false);
        row("restart", "restartButton", false, 0, true, "restart", "done", false);
    }

    void eachWriteLeavesOneLine()
    {
        QFETCH(QString, control);
        QFETCH(bool, project);
        QFETCH(int, refused);
        QFETCH(bool, confirmed);
        QFETCH(QString, action);
        QFETCH(QString, outcome);
        QFETCH(bool, partial);
        const QString file = m_dir->filePath("cell.plcproj");
        if (project) {
            writeAnyConfigFile(file, m_w->window->project());
            m_w->window->openFile(file);
        }
        if (refused)
            m_w->sim.plc.failWrite(refused, VirtualPlc::Fault::Nak);
        m_w->prompts.confirmAnswers.enqueue(confirmed);
        run(control);

        const QList<HistoryLine> lines = HistoryFile(historyFilePath()).read();
        QCOMPARE(lines.size(), action.isEmpty() ? 0 : 1);
        if (action.isEmpty())
            return;
        const HistoryEntry &e = lines.first().entry;
        QCOMPARE(e.action, action);
        QCOMPARE(e.portText(), "COM1");
        QCOMPARE(e.device, m_w->sim.plc.devicePath());
        QCOMPARE(e.file, project ? file : QString());
        QCOMPARE(e.outcome, outcome);
        QCOMPARE(e.partial, partial);
        QVERIFY(e.bytes > 0);
        QCOMPARE(e.sha256, receivedDigest(m_w->sim.plc));
        QVERIFY(qAbs(e.time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QCOMPARE(e.time.timeSpec(), Qt::UTC);
    }

    void dialogShowsTheNewestFirstAndFilters()
    {
        m_w->sim.plc.failWrite(1, VirtualPlc::Fault::Nak);
        run("uart1WriteButton");
        run("restartButton");
        run("historyAction");
        auto *dialog = m_w->window->findChild<HistoryDialog *>();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        auto *table = testing::child<QTableWidget>(dialog, "historyTable");
        QCOMPARE(column(table, 2), (QStringList{"restart", "download UART 1"}));
        QCOMPARE(column(table, 4), (QStringList{"done", "Wrong answer from PLC"}));
        QVERIFY(table->item(1, 0)->toolTip().contains("\"outcome\":\"refused\""));

        auto *result = testing::child<QComboBox>(dialog, "resultChoice");
        result->setCurrentIndex(result->findText("refused"));
        QCOMPARE(column(table, 2), QStringList{"download UART 1"});
        // Opened again it reads the file afresh and keeps the choice.
        m_w->sim.plc.failWrite(1, VirtualPlc::Fault::Nak);
        run("uart1WriteButton");
        run("historyAction");
        QCOMPARE(m_w->window->findChildren<HistoryDialog *>().size(), 1);
        QCOMPARE(column(table, 2), (QStringList{"download UART 1", "download UART 1"}));
    }

private:
    void run(const QString &control)
    {
        m_w->sim.plc.clearLog();
        if (control.endsWith("Action"))
            testing::child<QAction>(m_w->window.get(), control)->trigger();
        else
            testing::child<QPushButton>(m_w->window.get(), control)->click();
    }

    static QStringList column(const QTableWidget *table, int col)
    {
        QStringList cells;
        for (int r = 0; r < table->rowCount(); ++r)
            cells.append(table->item(r, col)->text());
        return cells;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WindowFixture> m_w;
};

QTEST_MAIN(TestHistoryWrites)

#include "tst_history_writes.moc"
