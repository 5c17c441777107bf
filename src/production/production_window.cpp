#include "production_window.h"

#include "bench_ports.h"
#include "bench_report.h"
#include "bench_table.h"
#include "commands.h"
#include "config_file.h"
#include "csv_table.h"
#include "exchange_feed.h"
#include "failure.h"
#include "program_folders.h"
#include "prompts.h"
#include "recent_files.h"
#include "service_transfer.h"
#include "settings_store.h"
#include "side_by_side.h"
#include "whole_file.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plc {

namespace {

QPushButton *button(const QString &text, const QString &name)
{
    auto *made = new QPushButton(text);
    made->setObjectName(name);
    return made;
}

QCheckBox *stepBox(const QString &text, const QString &name, bool checked)
{
    auto *box = new QCheckBox(text);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

// The JSON report lies beside the CSV one, by the same name.
QString jsonReportPath(const QString &csvPath)
{
    const QFileInfo csv(csvPath);
    return csv.dir().filePath(csv.completeBaseName() + QStringLiteral(".json"));
}

}  // namespace

ProductionWindow::ProductionWindow(Prompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window), m_prompts(prompts)
{
    setObjectName(QStringLiteral("productionWindow"));
    setWindowTitle(tr("Production"));
    auto *setup = new QWidget;
    buildSetup(setup);
    m_table = new BenchTable;
    m_refresh = button(tr("Refresh ports"), QStringLiteral("refreshButton"));
    m_start = button(tr("Start"), QStringLiteral("startButton"));
    m_cancel = button(tr("Cancel"), QStringLiteral("cancelButton"));
    m_saveReport = button(tr("Save report"), QStringLiteral("saveReportButton"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("statusLabel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addStretch();
    for (QPushButton *each : {m_start, m_cancel, m_saveReport})
        buttons->addWidget(each);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(setup);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    connect(m_refresh, &QPushButton::clicked, this, &ProductionWindow::refreshPorts);
    connect(m_start, &QPushButton::clicked, this, &ProductionWindow::start);
    connect(m_cancel, &QPushButton::clicked, &m_stop, &StopSwitch::raise);
    connect(m_saveReport, &QPushButton::clicked, this, &ProductionWindow::saveReport);
    connect(m_table, &BenchTable::runAgainRequested, this, &ProductionWindow::runAgain);
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, m_table, &BenchTable::showRunningTimes);
    // Made here, on the window's thread, before the ports' links publish to it from theirs.
    ExchangeFeed::instance();
    refreshPorts();
    setRunning(false);
    resize(900, 420);
}

void ProductionWindow::buildSetup(QWidget *setup)
{
    m_file = new QLineEdit;
    m_file->setObjectName(QStringLiteral("fileEdit"));
    m_file->setReadOnly(true);
    m_chooseFile = button(tr("Choose..."), QStringLiteral("chooseFileButton"));
    m_firmware = stepBox(tr("Firmware update"), QStringLiteral("firmwareCheck"), false);
    m_image = new QLineEdit;
    m_image->setObjectName(QStringLiteral("imageEdit"));
    m_image->setReadOnly(true);
    m_chooseImage = button(tr("Choose..."), QStringLiteral("chooseImageButton"));
    // For adapters (and pseudo-terminals) that cannot carry the loader's even parity.
    m_noParity = stepBox(tr("8N1 (a line without parity)"), QStringLiteral("noParityCheck"), false);
    m_download = stepBox(tr("Download"), QStringLiteral("downloadCheck"), true);
    m_verify = stepBox(tr("Verify"), QStringLiteral("verifyCheck"), true);
    m_restart = stepBox(tr("Restart"), QStringLiteral("restartCheck"), false);

    auto *grid = new QGridLayout(setup);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Project or configuration file:")), 0, 0);
    grid->addWidget(m_file, 0, 1);
    grid->addWidget(m_chooseFile, 0, 2);
    grid->addWidget(m_firmware, 1, 0);
    grid->addWidget(m_image, 1, 1);
    grid->addWidget(m_chooseImage, 1, 2);
    grid->addWidget(m_noParity, 1, 3);
    auto *steps = new QHBoxLayout;
    for (QCheckBox *step : {m_download, m_verify, m_restart})
        steps->addWidget(step);
    steps->addStretch();
    grid->addLayout(steps, 2, 0, 1, 4);

    connect(m_chooseFile, &QPushButton::clicked, this, &ProductionWindow::chooseFile);
    connect(m_chooseImage, &QPushButton::clicked, this, &ProductionWindow::chooseImage);
}

void ProductionWindow::refreshPorts()
{
    m_table->setPorts(benchPorts());
}

void ProductionWindow::chooseFile()
{
    const QString path = m_prompts.openFileName(this, tr("Open project"),
                                                recentfiles::dialogFolder(), projectFilter());
    if (path.isEmpty())
        return;
    try {
        m_project = readAnyConfigFile(path);
    } catch (const Failure &f) {
        m_prompts.message(this, f.description());  // the file chosen before stays
        return;
    }
    m_file->setText(QDir::toNativeSeparators(path));
}

void ProductionWindow::chooseImage()
{
    const QString folder = m_imageFolder.isEmpty() ? recentfiles::dialogFolder() : m_imageFolder;
    const QString path =
        m_prompts.openFileName(this, tr("Firmware image"), folder,
                               tr("Firmware image (*.hex *.ihex *.ihx *.bin);;All file (*.*)"));
    if (path.isEmpty())
        return;
    m_imageFolder = QFileInfo(path).path();
    m_image->setText(QDir::toNativeSeparators(path));
    m_firmware->setChecked(true);
}

std::optional<BenchPlan> ProductionWindow::plan()
{
    BenchPlan plan;
    const std::pair<QCheckBox *, BenchStep> boxes[] = {{m_firmware, BenchStep::FirmwareUpdate},
                                                       {m_download, BenchStep::Download},
                                                       {m_verify, BenchStep::Verify},
                                                       {m_restart, BenchStep::Restart}};
    for (const auto &[box, step] : boxes) {
        if (box->isChecked())
            plan.steps.append(step);
    }
    const auto refuse = [this](const QString &why) {
        m_prompts.message(this, why);
        return std::nullopt;
    };
    if (plan.steps.isEmpty())
        return refuse(tr("Choose at least one step."));
    const bool writesFile = m_download->isChecked() || m_verify->isChecked();
    if (writesFile && !m_project)
        return refuse(tr("Choose a project or configuration file first."));
    if (m_firmware->isChecked() && m_image->text().isEmpty())
        return refuse(tr("Choose the firmware image first."));
    if (m_project) {
        plan.project = *m_project;
        plan.file = m_file->text();
        plan.parts = partsOfFile(plan.file);
    }
    if (m_download->isChecked()) {
        if (const std::optional<PartFault> fault = projectFault(plan.project, plan.parts)) {
            m_prompts.message(this, fault->refusal.message, fault->refusal.title);
            return std::nullopt;
        }
    }
    plan.image = QDir::fromNativeSeparators(m_image->text());
    if (m_noParity->isChecked())
        plan.loaderLine = QStringLiteral("115200,N,8,1");
    plan.updaters = updateProgramPaths(programFolders(QCoreApplication::applicationDirPath()));
    return plan;
}

void ProductionWindow::start()
{
    const QList<int> rows = m_table->tickedRows();
    if (rows.isEmpty()) {
        m_prompts.message(this, tr("Tick the ports to run on."));
        return;
    }
    if (const std::optional<BenchPlan> chosen = plan())
        run(rows, *chosen);
}

void ProductionWindow::runAgain(int row)
{
    if (const std::optional<BenchPlan> chosen = plan())
        run({row}, *chosen);
}

void ProductionWindow::run(const QList<int> &rows, const BenchPlan &plan)
{
    // The line settings stored for the tool, read just before the run as every action does.
    const LineSettings line = settingsfile::lineSettings();
    QList<PortSetup> ports;
    for (int row : rows) {
        ports.append(m_table->port(row));
        ports.last().line = line;
        m_table->startRow(row);
    }
    m_stop.reset();
    setRunning(true);
    QList<BenchResult> results(rows.size());
    const auto job = [&](int i) {
        const std::unique_ptr<BenchWatch> watch = m_table->rowWatch(rows.at(i));
        results[i] = runBenchPort(ports.at(i), plan, m_stop, *watch);
    };
    const auto ended = [&](int i) {
        m_table->showResult(rows.at(i), results.at(i));
    };
    runSideBySide(int(rows.size()), job, ended);
    setRunning(false);
    showSummary();
    if (m_closeWhenDone)
        close();
}

void ProductionWindow::setRunning(bool running)
{
    m_running = running;
    for (QWidget *setup :
         std::initializer_list<QWidget *>{m_chooseFile, m_firmware, m_chooseImage, m_noParity,
                                          m_download, m_verify, m_restart, m_refresh, m_start})
        setup->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_saveReport->setEnabled(!running && !m_table->reportRows().isEmpty());
    m_table->setRunning(running);
    if (running) {
        m_status->clear();
        m_clock.start();
    } else {
        m_clock.stop();
    }
}

// "3 passed, 1 failed" over every row that ran.
void ProductionWindow::showSummary()
{
    int passed = 0;
    const QList<BenchReportRow> rows = m_table->reportRows();
    for (const BenchReportRow &row : rows)
        passed += row.result.passed ? 1 : 0;
    m_status->setText(tr("%1 passed, %2 failed").arg(passed).arg(rows.size() - passed));
}

void ProductionWindow::saveReport()
{
    const QString csv = m_prompts.saveFileName(this, tr("Save report"), recentfiles::dialogFolder(),
                                               csvFilter(), kCsvSuffix);
    if (csv.isEmpty())
        return;
    const QList<BenchReportRow> rows = m_table->reportRows();
    const QString json = jsonReportPath(csv);
    for (const auto &[path, bytes] :
         {std::pair{csv, benchReportCsv(rows)}, std::pair{json, benchReportJson(rows)}}) {
        const QString why = writeWholeFile(path, bytes);
        if (!why.isEmpty()) {
            m_prompts.message(this, tr("The report cannot be saved to %1: %2")
                                        .arg(QDir::toNativeSeparators(path), why));
            return;
        }
    }
    recentfiles::rememberFolder(csv);
    m_status->setText(tr("Report saved to %1 and %2")
                          .arg(QDir::toNativeSeparators(csv), QDir::toNativeSeparators(json)));
}

void ProductionWindow::closeEvent(QCloseEvent *event)
{
    if (!m_running) {
        event->accept();
        return;
    }
    // The ports stop at their next exchange; the window closes once every one has ended.
    m_closeWhenDone = true;
    m_stop.raise();
    event->ignore();
}

// Hidden with the main window as it closes: the ports stop rather than hold the program open.
// Minimising is the system's own hiding and leaves them running.
void ProductionWindow::hideEvent(QHideEvent *event)
{
    if (m_running && !event->spontaneous())
        m_stop.raise();
    QWidget::hideEvent(event);
}

}  // namespace plc
