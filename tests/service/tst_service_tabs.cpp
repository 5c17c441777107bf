#include "converter_tab.h"
#include "general_setting_frame.h"
#include "link_action.h"
#include "plc_link.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "sim_fixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The service buttons and the converter's two lines, clicked as the user does.
class TestServiceTabs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttons_data();
    void buttons();
};

void TestServiceTabs::buttons_data()
{
    QTest::addColumn<QStringList>("names");  // input box (or none), button, result box
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");  // the result box afterwards, holding "old" before
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("frames");

    const QStringList toIeee = {"Text13", "Command22", "Text12"};
    const QStringList toFloat = {"Text15", "Command23", "Text14"};
    const QStringList none;
    QTest::newRow("1,5 to IEEE") << toIeee << "1,5"
                                 << "3FC00000" << none << none;
    QTest::newRow("not a number") << toIeee << "1,5,2"
                                  << "old"
                                  << QStringList{"Type mismatch: \"1.5,2\" is not a number"}
                                  << none;
    QTest::newRow("lower case to float") << toFloat << "3fc00000"
                                         << "1.5" << none << none;
    QTest::newRow("7 characters") << toFloat << "3FC0000"
                                  << "old"
                                  << QStringList{"Incorrect value for conversion to float format!"}
                                  << none;
    QTest::newRow("Restart PLC") << QStringList{"", "Command32"} << ""
                                 << "" << none << QStringList{"E11 3011 02 12AD"};
    // The test program has no update program beside it (see CMakeLists.txt).
    QTest::newRow("Start update firmware for STM32F3")
        << QStringList{"", "Command31"} << ""
        << ""
        << QStringList{QStringLiteral("The firmware update program %1/update/update is missing or "
                                      "cannot be run; nothing was sent to the PLC")
                           .arg(QCoreApplication::applicationDirPath())}
        << none;
}

void TestServiceTabs::buttons()
{
    QFETCH(QStringList, names);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, frames);

    SimFixture sim;
    QVERIFY2(sim.ok(), qPrintable(sim.error()));
    PlcLink link;
    Setup_port(link);
    ScriptedPrompts prompts;
    RecordingProgress progress;
    TransferContext ctx{link, prompts, progress};
    QWidget window;
    new GeneralSettingFrame(ctx, &window);
    new ConverterTab(prompts, &window);
    auto *out = names.size() > 2 ? window.findChild<QLineEdit *>(names.at(2)) : nullptr;
    if (out) {
        out->setText(QStringLiteral("old"));
        QTest::keyClicks(window.findChild<QLineEdit *>(names.at(0)), input);
    }

    QTest::mouseClick(window.findChild<QPushButton *>(names.at(1)), Qt::LeftButton);

    QCOMPARE(out ? out->text() : QString(), result);
    QCOMPARE(prompts.messages(), messages);
    for (const auto &shown : prompts.shown)
        QVERIFY(shown.title.isNull());  // the application's own title
    QStringList sent;
    for (const auto &f : sim.plc.frames())
        sent.append(QStringList{f.command, f.address, f.count, f.data}.join(' '));
    QCOMPARE(sent, frames);
    QVERIFY(!link.isOpen());
}

QTEST_MAIN(TestServiceTabs)
#include "tst_service_tabs.moc"
