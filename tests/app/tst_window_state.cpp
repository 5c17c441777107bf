#include "test_helpers.h"
#include "window_state.h"

#include <QtTest>

using namespace plc;

// Where a window kept at some place opens on the screens there are now.
class TestWindowState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        // screens: the primary first
        testing::columns<QRect, QList<QRect>, QRect>({"stored", "screens", "placed"});

        const QRect wide(0, 0, 1920, 1040);
        const QRect right(1920, 0, 1280, 1024);
        testing::row("on the screen", QRect(100, 80, 1240, 700), QList<QRect>{wide},
                     QRect(100, 80, 1240, 700));
        testing::row("mostly off, a grip left", QRect(1800, 1000, 1240, 700), QList<QRect>{wide},
                     QRect(1800, 1000, 1240, 700));
        testing::row("a sliver left", QRect(1900, 1020, 1240, 700), QList<QRect>{wide},
                     QRect(340, 170, 1240, 700));
        testing::row("on the second screen", QRect(2000, 100, 1240, 700), QList<QRect>{wide, right},
                     QRect(2000, 100, 1240, 700));
        testing::row("second screen gone", QRect(2000, 100, 1240, 700), QList<QRect>{wide},
                     QRect(340, 170, 1240, 700));
        testing::row("larger than the screen", QRect(-5000, 0, 1240, 700),
                     QList<QRect>{QRect(0, 0, 800, 600)}, QRect(0, 0, 1240, 700));
    }

    void placement()
    {
        QFETCH(QRect, stored);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, placed);
        QCOMPARE(placeOnScreens(stored, screens), placed);
    }
};

QTEST_GUILESS_MAIN(TestWindowState)

#include "tst_window_state.moc"
