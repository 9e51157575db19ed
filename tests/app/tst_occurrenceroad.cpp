// Auto-events and birthdays through the real program: definitions made in their tabs fill the
// year, follow an edit, come back after an entry removed by hand, and survive saving and opening.

#include "ProgramFixture.h"
#include "entries/AutoEventEditor.h"
#include "entries/BirthdayEditor.h"
#include "entries/EventEditor.h"
#include "resources/Strings.h"

#include <QComboBox>
#include <QDateEdit>

namespace {

QStringList Lines(const ListTab* tab)
{
    QStringList lines;
    for (int i = 0; i < tab->List()->count(); ++i) lines.append(tab->List()->item(i)->text());
    return lines;
}

// The month grid's lines of a day, as drawn.
QStringList CellTexts(const ProgramFixture& f, int day, int month)
{
    QStringList texts;
    for (const CellLine& line : f.Grid(month)->Cell(CellOf(day, month)).Lines)
        if (!line.Text.isEmpty()) texts.append(line.Text);
    return texts;
}

// Every entry of the document with its day, in order: what moving or reopening must leave alone.
QStringList AllEntries()
{
    QStringList all;
    for (int m = 1; m <= 12; ++m)
        for (int c = kFirstCell; c <= kLastCell; ++c)
            for (const DayEntry& e : Doc().Month(m).Cell(c).Entries)
                all.append(u"%1/%2 %3 %4 %5"_qs.arg(m).arg(c).arg(e.Description, e.LinkKey).arg(e.Ticked));
    return all;
}

// An auto-event typed in its editor: income or expense box, text, amount, recurrence line.
void AddAutoEvent(ListTab* tab, const char* type, const char* text, const char* amount,
                  const char* recurrence, int line)
{
    WhenModal<AutoEventEditor>([=](AutoEventEditor* d) {
        Check(d, QLatin1String(type))->click();
        QTest::keyClicks(Box(d, "TxtEV0"), text);
        Retype(Box(d, "TxtEV1"), QLatin1String(amount));
        if (!Check(d, QLatin1String(recurrence))->isChecked()) Check(d, QLatin1String(recurrence))->click();
        Find<QComboBox>(d, u"Cmb"_qs + QLatin1String(recurrence).mid(3))->setCurrentIndex(line);
        Press(d, "CmdOk");
    });
    ProgramFixture::Click(tab, "Add");
}

void AddBirthday(ListTab* tab, const char* name, QDate born)
{
    WhenModal<BirthdayEditor>([=](BirthdayEditor* d) {
        QTest::keyClicks(Box(d, "TxtGen"), name);
        Find<QDateEdit>(d, "DtGen")->setDate(born);
        Press(d, "CmdOk");
    });
    ProgramFixture::Click(tab, "Add");
}

} // namespace

class TestOccurrenceRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void autoEventsFillTheYearAndFollowTheirDefinitions()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        MainWindow* main = f->Main();
        ListTab* tab = main->ListPage(TabAutoEvents);
        main->SetCurrentTab(TabAutoEvents);

        // A rent on the 31st falls on the last day of the shorter months.
        AddAutoEvent(tab, "ChkEV1", "Loyer", "650", "ChkAE0", 30);
        QCOMPARE(CellTexts(*f, 30, 4), QStringList{"Loyer      650$"});
        QCOMPARE(CellTexts(*f, 28, 2), QStringList{"Loyer      650$"}); // 2026 is not a leap year
        QVERIFY(Doc().AE.AEModified && Doc().Month(4).EntriesModified);

        // A pay every two weeks on Fridays, from the year's first, 2 January.
        AddAutoEvent(tab, "ChkEV0", "Paie", "1500", "ChkAE2", 5);
        QCOMPARE(CellTexts(*f, 2, 1), QStringList{"Paie       1500$"});
        QVERIFY(CellTexts(*f, 9, 1).isEmpty());
        QCOMPARE(CellTexts(*f, 16, 1), QStringList{"Paie       1500$"});

        // The rent of 30 April ticked and coloured by the user, another entry after it.
        EntriesOn(30, 4)[0].Ticked = true;
        EntriesOn(30, 4)[0].TextColour = 0xFF;
        EntriesOn(30, 4).append(Money(EntryExpense, "Garage", "90"));

        // Moving the definitions changes no day.
        const QStringList before = AllEntries();
        ProgramFixture::Click(tab, "Up");
        QCOMPARE(Lines(tab)[0], u"(RE) - (2S le VE) - Paie       1500$"_qs);
        QCOMPARE(AllEntries(), before);

        // Removed by hand, the pay of 16 January comes back with the update, after the day's own
        // entry.
        main->SetCurrentTab(TabEvents);
        f->ClickDay(16, 1);
        ProgramFixture::Click(f->Events(), "Remove");
        WhenModal<EventEditor>([](EventEditor* d) {
            QTest::keyClicks(Box(d, "TxtEV0"), "Dentiste");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        main->SetCurrentTab(TabAutoEvents);
        ProgramFixture::Click(tab, "Update");
        QCOMPARE(f->prompter.Asked.value(0).Text, Str(10057));
        QCOMPARE(CellTexts(*f, 16, 1), (QStringList{"Dentiste", "Paie       1500$"}));

        // The rent edited (double-click on its line): the ticked, coloured one is replaced.
        WhenModal<AutoEventEditor>([](AutoEventEditor* d) {
            Retype(Box(d, "TxtEV1"), "700");
            Press(d, "CmdOk");
        });
        QListWidget* list = tab->List();
        ProgramFixture::DoubleClick(list->viewport(), list->visualItemRect(list->item(1)).center());
        QCOMPARE(Descriptions(EntriesOn(30, 4)),
                 (QStringList{MoneyDescription(u"Garage", u"90"), MoneyDescription(u"Loyer", u"700")}));
        QVERIFY(!EntriesOn(30, 4)[1].Ticked && EntriesOn(30, 4)[1].TextColour == -1);

        // Saved and opened again: the occurrences are the same entries, an update adds nothing.
        const QString path = f->dir.filePath(u"loyer.cal"_qs);
        f->Save(path);
        const QStringList saved = AllEntries();
        QVERIFY(f->Reopen(path));
        tab = f->Main()->ListPage(TabAutoEvents);
        f->Main()->SetCurrentTab(TabAutoEvents);
        ProgramFixture::Click(tab, "Update");
        QCOMPARE(AllEntries(), saved);
    }

    void weeklyRangesKeepTheirFirstAndLastWeeks()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        ListTab* tab = f->Main()->ListPage(TabAutoEvents);
        f->Main()->SetCurrentTab(TabAutoEvents);
        // The weekly box first offers Sundays (from 4 January); Saturdays then start on the 3rd.
        AddAutoEvent(tab, "ChkEV1", "Courses", "20", "ChkAE1", 6);
        QCOMPARE(CellTexts(*f, 3, 1), QStringList{"Courses    20$"});
        QCOMPARE(CellTexts(*f, 26, 12), QStringList{"Courses    20$"});

        // Saturdays, then Mondays: the range still ends on 28 December, the year's last Monday.
        WhenModal<AutoEventEditor>([](AutoEventEditor* d) {
            QTest::keyClicks(Box(d, "TxtEV0"), "Piscine");
            Check(d, "ChkAE1")->click();
            auto* weekday = Find<QComboBox>(d, "CmbAE1");
            weekday->setCurrentIndex(6);
            weekday->setCurrentIndex(1);
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Add");
        QCOMPARE(CellTexts(*f, 5, 1), QStringList{"Piscine"});
        QCOMPARE(CellTexts(*f, 28, 12), QStringList{"Piscine"});
    }

    void birthdaysAddedRenamedRemovedSavedAndOpenedAgain()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        ListTab* tab = f->Main()->ListPage(TabBirthdays);
        f->Main()->SetCurrentTab(TabBirthdays);
        AddBirthday(tab, "Marie", QDate(1975, 3, 14));
        QCOMPARE(CellTexts(*f, 14, 3), QStringList{"AN:Marie"});

        // Renamed: the old occurrence goes, the new one comes.
        WhenModal<BirthdayEditor>([](BirthdayEditor* d) {
            Retype(Box(d, "TxtGen"), "Marie-Ève");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Edit");
        AddBirthday(tab, "Paul", QDate(1990, 3, 14));
        QCOMPARE(CellTexts(*f, 14, 3), (QStringList{"AN:Marie-Ève", "AN:Paul"}));

        // Paul removed takes his day's line away.
        tab->SelectLine(1);
        ProgramFixture::Click(tab, "Remove");
        QCOMPARE(Descriptions(EntriesOn(14, 3)), QStringList{"AN:Marie-Ève"});

        const QString path = f->dir.filePath(u"anniversaires.cal"_qs);
        f->Save(path);
        QVERIFY(f->Reopen(path));
        f->Main()->SetCurrentTab(TabBirthdays);
        QCOMPARE(Lines(f->Main()->ListPage(TabBirthdays)), QStringList{"Marie-Ève - (1975-03-14)"});
        QCOMPARE(CellTexts(*f, 14, 3), QStringList{"AN:Marie-Ève"});
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestOccurrenceRoad)
#include "tst_occurrenceroad.moc"
