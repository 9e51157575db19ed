// Two hundred calendars in the styles people bring, each with the flaws its kind of writer
// leaves: every one imports onto the days an independent reader (Python's icalendar and
// recurring_ical_events) finds in its clean twin.

#include "CalendarCorpus.h"
#include "InterchangeFixtures.h"
#include "interchange/IcsEntry.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

constexpr int kCalendars = 200;

// Prints "file<TAB>YYYY-MM-DD<TAB>summary" for each day of the year each event covers, as a
// calendar client shows it: a UTC time on its date in the local zone, any other on its date
// where it is written; the days up to its end; an event once a day; cancelled ones nowhere.
const char kExpander[] = R"(
import datetime, os, sys, icalendar, pytz, recurring_ical_events
local, year, folder = pytz.timezone(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
def wall(t):
    if t.tzinfo is None:
        return t
    if t.utcoffset() == datetime.timedelta(0) and str(t.tzinfo) in ('UTC', 'UTC+00:00'):
        return t.astimezone(local).replace(tzinfo=None)
    return t.replace(tzinfo=None)
for name in sorted(os.listdir(folder)):
    cal = icalendar.Calendar.from_ical(open(os.path.join(folder, name), 'rb').read())
    seen = set()
    window = (datetime.date(year - 2, 1, 1), datetime.date(year + 1, 1, 2))
    for ev in recurring_ical_events.of(cal).between(*window):
        if str(ev.get('STATUS', '')) == 'CANCELLED':
            continue
        start = ev['DTSTART'].dt
        end = ev['DTEND'].dt if ev.get('DTEND') else None
        if isinstance(start, datetime.datetime):
            start = wall(start)
            end = wall(end) if end is not None else start
            first = start.date()
            last = (end - datetime.timedelta(microseconds=1)).date() if end > start else first
        else:
            first = start
            last = end - datetime.timedelta(days=1) if end is not None and end > start else start
        key = (str(ev.get('UID')), str(ev['RECURRENCE-ID'].to_ical()) if ev.get('RECURRENCE-ID') else '')
        day = first
        while day <= last:
            if day.year == year and (key, day) not in seen:
                seen.add((key, day))
                print('%s\t%s\t%s' % (name, day.isoformat(), ev.get('SUMMARY')))
            day += datetime.timedelta(days=1)
)";

// What a sorted list holds beyond another.
QStringList Without(const QStringList& list, const QStringList& other)
{
    QStringList left;
    std::set_difference(list.begin(), list.end(), other.begin(), other.end(), std::back_inserter(left));
    return left;
}

} // namespace

class TestIcsCorpus : public QObject
{
    Q_OBJECT
private slots:
    void everyCalendarImportsOnTheDaysAnIndependentReaderFinds()
    {
        QTemporaryDir clean;
        QMap<QString, QByteArray> flawed;
        for (int seed = 0; seed < kCalendars; ++seed) {
            const CorpusCalendar c = CorpusCalendarOf(seed);
            QVERIFY(SaveBytes(clean.filePath(c.Name), c.Clean));
            flawed.insert(c.Name, c.Flawed);
        }
        QProcess python;
        python.start(Python(), {u"-c"_qs, QString::fromUtf8(kExpander), u"America/Montreal"_qs, u"2026"_qs,
                                clean.path()});
        QVERIFY(python.waitForFinished(120000));
        const QString err = QString::fromUtf8(python.readAllStandardError());
        if (err.contains(u"ModuleNotFoundError"_qs))
            QSKIP("python3-recurring-ical-events is not installed (scripts/common.sh installs it)");
        QVERIFY2(python.exitCode() == 0, qPrintable(err));
        QMap<QString, QStringList> expected;
        for (const QString& line :
             QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(u'\t');
            expected[f[0]].append(f[1] + u' ' + ImportedDescription(f[2], nullptr));
        }

        int agreeing = 0, entries = 0;
        QStringList differing;
        for (auto it = flawed.cbegin(); it != flawed.cend(); ++it) {
            OpenTestDocument(2026);
            QStringList ours = ImportedDays(it.value());
            QStringList theirs = expected.value(it.key());
            ours.sort();
            theirs.sort();
            entries += int(ours.size());
            if (ours == theirs)
                ++agreeing;
            else
                differing.append(it.key() + u": only ours "_qs + Without(ours, theirs).join(u", ") +
                                 u" | only theirs "_qs + Without(theirs, ours).join(u", "));
        }
        for (const QString& d : differing) qInfo("%s", qPrintable(d));
        qInfo("%d of %d calendars agree (%d entries)", agreeing, kCalendars, entries);
        QVERIFY2(entries > 1000, "the corpus brings too little to compare");
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(u"\n")));
    }
};

QTEST_GUILESS_MAIN(TestIcsCorpus)
#include "tst_icscorpus.moc"
