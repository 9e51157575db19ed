#include "RecoveryTestKit.h"
#include "calfile/CalArchive.h"
#include "calfile/CalMembers.h"
#include "recovery/RecoveryFiles.h"

#include <QDir>
#include <QFile>

// The copy kept while a document has unsaved changes: where it goes, what it holds, when it is
// written and when it goes away.
class TestRecoveryWriter : public QObject
{
    Q_OBJECT
private slots:
    void theFolderFollowsTheStateHome()
    {
        qputenv("XDG_STATE_HOME", "/var/tmp/état");
        QCOMPARE(RecoveryFolder(), u"/var/tmp/état/Daybinder/recovery/"_qs);
        // Unset, or relative (which the base directory rules say to ignore): the default.
        for (const QByteArray& value : {QByteArray(), QByteArray("relative/state")}) {
            qputenv("XDG_STATE_HOME", value);
            QCOMPARE(RecoveryFolder(), QDir::homePath() + u"/.local/state/Daybinder/recovery/"_qs);
        }
    }

    void copiesOfNamesakesAndUnnamedDocumentsDoNotClash()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        const QString first = NewCopyPath(folder, u"/home/a/budget.cal"_qs);
        QCOMPARE(first, folder + u"budget.cal"_qs);
        QFile(first).open(QIODevice::WriteOnly);
        QCOMPARE(NewCopyPath(folder, u"/home/b/budget.cal"_qs), folder + u"budget (2).cal"_qs);
        QCOMPARE(NewCopyPath(folder, QString()), folder + u"Sans nom.cal"_qs);
    }

    void theNoteKeepsAnyPath()
    {
        const RecoveryNote note{u"/home/é\tt\nab/100% budget.cal"_qs,
                                QDateTime(QDate(2026, 3, 14), QTime(9, 1, 2, 345), Qt::UTC), 4242,
                                u"machine"_qs};
        RecoveryNote read;
        QVERIFY(ReadRecoveryNote(RecoveryNoteText(note), &read));
        QCOMPARE(read.Document, note.Document);
        QCOMPARE(read.Made, note.Made);
        QCOMPARE(read.ProcessId, 4242);
        QVERIFY(!ReadRecoveryNote("caldata", &read));
    }

    void aChangeIsCopiedAndTheCopyOpensWithIt()
    {
        RecoveryKit kit;
        const QString path = kit.OpenNew(u"budget.cal"_qs);
        QuickWriter writer;
        RecoveryKit::AddEntry(u"Dentiste à 15 h"_qs);
        QVERIFY(RecoveryKit::NextCopy(writer));

        QCOMPARE(writer.CopyPath(), kit.Folder() + u"budget.cal"_qs);
        const CalendarDocument copy = kit.ReadCopy(writer.CopyPath());
        QCOMPARE(RecoveryKit::EntriesOn10March(copy), QStringList{u"Dentiste à 15 h"_qs});
        QCOMPARE(StoredDifference(copy, Session::Get().CurrentDocument), QString());
        const RecoveryCopy inspected = InspectCopy(writer.CopyPath());
        QVERIFY(inspected.NoteRead);
        QCOMPARE(inspected.Note.Document, path);
        QVERIFY(inspected.WorthOffering());
        // Only the user reads what a copy holds.
        QCOMPARE(QFileInfo(kit.Folder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());
    }

    void aProtectedDocumentsCopyIsProtectedToo()
    {
        RecoveryKit kit;
        kit.OpenNew(u"secret.cal"_qs, u"sésame"_qs);
        QuickWriter writer;
        RecoveryKit::AddEntry(u"Code du coffre 8812"_qs);
        QVERIFY(RecoveryKit::NextCopy(writer));

        QFile file(writer.CopyPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("8812"));
        QCOMPARE(kit.ReadCopy(writer.CopyPath()).Year, QString()); // no password, no content
        QCOMPARE(RecoveryKit::EntriesOn10March(kit.ReadCopy(writer.CopyPath(), u"sésame"_qs)),
                 QStringList{u"Code du coffre 8812"_qs});
        // Its note is still read without the password, so that it can be offered.
        QVERIFY(InspectCopy(writer.CopyPath()).NoteRead);
    }

    void theCopyGoesOnSaveAndWhenTheChangesAreDroppedOrUndone()
    {
        RecoveryKit kit;
        kit.OpenNew(u"budget.cal"_qs);
        QuickWriter writer;
        DocumentCommands& commands = DocumentCommands::Get();
        commands.Saved = [&] { writer.Forget(); };
        commands.ChangesDropped = [&] { writer.Forget(); };
        SavePartsAnswer::Button pressed = SavePartsAnswer::Yes;
        commands.AskSaveParts = [&](const QString&, const QList<SavePart>& parts) {
            return SavePartsAnswer{pressed, parts};
        };

        const auto copied = [&] {
            RecoveryKit::AddEntry(u"Courses"_qs);
            return RecoveryKit::NextCopy(writer) && QFileInfo::exists(writer.CopyPath());
        };
        QVERIFY(copied());
        const QString copy = writer.CopyPath();
        QVERIFY(commands.SaveCommand(false));
        QVERIFY(!QFileInfo::exists(copy));

        QVERIFY(copied());
        QVERIFY(Session::Get().History().Undo());
        QVERIFY(Session::Get().CurrentDocument.IsSaved);
        QVERIFY(!QFileInfo::exists(copy));

        QVERIFY(copied());
        pressed = SavePartsAnswer::No;
        commands.New(); // "Non": the changes are dropped on purpose
        QVERIFY(!QFileInfo::exists(copy));
        QVERIFY(QDir(kit.Folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void changesInARowAreCopiedAtMostEveryInterval()
    {
        RecoveryKit kit;
        kit.OpenNew(u"budget.cal"_qs);
        RecoveryWriter writer;
        writer.Timing = RecoveryTiming{100, 400, 800, 300};
        writer.Watch(Session::Get().History());
        QSignalSpy written(&writer, &RecoveryWriter::CopyWritten);
        QElapsedTimer typing;
        typing.start();
        int n = 0;
        while (typing.elapsed() < 2000) {
            RecoveryKit::AddEntry(QString::number(++n));
            QTest::qWait(20);
        }
        // Typing without a pause still gets copies (the longest wait), but not one per key.
        QVERIFY(written.size() >= 2);
        QVERIFY2(written.size() <= 2000 / 400 + 1, qPrintable(QString::number(written.size())));
        // The last change is in the copy once the typing stops.
        QVERIFY(RecoveryKit::NextCopy(writer));
        QCOMPARE(RecoveryKit::EntriesOn10March(kit.ReadCopy(writer.CopyPath())).size(), n);
    }

    void aFolderThatCannotBeWrittenCostsNothingButTheCopy()
    {
        RecoveryKit kit;
        kit.OpenNew(u"budget.cal"_qs);
        QFile blocker(kit.dir.filePath(u"state"_qs)); // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QuickWriter writer;
        RecoveryKit::AddEntry(u"Courses"_qs);
        QSignalSpy written(&writer, &RecoveryWriter::CopyWritten);
        QVERIFY(written.wait(5000));
        QVERIFY(!written.first().at(1).toBool());
        // Tried again later, and written once the folder can be made.
        QVERIFY(blocker.remove());
        QVERIFY(RecoveryKit::NextCopy(writer));
        QCOMPARE(RecoveryKit::EntriesOn10March(kit.ReadCopy(writer.CopyPath())), QStringList{u"Courses"_qs});
    }

    void aSaveAsElsewhereStartsACopyOfTheNewName()
    {
        RecoveryKit kit;
        kit.OpenNew(u"budget.cal"_qs);
        QuickWriter writer;
        RecoveryKit::AddEntry(u"Courses"_qs);
        QVERIFY(RecoveryKit::NextCopy(writer));
        const QString old = writer.CopyPath();
        Session::Get().CurrentDocument.FilePath = kit.dir.filePath(u"autre/budget 2027.cal"_qs);
        RecoveryKit::AddEntry(u"Pharmacie"_qs);
        QVERIFY(RecoveryKit::NextCopy(writer));
        QCOMPARE(writer.CopyPath(), kit.Folder() + u"budget 2027.cal"_qs);
        QVERIFY(!QFileInfo::exists(old)); // one copy per document, never two
    }
};

QTEST_GUILESS_MAIN(TestRecoveryWriter)
#include "tst_recoverywriter.moc"
