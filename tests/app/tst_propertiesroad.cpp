// The document properties through the real program: a new document whose March gets a tiled
// picture and its own colours, saved with its pictures and a password and opened again; the
// example year moved to another year; and New cancelled in its properties dialog.

#include "ProgramFixture.h"
#include "commands/SavePartsDialog.h"
#include "pictures/ChoosePicture.h"
#include "resources/Strings.h"
#include "support/Widgets.h"

#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

void Select(PropertiesDialog* d, QTreeWidgetItem* item)
{
    d->Tree()->scrollToItem(item);
    QTest::mouseClick(d->Tree()->viewport(), Qt::LeftButton, {}, d->Tree()->visualItemRect(item).center());
}

} // namespace

class TestPropertiesRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup()
    {
        SetPictureChooser({});
        f.reset();
    }

    void marchWithItsOwnLookSavedProtectedAndOpenedAgain()
    {
        QImage tile(40, 30, QImage::Format_RGB32);
        tile.fill(QColor(200, 230, 255));
        tile.setPixelColor(0, 0, Qt::darkRed);
        const QString picture = f->dir.filePath(u"motif mars.bmp"_qs);
        QVERIFY(tile.save(picture));
        SetPictureChooser([&](const QString&) { return PictureChoice{1, picture}; });
        QVERIFY(f->Start());
        f->dialogs->Colours = {0x00E0FF}; // the cells of March in a warm yellow
        f->prompter.Passwords = {u"printemps"_qs};

        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            QTest::keyClicks(Box(d, "TxtAuthor"), "Famille");
            Select(d, d->PictureItem(3));
            Check(d, "ChkBck0")->click();
            Check(d, "ChkBck1")->click();
            Press(d, "CmdBck");
            Check(d, "ChkBck3")->click(); // tiled
            Select(d, d->ColoursItem(3));
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
        f->dialogs->Files = {path};
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, "CmdYes"); });
        f->ToolbarClick("Save");
        QVERIFY(Doc().IsSaved);
        QVERIFY(QFile::remove(picture)); // the file carries its own copy

        f->Quit();
        f->prompter.PasswordExpected.clear();
        f->prompter.Passwords = {u"printemps"_qs};
        QVERIFY(f->Start(path));
        QCOMPARE(f->prompter.PasswordExpected, QStringList{QString()}); // asked to read it
        QCOMPARE(Doc().Author, u"Famille"_qs);
        CheckMarchAsLeft();

        // The properties show the stored password confirmed: OK asks nothing.
        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            QCOMPARE(Box(d, "TxtSave")->property("Tag").toString(), u"Confirmed"_qs);
            Press(d, "CmdOk");
        });
        f->ToolbarClick("Prop");
        QCOMPARE(f->prompter.PasswordExpected.size(), 1);
        QVERIFY(Doc().IsSaved);
    }

    void anotherYearForTheExample()
    {
        QVERIFY(f->Start(f->Example()));
        Doc().AE.AutoEvents = {AutoEventDef{KindMonthly, 1, 0, MakeDate(1, 1, 2026), MakeDate(31, 12, 2027),
                                            MakeKey(u"AE", 1), MoneyDescription(u"Loyer"_qs, u"850"_qs),
                                            EntryExpense}};
        Doc().AE.AENextId = 1;
        QVERIFY(!EntriesOn(8, 3).isEmpty());
        f->prompter.Answers = {PromptAnswer::Yes};
        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            auto* years = Find<QListWidget>(d, "LstYear");
            const QRect r = years->visualItemRect(years->findItems(u"2027"_qs, Qt::MatchExactly).first());
            QTest::mouseClick(years->viewport(), Qt::LeftButton, {}, r.center());
            Press(d, "CmdOk");
        });
        f->ToolbarClick("Prop");

        QCOMPARE(f->prompter.Asked.value(0).Text, Str(543));
        const CalendarDocument& doc = Doc();
        QCOMPARE(doc.Year, u"2027"_qs);
        QCOMPARE(doc.DE.DECount(), 2);
        QCOMPARE(doc.AE.AECount(), 1);
        for (int m = 1; m <= 12; ++m)
            for (const DayCell& day : doc.Month(m).Cells)
                for (const DayEntry& e : day.Entries) QVERIFY(!e.LinkKey.isEmpty()); // only occurrences
        QVERIFY(doc.FilePath.isEmpty());
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(f->Main()->windowTitle(), u"Daybinder v2.1 - [Sans nom]*"_qs);
        QCOMPARE(f->Main()->ExistingMonthWindow(3)->windowTitle(), u"Mars 2027"_qs);
        // 1 March 2027 is a Monday; the example's days are empty in the grid too.
        QCOMPARE(f->Grid(3)->Cell(8).Day, u"01"_qs);
        QVERIFY(f->Grid(3)->Cell(CellOf(8, 3)).Lines[0].Text.isEmpty());
        // The definitions kept place their occurrences in the new year: the rent on the 1st, the
        // example's birthdays.
        QCOMPARE(f->Grid(3)->Cell(CellOf(1, 3)).Lines[0].Text, u"Loyer      850$"_qs);
        QCOMPARE(Descriptions(EntriesOn(28, 3)), QStringList{"AN:Léa"});
        QVERIFY(doc.Month(3).EntriesModified);
    }

    void cancelInNewLeavesNoDocument()
    {
        QVERIFY(f->Start(f->Example()));
        WhenModal<PropertiesDialog>([](PropertiesDialog* d) { Press(d, "CmdCancel"); });
        f->ToolbarClick("New");
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        for (int m = 1; m <= 12; ++m) QVERIFY(!f->Main()->ExistingMonthWindow(m)->isVisible());
        QCOMPARE(f->Main()->windowTitle(), u"Daybinder v2.1 pour Linux"_qs);
        QVERIFY(!f->Main()->Toolbar()->Action(u"Prop"_qs)->isVisible());
    }

private:
    void CheckMarchAsLeft() const
    {
        const CalendarDocument& doc = Doc();
        QCOMPARE(doc.Month(3).Background.Mode, 2);
        QVERIFY(!doc.Month(3).Background.UseDefault && !doc.Month(3).Colours.UseDefault);
        QCOMPARE(doc.Month(3).Colours.Colour1, 0x00E0FF);
        QVERIFY(doc.Month(4).Background.UseDefault && doc.Month(4).Colours.UseDefault);
        QVERIFY(doc.EmbedPictures);
        QCOMPARE(doc.Password, u"printemps"_qs);
        // March shows its tiles through its cells, in its own colour; April is plain.
        MonthGrid* march = f->Grid(3);
        QCOMPARE(march->Picture.pixelColor(0, 0), QColor(Qt::darkRed));
        QCOMPARE(march->Picture.pixelColor(40, 30), QColor(Qt::darkRed)); // the next tile
        QVERIFY(!march->Cell(CellOf(20, 3)).Opaque);
        QCOMPARE(march->Cell(CellOf(20, 3)).Back, 0x00E0FF);
        QVERIFY(f->Grid(4)->Picture.isNull());
        QCOMPARE(f->Grid(4)->Cell(CellOf(20, 4)).Back, DefaultColourTable().Colour1);
    }

    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestPropertiesRoad)
#include "tst_propertiesroad.moc"
