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

BirthdayDef& AddBirthday(const QString& name, DateRec born)
{
    BirthdayDef b{born, NewDefinitionKey(u"BD", Doc().BD.BDNextId, Doc().BD.Birthdays), name};
    Doc().BD.Birthdays.append(b);
    return Doc().BD.Birthdays.last();
}

QStringList Texts(const QList<DateRec>& dates)
{
    QStringList texts;
    for (const DateRec& d : dates) texts.append(DateToText(d));
    return texts;
}

// Every date of the year holding an entry with that key, with how many it holds.
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
    case KindTwoWeeks: {
        const qint64 apart = DaysFromCivil(d.Year, d.Month, d.Day) -
                             DaysFromCivil(a.StartDate.Year, a.StartDate.Month, a.StartDate.Day);
        return apart % 14 == 0;
    }
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
        const DateRec y04 = MakeDate(1, 1, 2004), e04 = MakeDate(31, 12, 2004);
        QTest::newRow("monthly 31, leap year: the month ends")
            << Definition(KindMonthly, 31, 0, y04, e04, "Loyer") << 2004
            << QStringList{"2004-01-31", "2004-02-29", "2004-03-31", "2004-04-30"} << 12;
        QTest::newRow("monthly 31, other year: 28 February")
            << Definition(KindMonthly, 31, 0, MakeDate(1, 1, 2003), MakeDate(31, 12, 2003), "Loyer") << 2003
            << QStringList{"2003-01-31", "2003-02-28"} << 12;
        QTest::newRow("yearly 29 February, other year")
            << Definition(KindYearly, 29, 2, MakeDate(1, 1, 2003), MakeDate(31, 12, 2003), "Bissextile")
            << 2003 << QStringList{"2003-02-28"} << 1;
        QTest::newRow("yearly 29 February, leap year")
            << Definition(KindYearly, 29, 2, y04, e04, "Bissextile") << 2004 << QStringList{"2004-02-29"}
            << 1;
        QTest::newRow("weekly on Mondays") << Definition(KindWeekly, 2, 0, y04, e04, "Yoga") << 2004
                                           << QStringList{"2004-01-05", "2004-01-12", "2004-01-19"} << 52;
        // 26 December 2003 is a Friday: the series goes on into 2004 from there.
        QTest::newRow("every two weeks from the previous December")
            << Definition(KindTwoWeeks, 6, 0, MakeDate(26, 12, 2003), e04, "Paie") << 2004
            << QStringList{"2004-01-09", "2004-01-23", "2004-02-06"} << 26;
        QTest::newRow("every two weeks: the weekday field plays no part")
            << Definition(KindTwoWeeks, 1, 0, MakeDate(2, 1, 2004), e04, "Paie") << 2004
            << QStringList{"2004-01-02", "2004-01-16"} << 27;
        QTest::newRow("daily, range of one day: both ends count")
            << Definition(KindDaily, 0, 0, MakeDate(10, 3, 2004), MakeDate(10, 3, 2004), "Vaccin") << 2004
            << QStringList{"2004-03-10"} << 1;
        QTest::newRow("daily, the whole year") << Definition(KindDaily, 0, 0, y04, e04, "Pilule") << 2004
                                               << QStringList{"2004-01-01", "2004-01-02"} << 366;
        QTest::newRow("range in another year")
            << Definition(KindDaily, 0, 0, MakeDate(1, 1, 2003), MakeDate(31, 12, 2003), "Passé") << 2004
            << QStringList{} << 0;
        QTest::newRow("reversed range")
            << Definition(KindMonthly, 5, 0, e04, y04, "Envers") << 2004 << QStringList{} << 0;
        QTest::newRow("a kind no editor gives")
            << Definition(99, 5, 1, y04, e04, "?") << 2004 << QStringList{} << 0;
        QTest::newRow("weekday 0 from a file")
            << Definition(KindWeekly, 0, 0, y04, e04, "?") << 2004 << QStringList{} << 0;
        QTest::newRow("month 13 from a file")
            << Definition(KindYearly, 5, 13, y04, e04, "?") << 2004 << QStringList{} << 0;
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
        const QStringList dates = Texts(OccurrenceDates(def, year));
        QCOMPARE(dates.size(), count);
        QCOMPARE(dates.mid(0, first.size()), first);
    }

    void updateFillsTheDaysOnceAndAtTheirEnd()
    {
        EntriesOn(30, 4) = {Event("Dentiste")};
        AutoEventDef& rent = AddDefinition(KindMonthly, 31, 0, MoneyDescription(u"Loyer", u"650"));
        rent.EntryType = EntryExpense;
        const QString key = rent.Key;
        QCOMPARE(key, u"AE0000000000000001"_qs);
        UpdatedDays days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Added, 12);
        QCOMPARE(DaysHolding(key).mid(0, 4),
                 (QStringList{"2004-01-31", "2004-02-29", "2004-03-31", "2004-04-30"}));
        const DayEntry& placed = EntriesOn(30, 4).last();
        QCOMPARE(Descriptions(EntriesOn(30, 4)),
                 (QStringList{"Dentiste", MoneyDescription(u"Loyer", u"650")}));
        QCOMPARE(placed.EntryType, qint32(EntryExpense));
        QVERIFY(!placed.AlarmOn && !placed.Ticked && placed.AlarmDaysBefore == 1 && placed.AlarmSound == 0);
        QVERIFY(placed.TextColour == -1 && placed.PicturePath.isEmpty());
        QVERIFY(days.Months[3] && days.CellTouched(4, CellOf(30, 4)) && !days.CellTouched(4, CellOf(29, 4)));

        // Ticked and coloured by the user, removed by hand once: the next update keeps the
        // first, brings the other back at the end of its day, and doubles nothing.
        EntriesOn(31, 1)[0].Ticked = true;
        EntriesOn(31, 1)[0].TextColour = 0xFF;
        EntriesOn(30, 4).removeFirst();
        EntriesOn(30, 4).removeLast();
        EntriesOn(30, 4).append(Event("Garage"));
        days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Added, 1);
        QCOMPARE(days.Removed, 0);
        QVERIFY(EntriesOn(31, 1)[0].Ticked && EntriesOn(31, 1)[0].TextColour == 0xFF);
        QCOMPARE(Descriptions(EntriesOn(30, 4)), (QStringList{"Garage", MoneyDescription(u"Loyer", u"650")}));
        // Nothing to change: every day holding one is still visited, as the months get marked.
        days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Added + days.Removed, 0);
        QCOMPARE(int(days.Cells.count()), 12);
    }

    void staleOccurrencesGoAndTheOthersKeepTheirOrder()
    {
        const QString gone1 = MakeKey(u"AE", 7), gone2 = MakeKey(u"AE", 8);
        AutoEventDef& kept = AddDefinition(KindYearly, 10, 3, "Gardé");
        DayEntry a = Event("Périmé 1"), b = Event("Périmé 2"), k = Event("Gardé"), birthday = Event("AN:Léa");
        a.LinkKey = gone1;
        b.LinkKey = gone2;
        k.LinkKey = kept.Key;
        birthday.LinkKey = MakeKey(u"BD", 1); // no birthday holds it: only the birthday update takes it
        EntriesOn(10, 3) = {a, Event("À moi"), b, k, birthday, Event("Aussi à moi")};
        EntriesOn(25, 12) = {a};
        const UpdatedDays days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Removed, 3);
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"À moi", "Gardé", "AN:Léa", "Aussi à moi"}));
        QVERIFY(EntriesOn(25, 12).isEmpty());
        QVERIFY(days.Months[11] && days.CellTouched(12, CellOf(25, 12)));

        QCOMPARE(UpdateBirthdays(Doc()).Removed, 1);
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"À moi", "Gardé", "Aussi à moi"}));
    }

    void aChangedDefinitionReplacesAllItsOccurrences()
    {
        AddDefinition(KindWeekly, 2, 0, "Yoga");
        UpdateAutoEvents(Doc());
        EntriesOn(5, 1)[0].Ticked = true;
        EntriesOn(5, 1)[0].AlarmOn = true;
        SelectDay(5, 1);

        AutoEventFormValues v = AutoEventFormForEdit(Doc(), Doc().AE.AutoEvents[0]);
        QCOMPARE(SaveAutoEventForm(EditorEdit, 0, v), 0); // nothing changed: same key
        QCOMPARE(Doc().AE.AutoEvents[0].Key, MakeKey(u"AE", 1));
        QVERIFY(!Doc().AE.AEModified);
        v.Event.Description = "Pilates";
        QCOMPARE(SaveAutoEventForm(EditorEdit, 0, v), 1);
        QCOMPARE(Doc().AE.AutoEvents[0].Key, MakeKey(u"AE", 2));
        QCOMPARE(Doc().AE.AENextId, 2);
        QVERIFY(Doc().AE.AEModified);
        const UpdatedDays days = UpdateAutoEvents(Doc());
        QCOMPARE(days.Removed, 52);
        QCOMPARE(days.Added, 52);
        QCOMPARE(Descriptions(EntriesOn(5, 1)), QStringList{"Pilates"});
        QVERIFY(!EntriesOn(5, 1)[0].Ticked && !EntriesOn(5, 1)[0].AlarmOn);
    }

    void definitionOrderDecidesOnlyNewOccurrences()
    {
        AddDefinition(KindYearly, 10, 3, "Premier");
        AddDefinition(KindDaily, 0, 0, "Chaque jour");
        UpdateAutoEvents(Doc());
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"Premier", "Chaque jour"}));
        SelectDay(10, 3);
        QVERIFY(AutoEventDefs.Move(0, 1));
        UpdateAutoEvents(Doc());
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"Premier", "Chaque jour"}));
        EntriesOn(10, 3).clear();
        UpdateAutoEvents(Doc());
        QCOMPARE(Descriptions(EntriesOn(10, 3)), (QStringList{"Chaque jour", "Premier"}));
    }

    void birthdaysFallOnTheirDayEveryYear()
    {
        AddBirthday("Marie", MakeDate(14, 3, 1975));
        AddBirthday("Bissextile", MakeDate(29, 2, 1996));
        AddBirthday("Pas encore né", MakeDate(1, 6, 2030)); // the birth year plays no part
        QCOMPARE(UpdateBirthdays(Doc()).Added, 3);
        QCOMPARE(Descriptions(EntriesOn(14, 3)), QStringList{"AN:Marie"});
        QCOMPARE(EntriesOn(14, 3)[0].EntryType, qint32(EntryEvent));
        QCOMPARE(EntriesOn(14, 3)[0].LinkKey, MakeKey(u"BD", 1));
        QCOMPARE(Descriptions(EntriesOn(29, 2)), QStringList{"AN:Bissextile"});
        QCOMPARE(Descriptions(EntriesOn(1, 6)), QStringList{"AN:Pas encore né"});
        QCOMPARE(DateToText(*BirthdayDate(Doc().BD.Birthdays[1], 2003)), u"2003-02-28"_qs);
        QVERIFY(!BirthdayDate(BirthdayDef{MakeDate(0, 3, 1975), {}, "Jour 0"}, 2004));

        // Only the name changes: a new key, the old occurrence and its alarm go.
        EntriesOn(14, 3)[0].AlarmOn = true;
        BirthdayFormValues v = BirthdayFormForEdit(Doc().BD.Birthdays[0]);
        QCOMPARE(SaveBirthdayForm(EditorEdit, 0, v), 0);
        v.Name = "  Marie-Ève ";
        QCOMPARE(SaveBirthdayForm(EditorEdit, 0, v), 1);
        QCOMPARE(Doc().BD.Birthdays[0].Name, u"Marie-Ève"_qs);
        QCOMPARE(Doc().BD.Birthdays[0].Key, MakeKey(u"BD", 4));
        EntriesOn(14, 3).prepend(Event("Dentiste"));
        const UpdatedDays days = UpdateBirthdays(Doc());
        QCOMPARE(days.Removed, 1);
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
        QCOMPARE(Doc().AE.AECount(), 3);
    }

    void listLinesShowTypeRecurrenceAndText_data()
    {
        QTest::addColumn<AutoEventDef>("def");
        QTest::addColumn<QString>("line");
        const DateRec s = MakeDate(1, 1, 2004), e = MakeDate(31, 12, 2004);
        QTest::newRow("monthly expense")
            << Definition(KindMonthly, 5, 0, s, e, MoneyDescription(u"Loyer", u"650"), EntryExpense)
            << u"(DE) - (1M le 05) - Loyer      650$"_qs;
        QTest::newRow("weekly event")
            << Definition(KindWeekly, 2, 0, s, e, "Yoga") << u"(EV) - (1S le LU) - Yoga"_qs;
        QTest::newRow("two weeks income")
            << Definition(KindTwoWeeks, 6, 0, s, e, MoneyDescription(u"Salaire", u"1225"), EntryIncome)
            << u"(RE) - (2S le VE) - Salaire    1225$"_qs;
        QTest::newRow("daily") << Definition(KindDaily, 0, 0, s, e, "Pilule") << u"(EV) - (1J) - Pilule"_qs;
        QTest::newRow("yearly") << Definition(KindYearly, 5, 3, s, e, "Fête")
                                << u"(EV) - (1A le 05/03) - Fête"_qs;
        QTest::newRow("Sunday and Saturday")
            << Definition(KindWeekly, 7, 0, s, e, "Marché") << u"(EV) - (1S le SA) - Marché"_qs;
        QTest::newRow("a type no editor gives") << Definition(KindDaily, 0, 0, s, e, "?", 9) << QString();
    }

    void listLinesShowTypeRecurrenceAndText()
    {
        QFETCH(AutoEventDef, def);
        QFETCH(QString, line);
        QCOMPARE(AutoEventListText(def), line);
        QCOMPARE(BirthdayListText(BirthdayDef{MakeDate(14, 3, 1975), {}, "Marie"}),
                 u"Marie - (1975-03-14)"_qs);
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
            const CalendarDocument before = Doc();
            const UpdatedDays again = UpdateAutoEvents(Doc());
            QCOMPARE(again.Added + again.Removed, 0);
            for (int m = 1; m <= 12; ++m)
                for (int c = kFirstCell; c <= kLastCell; ++c)
                    QCOMPARE(Descriptions(Doc().Month(m).Cell(c).Entries),
                             Descriptions(before.Month(m).Cell(c).Entries));
        }
    }

    // On the open document: the months are marked modified and every visited cell redrawn.
    void theSessionUpdateMarksAndRedraws()
    {
        AddDefinition(KindYearly, 10, 3, "Vaccin");
        AddBirthday("Paul", MakeDate(8, 8, 1990));
        QList<std::pair<int, int>> redrawn;
        const QMetaObject::Connection c =
            connect(&Session::Get(), &Session::DayCellChanged, this, [&](int m, int cell) {
                redrawn.append({m, cell});
            });
        RunCalendarUpdate();
        QCOMPARE(redrawn, (QList<std::pair<int, int>>{{3, CellOf(10, 3)}}));
        QVERIFY(Doc().Month(3).EntriesModified && !Doc().Month(4).EntriesModified);
        QVERIFY(!Doc().IsSaved);
        RunBirthdayUpdate();
        QCOMPARE(redrawn.last(), std::make_pair(8, CellOf(8, 8)));
        QVERIFY(Doc().Month(8).EntriesModified);
        disconnect(c);
    }

    void rangeDatesSnapOntoTheRecurrence_data()
    {
        QTest::addColumn<int>("recurrence");
        QTest::addColumn<int>("value"); // day or weekday
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("monthly 31 in April") << int(RecurMonthly) << 31 << "2004-04-10"
                                             << "2004-04-30"
                                             << "2004-04-30";
        QTest::newRow("monthly 5") << int(RecurMonthly) << 5 << "2004-02-20"
                                   << "2004-02-05"
                                   << "2004-02-05";
        // 10 March 2004 is a Wednesday.
        QTest::newRow("weekly Friday") << int(RecurWeekly) << 6 << "2004-03-10"
                                       << "2004-03-12"
                                       << "2004-03-05";
        QTest::newRow("two weeks, already on it") << int(RecurTwoWeeks) << 4 << "2004-03-10"
                                                  << "2004-03-10"
                                                  << "2004-03-10";
        QTest::newRow("yearly 30 February") << int(RecurYearly) << 30 << "2004-07-01"
                                            << "2004-02-29"
                                            << "2004-02-29";
        QTest::newRow("daily") << int(RecurDaily) << 0 << "2004-07-01"
                               << "2004-07-01"
                               << "2004-07-01";
    }

    void rangeDatesSnapOntoTheRecurrence()
    {
        QFETCH(int, recurrence);
        QFETCH(int, value);
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QString, end);
        AutoEventFormValues v = AutoEventFormForAdd(Doc());
        v.Recurrence = recurrence;
        v.MonthDay = v.YearDay = value;
        v.Weekday = v.TwoWeekday = value;
        v.YearMonth = 2;
        QCOMPARE(DateToText(SnapOntoRecurrence(v, TextToDate(date), true)), start);
        QCOMPARE(DateToText(SnapOntoRecurrence(v, TextToDate(date), false)), end);
    }
};

QTEST_GUILESS_MAIN(TestOccurrences)
#include "tst_occurrences.moc"
