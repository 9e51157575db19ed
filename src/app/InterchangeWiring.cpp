#include "app/InterchangeWiring.h"

#include "app/ShellCommands.h"
#include "document/Session.h"
#include "interchange/ImportDialog.h"
#include "interchange/InterchangeFiles.h"
#include "platform/CommonDialogs.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "views/MainWindow.h"

#include <QFileInfo>
#include <QPointer>

namespace {

const QString kTitle = QStringLiteral("Daybinder");

// Beside the open document, else where its file dialogs start.
QString StartFolder(const QString& documentPath, const QString& folderSetting)
{
    return documentPath.isEmpty() ? FolderWithoutMark(folderSetting) : QFileInfo(documentPath).absolutePath();
}

void ExportCommand()
{
    const CalendarDocument& doc = Session::Get().CurrentDocument;
    FileDialogRequest r;
    r.Filter = QStringLiteral("iCalendar (*.ics)|*.ics|CSV (*.csv)|*.csv");
    r.FilterIndex = 1;
    r.DefaultExtension = QStringLiteral("ics");
    r.ExtensionFollowsFilter = true;
    r.OverwritePrompt = true;
    r.InitialFolder = StartFolder(doc.FilePath, Settings::Get().CalSave);
    if (!doc.FilePath.isEmpty()) r.FileName = QFileInfo(doc.FilePath).completeBaseName();
    const std::optional<QString> path = CommonDialogs::Current().SaveFile(r);
    if (!path) return;
    BusyCursor busy;
    const QString error = ExportToFile(doc, *path, FormatOfPath(*path));
    busy.Restore();
    if (!error.isEmpty()) ShowMessage(kTitle, error, PromptIcon::Stop);
}

void ImportCommand(QWidget* parent)
{
    Session& s = Session::Get();
    FileDialogRequest r;
    r.Filter = QStringLiteral("iCalendar (*.ics)|*.ics");
    r.FilterIndex = 1;
    r.InitialFolder = StartFolder(s.CurrentDocument.FilePath, Settings::Get().CalOpen);
    ImportDialog dialog(r, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    ChangeStep step(Str(27026)); // however many days it fills
    BusyCursor busy;
    const ImportOutcome outcome =
        dialog.File().isEmpty() ? ImportDownloaded(dialog.Downloaded(), dialog.Address(), s.CurrentDocument)
                                : ImportFromFile(dialog.File(), s.CurrentDocument);
    if (outcome.Imported) {
        // Like any other change of a day: its month is to be saved, its cell redrawn.
        for (int month : outcome.Result.ChangedMonths()) s.SetModified(PartMonthEntries, true, month);
        for (const ImportedDay& day : outcome.Result.ChangedDays) s.NotifyDayCellChanged(day.Month, day.Cell);
        s.RequestRefresh(-1);
    }
    busy.Restore();
    ShowMessage(kTitle, outcome.Message, outcome.Failed ? PromptIcon::Stop : PromptIcon::Information);
}

} // namespace

void WireInterchange(MainWindow& main)
{
    const QPointer<QWidget> window(&main);
    SetShellCommandHandler(ShellCommand::Export, CommandGuard::Editing, &ExportCommand);
    SetShellCommandHandler(ShellCommand::Import, CommandGuard::Editing, [window] { ImportCommand(window); });
}
