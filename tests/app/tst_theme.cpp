#include "contrast.h"
#include "drawn_colours.h"
#include "test_helpers.h"
#include "theme.h"
#include "window_fixture.h"

#include <QAction>
#include <QtTest>

using namespace plc;

// The light and the dark theme, and every colour the program draws readable in both.
class TestTheme : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnColoursAreReadable_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("colour");
        for (Theme theme : {Theme::Light, Theme::Dark}) {
            const QList<DrawnColour> colours = drawnColours(themePalette(theme));
            for (int i = 0; i < colours.size(); ++i) {
                QTest::addRow("%s, %s", theme == Theme::Light ? "light" : "dark",
                              qPrintable(colours.at(i).what))
                    << int(theme) << i;
            }
        }
    }

    void drawnColoursAreReadable()
    {
        QFETCH(int, theme);
        QFETCH(int, colour);
        const DrawnColour drawn = drawnColours(themePalette(Theme(theme))).at(colour);
        QVERIFY2(contrastRatio(drawn.text, drawn.background) >= kReadableRatio,
                 qPrintable(QStringLiteral("%1 on %2: %3:1")
                                .arg(drawn.text.name(), drawn.background.name())
                                .arg(contrastRatio(drawn.text, drawn.background), 0, 'f', 2)));
        // The palette's own text too.
        const QPalette p = themePalette(Theme(theme));
        QVERIFY(contrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)) >= kReadableRatio);
        QVERIFY(contrastRatio(p.color(QPalette::WindowText), p.color(QPalette::Window)) >=
                kReadableRatio);
    }

    void themeChosenIsAppliedAndKept()
    {
        WindowFixture w;
        const QColor started = QApplication::palette().color(QPalette::Window);
        testing::child<QAction>(w.window.get(), "themeDarkAction")->trigger();
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 themePalette(Theme::Dark).color(QPalette::Window));
        QCOMPARE(storedTheme(), Theme::Dark);
        testing::child<QAction>(w.window.get(), "themeSystemAction")->trigger();
        QCOMPARE(QApplication::palette().color(QPalette::Window), started);
        QCOMPARE(storedTheme(), Theme::System);
    }
};

QTEST_MAIN(TestTheme)

#include "tst_theme.moc"
