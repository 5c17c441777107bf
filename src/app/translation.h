#pragma once

#include <QLocale>
#include <QTranslator>

namespace plc {

// The program's own translation for a locale and Qt's (its dialogs' buttons and file dialogs),
// installed in the application for as long as this lives. Install it before the first window is
// made: texts already shown do not change. English needs none, and a language the program has no
// translation for stays English.
class InstalledTranslation {
public:
    explicit InstalledTranslation(const QLocale &locale);
    ~InstalledTranslation();
    InstalledTranslation(const InstalledTranslation &) = delete;
    InstalledTranslation &operator=(const InstalledTranslation &) = delete;

    // Whether the program's own texts are translated.
    bool translatesProgram() const { return m_programLoaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};

}  // namespace plc
