// Undo and Redo of the open document: steps as commands make them, what a step takes back, the
// mark of unsaved changes, the file name a year change took, shared pictures and the limits.

#include "document/DocumentChanges.h"
#include "entries/EntryFixtures.h"
#include "resources/Strings.h"

#include <QSignalSpy>
#include <QTest>

namespace {

ChangeHistory& History()
{
    return Session::Get().History();
}

// The state on disk: what a successful save leaves.
void MarkSaved()
{
    Session& s = Session::Get();
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;
}

QImage Picture(QColor colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument();
        History().Clear();
    }
    void cleanupTestCase() { Session::Get().Reset(); }

    void aCommandIsOneStepWhateverItChanges()
    {
        const CalendarDocument before = Doc();
        QSignalSpy changed(&History(), &ChangeHistory::DocumentChanged);
        {
            ChangeStep step(u"Coller l'entrée"_qs);
            QVERIFY(AppendEntry(3, CellOf(8, 3), Event(u"Vaccin"_qs)));
            {
                ChangeStep inner(u"Supprimer l'entrée"_qs); // part of the outer one
                inner.Rename(u"ignoré"_qs);
                QVERIFY(AppendEntry(5, CellOf(2, 5), Event(u"Marché"_qs)));
            }
            QVERIFY(!History().CanUndo()); // nothing is taken back halfway
            QVERIFY(!History().Undo());
        }
        const CalendarDocument after = Doc();
        QCOMPARE(History().StepCount(), 1);
        QCOMPARE(History().UndoName(), u"Coller l'entrée"_qs);
        QCOMPARE(changed.size(), 1);

        QVERIFY(History().Undo());
        QVERIFY(SameContent(Doc(), before));
        QVERIFY(Doc().IsSaved);
        QVERIFY(!Session::Get().Caption().endsWith(u'*'));
        QCOMPARE(History().RedoName(), u"Coller l'entrée"_qs);
        QVERIFY(!History().CanUndo());

        QVERIFY(History().Redo());
        QVERIFY(SameContent(Doc(), after));
        QVERIFY(Session::Get().Caption().endsWith(u'*'));
        for (int m = 1; m <= 12; ++m) QCOMPARE(Doc().Month(m).EntriesModified, m == 3 || m == 5);
        QVERIFY(!Doc().HeaderModified && !Doc().AE.AEModified);
        QCOMPARE(changed.size(), 3);

        // The same through the call a caller without windows uses; a new step drops the redo.
        QVERIFY(History().Undo());
        History().RunAsOneStep(u"Synchronisation"_qs, [] {
            AppendEntry(1, CellOf(1, 1), Event(u"An"_qs));
            AppendEntry(1, CellOf(2, 1), Event(u"Deux"_qs));
        });
        QCOMPARE(History().StepCount(), 1);
        QVERIFY(!History().CanRedo());
    }

    void everyChangeIsRecordedAndNothingElse()
    {
        // A step that changes nothing (an editor's OK on an unchanged entry) leaves no step.
        {
            ChangeStep step(u"Modifier l'entrée"_qs);
            Session::Get().SetModified(PartMonthEntries, true, 3);
        }
        QCOMPARE(History().StepCount(), 0);

        // A change reported outside any step is a step of its own; a tick alone counts, and
        // undoing back to the saved state clears the mark (a save keeps the history).
        QVERIFY(AppendEntry(3, CellOf(8, 3), Event(u"Vaccin"_qs)));
        MarkSaved();
        QVERIFY(SetTicked(3, CellOf(8, 3), 0, true));
        QCOMPARE(History().StepCount(), 2);
        QCOMPARE(History().UndoName(), Str(26004));
        QVERIFY(History().Undo());
        QVERIFY(!EntriesOn(8, 3)[0].Ticked);
        QVERIFY(Doc().IsSaved);
        QVERIFY(History().Undo());
        QVERIFY(Doc().Month(3).EntriesModified && !Doc().IsSaved);
        QVERIFY(History().Redo() && History().Redo());
        QVERIFY(Doc().Month(3).EntriesModified); // a tick alone is a change to save

        // A change nobody reported is what Undo takes back first.
        EntriesOn(8, 3)[0].Description = u"Vaccin du chien"_qs;
        QVERIFY(History().Undo());
        QCOMPARE(EntriesOn(8, 3)[0].Description, u"Vaccin"_qs);
        QVERIFY(EntriesOn(8, 3)[0].Ticked);
    }

    void theFileNameAYearChangeTookComesBack()
    {
        Doc().FilePath = u"/home/léa/2004.cal"_qs;
        const auto anotherYear = [] {
            ChangeStep step(u"Changer l'année du calendrier"_qs);
            Session& s = Session::Get();
            s.CurrentDocument = s.BlankDocument(true);
            Doc().Year = u"2005"_qs;
            s.SetModified(PartHeader, true);
        };
        anotherYear();
        QVERIFY(Doc().FilePath.isEmpty());
        QVERIFY(History().Undo());
        QCOMPARE(Doc().FilePath, u"/home/léa/2004.cal"_qs);
        QVERIFY(Doc().IsSaved);
        QVERIFY(History().Redo());
        QVERIFY(Doc().FilePath.isEmpty());
        QCOMPARE(Doc().Year, u"2005"_qs);

        // Saved under another name since: that name stays.
        Doc().FilePath = u"/home/léa/2005.cal"_qs;
        QVERIFY(History().Undo());
        QCOMPARE(Doc().FilePath, u"/home/léa/2005.cal"_qs);
        QCOMPARE(Doc().Year, u"2004"_qs);
    }

    void stepsShareWhatTheyDoNotChange()
    {
        Doc().Month(6).Background.PicturePath = u"juin.bmp"_qs;
        Doc().Month(6).Background.Picture = Picture(Qt::darkCyan);
        DayEntry outing = Event(u"Plage"_qs);
        outing.PicturePath = u"plage.bmp"_qs;
        outing.Picture = Picture(Qt::yellow);
        QVERIFY(AppendEntry(6, CellOf(20, 6), outing));
        MarkSaved();
        History().Clear();
        const uchar* month = std::as_const(Doc()).Month(6).Background.Picture.constBits();
        const uchar* entry = std::as_const(EntriesOn(20, 6))[0].Picture.constBits();

        for (int i = 0; i < 30; ++i) QVERIFY(AppendEntry(6, CellOf(21, 6), Event(u"Sable %1"_qs.arg(i))));
        while (History().Undo()) {
        }
        QVERIFY(Doc().IsSaved);
        // The same pixels, never copied on the way.
        QCOMPARE(std::as_const(Doc()).Month(6).Background.Picture.constBits(), month);
        QCOMPARE(std::as_const(EntriesOn(20, 6))[0].Picture.constBits(), entry);

        // An edited picture is a change of its own and comes back as it was.
        EntriesOn(20, 6)[0].Picture = Picture(Qt::red);
        Session::Get().SetModified(PartMonthEntries, true, 6);
        QVERIFY(History().Undo());
        QCOMPARE(std::as_const(EntriesOn(20, 6))[0].Picture.constBits(), entry);
        QVERIFY(Doc().IsSaved);
    }

    void theLastHundredStepsAreKeptUntilTheHistoryIsCleared()
    {
        for (int i = 0; i < 130; ++i)
            QVERIFY(AppendEntry(2, CellOf(1 + i % 28, 2), Event(u"Pas %1"_qs.arg(i))));
        QCOMPARE(History().StepCount(), ChangeHistory::kStepLimit);
        int undone = 0;
        while (History().Undo()) ++undone;
        QCOMPARE(undone, 100);
        QCOMPARE(EntriesOn(1, 2).size(), 2); // the first 30 steps are beyond reach

        History().Clear(); // New, Open, closing
        QVERIFY(!History().CanUndo() && !History().CanRedo());
        QCOMPARE(History().UndoName(), QString());
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
