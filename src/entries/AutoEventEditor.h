#pragma once
// The auto-event editor: the event page it shares with the event editor, the recurrence, and
// the range, whose dates snap onto the recurrence. The rules live in AutoEvents.h.

#include "entries/AutoEvents.h"

#include <QDialog>
#include <array>

class EventPage;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QTabWidget;

class AutoEventEditor : public QDialog
{
    Q_OBJECT
public:
    // mode EditorAdd or EditorEdit; editIndex is the definition edited.
    AutoEventEditor(int mode, int editIndex, QWidget* parent = nullptr);

    // 1 when a definition was written, 0 otherwise (Cancel, closed, or OK without change).
    int Result() const { return m_result; }

    AutoEventFormValues Values() const;

private:
    QWidget* BuildRecurrencePage();
    QWidget* BuildRangePage();
    void ShowValues(const AutoEventFormValues& values);
    // Only the combos of the chosen recurrence can be used.
    void EnableCombos(int recurrence);
    void OnRecurrenceChosen();
    // A range date (0 start, 1 end) the user finished choosing, then snapped.
    void OnDateChosen(int picker);
    // Shows the date the user last chose for that picker moved onto the recurrence: changing the
    // recurrence twice never loses a first or last occurrence.
    void Snap(int picker);
    void ShowHelp();
    void OnOk();

    int m_mode;
    int m_editIndex;
    int m_result = 0;
    QTabWidget* m_tabs = nullptr;
    EventPage* m_event = nullptr;
    QButtonGroup* m_recurrence = nullptr;
    std::array<QComboBox*, 6> m_combos{}; // CmbAE0..5; the daily box has none (3)
    std::array<QDateEdit*, 2> m_range{};
    std::array<DateRec, 2> m_chosen{}; // what the user chose last
    std::array<DateRec, 2> m_shown{};  // what the snap showed for it
};

// Opens the editor modally on the open document and returns its result.
int RunAutoEventEditor(QWidget* parent, int mode, int editIndex);
