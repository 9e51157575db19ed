// The properties' rules without their dialog: the texts of the general page, the "for all
// months" box, and what OK writes into the document, in its order and with its part flags.

#include "entries/EntryFixtures.h"
#include "properties/ApplyProperties.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"

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
        // Thousands, not 1024; below one, at most two decimals after a blank.
        const std::pair<qint64, const char*> sizes[] = {{512, " 0.51 KB"},
                                                        {500, " 0.5 KB"},
                                                        {999, " 1 KB"},
                                                        {1000, "1 KB"},
                                                        {1500, "2 KB"},
                                                        {12345678, "12 346 KB"},
                                                        {1234567890123, "1 234 567 890 KB"}};
        for (const auto& [bytes, text] : sizes) QCOMPARE(FileSizeText(bytes), QString::fromUtf8(text));

        // A new document (New runs outside editing) and a file gone since: nothing to read.
        Doc().FilePath = u"/nulle/part/année.cal"_qs;
        QCOMPARE(FileBoxesOf(Doc(), MainMode::Logo).Name, Str(540));
        QCOMPARE(FileBoxesOf(Doc(), MainMode::Edit).Size, Str(541));
    }

    void aYearOrMonthOutsideTheListsIsNeitherShownNorLost()
    {
        Doc().Year = u"1999"_qs;
        QVERIFY(Work().Year.isEmpty());
        QVERIFY(ApplyProperties(Work()));
        QCOMPARE(Doc().Year, u"1999"_qs);
        for (const QString& bad : {u""_qs, u"00"_qs, u"13"_qs}) QCOMPARE(MonthToOpenIndex(bad), 0);
        QCOMPARE(MonthToOpenIndex(u"07"_qs), 7);
    }

    // The dialog's greyed box is met there; these are the states it does not reach.
    void forAllMonthsStatesAndThePreviewOfAMonthOnTheDefaults()
    {
        PropertiesWork w = Work();
        SetBackgroundOnDefaults(w, kDefaultsNode, false);
        QCOMPARE(BackgroundsOnDefaults(w), MonthsOnDefaults::None);
        SetBackgroundOnDefaults(w, 3, true); // one month leaves the others alone
        QCOMPARE(BackgroundsOnDefaults(w), MonthsOnDefaults::Some);
        w.Colours[kDefaultsNode].Colour1 = 0x123456;
        QCOMPARE(PreviewColours(w, 5).Colour1, 0x123456);
    }

    void okMarksOnlyWhatChangedAndDropsPicturesOfMonthsOnTheDefaults()
    {
        Doc().Month(2).Background.UseDefault = false;
        Doc().Month(2).Background.PicturePath = u"/images/neige.bmp"_qs;
        Doc().Month(2).Background.Picture = Picture(Qt::white);
        Session::Get().SetModified(PartAll, false);

        PropertiesWork w = Work();
        w.Backgrounds[2].UseDefault = true; // February back on the defaults: its own picture goes
        w.Colours[3].UseDefault = false;
        w.Colours[3].Colour5 = 0x0000FF;
        w.Backgrounds[4].PicturePath.clear(); // "Pas d'image" on a picture never stored: nothing
        w.Backgrounds[4].Picture = Picture(Qt::red);
        w.Author = u"  Élise  "_qs;
        QVERIFY(ApplyProperties(w));

        const CalendarDocument& doc = Doc();
        QVERIFY(doc.Month(2).Background.PicturePath.isEmpty() && doc.Month(2).Background.Picture.isNull());
        QVERIFY(doc.Month(2).Background.Modified);
        QCOMPARE(doc.Month(3).Colours.Colour5, 0x0000FF);
        QVERIFY(doc.Month(3).Colours.Modified && !doc.Month(3).Background.Modified);
        QVERIFY(doc.Month(4).Background.Picture.isNull() && !doc.Month(4).Background.Modified);
        QVERIFY(!doc.DefaultColours.Modified && !doc.DefaultBackground.Modified);
        QCOMPARE(doc.Author, u"Élise"_qs);
        QVERIFY(doc.HeaderModified && !doc.IsSaved);

        // Unchanged, OK marks nothing.
        Session::Get().SetModified(PartAll, false);
        QVERIFY(ApplyProperties(Work()));
        QVERIFY(Doc().IsSaved);
    }

    void newDefaultColoursRebuildOnlyTheMonthsUsingThem()
    {
        Doc().Month(7).Colours.UseDefault = false;
        const CalendarDocument before = Doc();
        PropertiesWork w = Work();
        w.Colours[kDefaultsNode].Colour2 = 0x0000FF;
        QVERIFY(ApplyProperties(w));
        QCOMPARE(MonthsToRebuild(before, Doc()), (QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}));
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
        QVERIFY(Doc().Password.isEmpty() && Doc().IsSaved);

        prompter.Passwords = {u"sésame"_qs};
        QVERIFY(ApplyProperties(w));
        QCOMPARE(Doc().Password, u"sésame"_qs); // trimmed

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
        QCOMPARE(prompter.Asked.value(0).DefaultButton, PromptAnswer::No);
        QCOMPARE(Doc().Year, u"2004"_qs);
        QVERIFY(EntriesOn(10, 3).size() == 1 && updates.isEmpty() && Doc().IsSaved);

        prompter.Answers = {PromptAnswer::Yes};
        QVERIFY(ApplyProperties(w));
        const CalendarDocument& now = Doc();
        QCOMPARE(now.Year, u"2027"_qs);
        QCOMPARE(updates, (QStringList{u"AE 2027"_qs, u"BD 2027"_qs}));
        QVERIFY(now.AE.AECount() == 1 && now.BD.BDCount() == 1 && now.DE.DECount() == 1);
        QCOMPARE(now.AE.AENextId, 7); // a new definition gets a new key
        QVERIFY(now.AE.AEModified && now.BD.BDModified && now.DE.DEModified);
        QVERIFY(EntriesOn(10, 3).isEmpty());
        QVERIFY(now.FilePath.isEmpty());
        // The dialog's own fields come back from its working copies.
        QCOMPARE(now.Author, u"Élise"_qs);
        QCOMPARE(now.Month(5).Colours.Colour1, 0x00FF00);
        QCOMPARE(Session::Get().Mode(), MainMode::Load); // the months are rebuilt next
    }
};

QTEST_GUILESS_MAIN(TestPropertyRules)
#include "tst_propertyrules.moc"
