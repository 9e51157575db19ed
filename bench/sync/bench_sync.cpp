// Exchanges of a 2,000-entry year with a local CalDAV server (Radicale on 127.0.0.1, started and
// stopped here): the first one, which sends every entry, then one with nothing changed, then one
// after a few changes here. The same against a collection in memory gives the exchange's own part.

#include "Timing.h"
#include "entries/DayEntries.h"
#include "sync/FakeCalDav.h"
#include "sync/NetworkCalDavClient.h"
#include "sync/RadicaleServer.h"
#include "sync/SyncExchange.h"

#include <QCoreApplication>

namespace {

CalendarDocument YearOf(int entries, const QString& url)
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, 2026);
    const QStringList texts{QStringLiteral("Réunion"), QStringLiteral("Piscine"), QStringLiteral("Courses"),
                            QStringLiteral("Dentiste"), QStringLiteral("Anniversaire")};
    for (int i = 0; i < entries; ++i) {
        const DateRec date = AddDays(MakeDate(1, 1, 2026), i % 365);
        DayEntry e;
        e.EntryType = EntryEvent;
        e.Description = texts[i % texts.size()] + u' ' + QString::number(i);
        e.AlarmOn = i % 7 == 0;
        e.AlarmDaysBefore = 2;
        doc.Month(date.Month).Cell(CellOfDate(date)).Entries.append(e);
    }
    doc.Sync.CollectionUrl = url;
    doc.Sync.UserName = RadicaleServer::User;
    return doc;
}

double Exchange(CalendarDocument& doc, SyncOutcome* outcome)
{
    NetworkCalDavClient client(QUrl(doc.Sync.CollectionUrl), doc.Sync.UserName, RadicaleServer::Password);
    QElapsedTimer t;
    t.start();
    *outcome = RunExchange(client, doc);
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

void InMemory()
{
    FakeCalDav fake;
    CalendarDocument doc = YearOf(2000, QStringLiteral("https://cal.example/u/cal/"));
    QElapsedTimer t;
    t.start();
    SyncOutcome outcome = RunExchange(fake, doc);
    std::printf("first exchange, collection in memory    %9.1f ms  %s\n", double(t.nsecsElapsed()) / 1e6,
                qPrintable(outcome.Report()));
    t.start();
    outcome = RunExchange(fake, doc);
    std::printf("second exchange, collection in memory   %9.1f ms  %s\n", double(t.nsecsElapsed()) / 1e6,
                qPrintable(outcome.Report()));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InMemory();
    RadicaleServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "radicale could not be started\n");
        return 1;
    }
    CalendarDocument doc = YearOf(2000, server.Url(server.MakeCalendar(QStringLiteral("bench"))));
    SyncOutcome outcome;
    const double first = Exchange(doc, &outcome);
    std::printf("first exchange of 2,000 entries        %9.1f ms  %s\n", first, qPrintable(outcome.Report()));
    if (!outcome.Ok()) std::printf("  failed: %s\n", qPrintable(outcome.Message));

    std::vector<double> nothing;
    for (int i = 0; i < 5; ++i) {
        nothing.push_back(Exchange(doc, &outcome));
        if (outcome.Counts.Sent || outcome.Counts.Received)
            std::printf("  unexpected: %s\n", qPrintable(outcome.Report()));
    }
    Report("second exchange, nothing changed", nothing, 1000);

    // A few changes on each side.
    for (int d = 1; d <= 10; ++d)
        doc.Month(5).Cell(CellOfDate(MakeDate(d, 5, 2026))).Entries.first().Ticked = true;
    const double some = Exchange(doc, &outcome);
    std::printf("exchange after 10 local changes        %9.1f ms  %s\n", some, qPrintable(outcome.Report()));
    return 0;
}
