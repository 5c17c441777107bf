#include "report_actions.h"

#include "failure.h"
#include "link_action.h"
#include "prompts.h"
#include "recent_files.h"
#include "report_document.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace plc {

namespace {

// Where the save dialog starts: the folder dialogs start in, with the configuration's name.
QString suggestedPdf(const CommissioningReport &report)
{
    const QString folder = recentfiles::dialogFolder();
    if (report.name.isEmpty())
        return folder;
    return QDir(folder).filePath(QFileInfo(report.name).completeBaseName() +
                                 QStringLiteral(".pdf"));
}

}  // namespace

ReportActions::ReportActions(TransferContext &ctx, std::function<CommissioningReport()> source,
                             QObject *parent)
    : QObject(parent), m_ctx(ctx), m_source(std::move(source))
{
}

void ReportActions::print()
{
    const CommissioningReport report = m_source();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(reportTitle(report));
    printer.setCreator(reportProgram());
    QPrintDialog dialog(&printer, m_ctx.window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printReport(*reportDocument(report), printer);
    if (printer.printerState() == QPrinter::Error)
        m_ctx.prompts.message(m_ctx.window, tr("The report could not be printed."));
}

void ReportActions::exportPdf()
{
    const CommissioningReport report = m_source();
    const QString path = m_ctx.prompts.saveFileName(
        m_ctx.window, tr("Export report as PDF"), suggestedPdf(report),
        tr("PDF document (*.pdf);;All file (*.*)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    try {
        writeReportPdf(report, path);
    } catch (const Failure &f) {
        m_ctx.prompts.message(m_ctx.window, f.description());
        return;
    }
    recentfiles::rememberFolder(path);
    note(m_ctx, tr("Report saved to %1").arg(QFileInfo(path).fileName()));
}

}  // namespace plc
