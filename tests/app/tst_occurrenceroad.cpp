// Auto-events and birthdays through the real program: a rent on the 31st and a pay every two
// weeks made in their tab, an occurrence ticked, coloured, then replaced when its definition
// changes; one removed by hand and brought back by "Mise à jour du calendrier"; definitions
// moved; a birthday added, renamed and removed; the file saved and opened again.

#include "ProgramFixture.h"
#include "commands/SavePartsDialog.h"
#include "entries/AutoEventEditor.h"
#include "entries/BirthdayEditor.h"
#include "entries/EventEditor.h"
#include "resources/Strings.h"
#include "support/Widgets.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>

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

// Every entry of the document with its day, in order: what an update must leave alone.
QStringList AllEntries()
{
    QStringList all;
    for (int m = 1; m <= 12; ++m)
        for (int c = kFirstCell; c <= kLastCell; ++c)
            for (const DayEntry& e : Doc().Month(m).Cell(c).Entries)
                all.append(u"%1/%2 %3 %4 %5"_qs.arg(m).arg(c).arg(e.Description, e.LinkKey).arg(e.Ticked));
    return all;
}

void ChooseLine(QWidget* dialog, const char* combo, int line)
{
    Find<QComboBox>(dialog, QLatin1String(combo))->setCurrentIndex(line);
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
        QVERIFY(!tab->Button(u"Update"_qs)->isEnabled()); // nothing to update yet

        // A rent on the 31st; the range dates move onto the day as it is chosen. The pointer
        // is the hourglass while the days fill.
        QStringList range;
        WhenModal<AutoEventEditor>([&](AutoEventEditor* d) {
            Check(d, "ChkEV1")->click();
            QTest::keyClicks(Box(d, "TxtEV0"), "Loyer");
            Retype(Box(d, "TxtEV1"), "650");
            ChooseLine(d, "CmbAE0", 30);
            for (const char* picker : {"DtRG0", "DtRG1"})
                range.append(Find<QDateEdit>(d, QLatin1String(picker))->date().toString(Qt::ISODate));
            Press(d, "CmdOk");
        });
        int busy = 0;
        const QMetaObject::Connection c = connect(&Session::Get(), &Session::DayCellChanged, this, [&] {
            busy += QGuiApplication::overrideCursor() &&
                    QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
        ProgramFixture::Click(tab, "Add");
        disconnect(c);
        QCOMPARE(busy, 12);
        QCOMPARE(range, (QStringList{"2026-01-31", "2026-12-31"}));
        QCOMPARE(Lines(tab), QStringList{"(DE) - (1M le 31) - Loyer      650$"});
        QCOMPARE(tab->SelectedLine(), 0);
        QVERIFY(tab->Button(u"Update"_qs)->isEnabled());
        QCOMPARE(CellTexts(*f, 30, 4), QStringList{"Loyer      650$"});
        QCOMPARE(CellTexts(*f, 28, 2), QStringList{"Loyer      650$"}); // 2026 is not a leap year
        QVERIFY(Doc().AE.AEModified && Doc().Month(4).EntriesModified);

        // A pay every two weeks from Friday 26 December 2025.
        WhenModal<AutoEventEditor>([&](AutoEventEditor* d) {
            Check(d, "ChkEV0")->click();
            QTest::keyClicks(Box(d, "TxtEV0"), "Paie");
            Retype(Box(d, "TxtEV1"), "1500");
            Check(d, "ChkAE2")->click();
            QVERIFY(Find(d, "CmbAE2")->isEnabled() && !Find(d, "CmbAE0")->isEnabled());
            ChooseLine(d, "CmbAE2", 5); // Vendredi: the range moves onto Fridays
            range = QStringList{Find<QDateEdit>(d, "DtRG0")->date().toString(Qt::ISODate),
                                Find<QDateEdit>(d, "DtRG1")->date().toString(Qt::ISODate)};
            Find<QDateEdit>(d, "DtRG0")->setDate(QDate(2025, 12, 24)); // a Wednesday
            range.append(Find<QDateEdit>(d, "DtRG0")->date().toString(Qt::ISODate));
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Add");
        // Sunday first (the first line), then Friday: each choice moves the dates on.
        QCOMPARE(range, (QStringList{"2026-01-09", "2026-12-25", "2025-12-26"}));
        QCOMPARE(tab->SelectedLine(), 1);
        QCOMPARE(CellTexts(*f, 9, 1), QStringList{"Paie       1500$"});
        QCOMPARE(CellTexts(*f, 23, 1), QStringList{"Paie       1500$"});
        QVERIFY(CellTexts(*f, 2, 1).isEmpty() && CellTexts(*f, 16, 1).isEmpty());

        // The rent of 30 April ticked and coloured by the user, another entry after it.
        EntriesOn(30, 4)[0].Ticked = true;
        EntriesOn(30, 4)[0].TextColour = 0xFF;
        EntriesOn(30, 4).append(Money(EntryExpense, "Garage", "90"));

        // Moving the definitions changes no day.
        const QStringList before = AllEntries();
        ProgramFixture::Click(tab, "Up");
        QCOMPARE(tab->SelectedLine(), 0);
        QCOMPARE(Lines(tab)[0], u"(RE) - (2S le VE) - Paie       1500$"_qs);
        ProgramFixture::Click(tab, "Sort1");
        QCOMPARE(Lines(tab)[0], u"(RE) - (2S le VE) - Paie       1500$"_qs); // sorted on the text
        QCOMPARE(AllEntries(), before);

        // Removed by hand, the pay of 9 January comes back with the update, after the day's own
        // entry; the message says the calendar was updated.
        main->SetCurrentTab(TabEvents);
        f->ClickDay(9, 1);
        ProgramFixture::Click(f->Events(), "Remove");
        WhenModal<EventEditor>([](EventEditor* d) {
            QTest::keyClicks(Box(d, "TxtEV0"), "Dentiste");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        main->SetCurrentTab(TabAutoEvents);
        ProgramFixture::Click(tab, "Update");
        QCOMPARE(f->prompter.Asked.size(), 1);
        QCOMPARE(f->prompter.Asked[0].Text, Str(10057));
        QCOMPARE(f->prompter.Asked[0].Title, u"Daybinder"_qs);
        QCOMPARE(f->prompter.Asked[0].Icon, PromptIcon::Information);
        QCOMPARE(CellTexts(*f, 9, 1), (QStringList{"Dentiste", "Paie       1500$"}));

        // The rent edited (double-click on its line): every occurrence is a fresh one.
        QListWidget* list = tab->List();
        QString title;
        WhenModal<AutoEventEditor>([&](AutoEventEditor* d) {
            title = d->windowTitle();
            QVERIFY(Check(d, "ChkEV1")->isChecked());
            QCOMPARE(Box(d, "TxtEV0")->text(), u"Loyer"_qs);
            QCOMPARE(Find<QComboBox>(d, "CmbAE0")->currentIndex(), 30);
            Retype(Box(d, "TxtEV1"), "700");
            Press(d, "CmdOk");
        });
        ProgramFixture::DoubleClick(list->viewport(), list->visualItemRect(list->item(1)).center());
        QCOMPARE(title, u"Daybinder - Éditer un Auto-Événement"_qs);
        QCOMPARE(tab->SelectedLine(), 1);
        QCOMPARE(Descriptions(EntriesOn(30, 4)),
                 (QStringList{MoneyDescription(u"Garage", u"90"), MoneyDescription(u"Loyer", u"700")}));
        QVERIFY(!EntriesOn(30, 4)[1].Ticked && EntriesOn(30, 4)[1].TextColour == -1);

        // OK without a change writes nothing and keeps the key.
        const QString key = Doc().AE.AutoEvents[1].Key;
        WhenModal<AutoEventEditor>([](AutoEventEditor* d) { Press(d, "CmdOk"); });
        ProgramFixture::Click(tab, "Edit");
        QCOMPARE(Doc().AE.AutoEvents[1].Key, key);

        // Saved and opened again: the occurrences are the same entries, an update adds nothing.
        const QString path = f->dir.filePath(u"loyer.cal"_qs);
        f->dialogs->Files = {path};
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, "CmdYes"); });
        f->ToolbarClick("Save");
        const QStringList saved = AllEntries();
        main->close();
        f->program.reset();
        QVERIFY(f->Start(path));
        f->Main()->SetCurrentTab(TabAutoEvents);
        ProgramFixture::Click(f->Main()->ListPage(TabAutoEvents), "Update");
        QCOMPARE(AllEntries(), saved);

        // Removing a definition takes its occurrences away; removing all, the others.
        tab = f->Main()->ListPage(TabAutoEvents);
        tab->SelectLine(0);
        ProgramFixture::Click(tab, "Remove");
        QVERIFY(EntriesOn(9, 1).size() == 1 && EntriesOn(30, 4).size() == 2);
        ProgramFixture::Click(tab, "Clear");
        QCOMPARE(EntriesOn(30, 4).size(), 1);
        QVERIFY(Lines(tab).isEmpty());
    }

    void birthdaysRoad()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        ListTab* tab = f->Main()->ListPage(TabBirthdays);
        f->Main()->SetCurrentTab(TabBirthdays);
        QString date;
        WhenModal<BirthdayEditor>([&](BirthdayEditor* d) {
            date = Find<QDateEdit>(d, "DtGen")->date().toString(Qt::ISODate);
            QTest::keyClicks(Box(d, "TxtGen"), "Marie");
            Find<QDateEdit>(d, "DtGen")->setDate(QDate(1975, 3, 14));
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Add");
        QCOMPARE(date, u"1970-01-01"_qs);
        QCOMPARE(Lines(tab), QStringList{"Marie - (1975-03-14)"});
        QCOMPARE(CellTexts(*f, 14, 3), QStringList{"AN:Marie"});
        QVERIFY(Doc().BD.BDModified);

        // The occurrence is locked in the event editor: type, text and amount stay.
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(14, 3);
        bool locked = false;
        WhenModal<EventEditor>([&](EventEditor* d) {
            locked = !Box(d, "TxtEV0")->isEnabled() && !Check(d, "ChkEV0")->isEnabled() &&
                     Find<QLabel>(d, "LblWarning")->text() == Str(737);
            Press(d, "CmdCancel");
        });
        ProgramFixture::Click(f->Events(), "Edit");
        QVERIFY(locked);

        // Renamed: the old occurrence goes, the new one comes.
        f->Main()->SetCurrentTab(TabBirthdays);
        WhenModal<BirthdayEditor>([&](BirthdayEditor* d) {
            Retype(Box(d, "TxtGen"), "Marie-Ève");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Edit");
        QCOMPARE(CellTexts(*f, 14, 3), QStringList{"AN:Marie-Ève"});
        WhenModal<BirthdayEditor>([&](BirthdayEditor* d) {
            QTest::keyClicks(Box(d, "TxtGen"), "Paul");
            Find<QDateEdit>(d, "DtGen")->setDate(QDate(1990, 3, 14));
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Add");
        ProgramFixture::Click(tab, "Sort1");
        QCOMPARE(Lines(tab), (QStringList{"Paul - (1990-03-14)", "Marie-Ève - (1975-03-14)"}));
        QCOMPARE(CellTexts(*f, 14, 3), (QStringList{"AN:Marie-Ève", "AN:Paul"}));

        EntriesOn(14, 3).removeFirst();
        ProgramFixture::Click(tab, "Update");
        QCOMPARE(f->prompter.Asked.size(), 1);
        QCOMPARE(Descriptions(EntriesOn(14, 3)), (QStringList{"AN:Paul", "AN:Marie-Ève"}));
        tab->SelectLine(0);
        ProgramFixture::Click(tab, "Remove");
        QCOMPARE(Descriptions(EntriesOn(14, 3)), QStringList{"AN:Marie-Ève"});
        QCOMPARE(tab->SelectedLine(), 0);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestOccurrenceRoad)
#include "tst_occurrenceroad.moc"
