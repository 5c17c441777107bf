#include "report_content.h"

#include "aux_mode_word.h"
#include "grid_model.h"
#include "io_table.h"
#include "port_word.h"
#include "project_transfer.h"
#include "request_record.h"
#include "sensor_record.h"

#include <QFileInfo>

namespace plc {

namespace {

// The UART tab's mode options, in mode order.
const QStringList kUartModes = {QStringLiteral("Modbus master"), QStringLiteral("Modbus slave"),
                                QStringLiteral("Not use")};
// How the line-settings boxes of both tabs label their four lists, in list order.
const QStringList kLineLabels = {QStringLiteral("Speed setting:"), QStringLiteral("Parity setting"),
                                 QStringLiteral("Bit number:"), QStringLiteral("Stop bit")};

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
        html += QStringLiteral("<th>%1</th>").arg(escaped(grid.heading(col).trimmed()));
    html += QStringLiteral("</tr></thead>");
    for (int row = 1; row <= lastRow; ++row) {
        html += QStringLiteral("<tr>");
        for (int col = 0; col < grid.cols(); ++col)
            html += QStringLiteral("<td>%1</td>").arg(escaped(grid.text(row, col)));
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
    facts.add(QStringLiteral("Configuration"),
              report.name.isEmpty() ? QStringLiteral("not saved to a file") : report.name);
    facts.add(QStringLiteral("Date"), report.made.toString(QStringLiteral("yyyy-MM-dd HH:mm t")));
    facts.add(QStringLiteral("Program"), reportProgram());
    QString html = QStringLiteral("<h1>Commissioning report</h1>") + facts.html();
    if (!report.project.note.isEmpty()) {
        html += headingHtml(QStringLiteral("Note")) +
                QStringLiteral("<p>%1</p>")
                    .arg(escaped(report.project.note).replace(u'\n', QStringLiteral("<br>")));
    }
    return html;
}

QString differencesText(int count)
{
    if (count == 0)
        return QStringLiteral("matches the file");
    return QStringLiteral("differs in %1 place%2").arg(count).arg(count == 1 ? "" : "s");
}

QString controllerHtml(const ControllerFindings &found)
{
    Facts facts;
    facts.add(QStringLiteral("Port"), found.port);
    facts.add(QStringLiteral("CPU type"), found.cpuType);
    facts.add(QStringLiteral("Configuration"), differencesText(int(found.differences.size())));
    QString html = headingHtml(QStringLiteral("Controller")) + facts.html();
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
        facts.add(kLineLabels.at(int(i)), entries.at(i)->value(indexes.at(i)));
}

QString uartHtml(ProjectPart part, const UartTabState &uart)
{
    const PortSettings &s = uart.settings;
    Facts facts;
    facts.add(QStringLiteral("Mode"), kUartModes.value(int(s.mode)));
    QString tables;
    if (s.mode != UartMode::NotUse) {
        addLineSettings(facts, {&speedEntries(), &parityEntries(), &bitEntries(), &stopEntries()},
                        {s.speed, s.parity, uart.bits, uart.stop});
    }
    if (s.mode == UartMode::ModbusSlave) {
        facts.add(QStringLiteral("MB address"), s.address);
        facts.add(QStringLiteral("Timeout,[msec]"), s.timeout);
    } else if (s.mode == UartMode::ModbusMaster) {
        tables = rowsHtml(QStringLiteral("Modbus master configuration"), kRequestTableHeadingLine,
                          uart.requests, QStringLiteral("No request in the table."));
    }
    return headingHtml(partCaption(part)) + facts.html() + tables;
}

QString auxHtml(const CommissioningReport &report)
{
    const Project &project = report.project;
    const AuxMode mode = AuxMode(project.config.auxMode);
    Facts facts;
    facts.add(QStringLiteral("Auxiliary port setting"), auxModeEntries().value(int(mode)));
    QString tables;
    if (mode == AuxMode::FieldNet && !report.holdsEverything) {
        facts.add(QStringLiteral("Field Net port setting"),
                  QStringLiteral("not kept in a configuration file"));
    } else if (mode == AuxMode::FieldNet) {
        const FieldNetEntries &entries = fieldNetEntries();
        const FieldNetSettings &f = project.fieldNet;
        addLineSettings(facts, {&entries.speeds, &entries.parities, &entries.bits, &entries.stops},
                        {f.speed, f.parity, f.bits, f.stop});
    } else if (mode == AuxMode::OneWireMaster) {
        tables = rowsHtml(QStringLiteral("1-wire master configuration"), kSensorTableHeadingLine,
                          project.config.sensors, QStringLiteral("No sensor in the table."));
    }
    return headingHtml(partCaption(ProjectPart::OneWire)) + facts.html() + tables;
}

QString ioMapHtml(const CommissioningReport &report)
{
    const QString heading = headingHtml(partCaption(ProjectPart::IoMap));
    if (!report.holdsEverything)
        return heading + QStringLiteral("<p>A configuration file keeps no I/O map.</p>");
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
    const QString title = QStringLiteral("Commissioning report");
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
