// What a document keeps of its exchanges: the "sync.dat" member of its file, and the identity of
// its entries through the user's edits, saves and reopening.

#include "SyncFixtures.h"
#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/FileBytes.h"
#include "calfile/SyncMember.h"
#include "entries/DefinitionList.h"
#include "entries/EventForm.h"
#include "entries/ListOps.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A synchronised year as an exchange leaves it: every entry known, a record for each.
CalendarDocument ExchangedYear()
{
    FakeCalDav server;
    CalendarDocument doc = SampleYear();
    RunExchange(server, doc, kParis);
    return doc;
}

QStringList Uids(const CalendarDocument& doc)
{
    QStringList uids;
    ForEachYearEntry(doc, [&](const DateRec&, int, const DayEntry& e) { uids.append(e.Uid); });
    return uids;
}

// A file of the document's data with a sync member of the caller's.
bool WriteWithSyncMember(const QString& path, const CalendarDocument& doc, const QByteArray& sync)
{
    QByteArray archive;
    FileError error;
    return PackArchive({DataMember(doc), {kSyncMemberName, sync, true}}, doc.Password, &archive, &error) &&
           ReplaceFile(path, archive, &error);
}

} // namespace

class TestSyncFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { Session::Get().Reset(); }

    void theStateSurvivesSavingAndReopening_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("open") << QString();
        QTest::newRow("protected") << u"mot de passe"_qs;
    }
    void theStateSurvivesSavingAndReopening()
    {
        QFETCH(QString, password);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"annee.cal"_qs);
        CalendarDocument doc = ExchangedYear();
        doc.Password = password;
        doc.Sync.SyncToken = u"v9"_qs;
        DayList(doc, 24, 12).clear(); // a deletion not yet sent
        QVERIFY(WriteCalFile(path, doc));

        ScriptedPrompter prompter;
        prompter.Passwords = {password};
        CalendarDocument read;
        QVERIFY(ReadCalFile(path, read));
        QCOMPARE(Uids(read), Uids(doc));
        QVERIFY(read.Sync == doc.Sync);
        QVERIFY(prompter.Asked.isEmpty());

        // Protected as the data is.
        ArchiveReader archive;
        FileError error;
        QVERIFY(archive.OpenFile(path, 1 << 20, &error));
        QByteArray text;
        const MemberStatus status = archive.Read(kSyncMemberName, QString(), &text, &error);
        QCOMPARE(status, password.isEmpty() ? MemberStatus::Read : MemberStatus::NeedsPassword);
    }

    void aYearNeverSynchronisedHasNoSyncMember()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"annee.cal"_qs);
        CalendarDocument doc = SampleYear(QString());
        QVERIFY(WriteCalFile(path, doc));
        ArchiveReader archive;
        FileError error;
        QVERIFY(archive.OpenFile(path, 1 << 20, &error));
        QVERIFY(archive.Has(kDataMemberName));
        QVERIFY(!archive.Has(kSyncMemberName));
    }

    void aDamagedMemberIsToldAndForgotten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"annee.cal"_qs);
        const CalendarDocument doc = ExchangedYear();
        QByteArray damaged = SyncMemberText(doc);
        damaged.replace("record\t", "record\tx\t");
        for (const QByteArray& sync : {damaged, QByteArray("\x89PNG garbage"), QByteArray()}) {
            QVERIFY(WriteWithSyncMember(path, doc, sync));
            ScriptedPrompter prompter;
            CalendarDocument read;
            QVERIFY(ReadCalFile(path, read));
            QCOMPARE(prompter.Asked.size(), 1);
            QVERIFY(prompter.Asked[0].Text.contains(u"endommagées"_qs));
            QVERIFY(!read.Sync.Configured());
            QCOMPARE(Uids(read).join(QString()), QString());
            QCOMPARE(LocalLines(read), LocalLines(doc));
        }
    }

    void anEntryNotWhereItWasIsPairedAgainNeverDeleted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"annee.cal"_qs);
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        QVERIFY(RunExchange(server, doc, kParis).Ok());
        const QByteArray sync = SyncMemberText(doc);
        // Another tool wrote the stream again with the two entries of 14 March swapped.
        QList<DayEntry>& march = DayList(doc, 14, 3);
        std::swap(march[0], march[1]);
        QVERIFY(WriteWithSyncMember(path, doc, sync));

        CalendarDocument read;
        QVERIFY(ReadCalFile(path, read));
        QVERIFY(DayList(read, 14, 3)[0].Uid.isEmpty() && DayList(read, 14, 3)[1].Uid.isEmpty());
        QCOMPARE(read.Sync.Records.size(), 7);
        QVERIFY(read.Sync.SyncToken.isEmpty());

        // The next exchange pairs them by date and text: nothing deleted, nothing doubled.
        const SyncOutcome outcome = RunExchange(server, read, kParis);
        QVERIFY(outcome.Ok());
        QCOMPARE(outcome.Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(LocalLines(read), LocalLines(SampleYear()));
        QCOMPARE(ServerLines(server), LocalLines(SampleYear()));
        QCOMPARE(read.Sync.Records.size(), 9);
    }

    void entriesKeepTheirIdentityThroughEdits()
    {
        OpenTestDocument(2026);
        DayEntry a = Entry(EntryEvent, u"Piano"_qs);
        a.Uid = u"uid-a"_qs;
        DayEntry b = Entry(EntryEvent, u"Bridge"_qs);
        b.Uid = u"uid-b"_qs;
        EntriesOn(3, 2) = {a, b};
        const int cell = CellOf(3, 2);

        // Sorted, edited: the same entries.
        QVERIFY(SortEntries(2, cell, SortAtoZ));
        QCOMPARE(EntriesOn(3, 2)[0].Uid, u"uid-b"_qs);
        EventFormValues values = EventFormForEdit(Doc(), EntriesOn(3, 2)[1]);
        values.Description = u"Piano (cours)"_qs;
        QCOMPARE(SaveEventForm(EditorEdit, 2, cell, 1, values), 1);
        QCOMPARE(EntriesOn(3, 2)[1].Uid, u"uid-a"_qs);

        // A copy is a new entry; a cut one moves and stays itself.
        QVERIFY(CopyEntry(2, cell, 0, ClipboardCopied));
        QVERIFY(PasteEntry(2, CellOf(4, 2)));
        QVERIFY(EntriesOn(4, 2)[0].Uid.isEmpty());
        QVERIFY(CopyEntry(2, cell, 1, ClipboardCut));
        QVERIFY(PasteEntry(2, CellOf(5, 2)));
        QCOMPARE(EntriesOn(5, 2)[0].Uid, u"uid-a"_qs);
        QCOMPARE(EntriesOn(3, 2).size(), 1);

        // A cut whose source changed before the paste stays, and the paste is a new entry.
        QVERIFY(CopyEntry(2, cell, 0, ClipboardCut));
        EntriesOn(3, 2)[0].Ticked = true;
        EntriesOn(3, 2)[0].Description = u"Bridge du mardi"_qs;
        QVERIFY(PasteEntry(2, CellOf(6, 2)));
        QCOMPARE(EntriesOn(3, 2)[0].Uid, u"uid-b"_qs);
        QVERIFY(EntriesOn(6, 2)[0].Uid.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSyncFile)
#include "tst_syncfile.moc"
