#include "EntryFixtures.h"
#include "entries/AutoEvents.h"
#include "entries/Birthdays.h"
#include "entries/Occurrences.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

AutoEventDef Definition(qint32 kind, int day, int month, DateRec start, DateRec end, const QString& text,
                        qint32 type = EntryEvent)
{
    AutoEventDef a;
    a.Kind = kind;
    a.Day = qint16(day);
    a.Month = qint16(month);
    a.StartDate = start;
    a.EndDate = end;
    a.Description = text;
    a.EntryType = type;
    return a;
}

// A definition of the whole test year, added as the editor adds it (a new key).
AutoEventDef& AddDefinition(qint32 kind, int day, int month, const QString& text)
{
    const int year = Doc().YearNumber();
    AutoEventDef a = Definition(kind, day, month, MakeDate(1, 1, year), MakeDate(31, 12, year), text);
    a.Key = NewDefinitionKey(u"AE", Doc().AE.AENextId, Doc().AE.AutoEvents);
    Doc().AE.AutoEvents.append(a);
    return Doc().AE.AutoEvents.last();
}

// Every date of the year holding an entry with that key, " xN" when it holds more than one.
QStringList DaysHolding(const QString& key)
{
    QStringList days;
    const int year = Doc().YearNumber();
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(year, m); ++d) {
            const qsizetype n = std::count_if(EntriesOn(d, m).cbegin(), EntriesOn(d, m).cend(),
                                              [&](const DayEntry& e) { return e.LinkKey == key; });
            if (n)
                days.append(DateToText(MakeDate(d, m, year)) +
                            (n > 1 ? u" x"_qs + QString::number(n) : QString()));
        }
    return days;
}

// The rules said over again, one date at a time.
bool FollowsRule(const AutoEventDef& a, const DateRec& d)
{
    if (!DateInRange(d, a.StartDate, a.EndDate)) return false;
    const int last = DaysInMonth(d.Year, d.Month);
    switch (a.Kind) {
    case KindMonthly:
        return d.Day == std::min<int>(a.Day, last);
    case KindYearly:
        return d.Month == a.Month && d.Day == std::min<int>(a.Day, last);
    case KindWeekly:
        return WeekdayOf(d, false) == a.Day;
    case KindTwoWeeks:
        return (DaysFromCivil(d.Year, d.Month, d.Day) -
                DaysFromCivil(a.StartDate.Year, a.StartDate.Month, a.StartDate.Day)) %
                   14 ==
               0;
    case KindDaily:
        return true;
    }
    return false;
}

} // namespace

class TestOccurrences : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2004); }

    void datesFollowTheRecurrence_data()
    {
        QTest::addColumn<AutoEventDef>("def");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("count");
        const DateRec s = MakeDate(1, 1, 2004), e = MakeDate(31, 12, 2004);
        const DateRec s03 = MakeDate(1, 1, 2003), e03 = MakeDate(31, 12, 2003);
        QTest::newRow("monthly 31, leap year")
            << Definition(KindMonthly, 31, 0, s, e, "Loyer") << 2004
            << QStringList{"2004-01-31", "2004-02-29", "2004-03-31", "2004-04-30"} << 12;
        QTest::newRow("monthly 31, other year") << Definition(KindMonthly, 31, 0, s03, e03, "Loyer") << 2003
                                                << QStringList{"2003-01-31", "2003-02-28"} << 12;
        QTest::newRow("yearly 29 February, other year")
            << Definition(KindYearly, 29, 2, s03, e03, "Bissextile") << 2003 << QStringList{"2003-02-28"}
            << 1;
        QTest::newRow("weekly on Mondays") << Definition(KindWeekly, 2, 0, s, e, "Yoga") << 2004
                                           << QStringList{"2004-01-05", "2004-01-12"} << 52;
        // Friday 26 December 2003: the series goes on into 2004 from there.
        QTest::newRow("every two weeks from the previous December")
            << Definition(KindTwoWeeks, 6, 0, MakeDate(26, 12, 2003), e, "Paie") << 2004
            << QStringList{"2004-01-09", "2004-01-23"} << 26;
        QTest::newRow("daily, range of one day")
            << Definition(KindDaily, 0, 0, MakeDate(10, 3, 2004), MakeDate(10, 3, 2004), "Vaccin") << 2004
            << QStringList{"2004-03-10"} << 1;
        QTest::newRow("range in another year")
            << Definition(KindDaily, 0, 0, s03, e03, "Passé") << 2004 << QStringList{} << 0;
        QTest::newRow("reversed range")
            << Definition(KindMonthly, 5, 0, e, s, "Envers") << 2004 << QStringList{} << 0;
        // Values no editor gives, read from a damaged file.
        QTest::newRow("weekday 0") << Definition(KindWeekly, 0, 0, s, e, "?") << 2004 << QStringList{} << 0;
        QTest::newRow("month 13") << Definition(KindYearly, 5, 13, s, e, "?") << 2004 << QStringList{} << 0;
        // A huge range costs no more than a year.
        QTest::newRow("every two weeks over 60000 years")
            << Definition(KindTwoWeeks, 0, 0, MakeDate(1, 1, -30000), MakeDate(31, 12, 30000), "Long") << 2004
            << QStringList{} << 26;
    }

    void datesFollowTheRecurrence()
    {
        QFETCH(AutoEventDef, def);
        QFETCH(int, year);
        QFETCH(QStringList, first);
        QFETCH(int, count);
        QStringList dates;
        for (const DateRec& d : OccurrenceDates(def, year)) dates.append(DateToText(d));
        QCOMPARE(dates.size(), count);
        QCOMPARE(dates.mid(0, first.size()), first);
    }

    void updateAppendsOnlyWhereTheKeyIsMissing()
    {
        EntriesOn(30, 4) = {Event("Dentiste")};
        AutoEventDef& rent = AddDefinition(KindMonthly, 31, 0, MoneyDescription(u"Loyer", u"650"));
        rent.EntryType = EntryExpense;
        const QString key = rent.Key;
        UpdatedDays days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Added, 12);
        QCOMPARE(Descriptions(EntriesOn(30, 4)),
                 (QStringList{"Dentiste", MoneyDescription(u"Loyer", u"650")}));
        QCOMPARE(EntriesOn(30, 4).last().EntryType, qint32(EntryExpense)); // it counts in the summary
        QVERIFY(days.CellTouched(4, CellOf(30, 4)) && !days.CellTouched(4, CellOf(29, 4)));

        // Ticked and coloured by the user, removed by hand once: the next update keeps the
        // first, brings the other back at the end of its day, and doubles nothing.
        EntriesOn(31, 1)[0].Ticked = true;
        EntriesOn(31, 1)[0].TextColour = 0xFF;
        EntriesOn(30, 4) = {Event("Garage")};
        days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Added, 1);
        QCOMPARE(days.Removed, 0);
        QVERIFY(EntriesOn(31, 1)[0].Ticked && EntriesOn(31, 1)[0].TextColour == 0xFF);
        QCOMPARE(Descriptions(EntriesOn(30, 4)), (QStringList{"Garage", MoneyDescription(u"Loyer", u"650")}));
        QCOMPARE(DaysHolding(key).size(), 12);
    }

    void staleOccurrencesGoAndTheOthersKeepTheirOrder()
    {
        AutoEventDef& kept = AddDefinition(KindYearly, 10, 3, "Gardé");
        DayEntry a = Event("Périmé 1"), b = Event("Périmé 2"), k = Event("Gardé"), birthday = Event("AN:Léa");
        a.LinkKey = MakeKey(u"AE", 7);
        b.LinkKey = MakeKey(u"AE", 8);
        k.LinkKey = kept.Key;
        birthday.LinkKey = MakeKey(u"BD", 1); // no birthday holds it: only the birthday update takes it
        EntriesOn(10, 3) = {a, Event("À moi"), b, k, birthday, Event("Aussi à moi")};
        EntriesOn(25, 12) = {a};
        const UpdatedDays days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Removed, 3);
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"À moi", "Gardé", "AN:Léa", "Aussi à moi"}));
        QVERIFY(EntriesOn(25, 12).isEmpty());
        QVERIFY(days.Months[11] && days.CellTouched(12, CellOf(25, 12))); // marked and redrawn

        QCOMPARE(UpdateBirthdays(Doc()).Removed, 1);
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"À moi", "Gardé", "Aussi à moi"}));
    }

    void birthdaysFallOnTheirDayEveryYear()
    {
        const auto add = [](const QString& name, DateRec born) {
            Doc().BD.Birthdays.append(
                BirthdayDef{born, NewDefinitionKey(u"BD", Doc().BD.BDNextId, Doc().BD.Birthdays), name});
        };
        add("Marie", MakeDate(14, 3, 1975));
        add("Pas encore né", MakeDate(1, 6, 2030)); // the birth year plays no part
        QCOMPARE(UpdateBirthdays(Doc()).Added, 2);
        QCOMPARE(Descriptions(EntriesOn(14, 3)), QStringList{"AN:Marie"});
        QCOMPARE(Descriptions(EntriesOn(1, 6)), QStringList{"AN:Pas encore né"});
        QCOMPARE(DateToText(*BirthdayDate(BirthdayDef{MakeDate(29, 2, 1996), {}, "B"}, 2003)),
                 u"2003-02-28"_qs);
        QVERIFY(!BirthdayDate(BirthdayDef{MakeDate(0, 3, 1975), {}, "Jour 0"}, 2004));
        QCOMPARE(BirthdayListText(Doc().BD.Birthdays[0]), u"Marie - (1975-03-14)"_qs);

        // Every change gives a new key, so that no alarm or tick of the old occurrence survives;
        // OK without a change keeps it.
        EntriesOn(14, 3)[0].AlarmOn = true;
        BirthdayFormValues v = BirthdayFormForEdit(Doc().BD.Birthdays[0]);
        QCOMPARE(SaveBirthdayForm(EditorEdit, 0, v), 0);
        v.Name = "  Marie-Ève ";
        QCOMPARE(SaveBirthdayForm(EditorEdit, 0, v), 1);
        QCOMPARE(Doc().BD.Birthdays[0].Name, u"Marie-Ève"_qs);
        QCOMPARE(Doc().BD.Birthdays[0].Key, MakeKey(u"BD", 3));
        EntriesOn(14, 3).prepend(Event("Dentiste"));
        QCOMPARE(UpdateBirthdays(Doc()).Removed, 1);
        QCOMPARE(Descriptions(EntriesOn(14, 3)), (QStringList{"Dentiste", "AN:Marie-Ève"}));
        QVERIFY(!EntriesOn(14, 3)[1].AlarmOn);
    }

    void newKeysPassOverTheKeysInUse()
    {
        // A file whose counter is behind its keys, and one at the top of the range.
        AutoEventDef& first = AddDefinition(KindDaily, 0, 0, "A");
        first.Key = MakeKey(u"AE", 2);
        Doc().AE.AENextId = 1;
        AutoEventFormValues v = AutoEventFormForAdd(Doc());
        QCOMPARE(SaveAutoEventForm(EditorAdd, -1, v), 1);
        QCOMPARE(Doc().AE.AutoEvents[1].Key, MakeKey(u"AE", 3));
        Doc().AE.AENextId = std::numeric_limits<qint32>::max();
        QCOMPARE(SaveAutoEventForm(EditorAdd, -1, v), 1);
        QCOMPARE(Doc().AE.AutoEvents[2].Key, MakeKey(u"AE", std::numeric_limits<qint32>::min()));
    }

    void listLinesShowTypeRecurrenceAndText()
    {
        const DateRec s = MakeDate(1, 1, 2004), e = MakeDate(31, 12, 2004);
        const std::pair<AutoEventDef, QString> lines[] = {
            {Definition(KindMonthly, 5, 0, s, e, MoneyDescription(u"Loyer", u"650"), EntryExpense),
             u"(DE) - (1M le 05) - Loyer      650$"_qs},
            {Definition(KindWeekly, 2, 0, s, e, "Yoga"), u"(EV) - (1S le LU) - Yoga"_qs},
            {Definition(KindTwoWeeks, 6, 0, s, e, MoneyDescription(u"Salaire", u"1225"), EntryIncome),
             u"(RE) - (2S le VE) - Salaire    1225$"_qs},
            {Definition(KindDaily, 0, 0, s, e, "Pilule"), u"(EV) - (1J) - Pilule"_qs},
            {Definition(KindYearly, 5, 3, s, e, "Fête"), u"(EV) - (1A le 05/03) - Fête"_qs}};
        for (const auto& [def, line] : lines) QCOMPARE(AutoEventListText(def), line);
    }

    // For random definitions and years: every date placed follows its rule and lies in its
    // range, no such date is missing, and a second update changes nothing.
    void randomDefinitionsPlaceExactlyTheirDays()
    {
        QRandomGenerator random(20040229);
        for (int round = 0; round < 40; ++round) {
            const int year = 2002 + random.bounded(30);
            OpenTestDocument(year);
            const auto anyDate = [&] {
                const int y = year - 1 + random.bounded(3);
                const int m = 1 + random.bounded(12);
                return MakeDate(1 + random.bounded(DaysInMonth(y, m)), m, y);
            };
            for (int i = 0; i < 6; ++i) {
                const qint32 kind = KindMonthly + random.bounded(5);
                AutoEventDef& a = AddDefinition(
                    kind, 1 + random.bounded(kind == KindMonthly || kind == KindYearly ? 31 : 7),
                    1 + random.bounded(12), u"Déf %1"_qs.arg(i));
                a.StartDate = anyDate();
                a.EndDate = random.bounded(5) ? anyDate() : a.StartDate;
                EntriesOn(1 + random.bounded(28), 1 + random.bounded(12)).append(Event("À moi"));
            }
            UpdateAutoEvents(Doc());

            for (const AutoEventDef& a : Doc().AE.AutoEvents) {
                QStringList expected;
                for (int m = 1; m <= 12; ++m)
                    for (int d = 1; d <= DaysInMonth(year, m); ++d)
                        if (FollowsRule(a, MakeDate(d, m, year)))
                            expected.append(DateToText(MakeDate(d, m, year)));
                QCOMPARE(DaysHolding(a.Key), expected);
            }
            const UpdatedDays again = UpdateAutoEvents(Doc());
            QCOMPARE(again.Added + again.Removed, 0);
        }
    }

    void rangeDatesSnapOntoTheRecurrence()
    {
        struct Case
        {
            int Recurrence, Value; // the day or weekday chosen
            const char *Date, *Start, *End;
        };
        // Wednesday 10 March 2004: a start moves on, an end moves back, one already on it stays.
        const Case cases[] = {{RecurMonthly, 31, "2004-04-10", "2004-04-30", "2004-04-30"},
                              {RecurWeekly, 6, "2004-03-10", "2004-03-12", "2004-03-05"},
                              {RecurTwoWeeks, 4, "2004-03-10", "2004-03-10", "2004-03-10"},
                              {RecurYearly, 30, "2004-07-01", "2004-02-29", "2004-02-29"}};
        for (const Case& c : cases) {
            AutoEventFormValues v = AutoEventFormForAdd(Doc());
            v.Recurrence = c.Recurrence;
            v.MonthDay = v.YearDay = v.Weekday = v.TwoWeekday = c.Value;
            v.YearMonth = 2;
            const DateRec chosen = TextToDate(QString::fromLatin1(c.Date));
            QCOMPARE(DateToText(SnapOntoRecurrence(v, chosen, true)), QString::fromLatin1(c.Start));
            QCOMPARE(DateToText(SnapOntoRecurrence(v, chosen, false)), QString::fromLatin1(c.End));
        }
    }
};

QTEST_GUILESS_MAIN(TestOccurrences)
#include "tst_occurrences.moc"
