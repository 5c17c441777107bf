#include "manual_language.h"

#include "manual_pages.h"

#include <QCoreApplication>
#include <QTranslator>

namespace plc {

namespace manual {

namespace {

// Where the program carries its translations, one plc-config_<language>.qm each.
const QString kTranslations = QStringLiteral(":/translations/plc-config_");

// The help window's own caption stands for every text the program shows: what the installed
// translation makes of it names the language, as each language's translation says it.
const char kProbeContext[] = "plc::HelpWindow";
const char kProbeText[] = "%1 - Manual";

}  // namespace

QString shownLanguage()
{
    const QString shown = QCoreApplication::translate(kProbeContext, kProbeText);
    if (shown == QLatin1String(kProbeText))
        return QString();
    for (const QString &language : translatedLanguages()) {
        QTranslator translation;
        if (translation.load(kTranslations + language) &&
            translation.translate(kProbeContext, kProbeText) == shown)
            return language;
    }
    return QString();
}

}  // namespace manual

}  // namespace plc
