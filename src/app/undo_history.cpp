#include "undo_history.h"

#include "edit_labels.h"
#include "edit_tracker.h"
#include "window_tabs.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>

namespace plc {

namespace {

// Key presses in one box within this time make one step.
constexpr qint64 kTypingMs = 1500;

}  // namespace

// One change: the window's content before and after it. The first redo is the change itself,
// already made by the user.
class UndoHistory::Step : public QUndoCommand {
public:
    Step(UndoHistory &history, Project before, Project after, const EditChange &change,
         const QString &name)
        : m_history(history),
          m_before(std::move(before)),
          m_after(std::move(after)),
          m_change(change)
    {
        setText(name.isEmpty() ? change.label : name);
        m_typing = name.isEmpty() && change.settingsOnly;
    }

    void undo() override { m_history.restore(m_before, m_change.part); }
    void redo() override
    {
        if (m_made)
            m_history.restore(m_after, m_change.part);
        m_made = true;
    }
    int id() const override { return m_typing ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const Step *>(other);
        if (!next->m_typing || next->text() != text() || !m_history.m_typingGoesOn ||
            m_history.m_sinceLastStep.elapsed() > kTypingMs)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    UndoHistory &m_history;
    Project m_before;
    Project m_after;
    EditChange m_change;
    bool m_typing = false;
    bool m_made = false;
};

UndoHistory::UndoHistory(WindowTabs &tabs, const EditTracker &edits, QObject *parent)
    : QObject(parent),
      m_tabs(tabs),
      m_stack(new QUndoStack(this)),
      m_undo(new QAction(this)),
      m_redo(new QAction(this)),
      m_current(tabs.project())
{
    m_stack->setUndoLimit(kStepsKept);
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undo, &QAction::triggered, this, &UndoHistory::undo);
    connect(m_redo, &QAction::triggered, this, &UndoHistory::redo);
    connect(m_stack, &QUndoStack::indexChanged, this, &UndoHistory::updateActions);
    connect(&edits, &EditTracker::checked, this, &UndoHistory::takeChange);
    m_sinceLastStep.start();
    updateActions();
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::nameNextStep(const QString &name)
{
    m_nextName = name;
}

void UndoHistory::gatherSteps(const QString &name, const std::function<void()> &action)
{
    takeChange();
    m_gathering = true;
    action();
    m_gathering = false;
    m_nextName = name;
    takeChange();
}

void UndoHistory::setLocked(bool locked)
{
    m_locked = locked;
    updateActions();
}

void UndoHistory::undo()
{
    if (m_locked)
        return;
    takeChange();  // a change the tracker has not looked at yet is the step to undo
    m_stack->undo();
}

void UndoHistory::redo()
{
    if (m_locked)
        return;
    takeChange();  // a change made after an undo drops what could be redone
    m_stack->redo();
}

int UndoHistory::steps() const
{
    return m_stack->count();
}

QString UndoHistory::undoText() const
{
    return m_stack->undoText();
}

QString UndoHistory::redoText() const
{
    return m_stack->redoText();
}

void UndoHistory::takeChange()
{
    if (m_gathering)
        return;
    Project now = m_tabs.project();
    const std::optional<EditChange> change = describeEdit(m_current, now);
    const QString name = std::exchange(m_nextName, QString());
    if (!change)
        return;
    Project before = std::exchange(m_current, now);
    m_stack->push(new Step(*this, std::move(before), std::move(now), *change, name));
    m_typingGoesOn = true;
    m_sinceLastStep.restart();
}

void UndoHistory::restore(const Project &project, std::optional<ConfigPart> part)
{
    // The content restored is the current one: the change it makes is no new step.
    m_current = project;
    m_tabs.applyProject(project);
    m_current = m_tabs.project();
    m_typingGoesOn = false;
    if (part)
        Q_EMIT restored(*part);
}

void UndoHistory::updateActions()
{
    const auto entry = [](QAction *action, const QString &alone, const QString &withStep,
                          const QString &step, bool can) {
        action->setText(step.isEmpty() ? alone : withStep.arg(step));
        action->setEnabled(can);
    };
    entry(m_undo, tr("Undo"), tr("Undo %1"), m_stack->undoText(), m_stack->canUndo() && !m_locked);
    entry(m_redo, tr("Redo"), tr("Redo %1"), m_stack->redoText(), m_stack->canRedo() && !m_locked);
}

}  // namespace plc
