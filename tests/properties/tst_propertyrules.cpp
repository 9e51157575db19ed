// The properties' rules without their dialog: the texts of the general page, the "for all
// months" box, and what OK writes into the document, in its order and with its part flags.

#include "entries/EntryFixtures.h"
#include "properties/ApplyProperties.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QImage Picture(Qt::GlobalColor colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The working copies of the open document, as the dialog opens on it.
PropertiesWork Work()
{
    return PropertiesOf(Doc(), YearChoices(2026));
}

} // namespace

class TestPropertyRules : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument(2004);
        PropertiesHooks::Get() = PropertiesHooks();
    }

    void fileSizeAndNameTexts()
    {
        QCOMPARE(FileSizeText(512), u" 0.51 KB"_qs);
        QCOMPARE(FileSizeText(500), u" 0.5 KB"_qs);
        QCOMPARE(FileSizeText(999), u" 1 KB"_qs);
        QCOMPARE(FileSizeText(1000), u"1 KB"_qs); // thousands, not 1024
        QCOMPARE(FileSizeText(1500), u"2 KB"_qs);
        QCOMPARE(FileSizeText(12345678), u"12 346 KB"_qs);
        QCOMPARE(FileSizeText(1234567890123), u"1 234 567 890 KB"_qs);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"année.cal"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(512, 'x'));
        file.close();
        Doc().FilePath = path;
        const FileBoxes named = FileBoxesOf(Doc(), MainMode::Edit);
        QCOMPARE(named.Name, path);
        QCOMPARE(named.Size, u" 0.51 KB"_qs);
        // A new document (New runs outside editing) and a file gone since: nothing to read.
        QCOMPARE(FileBoxesOf(Doc(), MainMode::Logo).Name, Str(540));
        QVERIFY(file.remove());
        QCOMPARE(FileBoxesOf(Doc(), MainMode::Edit).Size, Str(541));
        Doc().FilePath.clear();
        QCOMPARE(FileBoxesOf(Doc(), MainMode::Edit).Name, Str(540));
    }

    void yearsAndMonthToOpenOfTheGeneralPage()
    {
        const QStringList years = YearChoices(2026);
        QCOMPARE(years.first(), u"2002"_qs);
        QCOMPARE(years.last(), u"2036"_qs);
        QCOMPARE(Work().Year, u"2004"_qs);
        Doc().Year = u"1999"_qs; // outside the list: nothing selected, and OK keeps the year
        QVERIFY(Work().Year.isEmpty());
        QVERIFY(ApplyProperties(Work()));
        QCOMPARE(Doc().Year, u"1999"_qs);

        QCOMPARE(MonthToOpenIndex(u"00"_qs), 0);
        QCOMPARE(MonthToOpenIndex(u""_qs), 0);
        QCOMPARE(MonthToOpenIndex(u"07"_qs), 7);
        QCOMPARE(MonthToOpenIndex(u"13"_qs), 0);
    }

    void forAllMonthsBoxIsTriStateAndGreyCountsAsSet()
    {
        PropertiesWork w = Work();
        QCOMPARE(ColoursOnDefaults(w), MonthsOnDefaults::All);
        for (int m = 1; m <= 6; ++m) w.Colours[size_t(m)].UseDefault = false;
        QCOMPARE(ColoursOnDefaults(w), MonthsOnDefaults::Some);
        SetColoursOnDefaults(w, kDefaultsNode, true);
        QCOMPARE(ColoursOnDefaults(w), MonthsOnDefaults::All);
        SetBackgroundOnDefaults(w, kDefaultsNode, false);
        QCOMPARE(BackgroundsOnDefaults(w), MonthsOnDefaults::None);
        QVERIFY(!w.Backgrounds[kDefaultsNode].UseDefault);
        SetBackgroundOnDefaults(w, 3, true); // one month leaves the others alone
        QCOMPARE(BackgroundsOnDefaults(w), MonthsOnDefaults::Some);

        // A month on the defaults previews them; the defaults' own box never disables them.
        w.Colours[kDefaultsNode].Colour1 = 0x123456;
        QCOMPARE(PreviewColours(w, 5).Colour1, 0x123456);
        QVERIFY(!ColourRowEnabled(0, 5, true));
        QVERIFY(ColourRowEnabled(0, kDefaultsNode, true));
        for (int node : {kDefaultsNode, 5}) QVERIFY(!ColourRowEnabled(3, node, false)); // "Texte Totaux"
        QCOMPARE(BackgroundPanel(4, true, false, true, true).Choose, false);
        QCOMPARE(BackgroundPanel(kDefaultsNode, true, false, true, false).Adjust, false); // no editor yet
        QCOMPARE(BackgroundPanel(kDefaultsNode, true, true, true, true).ModeBoxes, false);
    }

    void okMarksOnlyWhatChangedAndDropsPicturesOfMonthsOnTheDefaults()
    {
        Doc().Month(2).Background.UseDefault = false;
        Doc().Month(2).Background.PicturePath = u"/images/neige.bmp"_qs;
        Doc().Month(2).Background.Picture = Picture(Qt::white);
        Doc().Month(2).Background.Mode = 2;
        Session::Get().SetModified(PartAll, false);

        PropertiesWork w = Work();
        w.Backgrounds[2].UseDefault = true; // February back on the defaults: its own picture goes
        w.Colours[3].UseDefault = false;
        w.Colours[3].Colour5 = 0x0000FF;
        w.Backgrounds[4].PicturePath.clear(); // "Pas d'image" on a picture never stored: nothing
        w.Backgrounds[4].Picture = Picture(Qt::red);
        w.Author = u"  Élise  "_qs;
        w.MonthToOpen = 3;
        QVERIFY(ApplyProperties(w));

        const CalendarDocument& doc = Doc();
        QVERIFY(doc.Month(2).Background.PicturePath.isEmpty());
        QVERIFY(doc.Month(2).Background.Picture.isNull());
        QVERIFY(doc.Month(2).Background.Modified);
        QCOMPARE(doc.Month(3).Colours.Colour5, 0x0000FF);
        QVERIFY(doc.Month(3).Colours.Modified && !doc.Month(3).Background.Modified);
        QVERIFY(doc.Month(4).Background.Picture.isNull() && !doc.Month(4).Background.Modified);
        QVERIFY(!doc.DefaultColours.Modified && !doc.DefaultBackground.Modified);
        QCOMPARE(doc.Author, u"Élise"_qs);
        QCOMPARE(doc.MonthToOpen, u"03"_qs);
        QVERIFY(doc.HeaderModified && !doc.IsSaved);

        // Unchanged, OK marks nothing.
        Session::Get().SetModified(PartAll, false);
        QVERIFY(ApplyProperties(Work()));
        QVERIFY(Doc().IsSaved);
    }

    void monthsToRebuildFollowWhatEachMonthShows()
    {
        const CalendarDocument before = Doc();
        PropertiesWork w = Work();
        w.Colours[7].UseDefault = false;
        w.Colours[7].Colour1 = 0x00FFFF;
        QVERIFY(ApplyProperties(w));
        QCOMPARE(MonthsToRebuild(before, Doc()), QList<int>{7});

        // The default colours change every month that still uses them, July no more.
        const CalendarDocument second = Doc();
        w = Work();
        w.Colours[kDefaultsNode].Colour2 = 0x0000FF;
        QVERIFY(ApplyProperties(w));
        QCOMPARE(MonthsToRebuild(second, Doc()), (QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}));
        QCOMPARE(MonthsToRebuild(Doc(), Doc()), QList<int>{});
    }

    void passwordIsConfirmedOnceTyped()
    {
        ScriptedPrompter prompter;
        PropertiesWork w = Work();
        w.Protected = true;
        w.Password = u" sésame "_qs;
        prompter.Passwords = {u"sesame"_qs};
        QVERIFY(!ApplyProperties(w)); // typed wrongly: the dialog stays, nothing is written
        QCOMPARE(prompter.PasswordExpected, QStringList{u"sésame"_qs});
        QCOMPARE(prompter.Asked.value(0).Text, Str(1704));
        QCOMPARE(prompter.Asked.value(0).Title, u"Daybinder - Mot de passe"_qs);
        QCOMPARE(prompter.Asked.value(0).Icon, PromptIcon::Exclamation);
        QVERIFY(Doc().Password.isEmpty() && Doc().IsSaved);

        prompter.Passwords = {u"sésame"_qs};
        QVERIFY(ApplyProperties(w));
        QCOMPARE(Doc().Password, u"sésame"_qs);
        QVERIFY(Doc().HeaderModified);

        // Opened again, the stored password is confirmed: OK does not ask.
        const PropertiesWork again = Work();
        QVERIFY(again.Protected && again.PasswordConfirmed);
        QVERIFY(ApplyProperties(again));
        QCOMPARE(prompter.PasswordExpected.size(), 2);

        // Unticking the box removes the password.
        w = Work();
        w.Protected = false;
        QVERIFY(ApplyProperties(w));
        QVERIFY(Doc().Password.isEmpty());
    }

    void anotherYearKeepsTheDefinitionsAndEmptiesTheDays()
    {
        ScriptedPrompter prompter;
        CalendarDocument& doc = Doc();
        doc.FilePath = u"/calendriers/2004.cal"_qs;
        doc.Author = u"Élise"_qs;
        doc.EmbedPictures = true;
        doc.Month(5).Colours.UseDefault = false;
        doc.Month(5).Colours.Colour1 = 0x00FF00;
        doc.AE.AutoEvents = {AutoEventDef{KindMonthly, 5, 0, MakeDate(1, 1, 2004), MakeDate(31, 12, 2004),
                                          MakeKey(u"AE", 7), MoneyDescription(u"Loyer"_qs, u"650"_qs), 3}};
        doc.AE.AENextId = 7;
        doc.BD.Birthdays = {BirthdayDef{MakeDate(3, 4, 1970), MakeKey(u"BD", 1), u"Marc"_qs}};
        doc.DE.DebtsSavings = {Account(false, u"Visa"_qs, u"2500"_qs, MakeDate(1, 1, 2004))};
        EntriesOn(10, 3).append(Event(u"Dentiste"_qs));
        Session::Get().SetModified(PartAll, false);
        QStringList updates;
        PropertiesHooks::Get().UpdateAutoEvents = [&] { updates.append(u"AE "_qs + Doc().Year); };
        PropertiesHooks::Get().UpdateBirthdays = [&] { updates.append(u"BD "_qs + Doc().Year); };

        PropertiesWork w = Work();
        w.Year = u"2027"_qs;
        prompter.Answers = {PromptAnswer::No};
        QVERIFY(ApplyProperties(w));
        QCOMPARE(prompter.Asked.value(0).Text, Str(543));
        QCOMPARE(prompter.Asked.value(0).DefaultButton, PromptAnswer::No);
        QCOMPARE(Doc().Year, u"2004"_qs);
        QCOMPARE(EntriesOn(10, 3).size(), 1);
        QVERIFY(updates.isEmpty() && Doc().IsSaved);

        prompter.Answers = {PromptAnswer::Yes};
        QVERIFY(ApplyProperties(w));
        const CalendarDocument& now = Doc();
        QCOMPARE(now.Year, u"2027"_qs);
        QCOMPARE(updates, (QStringList{u"AE 2027"_qs, u"BD 2027"_qs}));
        QCOMPARE(now.AE.AECount(), 1);
        QCOMPARE(now.AE.AENextId, 7); // a new definition gets a new key
        QCOMPARE(now.BD.BDCount(), 1);
        QCOMPARE(now.DE.DECount(), 1);
        QVERIFY(now.AE.AEModified && now.BD.BDModified && now.DE.DEModified);
        QVERIFY(EntriesOn(10, 3).isEmpty());
        QVERIFY(now.FilePath.isEmpty());
        // The dialog's own fields come back from its working copies.
        QCOMPARE(now.Author, u"Élise"_qs);
        QVERIFY(now.EmbedPictures);
        QCOMPARE(now.Month(5).Colours.Colour1, 0x00FF00);
        QCOMPARE(now.DefaultColours.Colour4, DefaultColourTable().Colour4);
        QCOMPARE(Session::Get().Mode(), MainMode::Load); // the months are rebuilt next
        QCOMPARE(Session::Get().Caption(), u"Daybinder v2.1 - [Sans nom]*"_qs);
    }
};

QTEST_GUILESS_MAIN(TestPropertyRules)
#include "tst_propertyrules.moc"
