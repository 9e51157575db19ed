// Every list keeps a 16-bit count in the file: a list of 32767 lines refuses the next add that
// the user asks for, tells why, marks nothing modified, and is saved and read back whole.

#include "EntryFixtures.h"
#include "calfile/CalFile.h"
#include "entries/DebtsSavings.h"
#include "entries/DefinitionList.h"
#include "entries/EventForm.h"
#include "entries/Occurrences.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QList<AutoEventDef>& AutoEventsOf(CalendarDocument& doc)
{
    return doc.AE.AutoEvents;
}
QString AutoEventText(const AutoEventDef& a)
{
    return a.Description;
}
QList<BirthdayDef>& BirthdaysOf(CalendarDocument& doc)
{
    return doc.BD.Birthdays;
}
QString BirthdayText(const BirthdayDef& b)
{
    return b.Name;
}

// The two lists of definitions as their tabs keep them.
const DefinitionList<AutoEventDef> AutoEvents{&AutoEventsOf, PartAutoEvents, &AutoEventText};
const DefinitionList<BirthdayDef> Birthdays{&BirthdaysOf, PartBirthdays, &BirthdayText};

AutoEventDef AutoEvent(int n)
{
    AutoEventDef a;
    a.Kind = KindMonthly;
    a.Day = 1;
    a.StartDate = MakeDate(1, 1, 2004);
    a.EndDate = MakeDate(31, 12, 2004);
    a.Key = MakeKey(u"AE", n);
    a.Description = u"Loyer"_qs;
    a.EntryType = EntryExpense;
    return a;
}

BirthdayDef Birthday(int n)
{
    return {MakeDate(14, 3, 1975), MakeKey(u"BD", n), u"Marie"_qs};
}

} // namespace

class TestListLimits : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument();
        SelectDay(10, 3);
        m_prompter = std::make_unique<ScriptedPrompter>();
    }
    void cleanup() { m_prompter.reset(); }

    void aFullDayRefusesTheEditorAndThePaste()
    {
        EntriesOn(10, 3) = QList<DayEntry>(kMaxListCount, Event(u"Réunion"_qs));
        EntriesOn(11, 3) = {Event(u"Coupé"_qs)};
        EventFormValues values;
        values.Description = u"Une de trop"_qs;
        QCOMPARE(SaveEventForm(EditorAdd, 3, CellOf(10, 3), -1, values), 0);
        ExpectOneFullListMessage();

        // A cut entry pasted onto the full day stays where it was, and on the clipboard.
        QVERIFY(CopyEntry(3, CellOf(11, 3), 0, ClipboardCut));
        QVERIFY(!PasteEntry(3, CellOf(10, 3)));
        QCOMPARE(m_prompter->Asked.size(), 2);
        QCOMPARE(Descriptions(EntriesOn(11, 3)), QStringList{"Coupé"});
        QCOMPARE(Session::Get().Clipboard.Mode, qint32(ClipboardCut));
        QCOMPARE(EntriesOn(10, 3).size(), kMaxListCount);
        QVERIFY(Doc().IsSaved);

        // One line less, and the same add goes in.
        EntriesOn(10, 3).removeLast();
        QCOMPARE(SaveEventForm(EditorAdd, 3, CellOf(10, 3), -1, values), 1);
        QCOMPARE(EntriesOn(10, 3).last().Description, values.Description);
        QVERIFY(!Doc().IsSaved);
    }

    void fullListsOfDefinitionsRefuseTheirAdd()
    {
        Doc().DE.DebtsSavings = QList<DebtSavingDef>(kMaxListCount, Account(false, "Visa", "0", {}));
        Doc().AE.AutoEvents = QList<AutoEventDef>(kMaxListCount, AutoEvent(1));
        Doc().BD.Birthdays = QList<BirthdayDef>(kMaxListCount, Birthday(1));
        DebtFormValues account = DebtFormForAdd(Doc());
        account.Name = u"Auto"_qs;
        QCOMPARE(SaveDebtForm(EditorAdd, -1, account), 0);
        ExpectOneFullListMessage();
        QVERIFY(!AutoEvents.Add(AutoEvent(2)));
        QVERIFY(!Birthdays.Add(Birthday(2)));
        QCOMPARE(m_prompter->Asked.size(), 3);
        QCOMPARE(Doc().DE.DECount(), kMaxListCount);
        QCOMPARE(Doc().AE.AECount(), kMaxListCount);
        QCOMPARE(Doc().BD.BDCount(), kMaxListCount);
        QVERIFY(Doc().IsSaved);

        Doc().BD.Birthdays.removeLast();
        QVERIFY(Birthdays.Add(Birthday(2)));
        QVERIFY(Doc().BD.BDModified && !Doc().IsSaved);
    }

    void theUpdatesAddNothingToAFullDay()
    {
        // 1 and 14 March are full: the monthly rent and Marie's birthday (14 March) go only
        // where there is room.
        EntriesOn(1, 3) = QList<DayEntry>(kMaxListCount, Event(u"Réunion"_qs));
        EntriesOn(14, 3) = QList<DayEntry>(kMaxListCount, Event(u"Réunion"_qs));
        Doc().AE.AutoEvents = {AutoEvent(1)};
        Doc().BD.Birthdays = {Birthday(1)};
        UpdateAutoEvents(Doc());
        UpdateBirthdays(Doc());
        QCOMPARE(EntriesOn(1, 3).size(), kMaxListCount);
        QCOMPARE(EntriesOn(14, 3).size(), kMaxListCount);
        QCOMPARE(EntriesOn(1, 3).last().Description, u"Réunion"_qs);
        QCOMPARE(EntriesOn(1, 4).last().LinkKey, MakeKey(u"AE", 1));
        QCOMPARE(EntriesOn(14, 3).last().Description, u"Réunion"_qs);
    }

    void fullListsAreSavedWhole()
    {
        CalendarDocument& doc = Doc();
        EntriesOn(10, 3) = QList<DayEntry>(kMaxListCount, Money(EntryIncome, "Paie", "1"));
        EntriesOn(10, 3).last().Description = u"Dernière"_qs;
        doc.DE.DebtsSavings =
            QList<DebtSavingDef>(kMaxListCount, Account(true, "Vacances", "5", MakeDate(1, 1, 2004)));
        doc.AE.AutoEvents = QList<AutoEventDef>(kMaxListCount, AutoEvent(1));
        doc.BD.Birthdays = QList<BirthdayDef>(kMaxListCount, Birthday(1));
        doc.BD.Birthdays.last().Name = u"Zoé"_qs;

        QTemporaryDir dir;
        const QString path = dir.filePath(u"pleine.cal"_qs);
        QVERIFY(WriteCalFile(path, doc));
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QVERIFY(m_prompter->Asked.isEmpty());
        const QList<DayEntry>& day = back.Month(3).Cell(CellOf(10, 3)).Entries;
        QCOMPARE(day.size(), kMaxListCount);
        QCOMPARE(day.last().Description, u"Dernière"_qs);
        QCOMPARE(back.DE.DECount(), kMaxListCount);
        QCOMPARE(back.AE.AECount(), kMaxListCount);
        QCOMPARE(back.BD.BDCount(), kMaxListCount);
        QCOMPARE(back.BD.Birthdays.last().Name, u"Zoé"_qs);
    }

private:
    void ExpectOneFullListMessage()
    {
        QCOMPARE(m_prompter->Asked.size(), 1);
        const PromptRequest& r = m_prompter->Asked[0];
        QCOMPARE(r.Title, u"Daybinder"_qs);
        QCOMPARE(r.Text, Str(20002));
        QCOMPARE(r.Icon, PromptIcon::Exclamation);
        QVERIFY(Doc().IsSaved);
    }

    std::unique_ptr<ScriptedPrompter> m_prompter;
};

QTEST_GUILESS_MAIN(TestListLimits)
#include "tst_listlimits.moc"
