#include "request_check.h"

#include "hex_text.h"
#include "port_word.h"
#include "range_text.h"
#include "row_name.h"
#include "shown_words.h"

#include <QCoreApplication>

namespace plc {

namespace {

// The texts of the request check, for the translator.
struct RequestCheckTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::RequestCheck)
};

// What one class of functions allows. The ends are the last address a request may reach.
struct ClassLimits {
    int address;
    int count;
    int slaveEnd;
    int masterEnd;
};

constexpr ClassLimits kCoils{248, 255, 3071, 3071};
constexpr ClassLimits kRegisterRead{248, 125, 7999, 7999};
constexpr ClassLimits kRegisterWrite{248, 123, 7999, 7999};

// The record keeps 12 bits of timeout; more would run into the function code.
constexpr NumberRange kTimeout{1, 4095};

const ClassLimits *limitsOf(int function)
{
    switch (function) {
        case 0:
        case 3:
            return &kCoils;
        case 1:
        case 4:
            return &kRegisterRead;
        case 2:
            return &kRegisterWrite;
        default:
            return nullptr;
    }
}

bool within(qint64 value, qint64 low, qint64 high)
{
    return value >= low && value <= high;
}

// The fault code of one request, or -1. The record holds no negative count or address.
int faultOf(const ModbusRequest &r)
{
    const ClassLimits *limits = limitsOf(r.function);
    if (!limits)
        return 4;
    if (!within(r.address, 0, limits->address))
        return 0;
    if (!within(r.count, 0, limits->count))
        return 1;
    if (r.slaveStart < 0 || qint64(r.slaveStart) + r.count > limits->slaveEnd)
        return 2;
    if (r.masterAddress < 0 || qint64(r.masterAddress) + r.count > limits->masterEnd)
        return 3;
    if (!kTimeout.contains(r.timeout))
        return 5;
    return -1;
}

}  // namespace

std::optional<GridFault> checkRequestTable(const RequestRows &rows, QList<ModbusRequest> *checked)
{
    const int n = int(rows.size());
    if (n > kMaxRequests)
        return GridFault{kMaxRequests, 6};
    QList<ModbusRequest> requests;
    requests.reserve(n);
    for (int row = 1; row <= n; ++row) {
        requests.append(requestFromRow(rows, row));
        const int code = faultOf(requests.constLast());
        if (code >= 0)
            return GridFault{row, code};
    }
    if (checked)
        *checked = std::move(requests);
    return std::nullopt;
}

QString configErrorTitle()
{
    return RequestCheckTexts::tr("Error in configurations");
}

QString gridFaultMessage(const GridFault &fault)
{
    static const char *const what[] = {
        QT_TRANSLATE_NOOP("plc::RequestCheck", "the slave address data"),
        QT_TRANSLATE_NOOP("plc::RequestCheck", "the size of request "),
        QT_TRANSLATE_NOOP("plc::RequestCheck", "the slave address data"),
        QT_TRANSLATE_NOOP("plc::RequestCheck", "the master address data"),
        QT_TRANSLATE_NOOP("plc::RequestCheck", "the function code"),
        QT_TRANSLATE_NOOP("plc::RequestCheck", "the Timeout")};
    const QString start = RequestCheckTexts::tr("You configuration has error in ");
    if (fault.code == 6) {
        return start +
               RequestCheckTexts::tr("the number of slaves. \r\nMaximum allowed number is %1 ")
                   .arg(kMaxRequests);
    }
    // Codes 0 to 5 name the column in table order, from Address on.
    return start + RequestCheckTexts::tr(what[fault.code]) +
           RequestCheckTexts::tr(" - row %1\r\nColumn [%2]")
               .arg(fault.row)
               .arg(shownHeading(requestColumnName(requestcol::Address + fault.code)));
}

QString requestColumnLimits(int col)
{
    using namespace requestcol;
    // Every class allows the same slave addresses.
    static_assert(kCoils.address == kRegisterRead.address &&
                  kCoils.address == kRegisterWrite.address);
    static_assert(kRegisterRead.slaveEnd == kRegisterWrite.slaveEnd &&
                  kRegisterRead.masterEnd == kRegisterWrite.masterEnd);
    const auto sumLimit = [](const QString &start, int coilEnd, int registerEnd) {
        return RequestCheckTexts::tr("%1 + Num word: up to %2 for coils, %3 for registers")
            .arg(start)
            .arg(coilEnd)
            .arg(registerEnd);
    };
    switch (col) {
        case Slot:
            return RequestCheckTexts::tr("up to %1 requests").arg(kMaxRequests);
        case Address:
            return NumberRange{0, kCoils.address}.text();
        case NumWord:
            return RequestCheckTexts::tr("%1 coils, %2 registers read, %3 registers written")
                .arg(NumberRange{0, kCoils.count}.text(),
                     NumberRange{0, kRegisterRead.count}.text(),
                     NumberRange{0, kRegisterWrite.count}.text());
        case AddressSlave:
            return sumLimit(shownHeading(requestColumnName(AddressSlave)), kCoils.slaveEnd,
                            kRegisterRead.slaveEnd);
        case AddressMaster:
            return sumLimit(shownHeading(requestColumnName(AddressMaster)), kCoils.masterEnd,
                            kRegisterRead.masterEnd);
        case Function: {
            QStringList entries;
            for (int i = 0; i < functionEntries().size(); ++i)
                entries.append(
                    QStringLiteral("%1 %2").arg(i).arg(shownEntry(functionEntries().at(i))));
            return NumberRange{0, functionEntries().size() - 1}.text() + QStringLiteral(": ") +
                   entries.join(QStringLiteral(", "));
        }
        case Timeout:
            return kTimeout.text(QStringLiteral("ms"));
        case Name:
            return nameLimits();
        default:
            return QString();
    }
}

namespace {

std::optional<TableFault> checkRequestRows(const QList<QStringList> &rows)
{
    for (int r = 0; r < rows.size(); ++r) {
        for (int col = requestcol::Address; col < requestcol::Count; ++col) {
            if (!hextext::wholeNumber(rows.at(r).value(col - 1)))
                return TableFault{r + 1, col, RequestCheckTexts::tr("It is not a whole number.")};
        }
        const QString refusal = nameRefusal(requestName(rows.at(r)));
        if (!refusal.isEmpty())
            return TableFault{r + 1, requestcol::Name, refusal};
    }
    const auto fault = checkRequestTable(rows);
    if (!fault)
        return std::nullopt;
    // Codes 0 to 5 name the columns in table order; 6 the number of rows.
    const int col = fault->code == 6 ? -1 : requestcol::Address + fault->code;
    const int row = fault->code == 6 ? kMaxRequests + 1 : fault->row;
    return TableFault{row, col, gridFaultMessage(*fault)};
}

}  // namespace

const CsvTable &requestCsvTable()
{
    static const CsvTable table = [] {
        CsvTable t;
        for (int col = 0; col < requestcol::TableCount; ++col)
            t.headings.append(requestColumnName(col));
        t.lastColumnOptional = true;
        t.check = checkRequestRows;
        return t;
    }();
    return table;
}

}  // namespace plc
