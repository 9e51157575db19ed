#pragma once
// The history of the open document's changes, for Undo and Redo. A step keeps the document's
// content before and after it (copies that share every list and picture with their neighbours,
// so that only what the step changed costs memory); undoing a step puts the content before it
// back, and the part flags then say what differs from the document on disk.
//
// Changes are recorded as named steps: a command opens a ChangeStep where it starts, everything
// it changes until the outermost ChangeStep closes is one step, pushed only when the document
// differs. A change reported (SetModified) outside any step still becomes a step of its own, so
// that nothing escapes the history.

#include "document/CalendarDocument.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>

class ChangeHistory : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStepLimit = 100;

    // The history of current, whose part flags follow what differs from saved after an undo.
    ChangeHistory(CalendarDocument& current, const CalendarDocument& saved, QObject* parent = nullptr);
    ~ChangeHistory() override;

    // Forgets every step: the history starts again from the current document (New, Open,
    // closing). A save keeps the history.
    void Clear();

    // Whether there is a step to undo (redo) now: never while a step is being recorded.
    bool CanUndo() const;
    bool CanRedo() const;
    // The name of the step Undo (Redo) would take; empty when there is none.
    QString UndoName() const;
    QString RedoName() const;
    int StepCount() const { return m_stack.count(); }

    // Puts the content before (after) the step back into the current document. The file path
    // stays, unless the step changed it and it has not changed since (a year change empties it);
    // the part flags and IsSaved are made to say what differs from the saved document. False
    // when there is nothing to undo (redo) or a step is being recorded.
    bool Undo();
    bool Redo();

    // Runs changes as one step named name, however many changes they make: what a caller that
    // is not a window (synchronisation, scripts) uses.
    void RunAsOneStep(const QString& name, const std::function<void()>& changes);

    // A change was reported: part of the open step, or a step of its own outside any.
    void NoteChange();

    bool Recording() const { return m_depth > 0; }

signals:
    // A step was recorded, undone or redone: the document differs from what it was.
    void DocumentChanged();
    // After an undo or a redo, with the content left behind: the windows show the current one.
    void Restored(const CalendarDocument& before);
    // What Undo and Redo offer may have changed.
    void StateChanged();

private:
    friend class ChangeStep;
    class Step;
    using State = std::shared_ptr<const CalendarDocument>;

    void Begin(const QString& name);
    void Rename(const QString& name);
    void End();
    // Records what changed since the last step; false when nothing did.
    bool Commit(const QString& name, const QString& pathBefore);
    void Apply(const State& state, const QString& pathLeft, const QString& pathTaken);

    CalendarDocument& m_current;
    const CalendarDocument& m_saved;
    QUndoStack m_stack;
    State m_present; // the content after the last step
    int m_depth = 0;
    QString m_name;
    QString m_pathAtBegin;
    bool m_applying = false;
};

// One named step for the changes made while it lives; a step opened inside another is part of
// the outer one. Open it where a command starts:  ChangeStep step(Str(26012));
class ChangeStep
{
public:
    explicit ChangeStep(const QString& name); // on the open document's history
    ChangeStep(ChangeHistory& history, const QString& name);
    ~ChangeStep();
    Q_DISABLE_COPY_MOVE(ChangeStep)

    // Names the step once what it did is known; only the outermost step can.
    void Rename(const QString& name);

private:
    ChangeHistory& m_history;
    bool m_outermost;
};
