#include "document/CalendarDocument.h"
#include "document/Session.h"

#include <QSignalSpy>
#include <QTest>

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void init() { Session::Get().Reset(); }

    void newDocumentHasTheDefaults()
    {
        Session& s = Session::Get();
        s.CurrentDocument = s.BlankDocument(false);
        SetDocumentDefaults(s.CurrentDocument, 2026);
        s.SetModified(PartAll, false);
        const CalendarDocument& d = s.CurrentDocument;
        QCOMPARE(d.MonthToOpen, u"00"_qs);
        QCOMPARE(d.YearNumber(), 2026);
        QVERIFY(d.EmbedPictures && d.Password.isEmpty() && d.IsSaved);
        QCOMPARE(d.DefaultColours.Colour8, 0xFF0000); // "&H00FF0000&" is blue: red is the low byte
        for (const MonthData& m : d.Months)
            QVERIFY(m.Background.UseDefault && !ColoursDiffers(m.Colours, DefaultColourTable()));
    }

    void setModifiedTracksEveryPartAndIgnoresBadOnes()
    {
        Session& s = Session::Get();
        s.SetMode(MainMode::Edit);
        s.SetModified(PartAll, false);
        QVERIFY(s.CurrentDocument.IsSaved);
        for (int part = 1; part <= 9; ++part) {
            s.SetModified(part, true, 12); // the month is ignored by the document's own parts
            QVERIFY2(!s.CurrentDocument.IsSaved, qPrintable(QString::number(part)));
            s.SetModified(part, false, 12);
            QVERIFY(s.CurrentDocument.IsSaved);
        }
        // PartAll to False clears all twelve months as well as the document flags.
        s.SetModified(PartMonthEntries, true, 3);
        s.SetModified(PartMonthColours, true, 7);
        s.SetModified(PartBirthdays, true);
        s.SetModified(PartAll, false);
        QVERIFY(s.CurrentDocument.IsSaved && !AnyPartModified(s.CurrentDocument));
        s.SetModified(PartAll, true);
        for (const MonthData& m : s.CurrentDocument.Months)
            QVERIFY(m.EntriesModified && m.Background.Modified && m.Colours.Modified);
        QVERIFY(s.CurrentDocument.HeaderModified && s.CurrentDocument.BD.BDModified);

        // Months and parts that do not exist change nothing.
        s.SetModified(PartAll, false);
        s.SetModified(PartMonthEntries, true, 13);
        s.SetModified(PartMonthEntries, true, 0);
        s.SetModified(10, true);
        s.SetModified(-1, true);
        QVERIFY(!AnyPartModified(s.CurrentDocument));
        QVERIFY(s.CurrentDocument.IsSaved);
        // IsSaved is still recomputed from the flags already set.
        s.SetModified(PartHeader, true);
        s.SetModified(PartMonthEntries, false, 13);
        QVERIFY(!s.CurrentDocument.IsSaved);
    }

    void blankDocumentInheritsTheDefaultsAndResetsTheViewUnlessKept()
    {
        Session& s = Session::Get();
        SetDocumentDefaults(s.CurrentDocument, 2004);
        s.CurrentDocument.DefaultColours.Colour1 = 0x123456;
        s.CurrentDocument.DefaultBackground.PicturePath = u"/pics/sea.bmp"_qs;
        s.CurrentDocument.Author = u"Anne"_qs;
        s.CurrentDocument.Month(2).Cell(10).Entries.append(DayEntry());

        const CalendarDocument blank = s.BlankDocument(true);
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(blank.Month(m).Colours.Colour1, 0x123456);
            QCOMPARE(blank.Month(m).Background.PicturePath, u"/pics/sea.bmp"_qs);
        }
        QCOMPARE(blank.Month(2).Cell(10).EntryCount(), qint16(0));
        QCOMPARE(blank.DefaultColours.Colour1, 0);
        QVERIFY(blank.DefaultBackground.PicturePath.isEmpty() && blank.Author.isEmpty() && !blank.IsSaved);

        // Kept, the selection and the clipboard stay; otherwise they go and the windows are reset.
        QSignalSpy resets(&s, &Session::MonthWindowsReset);
        s.Selected = {3, 12, MakeDate(4, 3, 2004)};
        s.Clipboard.Mode = 1;
        s.Clipboard.SourceMonth = 3;
        s.BlankDocument(true);
        QCOMPARE(s.Selected.Month, qint16(3));
        QCOMPARE(resets.count(), 0);

        s.BlankDocument(false);
        QCOMPARE(s.Selected.Cell, qint16(0));
        QCOMPARE(s.Selected.Date, MakeDate(0, 0, 0));
        QCOMPARE(s.Clipboard.Mode, 0);
        QCOMPARE(s.Clipboard.SourceMonth, qint16(-1));
        QCOMPARE(resets.takeFirst().at(0).toBool(), false);
        s.SetMode(MainMode::Unload);
        s.BlankDocument(false);
        QCOMPARE(resets.takeFirst().at(0).toBool(), true);
    }

    void differsComparesOnlyWhatEditorsEdit()
    {
        AutoEventDef a{KindMonthly, 5, 0, {}, {}, {}, u"Loyer      650"_qs, EntryExpense};
        AutoEventDef b = a;
        b.Key = u"AE0000000000000009"_qs;
        QVERIFY(!AutoEventDiffers(a, b));
        b.Month = 2;
        QVERIFY(AutoEventDiffers(a, b));

        DayEntry e;
        e.Description = u"Dentiste"_qs;
        DayEntry f = e;
        f.Ticked = true;
        f.LinkKey = u"AE0000000000000001"_qs;
        f.Picture = QImage(2, 2, QImage::Format_RGB32);
        QVERIFY(!EntryDiffers(e, f));
        f.TextColour = 0xFF;
        QVERIFY(EntryDiffers(e, f));
        f = e;
        f.AlarmSound = 3;
        QVERIFY(EntryDiffers(e, f));

        BirthdayDef p{MakeDate(14, 3, 1975), u"BD0000000000000001"_qs, u"Marie"_qs};
        BirthdayDef q = p;
        q.Key.clear();
        QVERIFY(!BirthdayDiffers(p, q));
        q.BirthDate.Year = 1976;
        QVERIFY(BirthdayDiffers(p, q));

        DebtSavingDef d1{false, MakeDate(1, 1, 2004), u"Visa       2500"_qs};
        DebtSavingDef d2 = d1;
        QVERIFY(!DebtSavingDiffers(d1, d2));
        d2.IsSavings = true;
        QVERIFY(DebtSavingDiffers(d1, d2));

        BackgroundSettings g1;
        g1.Picture = QImage(4, 4, QImage::Format_RGB32);
        BackgroundSettings g2 = g1; // the same picture object
        g2.Modified = true;
        QVERIFY(!BackgroundDiffers(g1, g2));
        g2.Picture = g1.Picture.copy(); // equal pixels, another picture
        QVERIFY(BackgroundDiffers(g1, g2));

        ColourSettings c1 = DefaultColourTable();
        ColourSettings c2 = c1;
        c2.Modified = true;
        QVERIFY(!ColoursDiffers(c1, c2));
        c2.Colour9 = 1;
        QVERIFY(ColoursDiffers(c1, c2));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
