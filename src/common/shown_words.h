#pragma once

#include <QString>
#include <QStringList>

namespace plc {

// Words that files keep as they are (a table's column headings, the entries of the lists a
// project file stores by their text) but the window shows in the user's language. Each is
// marked for the translator where it is defined, with QT_TRANSLATE_NOOP in the context named
// here; without a translation, or with none installed, a word shows exactly as it stands.

// A column heading ("plc::TableHeadings"), looked up without the blanks around it.
QString shownHeading(const QString &heading);

// A list entry ("plc::ListEntries"): "None", "Odd", "1-wire master" ...
QString shownEntry(const QString &entry);
QStringList shownEntries(const QStringList &entries);

}  // namespace plc
