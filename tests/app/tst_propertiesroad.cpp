// The document properties through the real program: a new document whose March gets a tiled
// picture, adjusted in the picture editor, and its own colours, saved with its pictures and a
// password and opened again; the example moved to another year; and New cancelled.

#include "ProgramFixture.h"
#include "resources/Strings.h"

#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>

class TestPropertiesRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void marchWithItsOwnLookSavedProtectedAndOpenedAgain()
    {
        const QString picture =
            f->PictureFile(u"motif mars.bmp"_qs, QSize(40, 30), QColor(200, 230, 255), Qt::darkRed);
        QVERIFY(f->Start());
        f->dialogs->Colours = {0x00E0FF}; // the cells of March in a warm yellow
        f->prompter.Passwords = {u"printemps"_qs};

        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            QTest::keyClicks(Box(d, "TxtAuthor"), "Famille");
            ProgramFixture::Select(d, d->PictureItem(3));
            Check(d, "ChkBck0")->click();
            Check(d, "ChkBck1")->click();
            Press(d, "CmdBck");
            Check(d, "ChkBck3")->click(); // tiled
            WhenModal<PictureEditor>([](PictureEditor* editor) {
                ProgramFixture::Brighten(editor, 30);
                Press(editor, u"CmdOk"_qs);
            });
            Press(d, "CmdBckAdjust");
            ProgramFixture::Select(d, d->ColoursItem(3));
            Check(d, "ChkCol0")->click();
            Find<QToolButton>(d, "PicSelCol6")->click();
            QVERIFY(Check(d, "ChkSave0")->isChecked()); // a new document embeds its pictures
            Check(d, "ChkSave1")->click();
            QTest::keyClicks(Box(d, "TxtSave"), "printemps");
            Press(d, "CmdOk");
        });
        f->ToolbarClick("New");
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(f->prompter.PasswordExpected, QStringList{u"printemps"_qs});
        CheckMarchAsLeft();
        QVERIFY(f->Main()->windowTitle().endsWith(u"[Sans nom]*"_qs));

        const QString path = f->dir.filePath(u"famille.cal"_qs);
        f->Save(path);
        QVERIFY(Doc().IsSaved);
        QVERIFY(QFile::remove(picture)); // the file carries its own copy

        f->prompter.PasswordExpected.clear();
        f->prompter.Passwords = {u"printemps"_qs};
        QVERIFY(f->Reopen(path));
        QCOMPARE(f->prompter.PasswordExpected, QStringList{QString()}); // asked to read it
        QCOMPARE(Doc().Author, u"Famille"_qs);
        CheckMarchAsLeft();
    }

    void anotherYearForTheExample()
    {
        QVERIFY(f->StartOnExample());
        Doc().AE.AutoEvents = {AutoEventDef{KindMonthly, 1, 0, MakeDate(1, 1, 2026), MakeDate(31, 12, 2027),
                                            MakeKey(u"AE", 1), MoneyDescription(u"Loyer"_qs, u"850"_qs),
                                            EntryExpense}};
        Doc().AE.AENextId = 1;
        QVERIFY(!EntriesOn(8, 3).isEmpty());
        f->AnotherYear(u"2027"_qs);

        QCOMPARE(f->prompter.Asked.value(0).Text, Str(543));
        const CalendarDocument& doc = Doc();
        QCOMPARE(doc.Year, u"2027"_qs);
        for (int m = 1; m <= 12; ++m)
            for (const DayCell& day : doc.Month(m).Cells)
                for (const DayEntry& e : day.Entries) QVERIFY(!e.LinkKey.isEmpty()); // only occurrences
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(f->Main()->windowTitle(), u"Daybinder v2.1 - [Sans nom]*"_qs);
        // The grid is rebuilt on 2027, whose 1 March is a Monday, with the example's days empty
        // and the definitions' occurrences in the new year: the rent on the 1st, a birthday.
        QCOMPARE(f->Grid(3)->Cell(8).Day, u"01"_qs);
        QVERIFY(f->Grid(3)->Cell(CellOf(8, 3)).Lines[0].Text.isEmpty());
        QCOMPARE(f->Grid(3)->Cell(CellOf(1, 3)).Lines[0].Text, u"Loyer      850$"_qs);
        QCOMPARE(Descriptions(EntriesOn(28, 3)), QStringList{"AN:Léa"});
    }

    void cancelInNewLeavesNoDocument()
    {
        QVERIFY(f->StartOnExample());
        WhenModal<PropertiesDialog>([](PropertiesDialog* d) { Press(d, "CmdCancel"); });
        f->ToolbarClick("New");
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        for (int m = 1; m <= 12; ++m) QVERIFY(!f->Main()->ExistingMonthWindow(m)->isVisible());
        QCOMPARE(f->Main()->windowTitle(), u"Daybinder v2.1 pour Linux"_qs);
    }

private:
    void CheckMarchAsLeft() const
    {
        QCOMPARE(Doc().Password, u"printemps"_qs);
        // March shows its brightened tiles through its cells, in its own colour; April is plain.
        MonthGrid* march = f->Grid(3);
        QCOMPARE(march->Picture.pixelColor(0, 0), QColor(158, 30, 30));
        QCOMPARE(march->Picture.pixelColor(40, 30), QColor(158, 30, 30)); // the next tile
        QVERIFY(!march->Cell(CellOf(20, 3)).Opaque);
        QCOMPARE(march->Cell(CellOf(20, 3)).Back, 0x00E0FF);
        QVERIFY(f->Grid(4)->Picture.isNull());
        QCOMPARE(f->Grid(4)->Cell(CellOf(20, 4)).Back, DefaultColourTable().Colour1);
    }

    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestPropertiesRoad)
#include "tst_propertiesroad.moc"
