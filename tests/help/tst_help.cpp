#include "help_key.h"
#include "help_window.h"
#include "language.h"
#include "manual_language.h"
#include "manual_pages.h"
#include "one_wire_state.h"
#include "one_wire_tab.h"
#include "test_helpers.h"
#include "translation.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

using namespace plc;
using testing::row;

// F1 on the window's tabs and in its dialogs, and the manual's pages, links and search.
class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_w = std::make_unique<WindowFixture>();
        m_help = std::make_unique<HelpKey>();
    }
    void cleanup()
    {
        m_help.reset();
        m_w.reset();
    }

    void f1OnATabOpensItsPage_data()
    {
        testing::columns<int, QString>({"tab", "page"});
        row("HW config", 0, QString("hw-config.html"));
        row("UART 1", 1, QString("uart1.html"));
        row("UART 2", 2, QString("uart2.html"));
        row("1-wire", 3, QString("onewire.html"));
        row("Modbus diag", 4, QString("modbus-diag.html"));
        row("1-wire diag", 5, QString("onewire-diag.html"));
        row("Converter", 6, QString("converter.html"));
    }

    void f1OnATabOpensItsPage()
    {
        QFETCH(int, tab);
        QFETCH(QString, page);
        WindowTabs &tabs = m_w->window->tabs();
        tabs.setCurrentIndex(tab);
        // Wherever the key is pressed on the tab, and from the window around it.
        QTest::keyClick(tabs.currentWidget(), Qt::Key_F1);
        QCOMPARE(m_help->helpWindow()->currentPage(), page);
        m_help->helpWindow()->openPage(manual::kStartPage);
        QTest::keyClick(m_w->window.get(), Qt::Key_F1);
        QCOMPARE(m_help->helpWindow()->currentPage(), page);
    }

    void f1UnderGermanOpensTheGermanPage_data() { f1OnATabOpensItsPage_data(); }

    void f1UnderGermanOpensTheGermanPage()
    {
        QFETCH(int, tab);
        QFETCH(QString, page);
        {
            const InstalledTranslation german(windowLocale(Language::German));
            m_w->window->tabs().setCurrentIndex(tab);
            QTest::keyClick(m_w->window->tabs().currentWidget(), Qt::Key_F1);
            HelpWindow *window = m_help->helpWindow();
            QCOMPARE(testing::child<QTextBrowser>(window, "helpBrowser")->source(),
                     QUrl(QStringLiteral("qrc:/manual/de/") + page));
            // The contents and the search are the German pages'.
            QCOMPARE(testing::child<QListWidget>(window, "helpContents")->item(0)->text(),
                     QStringLiteral("Handbuch PLC Tavrix"));
            testing::child<QLineEdit>(window, "helpSearch")->setText("Zeitüberschreitung Dxxxx");
            QCOMPARE(listedPages(window), QStringList({"onewire.html", "bus-search.html"}));
        }
        QCOMPARE(manual::shownLanguage(), QString());
    }

    void aPageMissingInALanguageIsTheEnglishOne()
    {
        QCOMPARE(manual::pageUrl("uart1.html#table", "xx"), QUrl("qrc:/manual/uart1.html#table"));
        QCOMPARE(manual::pages("xx").value(2).title, QStringLiteral("UART 1"));
    }

    void everyPageHasAGermanOneWithTheSamePlacesAndLinks_data()
    {
        testing::columns<QString>({"file"});
        for (const manual::Page &page : manual::pages())
            row(qPrintable(page.file), page.file);
    }

    void everyPageHasAGermanOneWithTheSamePlacesAndLinks()
    {
        QFETCH(QString, file);
        QVERIFY(manual::translatedLanguages().contains("de"));
        const QString english = pageHtml(file);
        const QString german = pageHtml(QStringLiteral("de/") + file);
        QVERIFY(!german.isEmpty());
        // German word order may move a link within its sentence.
        static const QRegularExpression id(QStringLiteral("id=\"([^\"]*)\""));
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        QCOMPARE(matchesOf(id, german), matchesOf(id, english));
        QCOMPARE(matchesOf(href, german), matchesOf(href, english));
    }

    void f1InADialogOpensItsPage_data()
    {
        // opener: the button or menu entry of the main window that opens the dialog, modal.
        testing::columns<QString, QString>({"opener", "page"});
        row("request dialog", QString("uart1AddRequestButton"), QString("request-dialog.html"));
        row("sensor dialog", QString("addSensorButton"), QString("sensor-dialog.html"));
        row("bus search", QString("searchSensorsButton"), QString("bus-search.html"));
        row("sensor replace", QString("replaceSensorAction"), QString("sensor-replace.html"));
        row("project note", QString("projectNoteAction"), QString("project-note.html"));
        row("compare", QString("compareWithControllerAction"), QString("compare.html"));
        row("COM-port setting", QString("commSettingAction"), QString("port-settings.html"));
        row("about", QString("aboutAction"), QString("index.html"));
    }

    void f1InADialogOpensItsPage()
    {
        QFETCH(QString, opener);
        QFETCH(QString, page);
        // A sensor to replace.
        m_w->window->oneWire().setState(
            {AuxSettings{}, {{"28", "FF", "4B", "12", "03", "00", "00", "A1", "1500", "boiler"}}});
        QString shown;
        bool usable = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            poll.stop();
            QWidget *focus = dialog->focusWidget();
            QTest::keyClick(focus ? focus : dialog, Qt::Key_F1);
            shown = m_help->helpWindow()->currentPage();
            // A window of the modal dialog is the only kind the dialog does not block.
            usable = m_help->helpWindow()->parentWidget() == dialog;
            dialog->close();
        });
        poll.start(10);
        if (auto *button = m_w->window->findChild<QPushButton *>(opener))
            button->click();
        else
            testing::child<QAction>(m_w->window.get(), opener)->trigger();
        QCOMPARE(shown, page);
        QVERIFY(usable);
        // The manual outlives the dialog it was opened from.
        QVERIFY(m_help->helpWindow());
        QVERIFY(m_help->helpWindow()->isVisible());
    }

    void everyPageIsListedAndEveryLinkLeadsToAPlace()
    {
        QStringList listed;
        for (const manual::Page &page : manual::pages()) {
            QVERIFY2(!page.title.isEmpty() && !page.text.isEmpty(), qPrintable(page.file));
            listed.append(page.file);
        }
        QCOMPARE(QDir(":/manual").entryList(QDir::Files, QDir::Name), sortedCopy(listed));

        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (const QString &file : listed) {
            const QString html = pageHtml(file);
            for (const auto &link : href.globalMatch(html)) {
                const QString target = link.captured(1);
                if (target.startsWith(QLatin1String("http")))
                    continue;
                const QString linked = target.section('#', 0, 0);
                const QString anchor = target.section('#', 1);
                const QString where = file + QStringLiteral(" -> ") + target;
                QVERIFY2(linked.isEmpty() || listed.contains(linked), qPrintable(where));
                const QString targetHtml = linked.isEmpty() ? html : pageHtml(linked);
                QVERIFY2(anchor.isEmpty() ||
                             targetHtml.contains(QStringLiteral("id=\"%1\"").arg(anchor)),
                         qPrintable(where));
            }
        }
    }

    void searchListsThePagesHoldingEveryWord_data()
    {
        testing::columns<QString, QStringList>({"typed", "pages"});
        row("one word", QString("readout-protected"), QStringList{"firmware-update.html"});
        row("two words apart, any case", QString("form1 ERROR"),
            QStringList{"index.html", "uart2.html", "request-dialog.html"});
        row("no page", QString("Dxxxx 500000"), QStringList());
    }

    void searchListsThePagesHoldingEveryWord()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, pages);
        HelpWindow window;
        QTest::keyClicks(testing::child<QLineEdit>(&window, "helpSearch"), typed);
        QCOMPARE(listedPages(&window), pages);
        // Enter opens the first page that holds the words, and finds them there.
        QTest::keyClick(testing::child<QLineEdit>(&window, "helpSearch"), Qt::Key_Return);
        const auto *browser = testing::child<QTextBrowser>(&window, "helpBrowser");
        QCOMPARE(window.currentPage(), pages.value(0, manual::kStartPage));
        QCOMPARE(browser->textCursor().hasSelection(), !pages.isEmpty());
        QCOMPARE(browser->extraSelections().isEmpty(), pages.isEmpty());
    }

    void backAndForwardRetraceThePagesRead()
    {
        HelpWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.openPage(QStringLiteral("uart1.html"));
        window.openPage(QStringLiteral("uart2.html"));
        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(window.currentPage(), QStringLiteral("uart1.html"));
        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(window.currentPage(), manual::kStartPage);
        QVERIFY(!testing::child<QAction>(&window, "backAction")->isEnabled());
        QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(window.currentPage(), QStringLiteral("uart1.html"));
    }

private:
    static QString pageHtml(const QString &file)
    {
        QFile page(QStringLiteral(":/manual/") + file);
        return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
    }
    // The pages the contents list shows.
    static QStringList listedPages(const HelpWindow *window)
    {
        const auto *contents = testing::child<QListWidget>(window, "helpContents");
        QStringList listed;
        for (int i = 0; i < contents->count(); ++i) {
            if (!contents->item(i)->isHidden())
                listed.append(contents->item(i)->data(Qt::UserRole).toString());
        }
        return listed;
    }
    static QStringList matchesOf(const QRegularExpression &pattern, const QString &html)
    {
        QStringList found;
        for (const auto &match : pattern.globalMatch(html))
            found.append(match.captured(1));
        return sortedCopy(found);
    }
    static QStringList sortedCopy(QStringList list)
    {
        list.sort();
        return list;
    }

    std::unique_ptr<WindowFixture> m_w;
    std::unique_ptr<HelpKey> m_help;
};

QTEST_MAIN(TestHelp)

#include "tst_help.moc"
