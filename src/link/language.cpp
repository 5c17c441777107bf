#include "language.h"

#include "settings_store.h"

#include <QtGlobal>

namespace plc {

namespace {

const QString kLanguageKey = QStringLiteral("Language");

// Kept by code rather than by number, so that a language added later does not move the others.
struct KeptLanguage {
    Language language;
    const char *code;
};
constexpr KeptLanguage kKept[] = {{Language::English, "en"}, {Language::German, "de"}};

}  // namespace

Language storedLanguage()
{
    const QString code = settingsfile::windowValue(kLanguageKey).trimmed();
    for (const KeptLanguage &kept : kKept) {
        if (code.compare(QLatin1String(kept.code), Qt::CaseInsensitive) == 0)
            return kept.language;
    }
    return Language::System;
}

void storeLanguage(Language language)
{
    QString code;
    for (const KeptLanguage &kept : kKept) {
        if (kept.language == language)
            code = QLatin1String(kept.code);
    }
    settingsfile::setWindowValue(kLanguageKey, code);
}

QLocale windowLocale(Language language)
{
    switch (language) {
        case Language::System:
            break;
        case Language::English:
            return QLocale(QLocale::English, QLocale::UnitedStates);
        case Language::German:
            return QLocale(QLocale::German, QLocale::Germany);
    }
    return QLocale::system();
}

QLocale commandLineLocale()
{
    return messagesLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                          qEnvironmentVariable("LANG"));
}

QLocale messagesLocale(const QString &lcAll, const QString &lcMessages, const QString &lang)
{
    QString name;
    for (const QString &value : {lcAll, lcMessages, lang}) {
        if (!value.isEmpty()) {
            name = value;
            break;
        }
    }
    // "de_DE.UTF-8@euro": the language and territory before the code set and the modifier.
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(name);
}

}  // namespace plc
