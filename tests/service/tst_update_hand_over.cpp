#include "settings_store.h"
#include "test_helpers.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace plc;

// The main window's status line around the hand-over to the update program (a recorder stands
// in for it beside this test, see CMakeLists.txt): the hand-over is not called done, and a
// controller left in its loader by an unfinished update is explained when it does not answer.
class TestUpdateHandOver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void statusAfterTheHandOverAndATimeout()
    {
        WindowFixture w;
        QVERIFY2(w.sim.ok(), qPrintable(w.sim.error()));
        auto *status = testing::child<QLabel>(w.window.get(), "actionStatus");
        testing::child<QPushButton>(w.window.get(), "updateFirmwareButton")->click();
        QCOMPARE(status->text(), QStringLiteral("Firmware update: switched to the loader; the "
                                                "update continues in its own window"));
        QVERIFY(w.sim.plc.inLoader());

        // The controller now waits in its loader, deaf to the tool's frames.
        const QString upload = QStringLiteral("1-wire upload: Answer timeout from PLC");
        auto *button = testing::child<QPushButton>(w.window.get(), "oneWireUploadButton");
        button->click();
        QCOMPARE(status->text(),
                 upload +
                     "; the controller may still be in its loader after an unfinished "
                     "firmware update: run the update again to finish it");
        // The documented message box stays as it is.
        QCOMPARE(w.prompts.messages(), QStringList{"Answer timeout from PLC"});

        // Once an update started the firmware, a silent controller is just silent.
        settingsfile::setUpdateUnfinished(w.sim.plc.devicePath(), false);
        button->click();
        QCOMPARE(status->text(), upload);
    }
};

QTEST_MAIN(TestUpdateHandOver)

#include "tst_update_hand_over.moc"
