#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

// The translations are built into a static library: nothing refers to their resource, so the
// program registers it by name. Qt's macro only works outside any namespace.
static void registerTranslationResource()
{
    Q_INIT_RESOURCE(plc_translations);
}

namespace plc {

namespace {

// The first language the locale asks for (a desktop may list several).
bool isEnglish(const QLocale &locale)
{
    const QLocale first(locale.uiLanguages().value(0));
    return first.language() == QLocale::English || first.language() == QLocale::C;
}

}  // namespace

InstalledTranslation::InstalledTranslation(const QLocale &locale)
{
    // The English texts are the sources: a translation for English would change nothing, and a
    // German desktop's language list must not bring German in when English is chosen.
    if (isEnglish(locale))
        return;
    registerTranslationResource();
    m_programLoaded = m_program.load(locale, QStringLiteral("plc-config"), QStringLiteral("_"),
                                     QStringLiteral(":/translations"));
    if (!m_programLoaded)
        return;  // a language of its own for Qt's buttons only would mix two languages
    QCoreApplication::installTranslator(&m_program);
    // Qt's in the language found, which may be one further down the desktop's list. Where the
    // system has none, Qt's own texts stay English.
    const QLocale found(m_program.language());
    const QString modules[] = {QStringLiteral("qtbase"), QStringLiteral("qtserialport")};
    for (size_t i = 0; i < m_qt.size(); ++i) {
        if (m_qt[i].load(found, modules[i], QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt[i]);
    }
}

InstalledTranslation::~InstalledTranslation()
{
    // Removing a translator that was never installed does nothing.
    for (QTranslator &qt : m_qt)
        QCoreApplication::removeTranslator(&qt);
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
}

}  // namespace plc
