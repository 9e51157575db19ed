#include "cli/UpdateCommand.h"

#include "calfile/CalFile.h"
#include "cli/Arguments.h"
#include "cli/FileCommands.h"
#include "entries/Occurrences.h"

int RunUpdate(const QStringList& args)
{
    const auto a = CommandArguments(args, {kPasswordOption}, 2, "update IN.cal OUT.cal [--password P]");
    if (!a) return ExitFailed;
    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    UpdateAutoEvents(doc);
    UpdateBirthdays(doc);
    return WriteCalFile(a->Positional[1], doc) ? ExitOk : ExitFailed;
}
