#include "language.h"
#include "test_helpers.h"
#include "translation.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace plc;

namespace {

// The entries of a menu and of its submenus, each indented below its menu.
void addEntries(const QMenu &menu, const QString &indent, QStringList &texts)
{
    const QList<QAction *> entries = menu.actions();
    for (QAction *entry : entries) {
        if (entry->isSeparator())
            continue;
        texts.append(indent + entry->text());
        if (entry->menu())
            addEntries(*entry->menu(), indent + QStringLiteral("  "), texts);
    }
}

// The menu bar's titles with all their entries, then the tabs' captions.
QStringList windowTexts(MainWindow &window)
{
    QStringList texts;
    const QList<QAction *> menus = window.menuBar()->actions();
    for (QAction *menu : menus) {
        texts.append(menu->text());
        addEntries(*menu->menu(), QStringLiteral("  "), texts);
    }
    for (int i = 0; i < window.tabs().count(); ++i)
        texts.append(window.tabs().tabText(i));
    return texts;
}

QStringList topLevel(const QStringList &texts)
{
    QStringList top;
    for (const QString &text : texts) {
        if (!text.startsWith(QLatin1Char(' ')))
            top.append(text);
    }
    return top;
}

}  // namespace

// The language: which one the command line and the window take, and the window in German.
class TestLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLineFollowsTheMessagesLocale_data()
    {
        testing::columns<QString, QString, QString, bool>(
            {"lcAll", "lcMessages", "lang", "german"});
        testing::row("nothing set", QString(), QString(), QString(), false);
        testing::row("LANG German", QString(), QString(), QStringLiteral("de_DE.UTF-8"), true);
        testing::row("LANG C", QString(), QString(), QStringLiteral("C"), false);
        testing::row("LC_MESSAGES over LANG", QString(), QStringLiteral("de_AT@euro"),
                     QStringLiteral("en_GB.UTF-8"), true);
        testing::row("LC_ALL over both", QStringLiteral("POSIX"), QStringLiteral("de_DE"),
                     QStringLiteral("de_DE"), false);
    }
    void commandLineFollowsTheMessagesLocale()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(bool, german);
        const InstalledTranslation translation(messagesLocale(lcAll, lcMessages, lang));
        QCOMPARE(translation.translatesProgram(), german);
    }

    // The program itself: its refusal of an unknown command, as the environment asks.
    void commandLineSpeaksTheEnvironmentsLanguage_data()
    {
        testing::columns<QString, QString>({"lang", "refusal"});
        testing::row("German", QStringLiteral("de_DE.UTF-8"),
                     QStringLiteral("Unbekannter Befehl „frob“.\nSiehe plc-config --help.\n"));
        testing::row("C", QStringLiteral("C"),
                     QStringLiteral("Unknown command \"frob\".\nTry plc-config --help.\n"));
    }
    void commandLineSpeaksTheEnvironmentsLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, refusal);
        int exitCode = 0;
        const QString said = testing::standardErrorUnder(lang, QStringLiteral(PLC_CONFIG),
                                                         {QStringLiteral("frob")}, &exitCode);
        QCOMPARE(exitCode, 2);
        QCOMPARE(said, refusal);
    }

    void languageChosenIsKept()
    {
        WindowFixture w;
        QCOMPARE(storedLanguage(), Language::System);
        testing::child<QAction>(w.window.get(), "languageGermanAction")->trigger();
        QCOMPARE(storedLanguage(), Language::German);
        QVERIFY(testing::child<QAction>(w.window.get(), "languageGermanAction")->isChecked());
        testing::child<QAction>(w.window.get(), "languageSystemAction")->trigger();
        QCOMPARE(storedLanguage(), Language::System);
    }

    void windowSpeaksGermanOnlyUnderItsTranslation()
    {
        SettingsDir settings;
        ScriptedPrompts prompts;
        const QStringList english = windowTexts(*std::make_unique<MainWindow>(prompts));
        QStringList german;
        {
            const InstalledTranslation translation(windowLocale(Language::German));
            german = windowTexts(*std::make_unique<MainWindow>(prompts));
        }
        QCOMPARE(topLevel(english), QStringList({"&File", "&Edit", "&View", "PLC", "&Table",
                                                 "About", "HW config", "UART 1", "UART 2", "1-wire",
                                                 "Modbus diag", "1-wire diag", "Converter"}));
        QCOMPARE(topLevel(german),
                 QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "Steuerung", "&Tabelle", "Über",
                              "HW-Konfig.", "UART 1", "UART 2", "1-Wire", "Modbus-Diagnose",
                              "1-Wire-Diagnose", "Umrechner"}));
        // Every entry is translated, but for the names a language gives itself and a word
        // German shares.
        QCOMPARE(german.size(), english.size());
        const QStringList same = {"UART 1", "UART 2", "    System", "    English", "    Deutsch"};
        for (int i = 0; i < english.size(); ++i) {
            QVERIFY2(german.at(i) != english.at(i) || same.contains(english.at(i)),
                     qPrintable(english.at(i)));
        }
        // Without the translation the window is as it always was.
        QCOMPARE(windowTexts(*std::make_unique<MainWindow>(prompts)), english);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
