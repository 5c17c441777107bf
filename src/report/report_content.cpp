#include "report_content.h"

#include "aux_mode_word.h"
#include "grid_model.h"
#include "io_table.h"
#include "port_word.h"
#include "project_transfer.h"
#include "request_record.h"
#include "sensor_record.h"
#include "shown_words.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plc {

namespace {

// The texts of the report, for the translator.
struct ReportTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ReportContent)
};

// The UART tab's mode options, in mode order.
const char *const kUartModes[] = {QT_TRANSLATE_NOOP("plc::ReportContent", "Modbus master"),
                                  QT_TRANSLATE_NOOP("plc::ReportContent", "Modbus slave"),
                                  QT_TRANSLATE_NOOP("plc::ReportContent", "Not use")};
// How the line-settings boxes of both tabs label their four lists, in list order.
const char *const kLineLabels[] = {QT_TRANSLATE_NOOP("plc::ReportContent", "Speed setting:"),
                                   QT_TRANSLATE_NOOP("plc::ReportContent", "Parity setting"),
                                   QT_TRANSLATE_NOOP("plc::ReportContent", "Bit number:"),
                                   QT_TRANSLATE_NOOP("plc::ReportContent", "Stop bit")};

// Small type for readable printing; blanks in cells kept as typed ("IO  0").
const QString kStyle = QStringLiteral(
    "body { font-size: 9pt; }"
    "h1 { font-size: 16pt; }"
    "h2 { font-size: 12pt; margin-top: 16px; }"
    "h3 { font-size: 10pt; margin-top: 8px; }"
    "th { background-color: #e4e4e4; font-weight: bold; text-align: left; }"
    "td, th, p, li { white-space: pre-wrap; }"
    "td.label { color: #404040; padding-right: 12px; }");

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Label and value pairs, one row each, without lines.
class Facts {
public:
    void add(const QString &label, const QString &value)
    {
        m_rows += QStringLiteral("<tr><td class=\"label\">%1</td><td>%2</td></tr>")
                      .arg(escaped(label), escaped(value));
    }
    QString html() const
    {
        return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">%1</table>").arg(m_rows);
    }

private:
    QString m_rows;
};

// A table of the window as it shows it: its headings (repeated on each page) and its data rows,
// grid rows 1 to lastRow.
QString gridHtml(const GridModel &grid, int lastRow)
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (int col = 0; col < grid.cols(); ++col)
        html +=
            QStringLiteral("<th>%1</th>").arg(escaped(shownHeading(grid.heading(col).trimmed())));
    html += QStringLiteral("</tr></thead>");
    for (int row = 1; row <= lastRow; ++row) {
        html += QStringLiteral("<tr>");
        for (int col = 0; col < grid.cols(); ++col)
            html += QStringLiteral("<td>%1</td>")
                        .arg(escaped(grid.index(row - 1, col).data().toString()));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// A table of named rows (cells from column 1 on), numbered in column 0 as the window numbers
// them; a line saying so when it has none.
QString rowsHtml(const QString &caption, const QString &headingLine, const QList<QStringList> &rows,
                 const QString &none)
{
    QString html = QStringLiteral("<h3>%1</h3>").arg(escaped(caption));
    if (rows.isEmpty())
        return html + QStringLiteral("<p>%1</p>").arg(escaped(none));
    GridModel grid;
    grid.setHeadingLine(headingLine);
    grid.setDataRows(rows);
    return html + gridHtml(grid, grid.dataRowCount());
}

QString headingHtml(const QString &text)
{
    return QStringLiteral("<h2>%1</h2>").arg(escaped(text));
}

QString sourceHtml(const CommissioningReport &report)
{
    Facts facts;
    facts.add(ReportTexts::tr("Configuration"),
              report.name.isEmpty() ? ReportTexts::tr("not saved to a file") : report.name);
    facts.add(ReportTexts::tr("Date"), report.made.toString(QStringLiteral("yyyy-MM-dd HH:mm t")));
    facts.add(ReportTexts::tr("Program"), reportProgram());
    QString html =
        QStringLiteral("<h1>%1</h1>").arg(ReportTexts::tr("Commissioning report")) + facts.html();
    if (!report.project.note.isEmpty()) {
        html += headingHtml(ReportTexts::tr("Note")) +
                QStringLiteral("<p>%1</p>")
                    .arg(escaped(report.project.note).replace(u'\n', QStringLiteral("<br>")));
    }
    return html;
}

QString differencesText(int count)
{
    if (count == 0)
        return ReportTexts::tr("matches the file");
    return count == 1 ? ReportTexts::tr("differs in 1 place")
                      : ReportTexts::tr("differs in %1 places").arg(count);
}

QString controllerHtml(const ControllerFindings &found)
{
    Facts facts;
    facts.add(ReportTexts::tr("Port"), found.port);
    facts.add(ReportTexts::tr("CPU type"), found.cpuType);
    facts.add(ReportTexts::tr("Configuration"), differencesText(int(found.differences.size())));
    QString html = headingHtml(ReportTexts::tr("Controller")) + facts.html();
    if (found.differences.isEmpty())
        return html;
    html += QStringLiteral("<ul>");
    for (const QString &line : found.differences)
        html += QStringLiteral("<li>%1</li>").arg(escaped(line));
    return html + QStringLiteral("</ul>");
}

// The four line settings by their list indexes.
void addLineSettings(Facts &facts, const std::array<const QStringList *, 4> &entries,
                     const std::array<int, 4> &indexes)
{
    for (size_t i = 0; i < entries.size(); ++i)
        facts.add(ReportTexts::tr(kLineLabels[i]), shownEntry(entries.at(i)->value(indexes.at(i))));
}

QString uartHtml(ProjectPart part, const UartTabState &uart)
{
    const PortSettings &s = uart.settings;
    Facts facts;
    facts.add(ReportTexts::tr("Mode"), ReportTexts::tr(kUartModes[int(s.mode)]));
    QString tables;
    if (s.mode != UartMode::NotUse) {
        addLineSettings(facts, {&speedEntries(), &parityEntries(), &bitEntries(), &stopEntries()},
                        {s.speed, s.parity, uart.bits, uart.stop});
    }
    if (s.mode == UartMode::ModbusSlave) {
        facts.add(ReportTexts::tr("MB address"), s.address);
        facts.add(ReportTexts::tr("Timeout,[msec]"), s.timeout);
    } else if (s.mode == UartMode::ModbusMaster) {
        tables = rowsHtml(ReportTexts::tr("Modbus master configuration"), kRequestTableHeadingLine,
                          uart.requests, ReportTexts::tr("No request in the table."));
    }
    return headingHtml(partCaption(part)) + facts.html() + tables;
}

QString auxHtml(const CommissioningReport &report)
{
    const Project &project = report.project;
    const AuxMode mode = AuxMode(project.config.auxMode);
    Facts facts;
    facts.add(ReportTexts::tr("Auxiliary port setting"),
              shownEntry(auxModeEntries().value(int(mode))));
    QString tables;
    if (mode == AuxMode::FieldNet && !report.holdsEverything) {
        facts.add(ReportTexts::tr("Field Net port setting"),
                  ReportTexts::tr("not kept in a configuration file"));
    } else if (mode == AuxMode::FieldNet) {
        const FieldNetEntries &entries = fieldNetEntries();
        const FieldNetSettings &f = project.fieldNet;
        addLineSettings(facts, {&entries.speeds, &entries.parities, &entries.bits, &entries.stops},
                        {f.speed, f.parity, f.bits, f.stop});
    } else if (mode == AuxMode::OneWireMaster) {
        tables = rowsHtml(ReportTexts::tr("1-wire master configuration"), kSensorTableHeadingLine,
                          project.config.sensors, ReportTexts::tr("No sensor in the table."));
    }
    return headingHtml(partCaption(ProjectPart::OneWire)) + facts.html() + tables;
}

QString ioMapHtml(const CommissioningReport &report)
{
    const QString heading = headingHtml(partCaption(ProjectPart::IoMap));
    if (!report.holdsEverything)
        return heading + QStringLiteral("<p>%1</p>")
                             .arg(ReportTexts::tr("A configuration file keeps no I/O map."));
    IoTable table;
    table.setHeadings();
    table.addPointRows();
    table.show(report.project.ioMap);
    return heading + gridHtml(table, kIoPoints);
}

}  // namespace

CommissioningReport fileReport(const QString &path, const Project &project)
{
    CommissioningReport report;
    report.name = QFileInfo(path).fileName();
    report.project = project;
    report.holdsEverything = isProjectFileName(path);
    report.made = QDateTime::currentDateTime();
    return report;
}

CommissioningReport windowReport(const QString &projectPath, const Project &project)
{
    CommissioningReport report = fileReport(projectPath, project);
    report.holdsEverything = true;
    return report;
}

QString reportProgram()
{
    return QStringLiteral("plc-config ") + QStringLiteral(PLC_VERSION);
}

QString reportTitle(const CommissioningReport &report)
{
    const QString title = ReportTexts::tr("Commissioning report");
    return report.name.isEmpty() ? title : title + QStringLiteral(" - ") + report.name;
}

QString reportHtml(const CommissioningReport &report)
{
    QString body = sourceHtml(report);
    if (report.controller)
        body += controllerHtml(*report.controller);
    body += uartHtml(ProjectPart::Uart1, report.project.config.uarts.at(0));
    body += uartHtml(ProjectPart::Uart2, report.project.config.uarts.at(1));
    body += auxHtml(report) + ioMapHtml(report);
    return QStringLiteral(
               "<html><head><title>%1</title><style>%2</style></head><body>%3</body>"
               "</html>")
        .arg(escaped(reportTitle(report)), kStyle, body);
}

}  // namespace plc
