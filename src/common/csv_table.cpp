#include "csv_table.h"

#include "failure.h"

#include <QCoreApplication>

#include <algorithm>

namespace plc {

namespace {

// The texts of the CSV files' checks, for the translator.
struct CsvTableTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::CsvTable)
};

}  // namespace

QString csvFilter()
{
    return CsvTableTexts::tr("CSV file (*.csv);;All file (*.*)");
}

QString csvField(const QString &cell)
{
    const auto special = [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    };
    if (std::none_of(cell.begin(), cell.end(), special))
        return cell;
    QString text = cell;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

namespace {

// One record of a CSV text and the line it starts on.
struct Record {
    int line;
    QStringList cells;
};

[[noreturn]] void refuse(const QString &what)
{
    throw Failure(CsvTableTexts::tr("The CSV file was not imported: ") + what);
}

// Splits a CSV text into records. Lines may end in CR LF or LF alone; empty lines are skipped.
class CsvReader {
public:
    explicit CsvReader(const QString &text) : m_text(text) {}

    QList<Record> records()
    {
        QList<Record> records;
        while (m_pos < m_text.size()) {
            const int start = m_line;
            QStringList cells;
            bool more = true;
            while (more)
                cells.append(cell(more));
            if (!(cells.size() == 1 && cells.first().isEmpty() && !m_lastQuoted))
                records.append({start, cells});
        }
        return records;
    }

private:
    QChar peek() const { return m_pos < m_text.size() ? m_text.at(m_pos) : QChar(); }

    // Ends the record at a line end (or the end of the text); more tells whether a cell follows.
    void endOfCell(bool &more)
    {
        const QChar c = peek();
        if (c == QLatin1Char(',')) {
            ++m_pos;
            more = true;
            return;
        }
        more = false;
        if (c == QLatin1Char('\r'))
            ++m_pos;
        if (peek() == QLatin1Char('\n'))
            ++m_pos;
        ++m_line;
    }

    QString cell(bool &more)
    {
        m_lastQuoted = peek() == QLatin1Char('"');
        return m_lastQuoted ? quotedCell(more) : plainCell(more);
    }

    QString plainCell(bool &more)
    {
        const int start = m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                break;
            if (c == QLatin1Char('"'))
                refuse(CsvTableTexts::tr("line %1 has a quote inside a cell that does not start "
                                         "with one.")
                           .arg(m_line));
            ++m_pos;
        }
        const QString text = m_text.mid(start, m_pos - start);
        endOfCell(more);
        return text;
    }

    QString quotedCell(bool &more)
    {
        const int startLine = m_line;
        ++m_pos;  // the opening quote
        QString text;
        for (;;) {
            if (m_pos >= m_text.size())
                refuse(CsvTableTexts::tr("line %1 opens a quote that is never closed.")
                           .arg(startLine));
            const QChar c = m_text.at(m_pos++);
            if (c == QLatin1Char('\n'))
                ++m_line;
            if (c != QLatin1Char('"')) {
                text += c;
                continue;
            }
            if (peek() != QLatin1Char('"'))
                break;
            text += c;  // a doubled quote
            ++m_pos;
        }
        const QChar next = peek();
        if (!next.isNull() && next != QLatin1Char(',') && next != QLatin1Char('\r') &&
            next != QLatin1Char('\n'))
            refuse(CsvTableTexts::tr("line %1 has text after a closing quote.").arg(m_line));
        endOfCell(more);
        return text;
    }

    const QString &m_text;
    int m_pos = 0;
    int m_line = 1;
    bool m_lastQuoted = false;
};

// The number of columns the file has: the table's, or one less when the file lacks an optional
// last column.
int checkHeader(const CsvTable &table, const QList<Record> &records)
{
    if (records.isEmpty())
        refuse(CsvTableTexts::tr("it is empty; line 1 must name the columns."));
    const Record &header = records.first();
    int cols = int(table.headings.size());
    if (table.lastColumnOptional && header.cells.size() == cols - 1)
        --cols;
    for (int col = 0; col < cols; ++col) {
        const QString found = header.cells.value(col).trimmed();
        if (found != table.headings.at(col)) {
            refuse(CsvTableTexts::tr("line %1, column %2 is \"%3\" where the table has \"%4\".")
                       .arg(header.line)
                       .arg(col + 1)
                       .arg(found, table.headings.at(col)));
        }
    }
    return cols;
}

}  // namespace

QByteArray tableToCsv(const CsvTable &table, const QList<QStringList> &rows)
{
    auto line = [](const QStringList &cells) {
        QStringList out;
        for (const QString &cell : cells)
            out.append(csvField(cell));
        return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString text = line(table.headings);
    for (int r = 0; r < rows.size(); ++r) {
        QStringList cells = rows.at(r).mid(0, table.headings.size() - 1);
        while (cells.size() < table.headings.size() - 1)
            cells.append(QString());
        text += line(QStringList{QString::number(r + 1)} + cells);
    }
    return text.toUtf8();
}

QList<QStringList> tableFromCsv(const CsvTable &table, const QByteArray &csv)
{
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF)))  // spreadsheets like to start with a byte-order mark
        text.remove(0, 1);
    const QList<Record> records = CsvReader(text).records();
    const int cols = checkHeader(table, records);
    QList<QStringList> rows;
    for (int i = 1; i < records.size(); ++i) {
        const Record &record = records.at(i);
        if (record.cells.size() != cols) {
            refuse(CsvTableTexts::tr("line %1 has %2 cells where the table has %3 columns.")
                       .arg(record.line)
                       .arg(record.cells.size())
                       .arg(cols));
        }
        QStringList cells = record.cells.mid(1);
        cells.resize(table.headings.size() - 1);
        rows.append(cells);
    }
    if (const auto fault = table.check(rows)) {
        const int line =
            fault->row < records.size() ? records.at(fault->row).line : records.last().line + 1;
        const QString where = fault->col < 0
                                  ? CsvTableTexts::tr("line %1: ").arg(line)
                                  : CsvTableTexts::tr("line %1, column \"%2\" holds \"%3\".\n")
                                        .arg(line)
                                        .arg(table.headings.value(fault->col),
                                             rows.value(fault->row - 1).value(fault->col - 1));
        refuse(where + fault->reason);
    }
    return rows;
}

}  // namespace plc
