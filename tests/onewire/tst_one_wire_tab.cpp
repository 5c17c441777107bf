#include "grid_view.h"
#include "link_action.h"
#include "one_wire_tab.h"
#include "plc_link.h"
#include "scripted_prompts.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

// The auxiliary port's mode change on the "1-wire" tab.
class TestOneWireTab : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modeChange_data();
    void modeChange();
    void masterModeSetsTheHeadingsAgain();

private:
    PlcLink m_link;
    ScriptedPrompts m_prompts;
    RecordingProgress m_progress;
    TransferContext m_ctx{m_link, m_prompts, m_progress, nullptr};
};

void TestOneWireTab::modeChange_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("fieldNet");
    QTest::newRow("1-wire master") << 0 << true << false;
    QTest::newRow("Field Net") << 1 << false << true;
    QTest::newRow("Not use") << 2 << false << false;
}

void TestOneWireTab::modeChange()
{
    QFETCH(int, mode);
    QFETCH(bool, table);
    QFETCH(bool, fieldNet);
    OneWireTab tab(m_ctx);
    tab.show();
    // From each other mode, by a click on the option.
    for (int from = 0; from < 3; ++from) {
        tab.selectMode(from);
        QTest::mouseClick(tab.findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(mode)),
                          Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(tab.option_1w1(), mode);
        QCOMPARE(tab.findChild<QGroupBox *>(QStringLiteral("Frame3"))->isVisible(), table);
        QCOMPARE(tab.findChild<QGroupBox *>(QStringLiteral("USART3_setting"))->isVisible(),
                 fieldNet);
        QVERIFY(tab.findChild<QGroupBox *>(QStringLiteral("auxPortFrame"))->isVisible());
    }
}

void TestOneWireTab::masterModeSetsTheHeadingsAgain()
{
    OneWireTab tab(m_ctx);
    tab.sensors().setHeadingLine(QStringLiteral("x|y"));
    tab.sensors().setText(1, 1, QStringLiteral("28"));
    tab.selectMode(1);
    QCOMPARE(tab.sensors().cols(), 2);
    tab.selectMode(0);
    QCOMPARE(tab.sensors().cols(), 10);
    QCOMPARE(tab.sensors().heading(9), QStringLiteral("  Dxxxx  "));
    QCOMPARE(tab.sensors().text(1, 1), QStringLiteral("28"));  // the rows stay
}

QTEST_MAIN(TestOneWireTab)
#include "tst_one_wire_tab.moc"
