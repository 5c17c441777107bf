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

// The menu bar's titles, each menu's entries, then the tabs' captions.
QStringList windowTexts(MainWindow &window)
{
    QStringList texts;
    const QList<QAction *> menus = window.menuBar()->actions();
    for (QAction *menu : menus) {
        texts.append(menu->text());
        const QList<QAction *> entries = menu->menu()->actions();
        for (QAction *entry : entries) {
            if (!entry->isSeparator())
                texts.append(QStringLiteral("  ") + entry->text());
        }
    }
    for (int i = 0; i < window.tabs().count(); ++i)
        texts.append(window.tabs().tabText(i));
    return texts;
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
        QCOMPARE(windowTexts(*std::make_unique<MainWindow>(prompts)), english);
        QCOMPARE(german.size(), english.size());
        QVERIFY(german.contains(QStringLiteral("  Sprache")));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
