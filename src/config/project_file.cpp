#include "project_file.h"

#include "config_file.h"
#include "failure.h"
#include "hex_text.h"
#include "port_word.h"
#include "request_check.h"
#include "request_record.h"
#include "sensor_check.h"
#include "shown_words.h"
#include "whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <utility>

namespace plc {

namespace {

// The texts of the project file's refusals, for the translator.
struct ProjectFileTexts {
    Q_DECLARE_TR_FUNCTIONS(plc::ProjectFile)
};

// One description of the file's fields, read by the writer and the reader alike.

const QString kFormat = QStringLiteral("plc-config project");
const QString kSavedBy = QStringLiteral("plc-config ") + QStringLiteral(PLC_VERSION);

// The window's list entries in list order. The two parity lists differ in order, so an index
// in the file would mean one thing on a UART and another on Field Net: the entry text does not.
const QStringList kUartModes = {QStringLiteral("Modbus master"), QStringLiteral("Modbus slave"),
                                QStringLiteral("Not use")};
const QStringList &kUartBits = bitEntries();
const QStringList &kUartStops = stopEntries();
const QStringList &kAuxModes = auxModeEntries();
const QStringList &kFieldNetSpeeds = fieldNetEntries().speeds;
const QStringList &kFieldNetParities = fieldNetEntries().parities;
const QStringList &kFieldNetBits = fieldNetEntries().bits;
const QStringList &kFieldNetStops = fieldNetEntries().stops;

// A list choice of a value of type S: its key, the list's entries and the index it sets.
template <typename S>
struct ListField {
    const char *key;
    const QStringList &entries;
    int &(*index)(S &);
};

const ListField<UartTabState> kUartLists[] = {
    {"speed", speedEntries(),
     [](UartTabState &s) -> int & {
         return s.settings.speed;
     }},
    {"parity", parityEntries(),
     [](UartTabState &s) -> int & {
         return s.settings.parity;
     }},
    {"bits", kUartBits,
     [](UartTabState &s) -> int & {
         return s.bits;
     }},
    {"stop", kUartStops,
     [](UartTabState &s) -> int & {
         return s.stop;
     }},
};
const ListField<FieldNetSettings> kFieldNetLists[] = {
    {"speed", kFieldNetSpeeds,
     [](FieldNetSettings &s) -> int & {
         return s.speed;
     }},
    {"parity", kFieldNetParities,
     [](FieldNetSettings &s) -> int & {
         return s.parity;
     }},
    {"bits", kFieldNetBits,
     [](FieldNetSettings &s) -> int & {
         return s.bits;
     }},
    {"stop", kFieldNetStops,
     [](FieldNetSettings &s) -> int & {
         return s.stop;
     }},
};

// A slave box: its key, what the configuration file can keep of it, and its text.
struct BoxField {
    const char *key;
    NumberRange range;
    QString &(*text)(UartTabState &);
};
const BoxField kUartBoxes[] = {
    {"slaveAddress",
     {0, 255},
     [](UartTabState &s) -> QString & {
         return s.settings.address;
     }},
    {"slaveTimeoutMs",
     {-2147483648LL, 2147483647LL},
     [](UartTabState &s) -> QString & {
         return s.settings.timeout;
     }},
};

// The request table's columns from Address on.
const char *const kRequestKeys[] = {"address",       "numWord",  "addressSlave",
                                    "addressMaster", "function", "timeoutMs"};
constexpr int kTableRequestCols = requestcol::Count - 1;
static_assert(std::size(kRequestKeys) == kTableRequestCols);
// A row's name, the last key of its line; written only for a named row, so that the files of
// projects without names keep their bytes.
const char *const kNameKey = "name";

// ---- Writing: the text is made by hand, as a JSON document keeps no key order.

using Members = QList<std::pair<const char *, QByteArray>>;  // key, its value's JSON text

QByteArray quoted(const QString &text)
{
    // Most texts need no escape: a cell, a list entry.
    const auto needsEscape = [](QChar c) {
        return c == QLatin1Char('"') || c == QLatin1Char('\\') || c.unicode() < 0x20;
    };
    if (std::none_of(text.cbegin(), text.cend(), needsEscape))
        return '"' + text.toUtf8() + '"';
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                out += QStringLiteral("\\\"");
                break;
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                else
                    out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

// What the user typed as a number; a text that is none stays text, so nothing is lost.
QByteArray numberOrText(const QString &text)
{
    const auto value = hextext::wholeNumber(text);
    return value ? QByteArray::number(*value) : quoted(text);
}

QByteArray keyed(const std::pair<const char *, QByteArray> &member)
{
    return '"' + QByteArray(member.first) + "\": " + member.second;
}

// {"a": 1, "b": 2} on one line: a table row.
QByteArray line(const Members &members)
{
    QByteArrayList parts;
    for (const auto &m : members)
        parts.append(keyed(m));
    return '{' + parts.join(", ") + '}';
}

// One member a line, indented by `indent` blanks.
QByteArray block(const Members &members, int indent)
{
    const QByteArray inner(indent + 2, ' ');
    QByteArrayList parts;
    for (const auto &m : members)
        parts.append(inner + keyed(m));
    return "{\n" + parts.join(",\n") + '\n' + QByteArray(indent, ' ') + '}';
}

QByteArray rowList(const QByteArrayList &rows, int indent)
{
    if (rows.isEmpty())
        return "[]";
    const QByteArray inner(indent + 2, ' ');
    return "[\n" + inner + rows.join(",\n" + inner) + '\n' + QByteArray(indent, ' ') + ']';
}

// Takes a copy: the list fields reach their index through a reference they may also write.
QByteArray uartText(UartTabState uart, int indent)
{
    Members members = {{"mode", quoted(kUartModes.value(int(uart.settings.mode)))}};
    for (const auto &list : kUartLists)
        members.append({list.key, quoted(list.entries.value(list.index(uart)))});
    for (const BoxField &box : kUartBoxes)
        members.append({box.key, numberOrText(box.text(uart))});
    QByteArrayList rows;
    for (const QStringList &row : uart.requests) {
        Members cells;
        for (int k = 0; k < kTableRequestCols; ++k)
            cells.append({kRequestKeys[k], numberOrText(row.value(k))});
        if (!requestName(row).isEmpty())
            cells.append({kNameKey, quoted(requestName(row))});
        rows.append(line(cells));
    }
    members.append({"requests", rowList(rows, indent + 2)});
    return block(members, indent);
}

QByteArray auxText(const Project &project, int indent)
{
    FieldNetSettings fieldNet = project.fieldNet;  // a copy, as in uartText
    Members lists;
    for (const auto &list : kFieldNetLists)
        lists.append({list.key, quoted(list.entries.value(list.index(fieldNet)))});
    QByteArrayList rows;
    for (const SensorCells &sensor : project.config.sensors) {
        QByteArrayList rom;
        for (int k = 0; k < kRomBytes; ++k)
            rom.append(quoted(sensor.value(k)));
        Members cells = {{"rom", '[' + rom.join(", ") + ']'},
                         {"register", numberOrText(sensor.value(kRomBytes))}};
        if (!sensorName(sensor).isEmpty())
            cells.append({kNameKey, quoted(sensorName(sensor))});
        rows.append(line(cells));
    }
    return block({{"mode", quoted(kAuxModes.value(project.config.auxMode))},
                  {"fieldNet", line(lists)},
                  {"sensors", rowList(rows, indent + 2)}},
                 indent);
}

QByteArray ioMapText(const IoMap &map, int indent)
{
    QByteArrayList rows;
    for (int point = 0; point < kIoPoints; ++point) {
        rows.append(line({{"point", QByteArray::number(point)},
                          {"function", quoted(map.function.at(point))},
                          {"name", quoted(map.name.at(point))}}));
    }
    return rowList(rows, indent);
}

// ---- Reading

[[noreturn]] void refuse(const QString &what)
{
    throw Failure(ProjectFileTexts::tr("The project file cannot be read: %1.").arg(what));
}

// A value as the refusal quotes it.
QString shown(const QJsonValue &value)
{
    switch (value.type()) {
        case QJsonValue::String:
            return QString::fromUtf8(quoted(value.toString()));
        case QJsonValue::Double:
            return QString::number(value.toDouble(), 'g', 17);
        case QJsonValue::Bool:
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QJsonValue::Array:
            return ProjectFileTexts::tr("a list");
        case QJsonValue::Object:
            return ProjectFileTexts::tr("an object");
        default:
            return ProjectFileTexts::tr("nothing");
    }
}

[[noreturn]] void refuseValue(const QString &where, const QJsonValue &value, const QString &fits)
{
    refuse(ProjectFileTexts::tr("%1 holds %2; %3 fits there").arg(where, shown(value), fits));
}

// Line and column (from 1) of a byte offset into UTF-8 text: where the parser stopped.
std::pair<int, int> lineAndColumn(const QByteArray &bytes, int offset)
{
    const QByteArray before = bytes.left(offset);
    const int lineStart = int(before.lastIndexOf('\n')) + 1;
    return {int(before.count('\n')) + 1, int(QString::fromUtf8(before.mid(lineStart)).size()) + 1};
}

// The whole number a JSON number holds, when it holds one.
std::optional<qint64> wholeOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (std::trunc(d) != d || std::fabs(d) > 9007199254740992.0)
        return std::nullopt;
    return qint64(d);
}

QString quotedList(const QStringList &entries)
{
    QStringList items;
    for (const QString &e : entries)
        items.append(QString::fromUtf8(quoted(e)));
    return items.join(QStringLiteral(", "));
}

// The first fault a table's own check finds in rows that came from the file.
void checkTable(const CsvTable &table, const QList<QStringList> &rows, const QString &name)
{
    const auto fault = table.check(rows);
    if (!fault)
        return;
    if (fault->col < 0)
        refuse(ProjectFileTexts::tr("%1: %2").arg(name, fault->reason));
    refuse(ProjectFileTexts::tr("%1, row %2, column \"%3\" holds \"%4\": %5")
               .arg(name)
               .arg(fault->row)
               .arg(shownHeading(table.headings.value(fault->col)),
                    rows.value(fault->row - 1).value(fault->col - 1), fault->reason));
}

QString cellWhere(const QString &table, int row, const QString &heading)
{
    return ProjectFileTexts::tr("%1, row %2, column \"%3\"")
        .arg(table)
        .arg(row)
        .arg(shownHeading(heading));
}

// A whole number as the window's text; a refusal naming where() otherwise. The name is made only
// for a refusal: a project holds thousands of cells.
template <typename Where>
QString wholeText(const QJsonValue &value, const Where &where, const QString &fits)
{
    const auto number = wholeOf(value);
    if (!number)
        refuseValue(where(), value, fits);
    return QString::number(*number);
}

// One file being read: its values checked as they are taken, unknown keys noted.
class ProjectReader {
public:
    Project read(QJsonObject root);
    const QStringList &ignored() const { return m_ignored; }

private:
    // Notes the keys of `object` (at `path`) that are not in `known`.
    void noteUnknown(const QJsonObject &object, const QString &path,
                     std::initializer_list<const char *> known);
    QJsonValue member(const QJsonObject &object, const QString &path, const char *key);
    QJsonObject objectAt(const QJsonObject &object, const QString &path, const char *key);
    QJsonArray arrayAt(const QJsonObject &object, const QString &path, const char *key);
    QString textAt(const QJsonObject &object, const QString &path, const char *key);
    int choiceAt(const QJsonObject &object, const QString &path, const char *key,
                 const QStringList &entries);
    // A row's name, a text, as the row's last cell; an unnamed row has no name cell.
    void takeRowName(const QJsonObject &row, const QString &path, QStringList &cells);

    UartTabState uart(const QJsonObject &root, int number);
    QList<QStringList> requests(const QJsonArray &rows, const QString &path, int number);
    void auxPort(const QJsonObject &root, Project &project);
    QList<QStringList> sensors(const QJsonArray &rows, const QString &path);
    IoMap ioMap(const QJsonObject &root);

    QStringList m_ignored;
};

QString childPath(const QString &path, const char *key)
{
    return path.isEmpty() ? QLatin1String(key) : path + QLatin1Char('.') + QLatin1String(key);
}

QString rowPath(const QString &path, int row)
{
    return QStringLiteral("%1[%2]").arg(path).arg(row);
}

void ProjectReader::noteUnknown(const QJsonObject &object, const QString &path,
                                std::initializer_list<const char *> known)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (std::find_if(known.begin(), known.end(), [&](const char *k) {
                return it.key() == QLatin1String(k);
            }) == known.end())
            m_ignored.append(path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key());
    }
}

QJsonValue ProjectReader::member(const QJsonObject &object, const QString &path, const char *key)
{
    const auto it = object.constFind(QLatin1String(key));
    if (it == object.constEnd())
        refuse(ProjectFileTexts::tr("%1 is missing").arg(childPath(path, key)));
    return it.value();
}

QJsonObject ProjectReader::objectAt(const QJsonObject &object, const QString &path, const char *key)
{
    const QJsonValue value = member(object, path, key);
    if (!value.isObject())
        refuseValue(childPath(path, key), value, ProjectFileTexts::tr("an object"));
    return value.toObject();
}

QJsonArray ProjectReader::arrayAt(const QJsonObject &object, const QString &path, const char *key)
{
    const QJsonValue value = member(object, path, key);
    if (!value.isArray())
        refuseValue(childPath(path, key), value, ProjectFileTexts::tr("a list"));
    return value.toArray();
}

QString ProjectReader::textAt(const QJsonObject &object, const QString &path, const char *key)
{
    const QJsonValue value = member(object, path, key);
    if (!value.isString())
        refuseValue(childPath(path, key), value, ProjectFileTexts::tr("a text"));
    return value.toString();
}

int ProjectReader::choiceAt(const QJsonObject &object, const QString &path, const char *key,
                            const QStringList &entries)
{
    const QJsonValue value = member(object, path, key);
    const int index = value.isString() ? int(entries.indexOf(value.toString())) : -1;
    if (index < 0)
        refuseValue(childPath(path, key), value,
                    ProjectFileTexts::tr("one of %1").arg(quotedList(entries)));
    return index;
}

void ProjectReader::takeRowName(const QJsonObject &row, const QString &path, QStringList &cells)
{
    if (!row.contains(QLatin1String(kNameKey)))
        return;
    const QString name = textAt(row, path, kNameKey);
    if (!name.isEmpty())
        cells.append(name);
}

QList<QStringList> ProjectReader::requests(const QJsonArray &rows, const QString &path, int number)
{
    const QString table = ProjectFileTexts::tr("the UART %1 request table").arg(number);
    QList<QStringList> cells;
    for (int r = 0; r < rows.size(); ++r) {
        const QString here = rowPath(path, r + 1);
        if (!rows.at(r).isObject())
            refuseValue(here, rows.at(r), ProjectFileTexts::tr("an object"));
        const QJsonObject row = rows.at(r).toObject();
        noteUnknown(row, here,
                    {kRequestKeys[0], kRequestKeys[1], kRequestKeys[2], kRequestKeys[3],
                     kRequestKeys[4], kRequestKeys[5], kNameKey});
        QStringList texts;
        for (int k = 0; k < kTableRequestCols; ++k) {
            texts.append(wholeText(
                member(row, here, kRequestKeys[k]),
                [&] { return cellWhere(table, r + 1, requestColumnName(k + 1)); },
                ProjectFileTexts::tr("a whole number")));
        }
        takeRowName(row, here, texts);
        cells.append(texts);
    }
    checkTable(requestCsvTable(), cells, table);
    return cells;
}

UartTabState ProjectReader::uart(const QJsonObject &root, int number)
{
    const QByteArray key = "uart" + QByteArray::number(number);
    const QString path = QLatin1String(key);
    const QJsonObject part = objectAt(root, QString(), key.constData());
    noteUnknown(
        part, path,
        {"mode", "speed", "parity", "bits", "stop", "slaveAddress", "slaveTimeoutMs", "requests"});
    UartTabState state;
    state.settings.mode = UartMode(choiceAt(part, path, "mode", kUartModes));
    for (const auto &list : kUartLists)
        list.index(state) = choiceAt(part, path, list.key, list.entries);
    for (const BoxField &box : kUartBoxes) {
        const QString where = childPath(path, box.key);
        const QString fits = ProjectFileTexts::tr("a whole number from %1 to %2")
                                 .arg(box.range.low)
                                 .arg(box.range.high);
        const QString text = wholeText(
            member(part, path, box.key), [&] { return where; }, fits);
        if (!box.range.contains(text.toLongLong()))
            refuseValue(where, member(part, path, box.key), fits);
        box.text(state) = text;
    }
    state.requests = requests(arrayAt(part, path, "requests"), childPath(path, "requests"), number);
    return state;
}

QList<QStringList> ProjectReader::sensors(const QJsonArray &rows, const QString &path)
{
    const QString table = ProjectFileTexts::tr("the 1-wire sensor table");
    QList<QStringList> cells;
    for (int r = 0; r < rows.size(); ++r) {
        const QString here = rowPath(path, r + 1);
        if (!rows.at(r).isObject())
            refuseValue(here, rows.at(r), ProjectFileTexts::tr("an object"));
        const QJsonObject row = rows.at(r).toObject();
        noteUnknown(row, here, {"rom", "register", kNameKey});
        const QJsonArray rom = arrayAt(row, here, "rom");
        if (rom.size() != kRomBytes)
            refuse(ProjectFileTexts::tr("%1 holds %2 bytes; a sensor has %3")
                       .arg(childPath(here, "rom"))
                       .arg(rom.size())
                       .arg(kRomBytes));
        QStringList texts;
        for (int k = 0; k < kRomBytes; ++k) {
            if (!rom.at(k).isString())
                refuseValue(cellWhere(table, r + 1, sensorColumnName(sensorcol::Byte0 + k)),
                            rom.at(k), ProjectFileTexts::tr("a text of two hexadecimal digits"));
            texts.append(rom.at(k).toString());
        }
        texts.append(wholeText(
            member(row, here, "register"),
            [&] { return cellWhere(table, r + 1, sensorColumnName(sensorcol::Register)); },
            ProjectFileTexts::tr("a whole number")));
        takeRowName(row, here, texts);
        cells.append(texts);
    }
    checkTable(sensorCsvTable(), cells, table);
    return cells;
}

void ProjectReader::auxPort(const QJsonObject &root, Project &project)
{
    const QString path = QStringLiteral("auxPort");
    const QJsonObject part = objectAt(root, QString(), "auxPort");
    noteUnknown(part, path, {"mode", "fieldNet", "sensors"});
    project.config.auxMode = choiceAt(part, path, "mode", kAuxModes);
    const QString fieldNetPath = childPath(path, "fieldNet");
    const QJsonObject fieldNet = objectAt(part, path, "fieldNet");
    noteUnknown(fieldNet, fieldNetPath, {"speed", "parity", "bits", "stop"});
    for (const auto &list : kFieldNetLists)
        list.index(project.fieldNet) = choiceAt(fieldNet, fieldNetPath, list.key, list.entries);
    project.config.sensors = sensors(arrayAt(part, path, "sensors"), childPath(path, "sensors"));
}

// A point's name gives its function and takes its number: "X3" input 3, "Y10" output 8.
void takeName(IoMap &map, int point, const QString &where)
{
    const QString &name = map.name.at(point);
    if (name.isEmpty())
        return;
    const bool input = name.startsWith(QLatin1Char('X'));
    bool ok = input || name.startsWith(QLatin1Char('Y'));
    const int number = ok ? name.mid(1).toInt(&ok, 8) : -1;
    ok = ok && number >= 0 && number < kIoPoints && ioName(name.at(0), number) == name;
    if (!ok)
        refuse(
            ProjectFileTexts::tr("%1 is \"%2\"; an input X0 to X24, an output Y0 to Y24 or nothing "
                                 "fits there")
                .arg(where, name));
    PointBytes &used = input ? map.inputsUsed : map.outputsUsed;
    if (used.at(number))
        refuse(ProjectFileTexts::tr("%1 is \"%2\", given to an earlier point already")
                   .arg(where, name));
    used.at(number) = 1;
    map.pointTypes.at(point) = quint8(input ? IoType::Input : IoType::Output);
}

IoMap ProjectReader::ioMap(const QJsonObject &root)
{
    const QString path = QStringLiteral("ioMap");
    const QJsonArray rows = arrayAt(root, QString(), "ioMap");
    if (rows.size() != kIoPoints)
        refuse(ProjectFileTexts::tr("%1 holds %2 points; the controller has %3")
                   .arg(path)
                   .arg(rows.size())
                   .arg(kIoPoints));
    IoMap map;
    for (int point = 0; point < kIoPoints; ++point) {
        const QString here = QStringLiteral("%1[%2]").arg(path).arg(point);
        if (!rows.at(point).isObject())
            refuseValue(here, rows.at(point), ProjectFileTexts::tr("an object"));
        const QJsonObject row = rows.at(point).toObject();
        noteUnknown(row, here, {"point", "function", "name"});
        const QJsonValue number = member(row, here, "point");
        if (wholeOf(number) != point)
            refuseValue(childPath(here, "point"), number, QString::number(point));
        map.function.at(point) = textAt(row, here, "function");
        map.name.at(point) = textAt(row, here, "name");
        takeName(map, point, ProjectFileTexts::tr("the I/O map, point %1, \"name\"").arg(point));
    }
    return map;
}

// ---- Migrations: one step per schema version, each taking a file of version n to n + 1 before
// it is read. Version 1 is the first layout; a step goes here when version 2 comes.
using Migration = void (*)(QJsonObject &root);
const std::array<Migration, kProjectSchemaVersion - 1> kMigrations = {};

Project ProjectReader::read(QJsonObject root)
{
    const QJsonValue format = root.value(QLatin1String("format"));
    if (format != kFormat)
        refuseValue(QStringLiteral("format"), format, QString::fromUtf8(quoted(kFormat)));
    const QJsonValue versionValue = member(root, QString(), "schemaVersion");
    const auto version = wholeOf(versionValue);
    if (!version || *version < 1)
        refuseValue(QStringLiteral("schemaVersion"), versionValue,
                    ProjectFileTexts::tr("a version from 1 on"));
    if (*version > kProjectSchemaVersion)
        refuse(ProjectFileTexts::tr("it has schema version %1; this program reads up to %2")
                   .arg(*version)
                   .arg(kProjectSchemaVersion));
    for (qint64 v = *version; v < kProjectSchemaVersion; ++v)
        kMigrations.at(size_t(v - 1))(root);

    noteUnknown(
        root, QString(),
        {"format", "schemaVersion", "savedBy", "note", "uart1", "uart2", "auxPort", "ioMap"});
    textAt(root, QString(), "savedBy");
    Project project;
    project.note = textAt(root, QString(), "note");
    project.config.uarts[0] = uart(root, 1);
    project.config.uarts[1] = uart(root, 2);
    auxPort(root, project);
    project.ioMap = ioMap(root);
    return project;
}

}  // namespace

QByteArray projectBytes(const Project &project)
{
    const Members top = {
        {"format", quoted(kFormat)},
        {"schemaVersion", QByteArray::number(kProjectSchemaVersion)},
        {"savedBy", quoted(kSavedBy)},
        {"note", quoted(project.note)},
        {"uart1", uartText(project.config.uarts[0], 2)},
        {"uart2", uartText(project.config.uarts[1], 2)},
        {"auxPort", auxText(project, 2)},
        {"ioMap", ioMapText(project.ioMap, 2)},
    };
    return block(top, 0) + '\n';
}

ProjectRead readProject(const QByteArray &bytes)
{
    ProjectRead result;
    try {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError) {
            const auto [line, column] = lineAndColumn(bytes, error.offset);
            refuse(ProjectFileTexts::tr("line %1, column %2: %3")
                       .arg(line)
                       .arg(column)
                       .arg(error.errorString()));
        }
        if (!doc.isObject())
            refuse(ProjectFileTexts::tr("it holds no object of settings"));
        ProjectReader reader;
        result.project = reader.read(doc.object());
        result.ignoredKeys = reader.ignored();
    } catch (const Failure &f) {
        result.refusal = f.description();
    }
    return result;
}

QString projectFilter()
{
    return ProjectFileTexts::tr("PLC project (*.plcproj);;") + configFilter();
}

bool isProjectFileName(const QString &path)
{
    return path.endsWith(QLatin1Char('.') + kProjectSuffix, Qt::CaseInsensitive);
}

Project readAnyConfigFile(const QString &path, QStringList *ignoredKeys)
{
    if (!isProjectFileName(path)) {
        Project project;
        project.config = readConfigFile(path).spread(startUpWindowConfig());
        return project;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(ProjectFileTexts::tr("Cannot open %1: %2").arg(path, file.errorString()));
    ProjectRead read = readProject(file.readAll());
    if (!read.project)
        throw Failure(ProjectFileTexts::tr("%1 is refused: %2").arg(path, read.refusal));
    if (ignoredKeys)
        *ignoredKeys = read.ignoredKeys;
    return *read.project;
}

QStringList partsLostInConfigFile(const Project &project)
{
    QStringList lost;
    const auto notWritten = [&lost](const QString &what) {
        lost.append(
            ProjectFileTexts::tr("%1 not written: the configuration file has no place for it")
                .arg(what));
    };
    if (!project.note.isEmpty())
        notWritten(ProjectFileTexts::tr("Project note"));
    const UartTabState &uart2 = project.config.uarts[1];
    const UartTabState startUp2 = startUpWindowConfig().uarts[1];
    if (uart2.bits != startUp2.bits || uart2.stop != startUp2.stop)
        notWritten(ProjectFileTexts::tr("UART 2 bit number and stop bits"));
    if (!(project.fieldNet == FieldNetSettings()))
        notWritten(ProjectFileTexts::tr("Field Net line settings"));
    if (!(project.ioMap == IoMap()))
        notWritten(ProjectFileTexts::tr("I/O map"));
    const auto named = [](const QList<QStringList> &rows, QString (*name)(const QStringList &)) {
        return std::any_of(rows.begin(), rows.end(),
                           [name](const QStringList &row) { return !name(row).isEmpty(); });
    };
    if (named(project.config.uarts[0].requests, &requestName) ||
        named(project.config.uarts[1].requests, &requestName) ||
        named(project.config.sensors, &sensorName))
        notWritten(ProjectFileTexts::tr("Request and sensor names"));
    return lost;
}

void writeAnyConfigFile(const QString &path, const Project &project)
{
    if (!isProjectFileName(path)) {
        ConfigRecord record;
        record.gather(project.config);
        writeConfigFile(path, record);
        return;
    }
    const QString reason = writeWholeFile(path, projectBytes(project));
    if (!reason.isNull())
        throw Failure(ProjectFileTexts::tr("Cannot save the project to %1: %2").arg(path, reason));
}

}  // namespace plc
