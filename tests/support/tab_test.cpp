#include "tab_test.h"

#include "plc_link.h"
#include "test_helpers.h"

#include <QApplication>
#include <QTabWidget>

namespace plc {

bool TabTest::showTab(QWidget &tab) const
{
    m_w->window->tabs().setCurrentWidget(&tab);
    m_w->window->show();
    m_w->window->activateWindow();
    return QTest::qWaitForWindowActive(m_w->window.get());
}

QStringList TabTest::frames() const
{
    return wire(m_w->sim.plc.frames());
}

void TabTest::init()
{
    testing::start(m_w);
}

void TabTest::cleanup()
{
    QVERIFY(!m_w->window->link().isOpen());  // every path releases the port
    QVERIFY(!QApplication::activeModalWidget());
    m_w.reset();
}

}  // namespace plc
