#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace plc {

// The pages of the built-in manual: HTML files kept in docs/manual and built into the program
// under qrc:/manual/. The README links the same files.
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

// Every page, in the order the contents list them.
const QList<Page> &pages();

// Where the program reads a page: "qrc:/manual/uart1.html", with the anchor given after "#".
QUrl pageUrl(const QString &page);
// The file name of a page's address ("uart1.html" for "qrc:/manual/uart1.html#table").
QString pageOf(const QUrl &url);

// The words a search looks for, as typed: separated by blanks, the empty list for none.
QStringList searchWords(const QString &typed);
// The pages whose text holds every word, case ignored, in contents order.
QStringList pagesWithWords(const QStringList &words);

// A page's HTML as plain text: the markup dropped, the character references resolved.
QString plainText(const QString &html);

}  // namespace manual

}  // namespace plc
