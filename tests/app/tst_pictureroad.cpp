// The picture editor through the real program: an entry's picture brightened from the events
// tab is what the saved file embeds and what the reopened file shows, in the editor the month
// grid's menu opens on it.

#include "ProgramFixture.h"

class TestPictureRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void entryPictureBrightenedSavedAndOpenedAgain()
    {
        const QString picture = f->PictureFile(u"plage été.bmp"_qs, QSize(80, 60), qRgb(250, 10, 0));
        QVERIFY(f->Start());
        f->NewDocument();
        DayEntry outing = Event(u"Sortie à la plage"_qs);
        outing.PicturePath = picture;
        outing.Picture = QImage(picture);
        QVERIFY(AppendEntry(6, CellOf(20, 6), outing));
        Session::Get().SetModified(PartAll, false);

        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(20, 6);
        WhenModal<PictureEditor>([](PictureEditor* editor) {
            ProgramFixture::Brighten(editor, 30);
            Press(editor, u"CmdOk"_qs);
        });
        ProgramFixture::Click(f->Events(), "ShowPic");
        QCOMPARE(EntriesOn(20, 6)[0].Picture.pixel(40, 30), qRgb(255, 40, 30));
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));

        const QString path = f->dir.filePath(u"vacances.cal"_qs);
        f->Save(path);
        QVERIFY(Doc().IsSaved);
        QVERIFY(QFile::remove(picture)); // what shows next comes from the file itself
        QVERIFY(f->Reopen(path));
        QCOMPARE(f->prompter.Asked.size(), 0); // nothing failed to load

        // The month grid's menu opens the editor on the reopened picture; OK without a change
        // leaves the document as saved.
        QSize shown;
        QRgb pixel = 0;
        WhenModal<PictureEditor>([&](PictureEditor* editor) {
            shown = editor->Current().size();
            pixel = editor->Current().pixel(40, 30);
            Press(editor, u"CmdOk"_qs);
        });
        f->CellMenu(20, 6, 0, MenuShowPicture);
        QCOMPARE(shown, QSize(80, 60));
        QCOMPARE(pixel, qRgb(255, 40, 30));
        QVERIFY(Doc().IsSaved);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestPictureRoad)
#include "tst_pictureroad.moc"
