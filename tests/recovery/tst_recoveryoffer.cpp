#include "RecoveryTestKit.h"
#include "recovery/RecoveryFiles.h"
#include "recovery/RecoveryOffer.h"
#include "resources/Strings.h"

#include <QFile>

// What the user is offered after a crash, answered through the prompt seam: "Restaurer",
// "Supprimer" or "Plus tard".
class TestRecoveryOffer : public QObject
{
    Q_OBJECT

    // A program that made a copy of the document with an entry added, then died: the copy is
    // left, the session is fresh.
    static QString LeaveCopy(RecoveryKit& kit, const QString& name, const QString& password = {})
    {
        kit.OpenNew(name, password);
        QString copy;
        {
            QuickWriter writer;
            RecoveryKit::AddEntry(u"Rendez-vous perdu"_qs);
            if (!RecoveryKit::NextCopy(writer)) qFatal("no copy written");
            copy = writer.CopyPath();
        }
        Session::Get().Reset();
        Session::Get().SetModified(PartAll, false);
        return copy;
    }

    // The program started again: a writer and an offer, joined as the program joins them.
    struct Restarted
    {
        QuickWriter writer;
        RecoveryOffer offer{writer};
        Restarted()
        {
            DocumentCommands::Get().Opened = [this](const QString& path) { offer.OfferFor(path); };
        }
    };

private slots:
    void restoringAtStartUpOpensTheDocumentWithTheCopysChanges()
    {
        RecoveryKit kit;
        const QString copy = LeaveCopy(kit, u"budget.cal"_qs);
        Restarted program;
        kit.prompter.Answers = {PromptAnswer::Yes};
        program.offer.OfferAll();

        QCOMPARE(kit.prompter.Asked.size(), 1);
        const PromptRequest& asked = kit.prompter.Asked[0];
        QCOMPARE(asked.Title, u"Daybinder"_qs);
        QCOMPARE(asked.ButtonTexts, (QStringList{u"Restaurer"_qs, u"Supprimer"_qs, u"Plus tard"_qs}));
        const QDateTime made = InspectCopy(copy).Note.Made.toLocalTime();
        QVERIFY(asked.Text.contains(made.toString(u"dd/MM/yyyy"_qs)));
        QVERIFY(asked.Text.contains(made.toString(u"HH:mm"_qs)));
        QVERIFY(asked.Text.contains(kit.dir.filePath(u"budget.cal"_qs)));

        const CalendarDocument& doc = Session::Get().CurrentDocument;
        QCOMPARE(RecoveryKit::EntriesOn10March(doc), QStringList{u"Rendez-vous perdu"_qs});
        QCOMPARE(doc.FilePath, kit.dir.filePath(u"budget.cal"_qs)); // Save writes it where it belongs
        QVERIFY(!doc.IsSaved);
        QVERIFY(Session::Get().Caption().endsWith(u'*'));
        QCOMPARE(program.writer.CopyPath(), copy); // kept until saved, and replaced by the next copies
    }

    void aProtectedCopyAsksForThePasswordOnce()
    {
        RecoveryKit kit;
        LeaveCopy(kit, u"secret.cal"_qs, u"sésame"_qs);
        Restarted program;
        kit.prompter.Answers = {PromptAnswer::Yes};
        kit.prompter.Passwords = {u"sésame"_qs};
        kit.prompter.PasswordExpected.clear();
        program.offer.OfferAll();
        QCOMPARE(kit.prompter.PasswordExpected.size(), 1);
        QCOMPARE(RecoveryKit::EntriesOn10March(Session::Get().CurrentDocument),
                 QStringList{u"Rendez-vous perdu"_qs});
        QCOMPARE(Session::Get().CurrentDocument.Password, u"sésame"_qs);
    }

    void deleteRemovesTheCopyAndLaterKeepsItForTheNextStart()
    {
        RecoveryKit kit;
        const QString copy = LeaveCopy(kit, u"budget.cal"_qs);
        {
            Restarted program;
            kit.prompter.Answers = {PromptAnswer::Cancel}; // "Plus tard", as Escape answers too
            program.offer.OfferAll();
            QVERIFY(QFileInfo::exists(copy));
            // Not asked again in the same run when the document is opened.
            DocumentCommands::Get().Open(kit.dir.filePath(u"budget.cal"_qs));
            QCOMPARE(kit.prompter.Asked.size(), 1);
            QVERIFY(RecoveryKit::EntriesOn10March(Session::Get().CurrentDocument).isEmpty());
        }
        Session::Get().Reset();
        Session::Get().SetModified(PartAll, false);
        Restarted again;
        kit.prompter.Answers = {PromptAnswer::No};
        DocumentCommands::Get().Open(kit.dir.filePath(u"budget.cal"_qs));
        QCOMPARE(kit.prompter.Asked.size(), 2);
        QVERIFY(!QFileInfo::exists(copy));
        QVERIFY(Session::Get().CurrentDocument.IsSaved);
    }

    void aCopyOlderThanItsDocumentIsNotOffered()
    {
        RecoveryKit kit;
        const QString copy = LeaveCopy(kit, u"budget.cal"_qs);
        QFile document(kit.dir.filePath(u"budget.cal"_qs));
        QVERIFY(document.open(QIODevice::ReadWrite));
        QVERIFY(document.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                     QFileDevice::FileModificationTime));
        document.close();
        Restarted program;
        program.offer.OfferAll();
        DocumentCommands::Get().Open(document.fileName());
        QVERIFY(kit.prompter.Asked.isEmpty());
        QVERIFY(QFileInfo::exists(copy)); // nothing is thrown away without asking
    }

    void aCopyWhoseDocumentIsGoneOpensUnnamed()
    {
        RecoveryKit kit;
        LeaveCopy(kit, u"budget.cal"_qs);
        QVERIFY(QFile::remove(kit.dir.filePath(u"budget.cal"_qs)));
        Restarted program;
        kit.prompter.Answers = {PromptAnswer::Yes};
        program.offer.OfferAll();
        QVERIFY(kit.prompter.Asked[0].Text.contains(Str(26103)));
        const CalendarDocument& doc = Session::Get().CurrentDocument;
        QCOMPARE(RecoveryKit::EntriesOn10March(doc), QStringList{u"Rendez-vous perdu"_qs});
        QVERIFY(doc.FilePath.isEmpty());
        QVERIFY(!doc.IsSaved);
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
    }

    void aDamagedCopyIsToldAndKept()
    {
        RecoveryKit kit;
        QVERIFY(QDir().mkpath(kit.Folder()));
        QFile damaged(kit.Folder() + u"budget.cal"_qs);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray("PK\x03\x04 cut short", 15));
        damaged.close();
        Restarted program;
        kit.prompter.Answers = {PromptAnswer::Yes};
        program.offer.OfferAll();
        QVERIFY(kit.prompter.Asked.size() >= 2);
        QVERIFY(kit.prompter.Asked.last().Text.contains(damaged.fileName()));
        QVERIFY(damaged.exists());
        QVERIFY(Session::Get().Mode() != MainMode::Edit || Session::Get().CurrentDocument.IsSaved);
    }
};

QTEST_GUILESS_MAIN(TestRecoveryOffer)
#include "tst_recoveryoffer.moc"
