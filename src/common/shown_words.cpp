#include "shown_words.h"

#include <QCoreApplication>

namespace plc {

namespace {

QString shown(const char *context, const QString &word)
{
    const QString name = word.trimmed();
    const QString translated = QCoreApplication::translate(context, name.toUtf8().constData());
    return translated == name ? word : translated;
}

}  // namespace

QString shownHeading(const QString &heading)
{
    return shown("plc::TableHeadings", heading);
}

QString shownEntry(const QString &entry)
{
    return shown("plc::ListEntries", entry);
}

QStringList shownEntries(const QStringList &entries)
{
    QStringList shownList;
    for (const QString &entry : entries)
        shownList.append(shownEntry(entry));
    return shownList;
}

}  // namespace plc
