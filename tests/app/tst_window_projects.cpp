#include "io_map_frame.h"
#include "one_wire_tab.h"
#include "project_note_dialog.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using namespace plc;
using Edit = std::function<void(Project &)>;
Q_DECLARE_METATYPE(Edit)

// The window's project entries: "Save project", "Open project...", Ctrl+S, "New config", and
// the unsaved mark over all the project holds.
class TestWindowProjects : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_w = std::make_unique<WindowFixture>(); }
    void cleanup() { m_w.reset(); }

    void saveThenOpenGivesBackTheWindow()
    {
        fillWindow(*m_w);
        m_w->prompts.fileNames.enqueue(path("station"));  // typed without extension
        QVERIFY(m_w->window->saveProjectAs());
        const QByteArray saved = projectBytes(m_w->window->project());
        // An unknown key is named and otherwise ignored.
        QByteArray file = testing::fileBytes(path("station.plcproj"));
        QVERIFY(testing::writeBytes(path("station.plcproj"), file.insert(2, "  \"extra\": 1,\n")));

        // A window that opens anew.
        m_w->window = std::make_unique<MainWindow>(m_w->prompts);
        m_w->prompts.clear();
        m_w->prompts.fileNames.enqueue(path("station.plcproj"));
        testing::child<QAction>(m_w->window.get(), "openProjectAction")->trigger();
        QCOMPARE(m_w->prompts.messages().join(""), QString());
        QCOMPARE(projectBytes(m_w->window->project()), saved);
        QCOMPARE(m_w->window->project().note, QStringLiteral("pump room\nsecond line"));
        QVERIFY(m_w->window->windowTitle().endsWith(QLatin1String("COM 1 - station.plcproj")));
        QVERIFY(status(*m_w, "actionStatus").endsWith(". Ignored unknown keys: extra"));
        QCOMPARE(m_w->prompts.shown.at(0).filter,
                 "PLC project (*.plcproj);;Volquen technology PLC config (*.vqc *.rfp);;"
                 "All file (*.*)");
    }

    void ctrlSSavesWithoutDialogOnlyToAnOpenProject_data()
    {
        testing::boolColumn("open", "none open", "project open");
    }

    void ctrlSSavesWithoutDialogOnlyToAnOpenProject()
    {
        QFETCH(bool, open);
        if (open) {
            m_w->prompts.fileNames.enqueue(path("a.plcproj"));
            QVERIFY(m_w->window->saveProjectAs());
        }
        m_w->window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_w->window.get()));
        m_w->window->uart(1).setAddressText(QStringLiteral("17"));
        m_w->prompts.clear();
        m_w->prompts.fileNames.enqueue(path("b.plcproj"));
        QTest::keyClick(m_w->window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_w->prompts.shown.size(), open ? 0 : 1);
        const QString written = path(open ? "a.plcproj" : "b.plcproj");
        QCOMPARE(readAnyConfigFile(written).config.uarts[0].settings.address, "17");
        QCOMPARE(m_w->window->projectPath(), written);
        QTRY_COMPARE(status(*m_w, "editStatus"), QString());
    }

    void newAsksThenRestoresTheStartUpState_data()
    {
        QTest::addColumn<int>("answer");
        testing::row("Cancel", int(Prompts::Keep::Cancel));
        testing::row("Discard", int(Prompts::Keep::Discard));
        testing::row("Save", int(Prompts::Keep::Save));
    }

    void newAsksThenRestoresTheStartUpState()
    {
        QFETCH(int, answer);
        const bool restored = answer != int(Prompts::Keep::Cancel);
        const QByteArray startUp = projectBytes(m_w->window->project());
        fillWindow(*m_w);
        const QByteArray filled = projectBytes(m_w->window->project());
        m_w->prompts.keepAnswers.enqueue(Prompts::Keep(answer));
        m_w->prompts.fileNames.enqueue(path("kept.plcproj"));  // a project: a note is no config
        testing::child<QAction>(m_w->window.get(), "newConfigAction")->trigger();
        QCOMPARE(m_w->prompts.shown.at(0).kind, "keep");
        QCOMPARE(projectBytes(m_w->window->project()), restored ? startUp : filled);
        QCOMPARE(QFile::exists(path("kept.plcproj")), answer == int(Prompts::Keep::Save));
        if (QFile::exists(path("kept.plcproj")))
            QCOMPARE(projectBytes(readAnyConfigFile(path("kept.plcproj"))), filled);
    }

    void unsavedMarkFollowsEveryPart_data()
    {
        QTest::addColumn<Edit>("edit");
        testing::row("I/O map",
                     Edit([](Project &p) { applyChoice(p.ioMap, 0, IoChoice::Output); }));
        testing::row("Field Net list", Edit([](Project &p) { p.fieldNet.speed = 0; }));
        testing::row("note", Edit([](Project &p) { p.note = QStringLiteral("x"); }));
    }

    void unsavedMarkFollowsEveryPart()
    {
        QFETCH(Edit, edit);
        m_w->prompts.fileNames.enqueue(path("mark.plcproj"));
        QVERIFY(m_w->window->saveProjectAs());
        const Project before = m_w->window->project();
        Project edited = before;
        edit(edited);
        for (bool unsaved : {true, false}) {  // edited, then back as saved
            const Project &shown = unsaved ? edited : before;
            WindowTabs &tabs = m_w->window->tabs();
            tabs.ioMap().setState(shown.ioMap);
            tabs.oneWire().setListIndex(OneWireTab::List::Speed, shown.fieldNet.speed);
            tabs.setNote(shown.note);
            QTRY_COMPARE(status(*m_w, "editStatus").isEmpty(), !unsaved);
            QCOMPARE(m_w->window->windowTitle().endsWith(QLatin1Char('*')), unsaved);
        }
    }

private:
    QString path(const QString &name) const
    {
        return QFileInfo(m_w->sim.settingsFile()).dir().filePath(name);
    }
    static QString status(const WindowFixture &w, const char *label)
    {
        return testing::child<QLabel>(w.window.get(), label)->text();
    }
    // Every part of the project away from the start-up state; the note through its dialog.
    static void fillWindow(WindowFixture &w)
    {
        Project p = w.window->project();
        p.config.uarts[0].settings = {UartMode::ModbusMaster, 4, 2, "17", "250"};
        p.config.uarts[0].requests = {{"1", "10", "0", "100", "1", "100"}};
        p.config.auxMode = 1;
        p.fieldNet = {1, 0, 0, 0};
        applyChoice(p.ioMap, 0, IoChoice::Input);
        w.window->applyProject(p);
        w.onDialog<ProjectNoteDialog>([](ProjectNoteDialog &dialog) {
            testing::child<QPlainTextEdit>(&dialog, "projectNoteEdit")
                ->setPlainText(QStringLiteral("pump room\nsecond line"));
            dialog.accept();
        });
        testing::child<QAction>(w.window.get(), "projectNoteAction")->trigger();
    }

    std::unique_ptr<WindowFixture> m_w;
};

QTEST_MAIN(TestWindowProjects)

#include "tst_window_projects.moc"
