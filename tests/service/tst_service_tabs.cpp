#include "converter_tab.h"
#include "general_setting_frame.h"
#include "test_helpers.h"
#include "transfer_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace plc;

using testing::row;

// The service buttons and the converter's two lines, clicked as the user does.
class TestServiceTabs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttons_data()
    {
        // names (input box (or none), button, result box), result (the result box afterwards,
        // holding "old" before)
        testing::columns<QStringList, QString, QString, QStringList, QStringList>(
            {"names", "input", "result", "messages", "frames"});
        const QStringList toIeee = {"floatInputBox", "toIeeeButton", "ieeeResultBox"};
        const QStringList toFloat = {"ieeeInputBox", "toFloatButton", "floatResultBox"};
        const QStringList none;
        row("1,5 to IEEE", toIeee, "1,5", "3FC00000", none, none);
        row("not a number", toIeee, "1,5,2", "old",
            QStringList{"Type mismatch: \"1.5,2\" is not a number"}, none);
        row("lower case to float", toFloat, "3fc00000", "1.5", none, none);
        row("7 characters", toFloat, "3FC0000", "old",
            QStringList{"Incorrect value for conversion to float format!"}, none);
        row("Restart PLC", QStringList{"", "restartButton"}, "", "", none,
            QStringList{"E11 3011 02 12AD"});
        // The test program has no update program beside it (see CMakeLists.txt).
        row("Start update firmware for STM32F3", QStringList{"", "updateFirmwareButton"}, "", "",
            QStringList{QStringLiteral("The firmware update program %1/update/update is missing or "
                                       "cannot be run; nothing was sent to the PLC")
                            .arg(QCoreApplication::applicationDirPath())},
            none);
    }

    void buttons()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, input);
        QFETCH(QString, result);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, frames);
        TransferFixture f;
        QVERIFY2(f.sim.ok(), qPrintable(f.sim.error()));
        QWidget window;
        new GeneralSettingFrame(f.ctx, &window);
        new ConverterTab(f.prompts, &window);
        auto *out = names.size() > 2 ? window.findChild<QLineEdit *>(names.at(2)) : nullptr;
        if (out) {
            out->setText(QStringLiteral("old"));
            QTest::keyClicks(window.findChild<QLineEdit *>(names.at(0)), input);
        }

        QTest::mouseClick(window.findChild<QPushButton *>(names.at(1)), Qt::LeftButton);

        QCOMPARE(out ? out->text() : QString(), result);
        QCOMPARE(f.prompts.messages(), messages);
        for (const auto &shown : f.prompts.shown)
            QVERIFY(shown.title.isNull());  // the application's own title
        QCOMPARE(f.frames(), frames);
        QVERIFY(!f.link.isOpen());
    }
};

QTEST_MAIN(TestServiceTabs)

#include "tst_service_tabs.moc"
