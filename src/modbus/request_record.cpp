#include "request_record.h"

#include "failure.h"
#include "grid_model.h"
#include "hex_text.h"
#include "keep_names.h"
#include "shown_words.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <limits>

namespace plc {

namespace {

// Where each number of a request lives in the record: a byte (2 digits) or a 16-bit word
// (4 digits, low byte first), and its bits within that byte or word. The encoder and the
// decoder both read this one table, so the download and the upload cannot disagree.
struct RecordField {
    int ModbusRequest::*member;
    int column;
    int firstChar;
    int digits;
    int shift;
    int bits;
    bool isSigned;
};

constexpr RecordField kLayout[] = {
    {&ModbusRequest::address, requestcol::Address, 0, 2, 0, 8, false},
    {&ModbusRequest::count, requestcol::NumWord, 2, 2, 0, 8, false},
    {&ModbusRequest::slaveStart, requestcol::AddressSlave, 4, 4, 0, 16, true},
    {&ModbusRequest::masterAddress, requestcol::AddressMaster, 8, 4, 0, 16, true},
    {&ModbusRequest::function, requestcol::Function, 12, 4, 12, 4, false},
    {&ModbusRequest::timeout, requestcol::Timeout, 12, 4, 0, 12, false},
};

int mask(const RecordField &field)
{
    return (1 << field.bits) - 1;
}

int groupValue(QStringView record, int firstChar, int digits)
{
    const QString group = record.mid(firstChar, digits).toString();
    if (group.size() < digits)
        return 0;
    return hexToNumber(digits == 2 ? group : hextext::swapPairs(group));
}

}  // namespace

// The headings as the window shows them in another language (the files keep them as above).
[[maybe_unused]] const char *const kShownRequestHeadings[] = {
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Slot"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Address"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Num word"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Address slave"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Address master"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Function"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Timeout,[ms]")};

QString requestColumnName(int col)
{
    static const QStringList names = columnNames(kRequestTableHeadingLine);
    return names.value(col);
}

QString requestName(const QStringList &row)
{
    return row.value(requestcol::Name - 1);
}

QString requestIdentity(const QStringList &row)
{
    using namespace requestcol;
    QStringList key;
    for (int col : {Address, Function, AddressSlave}) {
        const QString text = row.value(col - 1);
        const auto value = hextext::wholeNumber(text);
        key.append(value ? QString::number(*value) : text.trimmed());
    }
    return key.join(QLatin1Char(' '));
}

NamesKept keepRequestNames(const RequestRows &table, const RequestRows &read)
{
    return keepNames(table, read, requestcol::Name - 1, &requestIdentity);
}

const QStringList &functionEntries()
{
    // The window shows them translated (shownEntry).
    static const QStringList entries = {
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Read coils")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Read holding register")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Write multiply register")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Write coils")),
        QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Read input register"))};
    return entries;
}

bool ModbusRequest::operator==(const ModbusRequest &other) const
{
    for (const RecordField &field : kLayout) {
        if (this->*field.member != other.*field.member)
            return false;
    }
    return true;
}

QString encodeRequest(const ModbusRequest &request)
{
    QString record;
    int group = 0;
    for (int i = 0; i < int(std::size(kLayout)); ++i) {
        const RecordField &field = kLayout[i];
        group |= (request.*field.member & mask(field)) << field.shift;
        const bool groupEnds =
            i + 1 == int(std::size(kLayout)) || kLayout[i + 1].firstChar != field.firstChar;
        if (groupEnds) {
            record += field.digits == 2 ? hextext::digits(group & 0xFF, 2)
                                        : hextext::word(quint16(group));
            group = 0;
        }
    }
    return record;
}

ModbusRequest decodeRequest(QStringView record)
{
    ModbusRequest request;
    for (const RecordField &field : kLayout) {
        int value =
            (groupValue(record, field.firstChar, field.digits) >> field.shift) & mask(field);
        if (field.isSigned && value >= (1 << (field.bits - 1)))
            value -= 1 << field.bits;
        request.*field.member = value;
    }
    return request;
}

ModbusRequest requestFromRow(const RequestRows &rows, int row)
{
    ModbusRequest request;
    const QStringList &cells = rows.at(row - 1);
    for (const RecordField &field : kLayout) {
        const QString text = cells.value(field.column - 1);
        const auto value = hextext::wholeNumber(text);
        if (!value) {
            throw Failure(
                QCoreApplication::translate("plc::RequestRecord",
                                            "Row %1, column [%2]: \"%3\" is not a whole number")
                    .arg(row)
                    .arg(shownHeading(requestColumnName(field.column)), text));
        }
        // Every limit a request must keep lies far inside 32 bits.
        request.*field.member = int(std::clamp<qint64>(*value, std::numeric_limits<int>::min(),
                                                       std::numeric_limits<int>::max()));
    }
    return request;
}

QStringList requestCells(const ModbusRequest &request)
{
    QStringList cells(requestcol::Count - 1);
    for (const RecordField &field : kLayout)
        cells[field.column - 1] = QString::number(request.*field.member);
    return cells;
}

RequestRows requestRows(const QList<ModbusRequest> &requests)
{
    RequestRows rows;
    for (const ModbusRequest &request : requests)
        rows.append(requestCells(request));
    return rows;
}

void writeRequestToRow(GridModel &grid, int row, const ModbusRequest &request)
{
    const QStringList cells = requestCells(request);
    for (int col = requestcol::Address; col < requestcol::Count; ++col)
        grid.setText(row, col, cells.at(col - 1));
}

QString tableText(const QList<ModbusRequest> &requests)
{
    QString text;
    text.reserve(kRecordChars * requests.size());
    for (const ModbusRequest &request : requests)
        text += encodeRequest(request);
    return text;
}

QList<ModbusRequest> decodeTableText(const QString &text, int n)
{
    QList<ModbusRequest> requests;
    for (int i = 0; i < n; ++i)
        requests.append(decodeRequest(QStringView(text).mid(kRecordChars * i, kRecordChars)));
    return requests;
}

}  // namespace plc
