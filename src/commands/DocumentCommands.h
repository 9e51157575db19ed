#pragma once
// The file commands: New, Open, Save and Save As, the save check that every command replacing or
// closing the document runs first, and the rebuilding of the month windows. The windows are
// reached through hooks that the main window sets, so every rule stays here.

#include "document/SaveParts.h"

#include <QDate>
#include <QString>
#include <functional>

// What the save-parts dialog answered; with Yes, the lines left selected.
struct SavePartsAnswer
{
    enum Button
    {
        Cancel,
        No,
        Yes
    };
    Button Pressed = Cancel;
    QList<SavePart> Chosen;
};

// The month whose window comes to the front after loading: the month to open when it is 1..12,
// else the current month when the calendar is of the current year, else none (0).
int MonthToBringToFront(const CalendarDocument& doc, const QDate& today);

// How the rebuilds of the month windows under the loading picture differ: after Open each
// month's step line ends in "..." and the month of the day comes to the front; another year set
// in the properties does neither.
struct MonthReload
{
    bool TrailingDots = false;
    bool BringToFront = false;
};

class DocumentCommands
{
public:
    static DocumentCommands& Get();

    // Hooks set by the windows. Unset, the save-parts dialog is cancelled, the properties of a
    // new document are confirmed unchanged, and the others do nothing.
    std::function<SavePartsAnswer(const QString& target, const QList<SavePart>& parts)> AskSaveParts;
    std::function<void(int month)> BuildMonthWindow; // caption, days, colours, background, cells
    std::function<void(int month)> BringMonthToFront;
    std::function<void()> CloseMonthWindows;         // outside shutdown they are only hidden
    std::function<bool()> EditNewDocumentProperties; // true when confirmed
    std::function<void()> RunAlarmCheck;
    // Told when the open document was written by Save, when the user chose not to save its
    // changes before it is replaced or closed ("&Non" of the save check), and when Open has
    // read a file, before it is shown (the document may be replaced there).
    std::function<void()> Saved;
    std::function<void()> ChangesDropped;
    std::function<void(const QString& path)> Opened;
    // After a file was opened, and after the Save buttons wrote it (synchronisation).
    std::function<void()> AfterOpen;
    std::function<void()> AfterSave;

    // True when the caller may go on: written, unchanged, or not to be saved ("&Non"); false on
    // Cancel or a failed write.
    bool Save(bool direct, bool saveAs);

    // The commands of the Save buttons: the main window returns to editing afterwards.
    bool SaveCommand(bool saveAs);

    // Opens a file; an empty path asks for one first.
    void Open(QString path = {});
    void New();

    // Puts doc in place of the open document, with saved as what its file holds, and shows it
    // as Open shows a file read: the history starts again, the month windows are rebuilt and
    // the alarms checked. The caller ran the save check.
    void Show(CalendarDocument doc, CalendarDocument saved);

    // The chosen path, empty on Cancel.
    QString SaveAsDialog();

    // The twelve month windows rebuilt after Open or New.
    void LoadIntoMonthWindows();

    // Rebuilds those month windows from the current document under the loading picture, then
    // returns to editing with the current tab refilled and the caption updated.
    void ReloadMonthWindows(const QList<int>& months, MonthReload how);

    // Set while New runs its save check: a partial save then keeps the open document as is.
    bool NoReload() const { return m_noReload; }

private:
    bool SaveChosenParts(QString target);
    void BackToEditing(bool wasEditing);
    void ShowRead();

    bool m_noReload = false;
};
