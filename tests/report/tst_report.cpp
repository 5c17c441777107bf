#include "console.h"
#include "project_sample.h"
#include "report_command.h"
#include "report_document.h"
#include "settings_store.h"
#include "test_helpers.h"
#include "whole_file.h"
#include "window_fixture.h"

#include <QAction>
#include <QTextDocument>
#include <QtTest>

using namespace plc;
using namespace plc::projecttest;

namespace {

using testing::row;

// The sample with named requests, one named sensor and markup in its note.
Project namedSample()
{
    Project p = sampleProject();
    p.note = QStringLiteral("Panel <2> & \"B\"\nsecond line");
    for (int i = 0; i < p.config.uarts[0].requests.size(); ++i)
        p.config.uarts[0].requests[i].append(QStringLiteral("Pump %1").arg(i + 1));
    p.config.sensors[0].append(QStringLiteral("Boiler"));
    return p;
}

// A table row as the document's text holds it: its number, then each cell on a line of its own.
QString rowText(int number, const QStringList &cells)
{
    return (QStringList{QString::number(number)} + cells).join(QLatin1Char('\n'));
}

QString textOf(const CommissioningReport &report)
{
    return reportDocument(report)->toPlainText();
}

}  // namespace

// The commissioning report: what its text holds before it is drawn, what the controller adds,
// and the PDF file from the command line's writer and from the window.
class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsEveryPart_data()
    {
        testing::columns<Edit, bool, QStringList, QStringList>(
            {"edit", "holdsEverything", "shown", "hidden"});
        const Project p = namedSample();
        QStringList rows{p.note};
        for (int i = 0; i < p.config.uarts[0].requests.size(); ++i)
            rows.append(rowText(i + 1, p.config.uarts[0].requests.at(i)));
        for (int i = 0; i < p.config.sensors.size(); ++i)
            rows.append(rowText(i + 1, p.config.sensors.at(i)));
        for (int point = 0; point < kIoPoints; ++point)
            rows.append(
                QStringLiteral("IO  %1\n%2\n%3")
                    .arg(QString::number(point), p.ioMap.function[point], p.ioMap.name[point]));
        const QString unusedRequest = rowText(1, p.config.uarts[1].requests.at(0));
        row("every row with its name", kAsItIs, true, rows, QStringList{unusedRequest});
        row("a slave's settings, not its table", kAsItIs, true,
            QStringList{"Mode\nModbus slave\nSpeed setting:\n9600\nParity setting\nEven\n"
                        "Bit number:\n7\nStop bit\n1\nMB address\n5\nTimeout,[msec]\n100"},
            QStringList{unusedRequest});
        row("Field Net lists", kFieldNet, true,
            QStringList{"Auxiliary port setting\nField Net\nSpeed setting:\n115200\n"
                        "Parity setting\nEven\nBit number:\n8\nStop bit\n2"},
            QStringList{"Byte 0"});
        row("a configuration file keeps neither lists nor map", kFieldNet, false,
            QStringList{"Field Net port setting\nnot kept in a configuration file",
                        "A configuration file keeps no I/O map."},
            QStringList{"Field Net\nSpeed setting:", "IO  0"});
    }

    void showsEveryPart()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, holdsEverything);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        CommissioningReport report =
            windowReport(QStringLiteral("/x/station.plcproj"), namedSample());
        edit(report.project);
        report.holdsEverything = holdsEverything;
        const QString text = textOf(report);
        QVERIFY2(text.startsWith("Commissioning report\nConfiguration\nstation.plcproj\n"),
                 qPrintable(text));
        QVERIFY(text.contains(reportProgram()));
        for (const QString &part : shown)
            QVERIFY2(text.contains(part), qPrintable(part + "\n---\n" + text));
        for (const QString &part : hidden)
            QVERIFY2(!text.contains(part), qPrintable(part));
    }

    void controllerFindings_data()
    {
        testing::columns<Edit, QStringList>({"edit", "shown"});
        // A fresh controller holds nothing in use.
        row("matches", Edit([](Project &p) { p = Project(); }),
            QStringList{"CPU type\n291\nConfiguration\nmatches the file"});
        row("differs", kAsItIs,
            QStringList{"CPU type\n291\nConfiguration\ndiffers in 6 places",
                        "uart1 mode: file Master, controller Not use",
                        "iomap point 2 Function: file Input -X, controller Not use"});
    }

    void controllerFindings()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, shown);
        SimFixture sim;
        QVERIFY2(sim.ok(), qPrintable(sim.error()));
        CommissioningReport report = windowReport(QString(), namedSample());
        edit(report.project);
        const PortSetup port{1, settingsfile::portDevice(1), settingsfile::lineSettings()};
        Console console;
        const std::atomic<bool> stop{false};
        ControllerFindings found;
        const PortRun run =
            readControllerFindings(console, port, report.project, allProjectParts(), stop, &found);
        QVERIFY(run.outcome.done());
        report.controller = found;
        const QString text = textOf(report);
        QVERIFY(text.contains("Port\nCOM1 (" + sim.plc.devicePath() + ")"));
        for (const QString &part : shown)
            QVERIFY2(text.contains(part), qPrintable(part + "\n---\n" + text));
    }

    void pdfWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const CommissioningReport report = windowReport(QString(), namedSample());
        const QString pdf = dir.filePath("r.pdf");
        writeReportPdf(report, pdf);
        QVERIFY(testing::fileBytes(pdf).startsWith("%PDF-"));
        QVERIFY(testing::fileBytes(pdf).size() > 2000);
        QVERIFY_THROWS_EXCEPTION(Failure, writeReportPdf(report, dir.filePath("no/r.pdf")));
    }

    void windowExportsItsContent()
    {
        WindowFixture f;
        QTemporaryDir dir;
        f.window->applyProject(namedSample());
        auto *exportReport = testing::child<QAction>(f.window.get(), "exportReportAction");
        exportReport->trigger();  // cancelled: nothing written
        f.prompts.fileNames.enqueue(dir.filePath("station.pdf"));
        exportReport->trigger();
        QCOMPARE(f.prompts.messages(), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"station.pdf"});
        QVERIFY(testing::fileBytes(dir.filePath("station.pdf")).startsWith("%PDF-"));
    }
};

QTEST_MAIN(TestReport)

#include "tst_report.moc"
