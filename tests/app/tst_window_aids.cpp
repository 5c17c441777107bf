#include "main_window.h"
#include "one_wire_tab.h"
#include "test_helpers.h"
#include "uart_tab.h"
#include "window_fixture.h"

#include <QTabWidget>
#include <QtTest>
#include <memory>

class TestWindowAids : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void probe();
};

void TestWindowAids::probe()
{
    WindowFixture f;
    Main &w = *f.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto report = [&](const char *what) {
        QCoreApplication::processEvents();
        qWarning("%s: width %d min %d hint %d", what, w.width(), w.minimumSizeHint().width(),
                 w.minimumWidth());
    };
    report("start");
    for (int t = 0; t < w.tabs().count(); ++t) {
        w.tabs().setCurrentIndex(t);
        report(qPrintable(w.tabs().tabText(t)));
        for (int m = 0; m < 3; ++m) {
            if (t == 1 || t == 2) {
                w.uart(t).selectMode(m);
                report(qPrintable(QStringLiteral("  mode %1").arg(m)));
            } else if (t == 3) {
                w.oneWire().selectMode(m);
                report(qPrintable(QStringLiteral("  mode %1").arg(m)));
            }
        }
    }
}

QTEST_MAIN(TestWindowAids)
#include "tst_window_aids.moc"
