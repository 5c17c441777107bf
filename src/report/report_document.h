#pragma once

#include "report_content.h"

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace plc {

// The report laid out as a document, its text readable before it is drawn.
std::unique_ptr<QTextDocument> reportDocument(const CommissioningReport &report);

// Draws the document on A4 pages (or the pages a printer was set to) with the page number at
// the foot of each: a PDF writer, or a printer chosen in the print dialog.
void printReport(const QTextDocument &document, QPagedPaintDevice &device);

// Writes the report as a PDF file, replacing the file as a whole or not at all; a Failure naming
// the file when it cannot.
void writeReportPdf(const CommissioningReport &report, const QString &path);

}  // namespace plc
