#pragma once

#include "report_content.h"

#include <QObject>
#include <functional>

namespace plc {

struct TransferContext;

// "Print" and "Export report as PDF...": the window's content as a commissioning report, on a
// printer chosen in the system's print dialog or in a PDF file. Messages go through the
// context's prompts; a cancelled dialog does nothing.
class ReportActions : public QObject {
    Q_OBJECT

public:
    // source: the report of the window as it stands when an entry is chosen.
    ReportActions(TransferContext &ctx, std::function<CommissioningReport()> source,
                  QObject *parent);

    void print();
    void exportPdf();

private:
    TransferContext &m_ctx;
    std::function<CommissioningReport()> m_source;
};

}  // namespace plc
