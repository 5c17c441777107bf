#pragma once

#include <QLocale>
#include <QString>

namespace plc {

// The language the program speaks: the window's choice ("View" > "Language"), kept in the
// settings file, and the locale each choice stands for.
enum class Language { System, English, German };

// The choice kept in the settings file; System when none (or none the program knows) is kept.
Language storedLanguage();
void storeLanguage(Language language);

// The locale whose translation the window loads: the desktop's for System.
QLocale windowLocale(Language language);

// The locale whose translation the command line loads: English unless LC_ALL, LC_MESSAGES or
// LANG (the first one set, as the C library takes them) names another language.
QLocale commandLineLocale();
// The same from the three values as given (an empty one is not set).
QLocale messagesLocale(const QString &lcAll, const QString &lcMessages, const QString &lang);

}  // namespace plc
