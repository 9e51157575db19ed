// Saving and opening through the real program. Onto a disk that fails: the user is told, the
// document stays unsaved and the file on disk as it was; once the disk has room again, Save
// writes it. Opening: the program can be ended while a file's pictures load, and an Open asked
// for twice at once runs once.

#include "ProgramFixture.h"
#include "resources/Strings.h"
#include "support/FailingFileSystem.h"
#include "support/SharedEntryArchive.h"

class TestSaveRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void aFullDiskLosesNeitherTheFileNorTheChanges()
    {
        QVERIFY(f->StartOnExample());
        const QString& example = f->example;
        const QByteArray before = FileBytes(example);
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabEvents);
        f->ClickDay(8, 3);
        f->CellMenu(8, 3, 0, MenuCut);
        f->CellMenu(10, 3, -1, MenuPaste);
        QVERIFY(main->windowTitle().endsWith(u'*'));

        {
            FailingFileSystem disk;
            disk.BytesUntilFull = 1000;
            f->prompter.Answers = {PromptAnswer::Cancel};
            f->Save();
        }
        QCOMPARE(f->prompter.Asked.size(), 1);
        const PromptRequest& r = f->prompter.Asked[0];
        QCOMPARE(r.Title, Str(10036));
        QVERIFY2(r.Text.startsWith(Str(10033) + u'\r' + example + u"\r\r"_qs + Str(10038) + u"  61\r"_qs),
                 qPrintable(r.Text));
        QCOMPARE(FileBytes(example), before);
        QVERIFY(main->windowTitle().endsWith(u'*'));
        QCOMPARE(Descriptions(EntriesOn(10, 3)).size(), 2); // the pasted entry is still there

        f->Save(); // room again
        QVERIFY(!main->windowTitle().endsWith(u'*'));
        QVERIFY(f->Reopen(example));
        QCOMPARE(Descriptions(EntriesOn(10, 3)).last(), u"Vaccin du chat"_qs);
    }

    void quittingWhilePicturesLoadEndsTheProgram()
    {
        QVERIFY(f->Start());
        MainWindow* main = f->Main();
        // A file of a thousand pictures (each one the same entry of 64 MiB, none a picture).
        const QString path = f->dir.filePath(u"photos.cal"_qs);
        QVERIFY(SaveBytes(path, SharedEntryCalFile(1000)));
        QPushButton* exit = main->Commands()->Button(u"CmdCOExit"_qs);
        // "Quitter" pressed as the pictures start to load.
        const QMetaObject::Connection pressAtPictures = QObject::connect(
            &Session::Get(), &Session::ProgressLineChanged, [exit](int line, const QString& text) {
                if (line == 1 && text == Str(10031))
                    QMetaObject::invokeMethod(exit, &QPushButton::click, Qt::QueuedConnection);
            });
        f->dialogs->Files = {path};
        f->ToolbarClick("Open");
        QObject::disconnect(pressAtPictures);
        // The reading gave up at once: no picture was reported, and the program ended.
        QVERIFY(f->prompter.Asked.isEmpty());
        QTRY_VERIFY(!main->isVisible());
        QCOMPARE(Session::Get().Mode(), MainMode::Unload);
    }

    void anOpenAskedTwiceAtOnceRunsOnce()
    {
        QVERIFY(f->Start());
        MainWindow* main = f->Main();
        const QString path = f->Example();
        // The toolbar's Open is clicked before the dialog of the commands tab's Open shows.
        f->dialogs->Files = {path, path};
        f->dialogs->WhileOpen = [] { QCoreApplication::processEvents(); };
        QTimer::singleShot(0, [this] { f->ToolbarClick("Open"); });
        QTest::mouseClick(main->Commands()->Button(u"CmdCOOpen"_qs), Qt::LeftButton);
        QCOMPARE(f->dialogs->Opened.size(), 1);
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(Doc().FilePath, path);
        // Once it is over, Open runs again.
        f->dialogs->WhileOpen = {};
        f->ToolbarClick("Open");
        QCOMPARE(f->dialogs->Opened.size(), 2);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestSaveRoad)
#include "tst_saveroad.moc"
