#include "report_document.h"

#include "failure.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace plc {

std::unique_ptr<QTextDocument> reportDocument(const CommissioningReport &report)
{
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(reportHtml(report));
    document->setMetaInformation(QTextDocument::DocumentTitle, reportTitle(report));
    return document;
}

void printReport(const QTextDocument &document, QPagedPaintDevice &device)
{
    // A document with no page size of its own is cut into the device's pages, each numbered.
    document.print(&device);
}

void writeReportPdf(const CommissioningReport &report, const QString &path)
{
    const auto refuse = [&path](const QString &why) {
        throw Failure(QCoreApplication::translate("plc::ReportDocument",
                                                  "The report could not be written to %1: %2")
                          .arg(path, why));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        refuse(file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setTitle(reportTitle(report));
        pdf.setCreator(reportProgram());
        const std::unique_ptr<QTextDocument> document = reportDocument(report);
        printReport(*document, pdf);
    }  // the writer ends the PDF when it goes
    if (!file.commit())
        refuse(file.errorString());
}

}  // namespace plc
