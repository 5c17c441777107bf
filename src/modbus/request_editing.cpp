#include "request_editing.h"

#include "grid_model.h"
#include "hex_text.h"
#include "keep_names.h"
#include "range_text.h"
#include "row_name.h"
#include "uart_port.h"

#include <QCoreApplication>

namespace plc {

namespace {

// The texts of the request dialog's checks, for the translator.
struct RequestEditingTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::RequestEditing)
};

RequestFields defaults(const QString &address)
{
    RequestFields fields;
    fields.slaveNumber = QStringLiteral("1");
    fields.address = address;
    fields.count = QStringLiteral("100");
    fields.slaveStart = QStringLiteral("0");
    fields.masterAddress = QStringLiteral("0");
    fields.function = 1;
    fields.timeout = QStringLiteral("100");
    return fields;
}

// A cell read "as a whole number"; a text that is none is shown as it stands for the user to
// put right.
QString wholeText(const QString &text)
{
    const auto value = hextext::wholeNumber(text);
    return value ? QString::number(*value) : text;
}

// A start address moved on by a count; the start's own text when either is not a number.
QString movedOn(const QString &start, const QString &count)
{
    const auto a = hextext::wholeNumber(start);
    const auto b = hextext::wholeNumber(count);
    return a && b ? QString::number(*a + *b) : start;
}

// The list index in a Function cell; the usual "Read holding register" when it names none.
int functionIndex(const QString &text)
{
    const auto value = hextext::wholeNumber(text);
    return value && *value >= 0 && *value < functionEntries().size() ? int(*value) : 1;
}

RequestFields fieldsOfRow(const GridModel &grid, int row, bool continueRun)
{
    using namespace requestcol;
    const QString count = grid.text(row, NumWord);
    RequestFields fields;
    fields.slaveNumber = QString::number(row);
    fields.address = wholeText(grid.text(row, Address));
    fields.count = count;
    fields.function = functionIndex(grid.text(row, Function));
    fields.timeout = grid.text(row, Timeout);
    if (continueRun) {
        fields.slaveStart = movedOn(grid.text(row, AddressSlave), count);
        fields.masterAddress = movedOn(grid.text(row, AddressMaster), count);
    } else {
        fields.slaveStart = wholeText(grid.text(row, AddressSlave));
        fields.masterAddress = wholeText(grid.text(row, AddressMaster));
        fields.name = grid.text(row, Name);
    }
    return fields;
}

// A field that must hold a whole number from low to high.
struct FieldRule {
    QString RequestFields::*field;
    int ModbusRequest::*member;
    NumberRange range;
};

// The record holds 12 bits of timeout; more would overwrite the function code.
const FieldRule kFieldRules[] = {
    {&RequestFields::address, &ModbusRequest::address, {1, 254}},
    {&RequestFields::slaveStart, &ModbusRequest::slaveStart, {0, 32767}},
    {&RequestFields::count, &ModbusRequest::count, {1, 254}},
    {&RequestFields::masterAddress, &ModbusRequest::masterAddress, {0, 32767}},
    {&RequestFields::timeout, &ModbusRequest::timeout, {1, 4095}},
};

}  // namespace

DialogPreset requestDialogPreset(const GridModel &grid, int currentRow, DialogMode mode)
{
    const int n = grid.dataRowCount();
    if (currentRow <= 0 || n == 0)
        return {defaults(mode == DialogMode::Add ? QStringLiteral("3") : QStringLiteral("2")), 1};
    if (mode == DialogMode::Add)
        return {fieldsOfRow(grid, n, true), currentRow};
    const int row = qMin(currentRow, n);  // the entry row or beyond: the last request
    return {fieldsOfRow(grid, row, false), row};
}

QString dataErrorTitle()
{
    return RequestEditingTexts::tr("Error in data");
}

QString deleteQuestion()
{
    return RequestEditingTexts::tr("You are shure for delete this sensor?");
}

FieldsCheck checkRequestFields(const RequestFields &fields)
{
    ModbusRequest request;
    request.function = fields.function;
    for (const FieldRule &rule : kFieldRules) {
        const QString &text = fields.*rule.field;
        const auto value = hextext::wholeNumber(text);
        if (!value || !rule.range.contains(*value))
            return {std::nullopt, RequestEditingTexts::tr("You put wrong value  %1").arg(text)};
        request.*rule.member = int(*value);
    }
    return {request, QString()};
}

QString requestFieldLimits(QString RequestFields::*field)
{
    if (field == &RequestFields::slaveNumber)
        return RequestEditingTexts::tr("the request's row in the table");
    for (const FieldRule &rule : kFieldRules) {
        if (rule.field == field) {
            const bool timeout = field == &RequestFields::timeout;
            return rule.range.text(timeout ? QStringLiteral("ms") : QString());
        }
    }
    return QString();
}

int applyRequestEdit(GridModel &grid, DialogMode mode, int currentRow, const ModbusRequest &request,
                     const QString &name)
{
    if (mode == DialogMode::Add) {
        // The entry row becomes the request; the appended row is the new entry row.
        grid.appendGridRow(QStringLiteral("1"));
        grid.renumber();
        currentRow = grid.rows() - 2;
    }
    writeRequestToRow(grid, currentRow, request);
    grid.setText(currentRow, requestcol::Name, cutName(name));
    return currentRow;
}

bool deleteRequest(GridModel &grid, int currentRow)
{
    if (currentRow < 1 || grid.dataRowCount() == 0 || !grid.removeGridRow(currentRow))
        return false;
    grid.renumber();
    return true;
}

QString showUploadedRequests(GridModel &grid, const QList<ModbusRequest> &read)
{
    const NamesKept named = keepRequestNames(grid.dataRows(), requestRows(read));
    grid.showUploadedRows(named.rows);
    return namesKeptText(named);
}

QString cellEditRefusal(const UartPort &port, int col, const QString &text)
{
    using namespace requestcol;
    if (col < Address || col > Timeout)
        return QString();
    const bool byteColumn = col == Address || col == NumWord || col == Function;
    const auto value = hextext::wholeNumber(text);
    if (value && *value >= 0 && *value <= (byteColumn ? 255 : 65535))
        return QString();
    return col == Address || col == Timeout ? port.cellMessageOuter() : port.cellMessageInner();
}

QString storeCellEdit(GridModel &grid, const UartPort &port, int row, int col, const QString &text)
{
    const QString refusal = cellEditRefusal(port, col, text);
    const QString kept = col == requestcol::Name ? cutName(text) : text;
    grid.setText(row, col, refusal.isEmpty() ? kept : QString());
    return refusal;
}

}  // namespace plc
