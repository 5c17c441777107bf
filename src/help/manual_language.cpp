#include "manual_language.h"

#include "manual_pages.h"

#include <QCoreApplication>

namespace plc {

namespace manual {

QString shownLanguage()
{
    // Each translation names its own language: what the installed one makes of this text is
    // its language's code. Untranslated, the program speaks English.
    const QString code = QCoreApplication::translate(
        "plc::ManualLanguage", "en",
        "the code of the language this translation is in: de for German");
    return translatedLanguages().contains(code) ? code : QString();
}

}  // namespace manual

}  // namespace plc
