// The picture editor through the real program: an entry's picture brightened from the events
// tab, saved embedded and opened again; the month grid's menu on the same entry; and a March
// background adjusted from the properties dialog.

#include "ProgramFixture.h"
#include "commands/SavePartsDialog.h"
#include "pictures/ChoosePicture.h"
#include "pictures/PictureEditor.h"
#include "printing/PrintJob.h"
#include "printing/PrintPreview.h"
#include "support/Widgets.h"

#include <QSlider>
#include <QTreeWidget>

namespace {

// The slider moved with the keyboard, then its "Appliquer".
void Brighten(PictureEditor* editor, int amount)
{
    auto* slider = Find<QSlider>(editor, u"SldBright"_qs);
    slider->setFocus();
    for (int i = 0; i < std::abs(amount); ++i)
        QTest::keyClick(slider, amount > 0 ? Qt::Key_Right : Qt::Key_Left);
    Press(editor, u"CmdBrightApply"_qs);
}

QImage Red(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(250, 10, 0));
    return picture;
}

} // namespace

class TestPictureRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup()
    {
        SetPictureChooser({});
        f.reset();
    }

    void entryPictureBrightenedSavedAndOpenedAgain()
    {
        const QString picture = f->dir.filePath(u"plage été.bmp"_qs);
        QVERIFY(Red(80, 60).save(picture));
        QVERIFY(f->Start());
        f->NewDocument();
        QVERIFY(Doc().EmbedPictures);
        DayEntry outing = Event(u"Sortie à la plage"_qs);
        outing.PicturePath = picture;
        outing.Picture = QImage(picture);
        QVERIFY(AppendEntry(6, CellOf(20, 6), outing));
        Session::Get().SetModified(PartAll, false);

        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(20, 6);
        QCOMPARE(f->EventsLines(), QStringList{u"(EV) - Sortie à la plage"_qs});
        WhenModal<PictureEditor>([](PictureEditor* editor) {
            QCOMPARE(editor->Current().size(), QSize(80, 60));
            Brighten(editor, 30);
            Press(editor, u"CmdOk"_qs);
        });
        ProgramFixture::Click(f->Events(), "ShowPic");
        QCOMPARE(EntriesOn(20, 6)[0].Picture.pixel(40, 30), qRgb(255, 40, 30));
        QCOMPARE(EntriesOn(20, 6)[0].PicturePath, picture);
        QVERIFY(!Doc().IsSaved);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));

        const QString path = f->dir.filePath(u"vacances.cal"_qs);
        f->dialogs->Files = {path};
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, u"CmdYes"_qs); });
        f->ToolbarClick("Save");
        QVERIFY(Doc().IsSaved);
        QVERIFY(QFile::remove(picture)); // what shows next comes from the file itself

        f->Quit();
        QVERIFY(f->Start(path));
        QCOMPARE(f->prompter.Asked.size(), 0); // nothing failed to load
        const DayEntry& reopened = EntriesOn(20, 6).value(0);
        QCOMPARE(reopened.Picture.size(), QSize(80, 60));
        QCOMPARE(reopened.Picture.pixel(40, 30), qRgb(255, 40, 30));

        // The month grid's menu opens the editor on the same entry; Cancel changes nothing.
        WhenModal<PictureEditor>([](PictureEditor* editor) {
            QCOMPARE(editor->Current().pixel(0, 0), qRgb(255, 40, 30));
            Press(editor, u"CmdSizeFit"_qs);
            Press(editor, u"CmdSizeApply"_qs);
            Press(editor, u"CmdCancel"_qs);
        });
        f->CellMenu(20, 6, 0, MenuShowPicture);
        QCOMPARE(f->Main()->CurrentTab(), TabEvents);
        QCOMPARE(EntriesOn(20, 6)[0].Picture.size(), QSize(80, 60));
        QVERIFY(Doc().IsSaved);

        // OK without a change leaves the document as saved.
        WhenModal<PictureEditor>([](PictureEditor* editor) { Press(editor, u"CmdOk"_qs); });
        f->CellMenu(20, 6, 0, MenuShowPicture);
        QVERIFY(Doc().IsSaved);

        WhenModal<PictureEditor>([](PictureEditor* editor) {
            Press(editor, u"CmdSizeFit"_qs);
            Press(editor, u"CmdSizeApply"_qs);
            Press(editor, u"CmdOk"_qs);
        });
        f->CellMenu(20, 6, 0, MenuShowPicture);
        QCOMPARE(EntriesOn(20, 6)[0].Picture.size(), QSize(673, 481));
        QVERIFY(!Doc().IsSaved);
    }

    void pictureShownInThePrintPreview()
    {
        const QString picture = f->dir.filePath(u"affiche.bmp"_qs);
        QVERIFY(Red(120, 90).save(picture));
        QVERIFY(f->Start());
        f->NewDocument();
        DayEntry concert = Event(u"Concert"_qs);
        concert.PicturePath = picture;
        concert.Picture = QImage(picture);
        QVERIFY(AppendEntry(3, CellOf(14, 3), concert));
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(14, 3);

        int pages = 0, month = -1;
        bool stretchOffered = false;
        QRgb centre = 0;
        WhenModal<PictureEditor>([&](PictureEditor* editor) {
            Brighten(editor, 30);
            WhenModal<PrintPreview>([&](PrintPreview* preview) {
                preview->RenderPage();
                pages = preview->PageCount();
                month = preview->PageMonth();
                stretchOffered = Check(preview, u"ChkMenu"_qs)->isVisible();
                centre = PrintRequest().Picture.pixel(60, 45);
                Press(preview, u"CmdMenu5"_qs); // Close
            });
            Press(editor, u"CmdPrint"_qs);
            Press(editor, u"CmdCancel"_qs);
        });
        ProgramFixture::Click(f->Events(), "ShowPic");
        QCOMPARE(pages, 1);
        QCOMPARE(month, 0); // a picture page, not a month
        QVERIFY(stretchOffered);
        QCOMPARE(centre, qRgb(255, 40, 30));           // the picture as edited
        QVERIFY(PrintRequest().PicturePath.isEmpty()); // emptied once the preview closed
        QCOMPARE(EntriesOn(14, 3)[0].Picture.pixel(60, 45), qRgb(250, 10, 0)); // cancelled
    }

    void backgroundAdjustedFromTheProperties()
    {
        const QString picture = f->dir.filePath(u"mars.bmp"_qs);
        QVERIFY(Red(40, 30).save(picture));
        SetPictureChooser([&](const QString&) { return PictureChoice{1, picture}; });
        QVERIFY(f->Start());
        f->NewDocument();

        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            QTreeWidgetItem* march = d->PictureItem(3);
            d->Tree()->scrollToItem(march);
            QTest::mouseClick(d->Tree()->viewport(), Qt::LeftButton, {},
                              d->Tree()->visualItemRect(march).center());
            Check(d, u"ChkBck0"_qs)->click();
            Check(d, u"ChkBck1"_qs)->click();
            Press(d, u"CmdBck"_qs);
            QVERIFY(Find<QPushButton>(d, u"CmdBckAdjust"_qs)->isEnabled());
            WhenModal<PictureEditor>([](PictureEditor* editor) {
                Brighten(editor, -30);
                Press(editor, u"CmdOk"_qs);
            });
            Press(d, u"CmdBckAdjust"_qs);
            Press(d, u"CmdOk"_qs);
        });
        f->ToolbarClick("Prop");
        const BackgroundSettings& march = Doc().Month(3).Background;
        QCOMPARE(march.PicturePath, picture);
        QCOMPARE(march.Picture.pixel(0, 0), qRgb(220, 0, 0));
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestPictureRoad)
#include "tst_pictureroad.moc"
