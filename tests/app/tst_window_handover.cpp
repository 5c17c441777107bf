#include "handover_receiver.h"
#include "project_file.h"
#include "recent_files.h"
#include "test_helpers.h"
#include "traffic_monitor.h"
#include "uart_tab.h"
#include "window_fixture.h"
#include "window_handover.h"

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QtTest>

using namespace plc;
using testing::row;
using Keep = Prompts::Keep;

// One window per user, and no file loaded over unsaved edits without a question.
class TestWindowHandover : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit()); }
    void init()
    {
        m_w = std::make_unique<WindowFixture>();
        m_receiver = new HandoverReceiver(*m_w->window);
        setAddress("42");  // what the files hold
        m_w->prompts.fileNames << path("x.vqc") << path("y.plcproj");
        QVERIFY(m_w->window->saveConfig() && m_w->window->saveProjectAs());
        QVERIFY(testing::writeBytes(path("bad.vqc"), testing::fileBytes(path("x.vqc")).left(812)));
        m_w->prompts.clear();
        setAddress("17");  // unsaved
    }
    void cleanup() { m_w.reset(); }

    void laterStartHandsItsFileOver_data()
    {
        testing::columns<QStringList, QStringList>({"arguments", "taken"});  // no taken: runs on
        row("a file, relative", QStringList{"x.vqc"}, QStringList{path("x.vqc")});
        row("no file", QStringList{}, QStringList{""});
        row("--new-window", QStringList{"--new-window", "x.vqc"}, QStringList{});
        row("a command", QStringList{"csv", "x.vqc", "--table", "uart1"}, QStringList{});
    }
    void laterStartHandsItsFileOver()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, taken);
        const bool ownWindow = arguments.startsWith("--new-window");
        WindowHandoverServer server;
        QVERIFY(server.listen(userWindowName()));
        QSignalSpy handed(&server, &WindowHandoverServer::handedOver);
        connect(&server, &WindowHandoverServer::handedOver, m_receiver, &HandoverReceiver::take);
        m_w->prompts.keepAnswers.enqueue(Keep::Discard);
        QProcess later;
        later.setWorkingDirectory(QDir::tempPath());
        QSignalSpy ended(&later, &QProcess::finished);
        later.start(QStringLiteral(PLC_CONFIG), arguments);
        QCOMPARE(ended.wait(ownWindow ? 3000 : 10000), !ownWindow);
        if (ownWindow) {
            later.kill();
            later.waitForFinished();
        } else {
            QCOMPARE(later.exitCode(), 0);
        }
        QCOMPARE(handed.size(), taken.size());
        if (!taken.isEmpty())
            QCOMPARE(handed.at(0).at(0).toString(), taken.at(0));
        QTRY_COMPARE(address(), QString(taken.value(0).isEmpty() ? "17" : "42"));
    }

    void staleNameIsClearedAndListened()
    {
        QProcess crashed;
        crashed.start(QStringLiteral(PLC_CONFIG), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(userWindowName()), 10000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        // Its name stays behind, and nothing answers there.
        QVERIFY(QFileInfo::exists(userWindowName()));
        QVERIFY(!handOverToWindow(userWindowName(), path("x.vqc")));
        WindowHandoverServer server;
        QVERIFY(server.listen(userWindowName()));
        QSignalSpy handed(&server, &WindowHandoverServer::handedOver);
        QProcess later;
        later.start(QStringLiteral(PLC_CONFIG), {path("x.vqc")});
        QTRY_COMPARE_WITH_TIMEOUT(handed.size(), 1, 10000);
        QVERIFY(later.state() == QProcess::NotRunning || later.waitForFinished());
        QCOMPARE(later.exitCode(), 0);
    }

    void fileOverUnsavedEditsAsks_data()
    {
        testing::columns<QString, QString, int>({"route", "file", "answer"});
        for (const char *route : {"Load config", "recent", "drop", "Open project", "handed over"}) {
            const char *file = QByteArray(route).startsWith("Open") ? "y.plcproj" : "x.vqc";
            QTest::addRow("%s, Cancel", route) << route << file << int(Keep::Cancel);
            QTest::addRow("%s, Discard", route) << route << file << int(Keep::Discard);
        }
        row("Load config, Save", QString("Load config"), QString("x.vqc"), int(Keep::Save));
        row("a refused file never asks", QString("drop"), QString("bad.vqc"), -1);
    }
    void fileOverUnsavedEditsAsks()
    {
        QFETCH(QString, route);
        QFETCH(QString, file);
        QFETCH(int, answer);
        const QStringList recent = recentfiles::list();
        if (answer >= 0)
            m_w->prompts.keepAnswers.enqueue(Keep(answer));
        open(route, path(file));
        QTRY_VERIFY(!m_w->prompts.shown.isEmpty() && m_w->prompts.shown.last().kind != "open");
        const bool loads = answer == int(Keep::Discard) || answer == int(Keep::Save);
        QCOMPARE(address(), QString(loads ? "42" : "17"));
        QCOMPARE(m_w->prompts.shown.last().kind, answer >= 0 ? "keep" : "message");
        QCOMPARE(m_w->prompts.shown.last().text.section('\n', 1),
                 answer >= 0 ? "Save them before loading " + file + "?" : QString());
        if (!loads)
            QCOMPARE(recentfiles::list(), recent);
        if (answer == int(Keep::Save))  // to the open project
            QCOMPARE(readAnyConfigFile(path("y.plcproj")).config.uarts[0].settings.address, "17");
    }

    void monitorSaysWhereItSaved()
    {
        TrafficMonitor &monitor = m_w->window->openTrafficMonitor();
        m_w->prompts.fileNames << path("traffic.csv");
        monitor.saveAs();
        QCOMPARE(testing::child<QLabel>(&monitor, "savedNote")->text(),
                 "Saved to " + QDir::toNativeSeparators(path("traffic.csv")));
    }

private:
    static QString path(const QString &name) { return QDir(QDir::tempPath()).filePath(name); }
    QString address() const { return m_w->window->project().config.uarts[0].settings.address; }
    void setAddress(const char *text) { m_w->window->uart(1).setAddressText(text); }

    void open(const QString &route, const QString &file)
    {
        MainWindow &window = *m_w->window;
        QMimeData dragged;
        dragged.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter({9, 9}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop({9, 9}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        m_w->prompts.fileNames << file;
        if (route == "Load config" || route == "Open project")
            testing::child<QAction>(
                &window, route == "Load config" ? "loadConfigAction" : "openProjectAction")
                ->trigger();
        else if (route == "recent")
            window.openRecentFile(file);
        else if (route == "drop")
            QApplication::sendEvent(&window, &enter), QApplication::sendEvent(&window, &drop);
        else
            m_receiver->take(file);
    }

    std::unique_ptr<WindowFixture> m_w;
    HandoverReceiver *m_receiver = nullptr;
};

QTEST_MAIN(TestWindowHandover)

#include "tst_window_handover.moc"
