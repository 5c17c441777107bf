#pragma once

#include "bench_run.h"
#include "stop_switch.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plc {

class BenchTable;
class Prompts;

// "Production...": one configuration written to several controllers at once, modeless beside
// the main window. The file, the ports (ticked in the table) and the steps are chosen here;
// "Start" runs every ticked port side by side, each on a thread and link of its own, with the
// command line's own download and verify; "Run again" retries one failed port; "Cancel" stops
// every port at its next exchange; "Save report" writes the table as CSV and JSON.
class ProductionWindow : public QWidget {
    Q_OBJECT

public:
    explicit ProductionWindow(Prompts &prompts, QWidget *parent = nullptr);

    bool isRunning() const { return m_running; }
    // The ports listed afresh from the settings file and the system.
    void refreshPorts();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildSetup(QWidget *setup);
    void chooseFile();
    void chooseImage();
    void start();
    void runAgain(int row);
    void saveReport();
    // What every port is to do, from the controls; none (after saying why) when something
    // needed is missing or the file's tables fail their checks.
    std::optional<BenchPlan> plan();
    // Runs the plan on these rows side by side; returns when every one has ended.
    void run(const QList<int> &rows, const BenchPlan &plan);
    void setRunning(bool running);
    void showSummary();

    Prompts &m_prompts;
    StopSwitch m_stop;
    std::optional<Project> m_project;  // the file chosen, read and accepted
    QString m_imageFolder;
    bool m_running = false;
    bool m_closeWhenDone = false;
    QTimer m_clock;  // the running rows' time

    QLineEdit *m_file;
    QPushButton *m_chooseFile;
    QCheckBox *m_firmware;
    QLineEdit *m_image;
    QPushButton *m_chooseImage;
    QCheckBox *m_noParity;
    QCheckBox *m_download;
    QCheckBox *m_verify;
    QCheckBox *m_restart;
    BenchTable *m_table;
    QPushButton *m_refresh;
    QPushButton *m_start;
    QPushButton *m_cancel;
    QPushButton *m_saveReport;
    QLabel *m_status;
};

}  // namespace plc
