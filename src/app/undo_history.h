#pragma once

#include "config_parts.h"
#include "project_file.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QUndoStack;

namespace plc {

class EditTracker;
class WindowTabs;

// Undo and redo of every change to the window's content: each change the edit tracker sees
// once the event loop is free becomes one step, holding the window's content before and after
// it. Steps are named by what they did ("delete request 5"), or by the name the action that is
// about to change the window gives (nameNextStep). Nothing that went to the controller is
// undone: a step only sets the window's content back.
class UndoHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int kStepsKept = 200;

    UndoHistory(WindowTabs &tabs, const EditTracker &edits, QObject *parent = nullptr);
    ~UndoHistory() override;

    // The "Edit" menu's entries: "Undo <what>" (Ctrl+Z) and "Redo <what>" (Ctrl+Shift+Z, Ctrl+Y).
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }

    // The name of the step the next change makes ("load x.vqc", "import CSV into UART 1
    // requests"); a name given to an action that then changes nothing is dropped.
    void nameNextStep(const QString &name);

    // Runs an action whose changes make one step, by that name (the three uploads of "Upload
    // from PLC").
    void gatherSteps(const QString &name, const std::function<void()> &action);

    // While a transfer runs the window's content stays as it is: no undo, no redo.
    void setLocked(bool locked);

    void undo();
    void redo();
    int steps() const;
    QString undoText() const;
    QString redoText() const;

Q_SIGNALS:
    // A step was undone or redone on that part: the window shows where.
    void restored(ConfigPart part);

private:
    class Step;

    // Looks at the window after a change: a step when its content is not what it was.
    void takeChange();
    void restore(const Project &project, std::optional<ConfigPart> part);
    void updateActions();

    WindowTabs &m_tabs;
    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
    Project m_current;   // the content as the last step left it
    QString m_nextName;  // the name for the next step; empty: named by what it did
    // Key presses in one box make one step while they follow each other, until an undo or redo.
    QElapsedTimer m_sinceLastStep;
    bool m_typingGoesOn = false;
    bool m_locked = false;
    bool m_gathering = false;
};

}  // namespace plc
