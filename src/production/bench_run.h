#pragma once

#include "line_settings.h"
#include "project_file.h"
#include "project_transfer.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace plc {

class StopSwitch;

// One controller's run on the production bench: its CPU type read first, then the chosen steps
// in order, each as the command line runs it on one of several ports.

enum class BenchStep { FirmwareUpdate, Download, Verify, Restart };

// "firmware update", "download", "verify", "restart".
QString benchStepName(BenchStep step);

// What every port of a run does, read on the window's thread before any port starts.
struct BenchPlan {
    Project project;
    QString file;            // the file the project was read from, for the history
    ProjectParts parts;      // those the file holds, for download and verify
    QList<BenchStep> steps;  // in the order they run
    QString image;           // the firmware image, for the firmware update
    QString loaderLine;      // the loader's line settings; empty for its own (8E1)
    QStringList updaters;    // where the firmware-update program may lie, first found is run
};

// How a port's run ended.
struct BenchResult {
    QString cpuType;        // as the probe read it; empty when it could not
    QStringList stepsDone;  // the steps that ended done, in order
    bool passed = false;
    bool partial = false;  // a download stopped midway: the controller holds part of it
    QString text;          // "passed", or how it ended in the outcome's own words
    QStringList messages;  // every message the steps gave, in order
    qint64 ms = 0;
};

// Told how a port's run goes, from that port's thread.
class BenchWatch {
public:
    virtual ~BenchWatch() = default;
    virtual void cpuTypeRead(const QString &cpuType) = 0;
    // The step running now, with how far it is: "download uart1: 5/16".
    virtual void stepChanged(const QString &step) = 0;
    // Of the whole run, 0 to 100.
    virtual void percentChanged(int percent) = 0;
};

// The text of a result that passed.
QString passedText();

// Runs the plan on one port, on this thread, with a link of its own. The port is held for the
// production window meanwhile (a port another window holds is not touched, and says so). A
// raised stop ends it at its next exchange.
BenchResult runBenchPort(const PortSetup &port, const BenchPlan &plan, StopSwitch &stop,
                         BenchWatch &watch);

}  // namespace plc
