#include "converter_tab.h"
#include "general_setting_frame.h"
#include "link_action.h"
#include "plc_link.h"
#include "port_setup.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

template <class T>
T *child(const QObject *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QStringList wire(const QList<VirtualPlc::Frame> &frames)
{
    QStringList texts;
    for (const auto &f : frames)
        texts.append(QStringList{f.command, f.address, f.count, f.data}.join(' '));
    return texts;
}

}  // namespace

// The service buttons and the converter's two lines, clicked as the user does.
class TestServiceTabs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void serviceButtons_data();
    void serviceButtons();
    void converterLines_data();
    void converterLines();
};

void TestServiceTabs::serviceButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("Restart PLC") << "Command32" << QStringList{"E11 3011 02 12AD"} << none;
    // The test programs have no update program beside them.
    QTest::newRow("Start update firmware for STM32F3")
        << "Command31" << QStringList()
        << QStringList{QStringLiteral("The firmware update program %1/update/update is missing or "
                                      "cannot be run; nothing was sent to the PLC")
                           .arg(QCoreApplication::applicationDirPath())};
}

void TestServiceTabs::serviceButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, frames);
    QFETCH(QStringList, messages);

    SimFixture sim;
    QVERIFY2(sim.ok(), qPrintable(sim.error()));
    PlcLink link;
    Setup_port(link);
    ScriptedPrompts prompts;
    RecordingProgress progress;
    TransferContext ctx{link, prompts, progress};
    GeneralSettingFrame frame(ctx);

    QTest::mouseClick(child<QPushButton>(&frame, button), Qt::LeftButton);

    QCOMPARE(wire(sim.plc.frames()), frames);
    QCOMPARE(prompts.messages(), messages);
    QVERIFY(!link.isOpen());
}

void TestServiceTabs::converterLines_data()
{
    QTest::addColumn<int>("line");  // 0 "To IEEE", 1 "To float"
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");  // the result box afterwards, holding "old" before
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("1,5 to IEEE") << 0 << "1,5"
                                 << "3FC00000" << QStringList();
    QTest::newRow("not a number") << 0 << "1,5,2"
                                  << "old"
                                  << QStringList{"Type mismatch: \"1.5,2\" is not a number"};
    QTest::newRow("empty") << 0 << ""
                           << "old"
                           << QStringList{"Incorrect value for conversion to IEEE format!"};
    QTest::newRow("lower case to float") << 1 << "3fc00000"
                                         << "1.5" << QStringList();
    const QString floatMessage = QStringLiteral("Incorrect value for conversion to float format!");
    QTest::newRow("7 characters") << 1 << "3FC0000"
                                  << "old" << QStringList{floatMessage};
}

void TestServiceTabs::converterLines()
{
    QFETCH(int, line);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QStringList, messages);

    ScriptedPrompts prompts;
    ConverterTab tab(prompts);
    const char *names[2][3] = {{"Text13", "Command22", "Text12"},
                               {"Text15", "Command23", "Text14"}};
    auto *box = child<QLineEdit>(&tab, QLatin1String(names[line][0]));
    auto *out = child<QLineEdit>(&tab, QLatin1String(names[line][2]));
    out->setText(QStringLiteral("old"));
    QTest::keyClicks(box, input);

    QTest::mouseClick(child<QPushButton>(&tab, QLatin1String(names[line][1])), Qt::LeftButton);

    QCOMPARE(out->text(), result);
    QCOMPARE(prompts.messages(), messages);
    for (const auto &shown : prompts.shown)
        QVERIFY(shown.title.isNull());  // the application's own title
}

QTEST_MAIN(TestServiceTabs)
#include "tst_service_tabs.moc"
