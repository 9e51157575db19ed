// Starts the program as a user would, then opens a new document and shows month windows, so the
// windows can be looked at (and screenshot under a virtual display) before the document
// commands exist. Usage: shell_preview [--entries] [--select] [--tile] [--closed] [--load] [month] | --splash

#include "app/FrmSplash.h"
#include "app/Program.h"
#include "document/Session.h"
#include "platform/MessageBoxPrompter.h"
#include "resources/Strings.h"
#include "views/FrmMain.h"
#include "views/FrmMonthModele.h"

#include <QApplication>
#include <QDate>

namespace {

DayEntry Entry(const QString& text, qint32 type, bool ticked = false)
{
    DayEntry e;
    e.Description = text;
    e.EntryType = type;
    e.Ticked = ticked;
    return e;
}

void AddSampleEntries(CalendarDocument& doc, int month)
{
    const int first = WeekdayOf(MakeDate(1, month, doc.YearNumber()), true);
    auto day = [&](int d) -> DayCell& { return doc.Month(month).Cell(d + first + 5); };
    day(3).Entries = {Entry(QStringLiteral("Dentiste 14h"), EntryEvent)};
    day(5).Entries = {Entry(QStringLiteral("Salaire    2450"), EntryIncome),
                      Entry(QStringLiteral("Loyer      650"), EntryExpense, true)};
    for (int i = 1; i <= 9; ++i)
        day(12).Entries.append(Entry(QStringLiteral("Réunion %1").arg(i), EntryEvent));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MessageBoxPrompter prompter;
    Prompter::Install(&prompter);
    if (app.arguments().contains(QStringLiteral("--splash"))) { // the splash window alone
        static FrmSplash splash;
        splash.show();
        splash.SetProgress(50);
        return app.exec();
    }
    Program program;
    if (!program.Start({app.arguments().first()})) return 0;

    const QStringList args = app.arguments();
    int month = QDate::currentDate().month();
    for (const QString& a : args.mid(1))
        if (a.toInt() >= 1 && a.toInt() <= 12) month = a.toInt();

    Session& s = Session::Get();
    s.CurrentDocument = s.BlankDocument(false);
    SetDocumentDefaults(s.CurrentDocument, QDate::currentDate().year());
    if (args.contains(QStringLiteral("--entries"))) AddSampleEntries(s.CurrentDocument, month);
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;
    s.SetMode(MainMode::Edit);

    FrmMain* main = program.MainWindow();
    main->BuildMonthWindows();
    if (args.contains(QStringLiteral("--tile"))) {
        for (int m = 1; m <= 12; ++m) main->ShowMonth(m);
        main->ArrangeMonthWindows(QStringLiteral("VTile"));
    } else {
        main->ShowMonth(month);
        main->MonthWindow(month)->move(0, 0);
    }
    if (args.contains(QStringLiteral("--select"))) {
        const int first = WeekdayOf(MakeDate(1, month, s.CurrentDocument.YearNumber()), true);
        main->SetCurrentTab(TabEvents);
        main->SelectDay(month, 5 + first + 5);
    }
    if (args.contains(QStringLiteral("--closed"))) main->ShowNavigationPanel(false, true);
    if (args.contains(QStringLiteral("--load"))) { // as while a document is being read
        s.SetMode(MainMode::Load);
        s.SetProgressLine(0, Str(10001));
        s.SetProgressLine(1, Str(10002) + u' ' + Str(209 + month) + QStringLiteral("..."));
    }
    return app.exec();
}
