#include "aux_transfer.h"
#include "ini_file.h"
#include "io_transfer.h"
#include "port_transfer.h"
#include "project_sample.h"
#include "settings_store.h"
#include "table_steps.h"
#include "test_helpers.h"
#include "transfer_fixture.h"
#include "uart_port.h"

#include <QtTest>

using namespace plc;
using namespace plc::projecttest;
using P = ProjectPart;

// "Load to PLC" and the whole project read back, against the virtual controller over a real
// pseudo-terminal: one question, every part as its own download writes it, checks before any
// frame, where a failure stops, and what the comparison finds in the controller.
class TestProjectTransfer : public TransferTest {
    Q_OBJECT

private Q_SLOTS:
    void loadWritesEachPartAsItsOwnDownloadThenReadsItBack()
    {
        const Project p = sampleProject();
        const UartTabState &uart1 = p.config.uarts[0];
        const UartTabState &uart2 = p.config.uarts[1];
        const OneWireTabState oneWire{{AuxMode(p.config.auxMode), p.fieldNet}, p.config.sensors};
        QVERIFY(run([&] {
            return downloadPortConfig(m_f->ctx, UartPort::uart1(), uart1.settings, uart1.requests);
        }));
        QVERIFY(run([&] {
            return downloadPortConfig(m_f->ctx, UartPort::uart2(), uart2.settings, uart2.requests);
        }));
        QVERIFY(run([&] { return downloadAuxConfig(m_f->ctx, oneWire); }));
        QVERIFY(run([&] { return downloadIoMap(m_f->ctx, p.ioMap.pointTypes); }));
        QCOMPARE(m_f->prompts.messages(), QStringList());
        const QStringList separately = m_f->frames();

        m_f->sim.plc.clearLog();
        m_f->prompts.clear();
        m_f->progress.opened = m_f->progress.closed = 0;
        ProjectRun load, back;
        QVERIFY(run([&] { return (load = loadToPlc(m_f->ctx, p, allProjectParts())).outcome; }));
        QCOMPARE(m_f->prompts.shown.size(), 1);
        QCOMPARE(m_f->prompts.shown.at(0).text, downloadQuestion());
        QCOMPARE(m_f->frames(), separately);
        QCOMPARE(load.done, allProjectParts());
        QVERIFY(!load.ended);
        QCOMPARE(m_f->progress.opened, 1);

        // Read over the start-up state: every value compared comes from the controller. The
        // slave timeout is left as the file has it: "Write to PLC" does not write it.
        m_f->sim.plc.clearLog();
        m_f->prompts.clear();
        Project base, read;
        base.config = startUpWindowConfig();
        base.config.uarts[1].settings.timeout = uart2.settings.timeout;
        QVERIFY(run([&] {
            return (back = readFromPlc(m_f->ctx, base, allProjectParts(), &read)).outcome;
        }));
        QCOMPARE(back.done, allProjectParts());
        QVERIFY(m_f->prompts.shown.isEmpty());
        QVERIFY(m_f->sim.plc.frames("E11").isEmpty() && m_f->sim.plc.frames("E10").isEmpty());
        QCOMPARE(projectDifferences(p, read), QList<Difference>());
    }

    void stopsBeforeAnyFrame_data()
    {
        testing::columns<bool, Edit, QString, QString>({"confirmed", "edit", "message", "title"});
        testing::row("cancelled", false, kAsItIs, QString(), QString());
        testing::row("sensor table, the last part checked", true,
                     Edit([](Project &p) { p.config.sensors[1][4] = "3"; }),
                     QString("You configuration has error in the addresing data - row 2\r\n"
                             "Column Byte 4"),
                     QString("Error in configuration"));
        testing::row("uart2 slave address", true,
                     Edit([](Project &p) { p.config.uarts[1].settings.address = "0"; }),
                     QString("Please, use valid range - address range from 1 to 247 "),
                     QString("Error in configurations"));
    }

    void stopsBeforeAnyFrame()
    {
        QFETCH(bool, confirmed);
        QFETCH(Edit, edit);
        QFETCH(QString, message);
        Project p = sampleProject();
        edit(p);
        m_f->prompts.confirmAnswers.enqueue(confirmed);
        ProjectRun load;
        QVERIFY(run([&] { return (load = loadToPlc(m_f->ctx, p, allProjectParts())).outcome; }));
        QCOMPARE(m_f->prompts.messages(), message.isNull() ? QStringList() : QStringList{message});
        if (!message.isNull())
            QTEST(m_f->prompts.shown.last().title, "title");
        QCOMPARE(m_f->sim.plc.frames().size(), 0);
        QCOMPARE(load.done, ProjectParts());
        QCOMPARE(bool(load.ended), !message.isNull());  // the part refused is named
    }

    void portThatCannotOpenEndsInTheFirstPart_data()
    {
        testing::boolColumn("read", "load", "read");
    }

    void portThatCannotOpenEndsInTheFirstPart()
    {
        QFETCH(bool, read);
        writeIniValue(m_f->sim.settingsFile(), "PORTS", "COM4", "/nonexistent/tty");
        m_f->sim.setCom(QStringLiteral("Port_num"), QStringLiteral("3"));
        applyStoredPortSettings(m_f->link);
        ProjectRun r;
        act(r, read, sampleProject(), {P::OneWire, P::IoMap});
        QCOMPARE(r.outcome.kind, Outcome::Kind::PortNotOpened);
        QVERIFY(r.ended == P::OneWire);
        QCOMPARE(r.done, ProjectParts());
        QCOMPARE(m_f->prompts.messages().size(), 1);
        QVERIFY(m_f->prompts.messages().at(0).startsWith("Cannot open COM4 (/nonexistent/tty): "));
        QCOMPARE(m_f->sim.plc.frames().size(), 0);
    }

    void silenceStopsInItsPart_data()
    {
        // address: the word or block of the part whose exchange goes unanswered
        testing::columns<bool, QString, ProjectParts, ProjectPart>(
            {"read", "address", "done", "ended"});
        for (const bool read : {false, true}) {
            const char *how = read ? "read" : "load";
            const auto add = [&](const char *what, const char *address, ProjectParts done,
                                 P ended) {
                QTest::addRow("%s, %s", how, what) << read << QString(address) << done << ended;
            };
            add("uart1 port word", "2008", {}, P::Uart1);
            add("uart2 port word", "2006", {P::Uart1}, P::Uart2);
            add("1-wire mode word", "200A", {P::Uart1, P::Uart2}, P::OneWire);
            add("I/O map block", "2000", {P::Uart1, P::Uart2, P::OneWire}, P::IoMap);
        }
    }

    void silenceStopsInItsPart()
    {
        QFETCH(bool, read);
        QFETCH(QString, address);
        QFETCH(ProjectPart, ended);
        m_f->sim.plc.failAddress(address, sim::VirtualPlc::Fault::Silence);
        ProjectRun r;
        act(r, read, sampleProject(), allProjectParts());
        QCOMPARE(r.outcome.kind, Outcome::Kind::Unanswered);
        QCOMPARE(m_f->prompts.messages(), QStringList{tablesteps::kSilence});
        QTEST(r.done, "done");
        QVERIFY(r.ended == ended);
        QVERIFY(m_f->sim.plc.frames().last().address == address);  // nothing after it
    }

    void comparesWhatTheControllerHolds_data()
    {
        // file: the window's project (the sample edited); controller: what was written instead;
        // parts: what goes over the line both ways
        testing::columns<Edit, Edit, ProjectParts, QStringList>(
            {"file", "controller", "parts", "lines"});
        const Edit onePerPart = [](Project &p) {
            p.config.uarts[0].requests[1][2] = "77";
            p.config.uarts[1].settings.address = "6";
            p.config.sensors[1][7] = "B1";
            p.ioMap.pointTypes[20] = quint8(IoType::Output);
        };
        const QStringList onePerPartLines = {
            "uart1 row 2 Address slave: file 20, controller 77",
            "uart2 address: file 5, controller 6", "onewire row 2 Byte 7: file A1, controller B1",
            "iomap point 20 Function: file Not use, controller Output-Y"};
        testing::row("one value in each part", kAsItIs, onePerPart, allProjectParts(),
                     onePerPartLines);
        testing::row("one value in each part but the I/O map", kAsItIs, onePerPart,
                     ProjectParts{P::Uart1, P::Uart2, P::OneWire}, onePerPartLines.mid(0, 3));
        testing::row("Field Net lists", kFieldNet, Edit([](Project &p) {
                         kFieldNet(p);
                         p.fieldNet = {0, 1, 0, 0};
                     }),
                     ProjectParts{P::OneWire},
                     QStringList{"onewire speed: file 115200, controller 9600",
                                 "onewire parity: file Even, controller Odd",
                                 "onewire data bits: file 8, controller 7",
                                 "onewire stop bits: file 2, controller 1"});
        // Only the slave settings' own download sends it: the controller's is not compared.
        testing::row("uart2 slave timeout", kAsItIs,
                     Edit([](Project &p) { p.config.uarts[1].settings.timeout = "250"; }),
                     ProjectParts{P::Uart2}, QStringList());
    }

    void comparesWhatTheControllerHolds()
    {
        QFETCH(Edit, file);
        QFETCH(Edit, controller);
        QFETCH(ProjectParts, parts);
        QFETCH(QStringList, lines);
        Project window = sampleProject();
        file(window);
        Project written = window;
        controller(written);
        QVERIFY(run([&] { return loadToPlc(m_f->ctx, written, parts).outcome; }));
        Project read;
        QVERIFY(run([&] { return readFromPlc(m_f->ctx, window, parts, &read).outcome; }));
        QCOMPARE(m_f->prompts.messages(), QStringList());
        QCOMPARE(differenceLines(projectDifferences(window, read, parts), "file", "controller"),
                 lines);
    }

private:
    // Loads the parts, or reads them back over the project, and shows the outcome.
    void act(ProjectRun &r, bool read, const Project &project, const ProjectParts &parts)
    {
        Project back = project;
        back.note = QStringLiteral("untouched");
        run([&] {
            r = read ? readFromPlc(m_f->ctx, project, parts, &back)
                     : loadToPlc(m_f->ctx, project, parts);
            return r.outcome;
        });
        if (!r.outcome.done())
            QCOMPARE(back.note, QStringLiteral("untouched"));  // nothing read is handed out
    }
};

QTEST_GUILESS_MAIN(TestProjectTransfer)

#include "tst_project_transfer.moc"
