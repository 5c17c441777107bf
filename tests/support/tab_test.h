#pragma once

#include "window_fixture.h"

#include <QObject>
#include <QStringList>
#include <memory>

class QWidget;

namespace plc {

// What the tests of a tab in the main window start from: a fresh window on a virtual controller
// for each test function, and after each the port released and no dialog left open.
class TabTest : public QObject {
    Q_OBJECT

protected:
    // The tab shown in the window, which is made active; false when it does not become active.
    bool showTab(QWidget &tab) const;
    // What the controller received, one text a frame.
    QStringList frames() const;
    ScriptedPrompts &prompts() const { return m_w->prompts; }

    std::unique_ptr<WindowFixture> m_w;

protected Q_SLOTS:
    void init();
    void cleanup();
};

}  // namespace plc
