#include "ini_file.h"

#include "whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString &overriddenPath()
{
    static QString path;
    return path;
}

constexpr int kMaxValueLength = 254;  // a 255-character buffer with its terminating zero

// The file's lines as bytes, each with the line end it had: lines the tool does not change are
// written back exactly as they were, whatever their encoding and line ends; only the text of a
// line is decoded to match names.
struct IniLines {
    QList<QByteArray> lines;
    QList<QByteArray> ends;     // "\r\n", "\n", or empty for a last line without one
    QByteArray lineEnd = "\n";  // for lines the tool adds

    QString text(int i) const { return QString::fromLocal8Bit(lines.at(i)); }

    void insert(int at, const QByteArray &line)
    {
        if (at > 0 && ends.at(at - 1).isEmpty())
            ends[at - 1] = lineEnd;
        lines.insert(at, line);
        ends.insert(at, lineEnd);
    }

    QByteArray bytes() const
    {
        QByteArray all;
        for (int i = 0; i < lines.size(); ++i)
            all += lines.at(i) + ends.at(i);
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
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            ini.lines.append(bytes.mid(start));
            ini.ends.append(QByteArray());
            break;
        }
        const bool crlf = newline > start && bytes.at(newline - 1) == '\r';
        ini.lines.append(bytes.mid(start, newline - start - (crlf ? 1 : 0)));
        ini.ends.append(crlf ? QByteArray("\r\n") : QByteArray("\n"));
        if (crlf)
            ini.lineEnd = "\r\n";
        start = newline + 1;
    }
    return ini;
}

// The section a line opens, or a null text when it opens none.
QString sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return QString();
    const int close = int(t.indexOf(QLatin1Char(']')));
    if (close < 0)
        return QString();
    return t.mid(1, close - 1).trimmed();
}

bool isKeyLine(const QString &line, const QString &key, QString *value = nullptr)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = int(t.indexOf(QLatin1Char('=')));
    if (eq <= 0 || t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = t.mid(eq + 1).trimmed();
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

QString Read_ini(const QString &file, const QString &section, const QString &key,
                 const QString &def)
{
    return iniValue(fileBytes(file), section, key, def);
}

void Write_ini(const QString &file, const QString &section, const QString &key,
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
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
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
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            if (sectionStart >= 0)
                break;
            if (name.compare(section, Qt::CaseInsensitive) == 0)
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
        if (!line.trimmed().isEmpty())
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
