// Writes the seed corpora of the fuzz targets with the program's own writers:
//   make_fuzz_seeds DIR  ->  DIR/fuzz_stream/*, DIR/fuzz_calfile/*, DIR/fuzz_icsimport/*

#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "document/Money.h"
#include "interchange/IcsExport.h"
#include "support/SharedEntryArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// Small, so that the fuzzer spends its time on variations, but with one of everything.
CalendarDocument SeedDocument(bool embed, const QString& picturePath)
{
    CalendarDocument doc = BlankDocumentFrom({});
    SetDocumentDefaults(doc, 2004);
    doc.Author = QStringLiteral("Œuvre € été");
    doc.EmbedPictures = embed;
    doc.AE.AutoEvents.append({KindMonthly, 5, 0, MakeDate(1, 1, 2004), MakeDate(31, 12, 2004),
                              MakeKey(u"AE", 1), MoneyDescription(u"Loyer", u"650"), EntryExpense});
    doc.AE.AENextId = 1;
    doc.BD.Birthdays.append({MakeDate(3, 4, 1970), MakeKey(u"BD", 1), QStringLiteral("Zoé")});
    doc.BD.BDNextId = 1;
    doc.DE.DebtsSavings.append({true, MakeDate(1, 2, 2004), MoneyDescription(u"Livret", u"100")});
    DayEntry e;
    e.Description = QStringLiteral("Dentiste");
    e.EntryType = EntryEvent;
    e.AlarmOn = true;
    e.LinkKey = MakeKey(u"AE", 1);
    e.PicturePath = picturePath;
    e.Picture = QImage(6, 4, QImage::Format_RGB32);
    e.Picture.fill(Qt::darkCyan);
    doc.Month(2).Cell(10).Entries.append(e);
    doc.DefaultBackground.PicturePath = picturePath;
    doc.DefaultBackground.Picture = e.Picture;
    return doc;
}

bool Save(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
        return 1;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString streams = root.filePath(QStringLiteral("fuzz_stream"));
    const QString files = root.filePath(QStringLiteral("fuzz_calfile"));
    QDir().mkpath(streams);
    QDir().mkpath(files);
    const QString picture = root.filePath(QStringLiteral("picture.bmp"));

    CalendarDocument blank = BlankDocumentFrom({});
    SetDocumentDefaults(blank, 2004);
    CalendarDocument full = SeedDocument(true, picture);
    full.DefaultBackground.Picture.save(picture);
    bool ok = Save(streams + QStringLiteral("/new"), WriteDataStream(blank)) &&
              Save(streams + QStringLiteral("/full"), WriteDataStream(full));
    // The older layout: no key counter, no birthdays, entries without a link key.
    QByteArrayList lines = WriteDataStream(blank).split('\n');
    lines[0] = "\"2.0 (Beta 2)\"\r";
    lines.remove(8, 2); // birthday count and counter
    lines.remove(6);    // AENextId
    ok = ok && Save(streams + QStringLiteral("/v20"), lines.join('\n'));

    ok = ok && WriteCalFile(files + QStringLiteral("/new.cal"), blank);
    ok = ok && WriteCalFile(files + QStringLiteral("/embedded.cal"), full);
    full.Password = QStringLiteral("secret");
    ok = ok && WriteCalFile(files + QStringLiteral("/protected.cal"), full);
    CalendarDocument referenced = SeedDocument(false, picture);
    ok = ok && WriteCalFile(files + QStringLiteral("/referenced.cal"), referenced);
    // Small files whose picture members all inflate one large entry: each opens or is refused
    // at once, however many members share it.
    for (const int members : {200, 1000})
        ok = ok && Save(files + QStringLiteral("/shared-entry-%1.cal").arg(members), SharedEntryCalFile(members));

    // The importer: the program's own export, and events that recur across zones.
    const QString calendars = root.filePath(QStringLiteral("fuzz_icsimport"));
    QDir().mkpath(calendars);
    ok = ok && Save(calendars + QStringLiteral("/export.ics"), ExportCalendar(full, QDateTime::currentDateTimeUtc()));
    ok = ok && Save(calendars + QStringLiteral("/recurring.ics"),
                    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Seed//FR\r\n"
                    "BEGIN:VEVENT\r\nUID:a\r\nDTSTAMP:20040101T000000Z\r\nDTSTART;VALUE=DATE:19700612\r\n"
                    "RRULE:FREQ=YEARLY\r\nSUMMARY:Anniversaire\r\nEND:VEVENT\r\n"
                    "BEGIN:VEVENT\r\nUID:b\r\nDTSTAMP:20040101T000000Z\r\n"
                    "DTSTART;TZID=America/Montreal:20040105T233000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,TH;COUNT=9\r\n"
                    "EXDATE;TZID=America/Montreal:20040112T233000\r\nRDATE:20041231T230000Z\r\n"
                    "SUMMARY:Cours\r\nEND:VEVENT\r\n"
                    "BEGIN:VEVENT\r\nUID:b\r\nDTSTAMP:20040101T000000Z\r\n"
                    "RECURRENCE-ID;TZID=America/Montreal:20040108T233000\r\n"
                    "DTSTART;TZID=America/Montreal:20040109T080000\r\nSUMMARY:Cours déplacé\r\nEND:VEVENT\r\n"
                    "END:VCALENDAR\r\n");
    // What calendars from elsewhere bring: a zone of the file's own and a Windows one, loose
    // rules, an event of several days, LF line ends, a second calendar cut short.
    ok = ok && Save(calendars + QStringLiteral("/flawed.ics"),
                    "\xEF\xBB\xBF"
                    "BEGIN:VCALENDAR\nX-WR-TIMEZONE:Europe/Paris\nBEGIN:VTIMEZONE\nTZID:Maison\n"
                    "BEGIN:STANDARD\nDTSTART:16011028T030000\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\n"
                    "TZOFFSETFROM:+0200\nTZOFFSETTO:+0100\nEND:STANDARD\nEND:VTIMEZONE\n"
                    "BEGIN:VEVENT\nUID:c\nDTSTART;TZID=Maison:20040105T090000\n"
                    "RRULE:freq=weekly;byday=MO, TU,;until=20040601T070000Z\nSUMMARY:Réunion\n"
                    "END:VEVENT\nBEGIN:VEVENT\nUID:d\nDTSTART;TZID=Pacific Standard Time:20041230T220000\n"
                    "DURATION:P3DT4H\nRRULE:\nGEO:x\nSUMMARY:Séjour\nEND:VEVENT\nEND:VCALENDAR\n"
                    "BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:e\nDTSTART:20040301\nDTEND:20040305\n"
                    "SUMMARY:Cou");
    if (!ok) std::fprintf(stderr, "make_fuzz_seeds: could not write the seeds\n");
    return ok ? 0 : 1;
}
