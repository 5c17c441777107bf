#include "bench_table.h"
#include "drawn_colours.h"
#include "history_file.h"
#include "production_window.h"
#include "project_sample.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace plc;
using namespace plc::testing;
using Fault = sim::VirtualPlc::Fault;

// "Production..." from the main window's PLC menu, on COM1 to COM4, each a virtual controller.
class TestProductionWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        start(m_f);
        m_history = std::make_unique<QTemporaryDir>();
        setHistoryFolder(m_history->path());
        QVERIFY2(m_f->sim.addControllers(3), qPrintable(m_f->sim.error()));
        m_f->prompts.fileNames.enqueue(file("station.plcproj"));
        writeAnyConfigFile(file("station.plcproj"), projecttest::sampleProject());
        child<QAction>(m_f->window.get(), "productionAction")->trigger();
        m_w = child<ProductionWindow>(m_f->window.get(), "productionWindow");
        m_table = child<BenchTable>(m_w, "benchTable");
        click("chooseFileButton");
    }
    void cleanup()
    {
        m_f.reset();
        setHistoryFolder(QString());
    }

    void threePassOneRefusesThenPassesAgain()
    {
        m_f->sim.controller(3).failWrite(3, Fault::Nak);  // once, midway through the download
        click("startButton");
        const QString partial = "Wrong answer from PLC, left with a partial download";
        QCOMPARE(results(), (QStringList{"passed", "passed", partial, "passed"}));
        QCOMPARE(cell(0, BenchTable::CpuColumn), "291");
        QCOMPARE(cell(0, BenchTable::StepColumn), "done");
        QCOMPARE(color(0), m_table->palette().color(QPalette::Text));
        QCOMPARE(color(2), failureColour(m_table->palette()));
        QVERIFY(!child<QPushButton>(m_table, "runAgain0")->isEnabled());

        m_f->prompts.fileNames.enqueue(file("bench.csv"));
        click("saveReportButton");
        const QStringList csv = QString(fileBytes(file("bench.csv"))).split("\r\n");
        QCOMPARE(csv.size(), 6);  // the heading, four ports and the last line's end
        QCOMPARE(csv.at(0), "Port,Device,CPU type,Steps,Result,Time [s],Partial");
        const QString com3 = QRegularExpression::escape(
            "COM3," + m_f->sim.controller(3).devicePath() + ",291,,\"" + partial + "\",");
        QVERIFY2(QRegularExpression("^" + com3 + "\\d+\\.\\d,yes$").match(csv.at(3)).hasMatch(),
                 qPrintable(csv.at(3)));
        QVERIFY(csv.at(1).contains(",\"download, verify\",passed,"));
        const QJsonArray json = QJsonDocument::fromJson(fileBytes(file("bench.json"))).array();
        QCOMPARE(json.size(), 4);
        QCOMPARE(json.at(2)["partial"].toBool(), true);

        QList<qsizetype> sent;
        for (int n = 1; n <= 4; ++n)
            sent.append(m_f->sim.controller(n).frames().size());
        click("runAgain2");
        QCOMPARE(results(), (QStringList{"passed", "passed", "passed", "passed"}));
        for (int n : {1, 2, 4})  // the others are left alone
            QCOMPARE(m_f->sim.controller(n).frames().size(), sent.at(n - 1));
        QCOMPARE(child<QLabel>(m_w, "statusLabel")->text(), "4 passed, 0 failed");
        // Every download is in the history, the refused one with its partial flag.
        QStringList outcomes;
        for (const HistoryLine &line : readHistoryLines(historyFilePath()))
            outcomes.append(line.entry.action + ' ' + line.entry.outcome);
        outcomes.sort();
        QCOMPARE(outcomes, (QStringList{"download done", "download done", "download done",
                                        "download done", "download refused"}));
    }

    void cancelStopsEveryPort()
    {
        for (int n = 1; n <= 4; ++n)
            m_f->sim.controller(n).setAnswerDelay(50);
        whenEveryPortIsUnderWay([this] { click("cancelButton"); });
        click("startButton");
        QCOMPARE(results(), QStringList(4, "cancelled, left with a partial download"));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(m_f->sim.controller(n).frames("E11").size() < 8);
    }

    void aPortIsUsedByOneWindowAtATime_data()
    {
        boolColumn("productionFirst", "main window first", "production first");
    }

    void aPortIsUsedByOneWindowAtATime()
    {
        QFETCH(bool, productionFirst);
        m_f->sim.controller(1).setAnswerDelay(50);
        const std::function<void()> mainWindowUploads = [this] {
            m_f->window->uart(1).uploadFromPlc();
        };
        const std::function<void()> productionStarts = [this] {
            click("startButton");
        };
        whenEveryPortIsUnderWay(productionFirst ? mainWindowUploads : productionStarts, 1, 1);
        (productionFirst ? productionStarts : mainWindowUploads)();
        if (productionFirst) {
            QCOMPARE(m_f->prompts.messages(),
                     QStringList{"COM1 is in use by the production window"});
            QCOMPARE(results().at(0), "passed");
        } else {
            QCOMPARE(results().at(0), "COM1 is in use by the main window");
            QCOMPARE(results().at(1), "passed");
            QCOMPARE(m_f->prompts.messages(), QStringList());
        }
    }

    void refusedFileIsNamedAndTheChosenOneStays()
    {
        QVERIFY(writeBytes(file("bad.plcproj"), "{"));
        m_f->prompts.fileNames.enqueue(file("bad.plcproj"));
        click("chooseFileButton");
        QCOMPARE(m_f->prompts.messages().size(), 1);
        QVERIFY(m_f->prompts.messages().at(0).contains(file("bad.plcproj")));
        QCOMPARE(child<QLineEdit>(m_w, "fileEdit")->text(),
                 QDir::toNativeSeparators(file("station.plcproj")));
    }

    void firmwareUpdateDownloadVerifyRestart()
    {
        const QByteArray image(2048, '\x5A');
        QVERIFY(writeBytes(file("fw.bin"), image));
        m_f->prompts.fileNames.enqueue(file("fw.bin"));
        click("chooseImageButton");
        child<QCheckBox>(m_w, "noParityCheck")->setChecked(true);  // a pty carries no parity
        child<QCheckBox>(m_w, "restartCheck")->setChecked(true);
        for (int row = 1; row < 4; ++row)
            m_table->item(row, BenchTable::PortColumn)->setCheckState(Qt::Unchecked);
        click("startButton");
        QCOMPARE(results().at(0), "passed");
        QCOMPARE(m_f->sim.plc.loader().flash(0, image.size()), image);
        QCOMPARE(m_f->sim.plc.frames("E11").last().data, "12AD");  // the restart word, unasked
        QCOMPARE(cell(0, BenchTable::StepColumn), "done");
    }

private:
    QString file(const QString &name) const
    {
        return QFileInfo(m_f->sim.settingsFile()).dir().filePath(name);
    }
    void click(const char *button) { child<QPushButton>(m_w, button)->click(); }
    QString cell(int row, int column) const
    {
        return m_table->item(row, column) ? m_table->item(row, column)->text() : QString();
    }
    QColor color(int row) const
    {
        return m_table->item(row, BenchTable::ResultColumn)->foreground().color();
    }
    QStringList results() const
    {
        QStringList texts;
        for (int row = 0; row < 4; ++row)
            texts.append(cell(row, BenchTable::ResultColumn));
        return texts;
    }
    // Does what once the first `ports` controllers have each received `frames` frames.
    void whenEveryPortIsUnderWay(const std::function<void()> &what, int ports = 4, int frames = 3)
    {
        auto *watch = new QTimer(m_w);
        connect(watch, &QTimer::timeout, m_w, [=] {
            for (int n = 1; n <= ports; ++n) {
                if (m_f->sim.controller(n).frames().size() < frames)
                    return;
            }
            watch->deleteLater();
            what();
        });
        watch->start(10);
    }

    std::unique_ptr<WindowFixture> m_f;
    ProductionWindow *m_w = nullptr;
    BenchTable *m_table = nullptr;
    std::unique_ptr<QTemporaryDir> m_history;
};

QTEST_MAIN(TestProductionWindow)

#include "tst_production_window.moc"
