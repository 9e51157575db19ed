#include "document/ChangeHistory.h"

#include "document/DocumentChanges.h"
#include "document/Session.h"
#include "resources/Strings.h"

// A step of the stack: the content before and after it, and the file path when the step itself
// changed it. Pushing it does not apply it again: the document is already as it leaves it.
class ChangeHistory::Step : public QUndoCommand
{
public:
    Step(ChangeHistory& history, const QString& name, State before, State after, QString pathBefore,
         QString pathAfter)
        : QUndoCommand(name), m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_pathBefore(std::move(pathBefore)), m_pathAfter(std::move(pathAfter))
    {}

    void undo() override { m_history.Apply(m_before, m_pathAfter, m_pathBefore); }

    void redo() override
    {
        if (m_done) m_history.Apply(m_after, m_pathBefore, m_pathAfter);
        m_done = true;
    }

private:
    ChangeHistory& m_history;
    State m_before;
    State m_after;
    QString m_pathBefore;
    QString m_pathAfter;
    bool m_done = false;
};

ChangeHistory::ChangeHistory(CalendarDocument& current, const CalendarDocument& saved, QObject* parent)
    : QObject(parent), m_current(current), m_saved(saved)
{
    m_stack.setUndoLimit(kStepLimit);
    m_present = std::make_shared<const CalendarDocument>(ContentOf(m_current));
}

ChangeHistory::~ChangeHistory() = default;

void ChangeHistory::Clear()
{
    m_stack.clear();
    m_present = std::make_shared<const CalendarDocument>(ContentOf(m_current));
    emit StateChanged();
}

bool ChangeHistory::CanUndo() const
{
    return !Recording() && m_stack.canUndo();
}

bool ChangeHistory::CanRedo() const
{
    return !Recording() && m_stack.canRedo();
}

QString ChangeHistory::UndoName() const
{
    return CanUndo() ? m_stack.undoText() : QString();
}

QString ChangeHistory::RedoName() const
{
    return CanRedo() ? m_stack.redoText() : QString();
}

bool ChangeHistory::Undo()
{
    if (Recording() || m_applying) return false;
    Commit(Str(26004), m_current.FilePath); // a change nobody reported is taken back first
    if (!m_stack.canUndo()) return false;
    m_stack.undo();
    emit StateChanged();
    return true;
}

bool ChangeHistory::Redo()
{
    if (Recording() || m_applying || !m_stack.canRedo()) return false;
    m_stack.redo();
    emit StateChanged();
    return true;
}

void ChangeHistory::RunAsOneStep(const QString& name, const std::function<void()>& changes)
{
    ChangeStep step(*this, name);
    changes();
}

void ChangeHistory::NoteChange()
{
    if (m_applying || Recording()) return;
    if (Commit(Str(26004), m_current.FilePath)) emit StateChanged();
}

void ChangeHistory::Begin(const QString& name)
{
    if (m_depth++ > 0) return;
    m_name = name;
    m_pathAtBegin = m_current.FilePath;
    emit StateChanged();
}

void ChangeHistory::Rename(const QString& name)
{
    if (Recording()) m_name = name;
}

void ChangeHistory::End()
{
    if (m_depth == 0 || --m_depth > 0) return;
    Commit(m_name, m_pathAtBegin);
    emit StateChanged();
}

bool ChangeHistory::Commit(const QString& name, const QString& pathBefore)
{
    if (SameContent(*m_present, m_current)) return false;
    State after = std::make_shared<const CalendarDocument>(ContentOf(m_current));
    m_stack.push(new Step(*this, name, m_present, after, pathBefore, m_current.FilePath));
    m_present = std::move(after);
    emit DocumentChanged();
    return true;
}

void ChangeHistory::Apply(const State& state, const QString& pathLeft, const QString& pathTaken)
{
    m_applying = true;
    const CalendarDocument left = m_current;
    // A file name the step took away comes back, unless the document was saved elsewhere since.
    const QString path = m_current.FilePath == pathLeft ? pathTaken : m_current.FilePath;
    m_current = *state;
    m_current.FilePath = path;
    KeepServerPairing(m_current, left);
    MarkPartsAgainst(m_current, m_saved);
    m_present = state;
    emit Restored(left);
    emit DocumentChanged();
    m_applying = false;
}

ChangeStep::ChangeStep(const QString& name) : ChangeStep(Session::Get().History(), name) {}

ChangeStep::ChangeStep(ChangeHistory& history, const QString& name)
    : m_history(history), m_outermost(!history.Recording())
{
    m_history.Begin(name);
}

ChangeStep::~ChangeStep()
{
    m_history.End();
}

void ChangeStep::Rename(const QString& name)
{
    if (m_outermost) m_history.Rename(name);
}
