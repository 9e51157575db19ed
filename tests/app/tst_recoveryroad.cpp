#include "ProgramFixture.h"
#include "entries/EventEditor.h"
#include "resources/Strings.h"

#include <QDir>

// A crash after a change, through the real program: the entry added from the month window's
// menu is in a copy seconds later; the program started again offers it, and "Restaurer" brings
// the entry back where Save writes it.
class TestRecoveryRoad : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramFixture> f;

    QStringList Copies() const
    {
        return QDir(f->dir.filePath(u"state/Daybinder/recovery"_qs)).entryList({u"*.cal"_qs}, QDir::Files);
    }

    void AddFromMenu(const QString& text) const
    {
        WhenModal<EventEditor>([text](EventEditor* d) {
            QTest::keyClicks(Find(d, "TxtEV0"), text);
            Press(d, "CmdOk");
        });
        f->CellMenu(10, 3, -1, MenuAdd);
    }

private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void anEntryLostInACrashComesBack()
    {
        QVERIFY(f->StartOnExample());
        AddFromMenu(u"Plombier"_qs);
        QVERIFY(Descriptions(EntriesOn(10, 3)).contains(u"Plombier"_qs));
        QTRY_COMPARE_WITH_TIMEOUT(Copies(), QStringList{u"exemple.cal"_qs}, 5000);

        f->Quit(); // no save check, no shutdown: as the program killed
        QCOMPARE(Copies().size(), 1);
        f->prompter.Answers = {PromptAnswer::Yes};
        QVERIFY(f->Start(f->example));
        QCOMPARE(f->prompter.Asked.size(), 1);
        QCOMPARE(f->prompter.Asked[0].ButtonTexts[0], u"Restaurer"_qs);
        QVERIFY(Descriptions(EntriesOn(10, 3)).contains(u"Plombier"_qs));
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
        bool drawn = false; // the month window shows the restored entry
        for (const auto& line : f->Grid(3)->Cell(CellOf(10, 3)).Lines)
            drawn = drawn || line.Text == u"Plombier"_qs;
        QVERIFY(drawn);

        f->Save();
        QVERIFY(!f->Main()->windowTitle().endsWith(u'*'));
        QVERIFY(Copies().isEmpty());
        QVERIFY(f->Reopen(f->example));
        QCOMPARE(f->prompter.Asked.size(), 1); // nothing left to offer
        QVERIFY(Descriptions(EntriesOn(10, 3)).contains(u"Plombier"_qs));
    }

    void closingWithoutSavingDropsTheCopy()
    {
        QVERIFY(f->StartOnExample());
        AddFromMenu(u"Plombier"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), 1, 5000);
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, u"CmdNo"_qs); });
        f->Main()->close();
        QVERIFY(Copies().isEmpty());
    }
};

QTEST_MAIN(TestRecoveryRoad)
#include "tst_recoveryroad.moc"
