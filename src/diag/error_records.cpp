#include "error_records.h"

#include <QCoreApplication>
#include <array>

namespace plc {

namespace {

// By Modbus error code. The controller's own numbering of the "MBErr" texts does not follow
// the codes, and codes 9 and 19 on have no text.
const std::array<const char *, 19> kModbusDescriptions = {
    "",
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "illegal register address "),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", " illegal argument "),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", " receive data error "),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", " timeout error occurred  "),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "master is busy now "),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "execute function error "),
    "MBErr 8",
    "MBErr 9",
    "",
    "MBErr 10",
    "MBErr 11",
    "MBErr 12",
    "MBErr 13",
    "MBErr 13",
    "MBErr 14",
    "MBErr 15",
    "MBErr 16",
    "MBErr 17",
};

// The texts before a 1-wire record's error count.
const char *const kClassTexts[] = {
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "General error number :"),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "Timeout error number :"),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "No any device error :"),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "No device found error :"),
    QT_TRANSLATE_NOOP("plc::ErrorRecords", "Number of error :")};

// The text before the error count, by error class (bits 5-7) other than 0.
QString oneWireClassText(int errorClass, bool upper)
{
    switch (errorClass) {
        case 0xA0:
            return QLatin1String(kClassTexts[0]);
        case 0xC0:
            return QLatin1String(kClassTexts[1]);
        case 0xE0:
            return QLatin1String(upper ? kClassTexts[2] : kClassTexts[3]);
        default:
            return QLatin1String(kClassTexts[4]);
    }
}

QString translated(const QString &text)
{
    return QCoreApplication::translate("plc::ErrorRecords", text.toLatin1().constData());
}

}  // namespace

ErrorRow modbusRecord(int uart, int number, quint8 record)
{
    ErrorRow row;
    if (record == 0)
        row.state = QStringLiteral(QT_TRANSLATE_NOOP("plc::ErrorRecords", "No error"));
    else if (record != 0x80)
        row.state = QStringLiteral(QT_TRANSLATE_NOOP("plc::ErrorRecords", "Active error"));
    else if (uart == 2 && number >= kFirstUpperRecord)
        row.state = QStringLiteral(QT_TRANSLATE_NOOP("plc::ErrorRecords", "Old error"));
    else
        row.state = QStringLiteral(QT_TRANSLATE_NOOP("plc::ErrorRecords", "Inactive error"));
    const int code = record & 0x7F;
    if (code < int(kModbusDescriptions.size()))
        row.description = QString::fromLatin1(kModbusDescriptions[size_t(code)]);
    return row;
}

ErrorRow oneWireRecord(int number, quint8 record)
{
    ErrorRow row;
    row.state = (record & 0x80) ? QStringLiteral("Active error") : QStringLiteral("No error");
    // Class 0 shows no description, not even the count.
    const int errorClass = record & 0xE0;
    if (errorClass != 0) {
        row.description = oneWireClassText(errorClass, number >= kFirstUpperRecord) +
                          QString::number(record & 0x1F);
    }
    return row;
}

QString uart1BufferCaption()
{
    return QCoreApplication::translate("plc::ErrorRecords", "UART1 modbus error buffer");
}

QString uart2BufferCaption()
{
    return QCoreApplication::translate("plc::ErrorRecords", "UART2 modbus error buffer");
}

QString oneWireBufferCaption()
{
    return QCoreApplication::translate("plc::ErrorRecords", "1-wire error slave buffer");
}

ErrorRow shownErrorRow(const ErrorRow &row)
{
    ErrorRow shown{translated(row.state), translated(row.description)};
    // A 1-wire record's description: its class text, then the count.
    for (const char *classText : kClassTexts) {
        if (row.description.startsWith(QLatin1String(classText))) {
            shown.description = translated(QLatin1String(classText)) +
                                row.description.mid(qsizetype(qstrlen(classText)));
        }
    }
    return shown;
}

// The headings as the window shows them in another language.
[[maybe_unused]] const char *const kShownErrorHeadings[] = {
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Slot"), QT_TRANSLATE_NOOP("plc::TableHeadings", "Num"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Errors  type"),
    QT_TRANSLATE_NOOP("plc::TableHeadings", "Short descriptions of error")};

}  // namespace plc
