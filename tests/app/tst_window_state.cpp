#include "ini_file.h"
#include "window_state.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The window's remembered state: where a stored window opens on the screens there are, and the
// [WINDOW] section as written and read back beside the other sections.
class TestWindowState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data();
    void placement();
    void section_data();
    void section();
};

void TestWindowState::placement_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QList<QRect>>("screens");  // the primary first
    QTest::addColumn<QRect>("placed");

    const QRect wide(0, 0, 1920, 1040);
    const QRect right(1920, 0, 1280, 1024);
    QTest::newRow("on the screen")
        << QRect(100, 80, 1240, 700) << QList<QRect>{wide} << QRect(100, 80, 1240, 700);
    QTest::newRow("mostly off, a grip left")
        << QRect(1800, 1000, 1240, 700) << QList<QRect>{wide} << QRect(1800, 1000, 1240, 700);
    QTest::newRow("a sliver left")
        << QRect(1900, 1020, 1240, 700) << QList<QRect>{wide} << QRect(340, 170, 1240, 700);
    QTest::newRow("on the second screen")
        << QRect(2000, 100, 1240, 700) << QList<QRect>{wide, right} << QRect(2000, 100, 1240, 700);
    QTest::newRow("second screen gone")
        << QRect(2000, 100, 1240, 700) << QList<QRect>{wide} << QRect(340, 170, 1240, 700);
    QTest::newRow("far above") << QRect(100, -3000, 1240, 700) << QList<QRect>{wide, right}
                               << QRect(340, 170, 1240, 700);
    QTest::newRow("larger than the screen")
        << QRect(-5000, 0, 1240, 700) << QList<QRect>{QRect(0, 0, 800, 600)}
        << QRect(0, 0, 1240, 700);
}

void TestWindowState::placement()
{
    QFETCH(QRect, stored);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, placed);
    QCOMPARE(placeOnScreens(stored, screens), placed);
}

void TestWindowState::section_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("beside the port settings")
        << QByteArray("[COM]\r\nPort_num=2\r\n")
        << QByteArray(
               "[COM]\r\nPort_num=2\r\n\r\n[WINDOW]\r\nLeft=-20\r\nTop=80\r\nWidth=1300\r\n"
               "Height=720\r\nMaximized=1\r\nTab=4\r\nColumns_MB_grid=40,131\r\n"
               "Columns_MSFlexGrid1=70,90\r\nVerify=1\r\n");
    QTest::newRow("over an earlier one")
        << QByteArray("[WINDOW]\nLeft=5\nTop=abc\nColumns_MB_grid=1,x\nTab=1\n[COM]\nSpeed=1\n")
        << QByteArray(
               "[WINDOW]\nLeft=-20\nTop=80\nColumns_MB_grid=40,131\nTab=4\nWidth=1300\n"
               "Height=720\nMaximized=1\nColumns_MSFlexGrid1=70,90\nVerify=1\n[COM]\n"
               "Speed=1\n");
}

void TestWindowState::section()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.ini"));
    setSettingsFilePath(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();
    const QStringList tables = {"MB_grid", "MSFlexGrid1", "W1_grid"};

    // What a hand-edited section holds that is not a number is not taken.
    const WindowState earlier = readWindowState(tables);
    QVERIFY(earlier.geometry.isNull());
    QVERIFY(earlier.columnWidths.isEmpty());

    WindowState state;
    state.geometry = QRect(-20, 80, 1300, 720);
    state.maximized = true;
    state.tab = 4;
    state.columnWidths = {{"MB_grid", {40, 131}}, {"MSFlexGrid1", {70, 90}}};
    state.verifyWrites = true;
    writeWindowState(state);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);

    const WindowState back = readWindowState(tables);
    QCOMPARE(back.geometry, state.geometry);
    QCOMPARE(back.maximized, true);
    QCOMPARE(back.tab, 4);
    QCOMPARE(back.columnWidths, state.columnWidths);
    QCOMPARE(back.verifyWrites, true);
    setSettingsFilePath(QString());
}

QTEST_GUILESS_MAIN(TestWindowState)
#include "tst_window_state.moc"
