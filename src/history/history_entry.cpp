#include "history_entry.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

namespace plc {

namespace {

// Null in JSON where there is nothing to say, rather than an empty text.
QJsonValue textOrNull(const QString &text)
{
    return text.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QString textOf(const QJsonObject &json, const char *key)
{
    const QJsonValue value = json.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

}  // namespace

QString historyTimeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QString HistoryEntry::portText() const
{
    return portNumber > 0 ? QStringLiteral("COM%1").arg(portNumber) : device;
}

QString HistoryEntry::resultText() const
{
    QString text;
    if (outcome == QLatin1String("done"))
        text = verified ? QCoreApplication::translate("plc::HistoryEntry", "done and verified")
                        : QCoreApplication::translate("plc::HistoryEntry", "done");
    else
        text = message.isEmpty() ? outcome : message;
    if (partial)
        text += QCoreApplication::translate("plc::HistoryEntry",
                                            " (the controller may hold a partial configuration)");
    return text;
}

QJsonObject HistoryEntry::toJson() const
{
    return {{QStringLiteral("time"), historyTimeText(time)},
            {QStringLiteral("user"), user},
            {QStringLiteral("host"), host},
            {QStringLiteral("version"), version},
            {QStringLiteral("port"), portNumber > 0 ? QJsonValue(portText()) : QJsonValue()},
            {QStringLiteral("device"), device},
            {QStringLiteral("cpuType"), cpuType ? QJsonValue(*cpuType) : QJsonValue()},
            {QStringLiteral("action"), action},
            {QStringLiteral("file"), textOrNull(file)},
            {QStringLiteral("sha256"), QString::fromLatin1(sha256)},
            {QStringLiteral("bytes"), bytes},
            {QStringLiteral("outcome"), outcome},
            {QStringLiteral("message"), message},
            {QStringLiteral("partial"), partial},
            {QStringLiteral("verified"), verified}};
}

HistoryEntry HistoryEntry::fromJson(const QJsonObject &json)
{
    HistoryEntry entry;
    entry.time = QDateTime::fromString(textOf(json, "time"), Qt::ISODateWithMs);
    entry.user = textOf(json, "user");
    entry.host = textOf(json, "host");
    entry.version = textOf(json, "version");
    const QString port = textOf(json, "port");
    if (port.startsWith(QLatin1String("COM")))
        entry.portNumber = port.mid(3).toInt();
    entry.device = textOf(json, "device");
    const QJsonValue cpuType = json.value(QLatin1String("cpuType"));
    if (cpuType.isDouble())
        entry.cpuType = cpuType.toInt();
    entry.action = textOf(json, "action");
    entry.file = textOf(json, "file");
    entry.sha256 = textOf(json, "sha256").toLatin1();
    entry.bytes = qint64(json.value(QLatin1String("bytes")).toDouble());
    entry.outcome = textOf(json, "outcome");
    entry.message = textOf(json, "message");
    entry.partial = json.value(QLatin1String("partial")).toBool();
    entry.verified = json.value(QLatin1String("verified")).toBool();
    return entry;
}

QByteArray historyLineOf(const HistoryEntry &entry)
{
    return QJsonDocument(entry.toJson()).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<HistoryLine> parseHistoryLine(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    HistoryLine line{HistoryEntry::fromJson(document.object()), text};
    if (!line.entry.time.isValid())
        return std::nullopt;
    return line;
}

}  // namespace plc
