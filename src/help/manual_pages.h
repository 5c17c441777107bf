#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace plc {

// The pages of the built-in manual: HTML files kept in docs/manual and built into the program
// under qrc:/manual/. The README links the same files. The English pages stand in the folder
// itself; each other language has a folder of its own with pages of the same file names
// (docs/manual/de/uart1.html, read as qrc:/manual/de/uart1.html). A language is named by its
// folder, English by the empty text.
namespace manual {

// One page: its file name ("uart1.html"), the title its <title> gives and its text without
// markup (what the search looks through).
struct Page {
    QString file;
    QString title;
    QString text;
};

// The start page, which the contents list first.
inline const QString kStartPage = QStringLiteral("index.html");

// The languages the manual has pages in besides English ("de").
QStringList translatedLanguages();

// Every page in a language, in the order the contents list them; the English page stands in for
// one the language lacks.
const QList<Page> &pages(const QString &language = QString());

// Where the program reads a page in a language: "qrc:/manual/de/uart1.html", with the anchor
// given after "#"; the English page's address when the language lacks the page.
QUrl pageUrl(const QString &page, const QString &language = QString());
// The file name of a page's address ("uart1.html" for "qrc:/manual/uart1.html#table").
QString pageOf(const QUrl &url);

// The words a search looks for, as typed: separated by blanks, the empty list for none.
QStringList searchWords(const QString &typed);
// The pages in a language whose text holds every word, case ignored, in contents order.
QStringList pagesWithWords(const QStringList &words, const QString &language = QString());

// A page's HTML as plain text: the markup dropped, the character references resolved.
QString plainText(const QString &html);

}  // namespace manual

}  // namespace plc
