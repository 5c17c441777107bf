#pragma once

#include "main_window.h"
#include "scripted_prompts.h"
#include "sim_fixture.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace plc {

// A main window on a virtual controller reached as COM1, its message boxes answered by scripted
// prompts: what the window's tests start from. The window goes before the controller.
class WindowFixture {
public:
    WindowFixture() : window(std::make_unique<MainWindow>(prompts)) {}

    SimFixture sim;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

    // Runs script on the modal dialog of type T as soon as it is open; the test stops when
    // another window is modal then.
    template <class T>
    void onDialog(const std::function<void(T &)> &script)
    {
        QTimer::singleShot(0, window.get(), [script] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog)
                qFatal("the dialog is not open");
            script(*dialog);
        });
    }
};

}  // namespace plc
