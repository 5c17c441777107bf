#include "manual_pages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <map>

// The pages are built into a static library: nothing refers to their resource, so the program
// registers it by name. Qt's macro only works outside any namespace.
static void registerManualResource()
{
    Q_INIT_RESOURCE(manual);
}

namespace plc {

namespace manual {

namespace {

const QString kResourceFolder = QStringLiteral(":/manual/");

// Before the first look into the resource.
void registerOnce()
{
    static const bool registered = (registerManualResource(), true);
    Q_UNUSED(registered);
}

// The contents, in the order a reader meets the program: the window and its tabs, the dialogs,
// then the programs and the messages.
const char *const kContents[] = {
    "index.html",          "hw-config.html",       "uart1.html",         "uart2.html",
    "onewire.html",        "modbus-diag.html",     "onewire-diag.html",  "converter.html",
    "port-settings.html",  "request-dialog.html",  "sensor-dialog.html", "bus-search.html",
    "sensor-replace.html", "project-note.html",    "compare.html",       "progress.html",
    "monitor.html",        "firmware-update.html", "command-line.html",  "messages.html",
};

QString readPage(const QString &file)
{
    QFile page(kResourceFolder + file);
    if (!page.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(page.readAll());
}

// The page's place in the manual's folder: in the language's folder when that has the page.
QString placeOf(const QString &file, const QString &language)
{
    registerOnce();
    if (!language.isEmpty()) {
        const QString translated = language + QLatin1Char('/') + file;
        if (QFile::exists(kResourceFolder + translated))
            return translated;
    }
    return file;
}

QString titleOf(const QString &html)
{
    static const QRegularExpression title(
        QStringLiteral("<title>(.*)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return plainText(title.match(html).captured(1)).simplified();
}

// The characters the pages write as references.
QString resolveReferences(QString text)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9A-Fa-f]+);"));
    QRegularExpressionMatch match;
    while ((match = numeric.match(text)).hasMatch()) {
        const bool hex = !match.captured(1).isEmpty();
        const char32_t code = match.captured(2).toUInt(nullptr, hex ? 16 : 10);
        text.replace(match.capturedStart(), match.capturedLength(), QString::fromUcs4(&code, 1));
    }
    const std::pair<const char *, const char *> named[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};
    for (const auto &[reference, character] : named)
        text.replace(QLatin1String(reference), QLatin1String(character));
    return text;
}

}  // namespace

QStringList translatedLanguages()
{
    registerOnce();
    return QDir(kResourceFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

const QList<Page> &pages(const QString &language)
{
    // Read once per language; a map keeps the lists in place as others are added.
    static std::map<QString, QList<Page>> byLanguage;
    const auto known = byLanguage.find(language);
    if (known != byLanguage.end())
        return known->second;
    QList<Page> list;
    for (const char *file : kContents) {
        const QString name = QLatin1String(file);
        const QString html = readPage(placeOf(name, language));
        list.append({name, titleOf(html), plainText(html)});
    }
    return byLanguage.emplace(language, list).first->second;
}

QUrl pageUrl(const QString &page, const QString &language)
{
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    return QUrl(QStringLiteral("qrc:/manual/") + placeOf(file, language) + page.mid(file.size()));
}

QString pageOf(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveFragment | QUrl::RemoveQuery).fileName();
}

QStringList searchWords(const QString &typed)
{
    return typed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList pagesWithWords(const QStringList &words, const QString &language)
{
    QStringList found;
    for (const Page &page : pages(language)) {
        const bool all = std::all_of(words.begin(), words.end(), [&page](const QString &word) {
            return page.text.contains(word, Qt::CaseInsensitive);
        });
        if (all)
            found.append(page.file);
    }
    return found;
}

QString plainText(const QString &html)
{
    static const QRegularExpression head(
        QStringLiteral("<(style|script)[^>]*>.*</\\1>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.remove(head);
    text.replace(tag, QStringLiteral(" "));
    return resolveReferences(text).simplified();
}

}  // namespace manual

}  // namespace plc
