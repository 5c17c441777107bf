#include "bench_report.h"

#include "csv_table.h"
#include "multi_port.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace plc {

namespace {

QString secondsText(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 1);
}

QString csvLine(const QStringList &cells)
{
    QStringList fields;
    for (const QString &cell : cells)
        fields.append(csvField(cell));
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

}  // namespace

QByteArray benchReportCsv(const QList<BenchReportRow> &rows)
{
    QString csv =
        csvLine({QStringLiteral("Port"), QStringLiteral("Device"), QStringLiteral("CPU type"),
                 QStringLiteral("Steps"), QStringLiteral("Result"), QStringLiteral("Time [s]"),
                 QStringLiteral("Partial")});
    for (const BenchReportRow &row : rows) {
        const BenchResult &r = row.result;
        csv += csvLine({portTag(row.port), row.port.device, r.cpuType,
                        r.stepsDone.join(QStringLiteral(", ")), r.text, secondsText(r.ms),
                        r.partial ? QStringLiteral("yes") : QStringLiteral("no")});
    }
    return csv.toUtf8();
}

QByteArray benchReportJson(const QList<BenchReportRow> &rows)
{
    QJsonArray all;
    for (const BenchReportRow &row : rows) {
        const BenchResult &r = row.result;
        all.append(QJsonObject{{QStringLiteral("port"), portTag(row.port)},
                               {QStringLiteral("device"), row.port.device},
                               {QStringLiteral("cpuType"), r.cpuType},
                               {QStringLiteral("steps"), QJsonArray::fromStringList(r.stepsDone)},
                               {QStringLiteral("passed"), r.passed},
                               {QStringLiteral("result"), r.text},
                               {QStringLiteral("seconds"), double(r.ms) / 1000.0},
                               {QStringLiteral("partial"), r.partial}});
    }
    return QJsonDocument(all).toJson(QJsonDocument::Indented);
}

}  // namespace plc
