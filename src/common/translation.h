#pragma once

#include <QLocale>
#include <QTranslator>

#include <array>

namespace plc {

// The program's own translation for a locale and Qt's (its dialogs' buttons and file dialogs, the
// serial port's errors), installed in the application for as long as this lives. Install it before
// the first window is made: texts already shown do not change. English needs none, and a language
// the program has no translation for stays English.
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
    std::array<QTranslator, 2> m_qt;  // Qt's base and serial port modules
    bool m_programLoaded = false;
};

}  // namespace plc
