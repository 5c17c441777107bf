#include "handover_receiver.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "window_fixture.h"
#include "window_handover.h"

#include <QAction>
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
        testing::start(m_w);
        m_receiver = new HandoverReceiver(*m_w->window);
        m_w->window->uart(1).setAddressText("42");  // what the files hold
        m_w->prompts.fileNames << path("x.vqc") << path("y.plcproj");
        QVERIFY(m_w->window->saveConfig() && m_w->window->saveProjectAs());
        QVERIFY(testing::writeBytes(path("bad.vqc"), testing::fileBytes(path("x.vqc")).left(812)));
        m_w->prompts.clear();
        m_w->window->uart(1).setAddressText("17");  // unsaved
    }

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
        QCOMPARE(ended.wait(ownWindow ? 3000 : 10000) && later.exitCode() == 0, !ownWindow);
        later.kill();  // a window of its own runs on
        later.waitForFinished();
        QCOMPARE(handed.size(), taken.size());
        QCOMPARE(handed.value(0).value(0).toString(), taken.value(0));
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
        QVERIFY(QFileInfo::exists(userWindowName()) && !handOverToWindow(userWindowName(), ""));
        WindowHandoverServer server;
        QVERIFY(server.listen(userWindowName()));
    }

    void fileOverUnsavedEditsAsks_data()
    {
        testing::columns<QString, QString, int>({"route", "file", "answer"});
        for (const char *route :
             {"loadConfigAction", "recent", "drop", "openProjectAction", "handed over"}) {
            const char *file = QByteArray(route).startsWith("open") ? "y.plcproj" : "x.vqc";
            QTest::addRow("%s, Cancel", route) << route << file << int(Keep::Cancel);
            QTest::addRow("%s, Discard", route) << route << file << int(Keep::Discard);
        }
        row("a refused file never asks", QString("drop"), QString("bad.vqc"), -1);
    }
    void fileOverUnsavedEditsAsks()
    {
        QFETCH(QString, route);
        QFETCH(QString, file);
        QFETCH(int, answer);
        if (answer >= 0)
            m_w->prompts.keepAnswers.enqueue(Keep(answer));
        open(route, path(file));
        QTRY_VERIFY(!m_w->prompts.shown.isEmpty() && m_w->prompts.shown.last().kind != "open");
        const bool loads = answer == int(Keep::Discard);
        QCOMPARE(address(), QString(loads ? "42" : "17"));
        QCOMPARE(m_w->prompts.shown.last().kind, answer >= 0 ? "keep" : "message");
        QCOMPARE(m_w->prompts.shown.last().text.section('\n', 1),
                 answer >= 0 ? "Save them before loading " + file + "?" : QString());
    }

private:
    static QString path(const QString &name) { return QDir(QDir::tempPath()).filePath(name); }
    QString address() const { return m_w->window->project().config.uarts[0].settings.address; }

    void open(const QString &route, const QString &file)
    {
        QWidget *window = m_w->window.get();
        m_w->prompts.fileNames << file;
        QMimeData dragged;
        dragged.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter({9, 9}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop({9, 9}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        if (route == "recent")
            m_w->window->openRecentFile(file);
        else if (route == "drop")
            QApplication::sendEvent(window, &enter), QApplication::sendEvent(window, &drop);
        else if (route == "handed over")
            m_receiver->take(file);
        else
            testing::child<QAction>(window, route)->trigger();
    }

    std::unique_ptr<WindowFixture> m_w;
    HandoverReceiver *m_receiver = nullptr;
};

QTEST_MAIN(TestWindowHandover)

#include "tst_window_handover.moc"
