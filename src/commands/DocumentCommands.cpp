#include "commands/DocumentCommands.h"

#include "calfile/CalFile.h"
#include "document/NumberText.h"
#include "document/Session.h"
#include "platform/Clock.h"
#include "platform/CommonDialogs.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

FileDialogRequest CalFileRequest(const QString& folderSetting)
{
    FileDialogRequest r;
    r.Filter = Str(10050);
    r.FilterIndex = 2;
    r.DefaultExtension = QStringLiteral("cal");
    r.InitialFolder = FolderWithoutMark(folderSetting);
    return r;
}

template <typename Hook, typename... Args> void Call(const Hook& hook, Args... args)
{
    if (hook) hook(args...);
}

} // namespace

int MonthToBringToFront(const CalendarDocument& doc, const QDate& today)
{
    const qint64 m = RoundHalfEven(ReadNumber(doc.MonthToOpen), -1, 13);
    if (ValidMonth(int(m))) return int(m);
    if (doc.Year == QString::number(today.year())) return today.month();
    return 0;
}

DocumentCommands& DocumentCommands::Get()
{
    static DocumentCommands commands;
    return commands;
}

void DocumentCommands::BackToEditing(bool wasEditing)
{
    Session& s = Session::Get();
    if (wasEditing && s.Mode() != MainMode::Edit) s.SetMode(MainMode::Edit);
}

QString DocumentCommands::SaveAsDialog()
{
    QString& folder = Settings::Get().CalSave;
    FileDialogRequest r = CalFileRequest(folder);
    r.OverwritePrompt = true;
    r.FileName = Session::Get().CurrentDocument.FilePath;
    const std::optional<QString> chosen = CommonDialogs::Current().SaveFile(r);
    if (!chosen || chosen->isEmpty()) return {};
    RememberFolder(folder, *chosen);
    return *chosen;
}

bool DocumentCommands::Save(bool direct, bool saveAs)
{
    Session& s = Session::Get();
    CalendarDocument& current = s.CurrentDocument;
    if (!direct && current.IsSaved) return true;

    QString target = current.FilePath;
    if (saveAs || (current.FilePath.isEmpty() && direct && current.IsSaved)) {
        target = SaveAsDialog();
        if (target.isEmpty()) return false;
    }

    if (direct && current.IsSaved) {
        if (!WriteCalFile(target, current)) return false;
        s.SetModified(PartAll, false);
        s.SavedDocument = current;
        Call(Saved);
        return true;
    }

    const SavePartsAnswer answer =
        AskSaveParts ? AskSaveParts(target, ModifiedParts(current)) : SavePartsAnswer();
    switch (answer.Pressed) {
    case SavePartsAnswer::Cancel:
        return false;
    case SavePartsAnswer::No:
        if (!direct) Call(ChangesDropped); // replaced or closed without them, on purpose
        return true;
    case SavePartsAnswer::Yes:
        break;
    }

    if (target.isEmpty()) {
        target = SaveAsDialog();
        if (target.isEmpty()) return false;
    }
    const bool everything = answer.Chosen.size() == ModifiedParts(current).size();
    CalendarDocument written = everything ? current : WithPartsFrom(s.SavedDocument, current, answer.Chosen);
    if (!WriteCalFile(target, written)) return false;

    if (!everything && !m_noReload) {
        // The changes of the parts left out are dropped: a step, which Undo brings back.
        ChangeStep step(Str(26005));
        current = written;
        s.SetModified(PartAll, false);
        s.SavedDocument = current;
        LoadIntoMonthWindows();
    } else {
        s.SetModified(PartAll, false);
        s.SavedDocument = current;
    }
    Call(Saved);
    return true;
}

bool DocumentCommands::SaveCommand(bool saveAs)
{
    const bool wasEditing = Session::Get().Mode() == MainMode::Edit;
    const bool ok = Save(true, saveAs);
    BackToEditing(wasEditing);
    if (ok) Call(AfterSave);
    return ok;
}

void DocumentCommands::Open(QString path)
{
    Session& s = Session::Get();
    if (path.isEmpty()) {
        QString& folder = Settings::Get().CalOpen;
        const std::optional<QString> chosen = CommonDialogs::Current().OpenFile(CalFileRequest(folder));
        if (!chosen || chosen->isEmpty()) return;
        RememberFolder(folder, *chosen);
        path = *chosen;
    }

    const bool wasEditing = s.Mode() == MainMode::Edit;
    if (!Save(false, false)) {
        BackToEditing(wasEditing);
        return;
    }

    Call(CloseMonthWindows);
    const CalendarDocument blank = s.BlankDocument(false);
    s.CurrentDocument = blank;
    const bool ok = ReadCalFile(path, s.CurrentDocument);
    if (!ok) s.CurrentDocument = blank; // never keep a half-read document
    s.SetModified(PartAll, false);
    if (ok) {
        s.SavedDocument = s.CurrentDocument;
        Call(Opened, path);
        ShowRead();
        Call(AfterOpen);
        return;
    }
    s.SavedDocument = s.CurrentDocument;
    s.History().Clear();
    if (s.Mode() != MainMode::Logo) s.SetMode(MainMode::Logo);
    s.SetModified(PartAll, false);
    s.RequestRefresh(-1);
}

void DocumentCommands::Show(CalendarDocument doc, CalendarDocument saved)
{
    Session& s = Session::Get();
    Call(CloseMonthWindows);
    s.BlankDocument(false); // a new view: no selection, no clipboard
    s.CurrentDocument = std::move(doc);
    s.SavedDocument = std::move(saved);
    ShowRead();
}

void DocumentCommands::ShowRead()
{
    Session::Get().History().Clear();
    LoadIntoMonthWindows();
    Call(RunAlarmCheck);
}

void DocumentCommands::New()
{
    Session& s = Session::Get();
    const bool wasEditing = s.Mode() == MainMode::Edit;
    m_noReload = true;
    const bool ok = Save(false, false);
    m_noReload = false;
    if (!ok) {
        BackToEditing(wasEditing);
        return;
    }

    if (s.Mode() != MainMode::Logo) s.SetMode(MainMode::Logo);
    s.CurrentDocument = s.BlankDocument(false);
    SetDocumentDefaults(s.CurrentDocument, Clock::Current().Today().year());
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;

    // What the properties of the new document set is where its history starts.
    const bool confirmed = !EditNewDocumentProperties || EditNewDocumentProperties();
    s.History().Clear();
    if (confirmed) {
        LoadIntoMonthWindows();
        return;
    }
    Call(CloseMonthWindows);
    s.SetModified(PartAll, false);
    s.RequestRefresh(-1);
}

void DocumentCommands::LoadIntoMonthWindows()
{
    ReloadMonthWindows({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {.TrailingDots = true, .BringToFront = true});
}

void DocumentCommands::ReloadMonthWindows(const QList<int>& months, MonthReload how)
{
    Session& s = Session::Get();
    BusyCursor busy;
    s.SetMode(MainMode::Load);
    s.SetProgressLine(0, Str(10001));
    const QString dots = how.TrailingDots ? QStringLiteral("...") : QString();
    for (int m : months) {
        s.SetProgressLine(1, Str(10002) + u' ' + Str(209 + m) + dots);
        Call(BuildMonthWindow, m);
    }
    s.SetMode(MainMode::Edit);
    LetInterfaceRepaint();
    if (how.BringToFront) {
        const int front = MonthToBringToFront(s.CurrentDocument, Clock::Current().Today());
        if (front) Call(BringMonthToFront, front);
    }
    s.RequestRefresh(-1); // the days and the selection are new to the current tab
    s.UpdateCaption();
}
