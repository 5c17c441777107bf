#pragma once

#include "project_file.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace plc {

// What a controller said of itself when the report was made.
struct ControllerFindings {
    QString port;             // as messages name it: "COM3 (/dev/ttyUSB2)"
    QString cpuType;          // the connection test's number: "291"
    QStringList differences;  // each value it holds other than the file, one line each
};

// Everything a commissioning report shows: a configuration, where it comes from and, when one
// was asked, what its controller holds.
struct CommissioningReport {
    QString name;  // the project's or configuration file's name; empty for a window never saved
    Project project;
    // A configuration file keeps neither the Field Net lists nor the I/O map: the report says
    // so rather than show the defaults it was read with.
    bool holdsEverything = true;
    std::optional<ControllerFindings> controller;
    QDateTime made;
};

// The report of a file: its name (without the folder), whether it is a project, made now.
CommissioningReport fileReport(const QString &path, const Project &project);

// The report of the window, made now: named after the project open in it (none when none is);
// the window holds every part.
CommissioningReport windowReport(const QString &projectPath, const Project &project);

// "plc-config 1.0": the program that made a report.
QString reportProgram();

// "Commissioning report - station.plcproj": the document's title.
QString reportTitle(const CommissioningReport &report);

// The report as HTML for a QTextDocument: the sources, the controller's findings, each UART's
// settings (and its request table or slave settings by its mode), the auxiliary port's mode
// with its Field Net lists or sensor table, and the I/O map. List choices show the entries the
// window shows; tables show the window's headings and cells, names included. Every text from
// the configuration is escaped.
QString reportHtml(const CommissioningReport &report);

}  // namespace plc
