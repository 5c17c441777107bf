#include "project_compare.h"

#include "aux_mode_word.h"
#include "io_map.h"
#include "port_word.h"
#include "request_record.h"
#include "row_name.h"
#include "sensor_record.h"
#include "shown_words.h"

#include <QCoreApplication>

#include <functional>

namespace plc {

namespace {

const QStringList kUartModes = {QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Master")),
                                QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Slave")),
                                QStringLiteral(QT_TRANSLATE_NOOP("plc::ListEntries", "Not use"))};

// Cells compare as numbers when both are whole numbers ("010" is 10; "0A" is 0A), else as
// hexadecimal bytes do, in any case.
bool sameCell(const QString &a, const QString &b)
{
    bool aNumber = false;
    bool bNumber = false;
    const qlonglong x = a.trimmed().toLongLong(&aNumber);
    const qlonglong y = b.trimmed().toLongLong(&bNumber);
    if (aNumber && bNumber)
        return x == y;
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Collects the differences of one part.
class PartCompare {
public:
    PartCompare(ProjectPart part, QList<Difference> &out) : m_part(part), m_out(out) {}

    void add(const QString &column, const QString &left, const QString &right, int row = 0,
             const QString &rowName = QString())
    {
        m_out.append({m_part, row, column, left, right, rowName});
    }
    // A list choice, shown by its entry.
    void choice(const QString &column, const QStringList &entries, int left, int right)
    {
        if (left != right)
            add(column, entries.value(left), entries.value(right));
    }
    void cell(const QString &column, const QString &left, const QString &right, int row = 0,
              const QString &rowName = QString())
    {
        if (!sameCell(left, right))
            add(column, left, right, row, rowName);
    }
    // A table's rows, cell by cell, the columns from 1 to cols - 1 named by columnName; the cell
    // at nameCell names the row.
    void rows(const QList<QStringList> &left, const QList<QStringList> &right,
              const std::function<QString(int)> &columnName, int cols, int nameCell)
    {
        if (left.size() != right.size())
            add(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "rows")),
                QString::number(left.size()), QString::number(right.size()));
        for (int row = 0; row < qMin(left.size(), right.size()); ++row) {
            const QStringList &l = left.at(row);
            const QStringList &r = right.at(row);
            const QString name =
                l.value(nameCell).isEmpty() ? r.value(nameCell) : l.value(nameCell);
            for (int col = 0; col < cols - 1; ++col) {
                // Names are text: "Pump 02" is not "Pump 2".
                if (col == nameCell && l.value(col) != r.value(col))
                    add(columnName(col + 1), l.value(col), r.value(col), row + 1, name);
                else if (col != nameCell)
                    cell(columnName(col + 1), l.value(col), r.value(col), row + 1, name);
            }
        }
    }

private:
    ProjectPart m_part;
    QList<Difference> &m_out;
};

void compareUart(PartCompare &compare, const UartTabState &left, const UartTabState &right,
                 Compared compared)
{
    const PortSettings &l = left.settings;
    const PortSettings &r = right.settings;
    if (l.mode != r.mode) {
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "mode")), kUartModes,
                       int(l.mode), int(r.mode));
        return;
    }
    if (l.mode == UartMode::NotUse)
        return;
    compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "speed")),
                   speedEntries(), l.speed, r.speed);
    compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "parity")),
                   parityEntries(), l.parity, r.parity);
    const bool files = compared == Compared::FileValues;
    if (files) {
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "bit number")),
                       bitEntries(), left.bits, right.bits);
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "stop bits")),
                       stopEntries(), left.stop, right.stop);
    }
    if (l.mode == UartMode::ModbusSlave) {
        compare.cell(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "address")), l.address,
                     r.address);
        if (files)
            compare.cell(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "timeout")),
                         l.timeout, r.timeout);
        return;
    }
    // The controller holds no names.
    compare.rows(left.requests, right.requests, &requestColumnName,
                 files ? requestcol::TableCount : requestcol::Count, requestcol::Name - 1);
}

void compareAux(PartCompare &compare, const Project &left, const Project &right, Compared compared)
{
    const int mode = left.config.auxMode;
    if (mode != right.config.auxMode) {
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "mode")),
                       auxModeEntries(), mode, right.config.auxMode);
    } else if (mode == int(AuxMode::OneWireMaster)) {
        const bool files = compared == Compared::FileValues;
        compare.rows(left.config.sensors, right.config.sensors, &sensorColumnName,
                     files ? sensorcol::TableCount : sensorcol::Count, sensorcol::Name - 1);
    } else if (mode == int(AuxMode::FieldNet)) {
        const FieldNetEntries &entries = fieldNetEntries();
        const FieldNetSettings &l = left.fieldNet;
        const FieldNetSettings &r = right.fieldNet;
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "speed")),
                       entries.speeds, l.speed, r.speed);
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "parity")),
                       entries.parities, l.parity, r.parity);
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "data bits")),
                       entries.bits, l.bits, r.bits);
        compare.choice(QStringLiteral(QT_TRANSLATE_NOOP("plc::ProjectCompare", "stop bits")),
                       entries.stops, l.stop, r.stop);
    }
}

// A point's function as the chooser names it.
QString functionText(quint8 pointType)
{
    switch (IoType(pointType)) {
        case IoType::Input:
            return choiceTexts().at(int(IoChoice::Input));
        case IoType::Output:
            return choiceTexts().at(int(IoChoice::Output));
        case IoType::NotUsed:
            break;
    }
    return choiceTexts().at(int(IoChoice::NotUse));
}

void compareIoMap(PartCompare &compare, const IoMap &left, const IoMap &right, Compared compared)
{
    for (int point = 0; point < kIoPoints; ++point) {
        if (left.pointTypes.at(point) != right.pointTypes.at(point))
            compare.add(QStringLiteral("Function"), functionText(left.pointTypes.at(point)),
                        functionText(right.pointTypes.at(point)), point + 1);
        else if (compared == Compared::FileValues && left.name.at(point) != right.name.at(point))
            compare.add(QStringLiteral("Prog.name"), left.name.at(point), right.name.at(point),
                        point + 1);
    }
}

}  // namespace

bool Difference::operator==(const Difference &other) const
{
    return part == other.part && row == other.row && column == other.column && left == other.left &&
           right == other.right && rowName == other.rowName;
}

QList<Difference> projectDifferences(const Project &left, const Project &right,
                                     const ProjectParts &parts, Compared compared)
{
    QList<Difference> out;
    for (ProjectPart part : allProjectParts()) {
        if (!parts.contains(part))
            continue;
        PartCompare compare(part, out);
        switch (part) {
            case ProjectPart::Uart1:
                compareUart(compare, left.config.uarts[0], right.config.uarts[0], compared);
                break;
            case ProjectPart::Uart2:
                compareUart(compare, left.config.uarts[1], right.config.uarts[1], compared);
                break;
            case ProjectPart::OneWire:
                compareAux(compare, left, right, compared);
                break;
            case ProjectPart::IoMap:
                compareIoMap(compare, left.ioMap, right.ioMap, compared);
                break;
        }
    }
    return out;
}

Difference shownDifference(const Difference &difference)
{
    Difference shown = difference;
    const QString column =
        QCoreApplication::translate("plc::ProjectCompare", difference.column.toUtf8().constData());
    shown.column = column != difference.column ? column : shownHeading(difference.column);
    // List choices show their entries; a table's cells are the user's own texts.
    const bool choice = difference.row == 0 || (difference.part == ProjectPart::IoMap &&
                                                difference.column == QLatin1String("Function"));
    if (choice) {
        shown.left = shownEntry(difference.left);
        shown.right = shownEntry(difference.right);
    }
    return shown;
}

QString differenceLine(const Difference &difference, const QString &leftName,
                       const QString &rightName)
{
    const Difference shown = shownDifference(difference);
    QString where = partKey(difference.part);
    if (difference.part == ProjectPart::IoMap && difference.row > 0)
        where +=
            QCoreApplication::translate("plc::ProjectCompare", " point %1").arg(difference.row - 1);
    else if (difference.row > 0)
        where += QCoreApplication::translate("plc::ProjectCompare", " row %1")
                     .arg(namedRowText(difference.row, difference.rowName));
    return QStringLiteral("%1 %2: %3 %4, %5 %6")
        .arg(where, shown.column, leftName, shown.left, rightName, shown.right);
}

QStringList differenceLines(const QList<Difference> &differences, const QString &leftName,
                            const QString &rightName)
{
    QStringList lines;
    for (const Difference &difference : differences)
        lines.append(differenceLine(difference, leftName, rightName));
    return lines;
}

ProjectParts differingParts(const QList<Difference> &differences)
{
    ProjectParts parts;
    for (ProjectPart part : allProjectParts()) {
        for (const Difference &difference : differences) {
            if (difference.part == part) {
                parts.append(part);
                break;
            }
        }
    }
    return parts;
}

}  // namespace plc
