#pragma once
// The program-wide state: the open document, its copy as saved on disk, the main window's mode,
// the selected day and the entry clipboard. One object, reached through Session::Get().

#include "document/CalendarDocument.h"
#include "document/ChangeHistory.h"

#include <QObject>
#include <QString>

enum class MainMode
{
    Logo,
    Load,
    Edit,
    Unload
};

// The selected day of the month grid; zeros when none.
struct Selection
{
    qint16 Month = 0;
    qint16 Cell = 0;
    DateRec Date;
    bool Valid() const { return ValidMonth(Month) && ValidCell(Cell); }
};

// The entry clipboard: mode 0 empty, 1 copied, 2 cut; source -1 when none.
struct EntryClipboard
{
    qint32 Mode = 0;
    qint16 SourceMonth = -1;
    qint16 SourceCell = -1;
    qint16 SourceLine = -1;
    DayEntry Entry;
    void Clear() { *this = EntryClipboard(); }
};

// The day and line of the last right click in a month grid; line -1 when not on an entry.
struct CellMenuState
{
    qint16 Month = 0;
    qint16 Cell = 0;
    qint16 Line = -1;
};

class Session : public QObject
{
    Q_OBJECT
public:
    static Session& Get();

    static inline const QString FileVersion = QStringLiteral("2.1");

    CalendarDocument CurrentDocument;
    CalendarDocument SavedDocument;
    Selection Selected;
    EntryClipboard Clipboard;
    CellMenuState CellMenu;
    bool RefreshInProgress = false;

    MainMode Mode() const { return m_mode; }
    void SetMode(MainMode mode);

    // A new, empty document built from the defaults of CurrentDocument; the caller assigns it.
    // Unless keepView, the selection and the clipboard are reset and the month windows told.
    CalendarDocument BlankDocument(bool keepView);

    // Sets the part flag(s), recomputes IsSaved and the main window caption. A change (value
    // true) is recorded in the history: in the step open, or as a step of its own.
    void SetModified(qint32 part, bool value, int month = 0);

    // The Undo and Redo history of CurrentDocument.
    ChangeHistory& History() { return m_history; }

    // "Daybinder v2.1 - path*", computed from the document and the mode.
    QString Caption() const;
    void UpdateCaption() { emit CaptionChanged(Caption()); }

    // The two progress lines of the main window's loading picture (0 title, 1 step); the main
    // window shows each update at once.
    void SetProgressLine(int line, const QString& text);

    // After a list of the document changed: the main window refills its current tab and
    // selects that line (-1, or a line that does not exist: the first one, when there is one).
    void RequestRefresh(int line) { emit RefreshRequested(line); }

    // A day's entries changed: its month window redraws that cell.
    void NotifyDayCellChanged(int month, int cell) { emit DayCellChanged(month, cell); }

    // Back to the state of a fresh start (tests).
    void Reset();

signals:
    void CaptionChanged(const QString& caption);
    void ModeChanged(MainMode mode);
    // The month windows empty their cells; they close as well while the program ends.
    void MonthWindowsReset(bool closing);
    void ProgressLineChanged(int line, const QString& text);
    void RefreshRequested(int line);
    void DayCellChanged(int month, int cell);

private:
    Session();
    MainMode m_mode = MainMode::Logo;
    ChangeHistory m_history{CurrentDocument, SavedDocument};
};

// The caption for a document in a given mode.
QString CaptionFor(const CalendarDocument& doc, MainMode mode);

// "Daybinder v2.1 - path" (or "[Sans nom]"): the caption without its mark of unsaved changes, and
// the name of a print job.
QString DocumentTitle(const CalendarDocument& doc);
