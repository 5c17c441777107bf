#include "ini_file.h"

#include "whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace plc {

namespace {

QString &overriddenPath()
{
    static QString path;
    return path;
}

constexpr int kMaxValueLength = 254;  // a 255-character buffer with its terminating zero

// The file's lines as bytes, each with the line end it had: lines the tool does not change are
// written back exactly as they were, whatever their encoding and line ends; only the text of a
// line is decoded to match names. The lines read are views of the bytes they were split from,
// which must outlive them.
struct IniLines {
    static constexpr char kNoEnd = 0, kLf = 1, kCrLf = 2;

    QList<QByteArray> lines;
    QList<char> ends;    // kNoEnd only for a last line without one
    char lineEnd = kLf;  // for lines the tool adds

    // The line's text without the blanks around it.
    QString text(int i) const { return QString::fromLocal8Bit(lines.at(i)).trimmed(); }

    void insert(int at, const QByteArray &line)
    {
        if (at > 0 && ends.at(at - 1) == kNoEnd)
            ends[at - 1] = lineEnd;
        lines.insert(at, line);
        ends.insert(at, lineEnd);
    }

    QByteArray bytes() const
    {
        qsizetype size = 2 * lines.size();
        for (const QByteArray &line : lines)
            size += line.size();
        QByteArray all;
        all.reserve(size);
        for (int i = 0; i < lines.size(); ++i) {
            all += lines.at(i);
            if (ends.at(i) == kCrLf)
                all += "\r\n";
            else if (ends.at(i) == kLf)
                all += '\n';
        }
        return all;
    }
};

QByteArray fileBytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

IniLines splitLines(const QByteArray &bytes)
{
    IniLines ini;
    const qsizetype count = bytes.count('\n') + 1;
    ini.lines.reserve(count);
    ini.ends.reserve(count);
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            ini.lines.append(
                QByteArray::fromRawData(bytes.constData() + start, bytes.size() - start));
            ini.ends.append(IniLines::kNoEnd);
            break;
        }
        const bool crlf = newline > start && bytes.at(newline - 1) == '\r';
        ini.lines.append(
            QByteArray::fromRawData(bytes.constData() + start, newline - start - (crlf ? 1 : 0)));
        ini.ends.append(crlf ? IniLines::kCrLf : IniLines::kLf);
        if (crlf)
            ini.lineEnd = IniLines::kCrLf;
        start = newline + 1;
    }
    return ini;
}

// The section a trimmed line opens, if it opens one.
std::optional<QStringView> sectionOf(QStringView t)
{
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool isKeyLine(QStringView t, const QString &key, QString *value = nullptr)
{
    if (t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0 || t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = t.mid(eq + 1).trimmed().toString();
    return true;
}

QString unquoted(QString value)
{
    if (value.size() >= 2 &&
        (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))) &&
        value.endsWith(value.at(0)))
        value = value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString chooseSettingsFile(const QString &programFolder, const QString &userFolder,
                           bool programFolderWritable)
{
    const QString name = QStringLiteral("/set.ini");
    const QString beside = programFolder + name;
    if (programFolderWritable || userFolder.isEmpty())  // no home folder: nowhere else to go
        return beside;
    const QString own = userFolder + name;
    if (QFileInfo::exists(own) || !QDir().mkpath(userFolder) || !QFileInfo::exists(beside))
        return own;
    // The copy keeps the permissions of the original, which its owner may have made read-only;
    // the user's own file must take the next "OK".
    if (QFile::copy(beside, own))
        QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
    return own;
}

QString settingsFilePath()
{
    if (!overriddenPath().isEmpty())
        return overriddenPath();
    const QString folder = QCoreApplication::applicationDirPath();
    return chooseSettingsFile(folder,
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                              QFileInfo(folder).isWritable());
}

void setSettingsFilePath(const QString &path)
{
    overriddenPath() = path;
}

QString readIniValue(const QString &file, const QString &section, const QString &key,
                     const QString &def)
{
    return iniValue(fileBytes(file), section, key, def);
}

void writeIniValue(const QString &file, const QString &section, const QString &key,
                   const QString &value)
{
    writeWholeFile(file, iniWithValue(fileBytes(file), section, key, value));
}

QString iniValue(const QByteArray &bytes, const QString &section, const QString &key,
                 const QString &def)
{
    const IniLines ini = splitLines(bytes);
    bool inSection = false;
    for (int i = 0; i < ini.lines.size(); ++i) {
        const QString line = ini.text(i);
        if (const auto name = sectionOf(line)) {
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString value;
        if (inSection && isKeyLine(line, key, &value))
            return unquoted(value).left(kMaxValueLength);
    }
    return def.left(kMaxValueLength);
}

QByteArray iniWithValue(const QByteArray &bytes, const QString &section, const QString &key,
                        const QString &value)
{
    IniLines ini = splitLines(bytes);
    const QByteArray entry = (key + QLatin1Char('=') + value).toLocal8Bit();
    int sectionStart = -1;
    int insertAt = -1;  // after the section's last non-empty line
    for (int i = 0; i < ini.lines.size(); ++i) {
        const QString line = ini.text(i);
        if (const auto name = sectionOf(line)) {
            if (sectionStart >= 0)
                break;
            if (name->compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = insertAt = i;
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(line, key)) {
            ini.lines[i] = entry;
            insertAt = -2;
            break;
        }
        if (!line.isEmpty())
            insertAt = i;
    }
    if (sectionStart < 0) {
        if (!ini.lines.isEmpty() && !ini.lines.constLast().trimmed().isEmpty())
            ini.insert(int(ini.lines.size()), QByteArray());
        ini.insert(int(ini.lines.size()),
                   (QLatin1Char('[') + section + QLatin1Char(']')).toLocal8Bit());
        ini.insert(int(ini.lines.size()), entry);
    } else if (insertAt >= 0) {
        ini.insert(insertAt + 1, entry);
    }
    return ini.bytes();
}

}  // namespace plc
