// An account's road through the real program: a debt created in its tab, an expense tied to it
// in the event editor with the balance previewed, the balances under both lists, an income tied
// by typing the account's name, and an entry's colour and picture kept through saving and
// opening the file again.

#include "ProgramFixture.h"
#include "entries/AccountEditor.h"
#include "entries/EventEditor.h"
#include "resources/Strings.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace {

QStringList BalanceTexts(const BalanceLabelWidgets& labels)
{
    if (labels[0]->isHidden()) return {};
    return {labels[0]->text(), labels[1]->text()};
}

} // namespace

class TestAccountRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void debtRoadWithPreviewBalancesColourAndPicture()
    {
        NewDocumentWithVisa();
        const QString picture = f->PictureFile(u"chalet.bmp"_qs, QSize(32, 24), Qt::darkGreen);
        f->dialogs->Colours = {0x008000};

        // An expense of 300 tied to Visa by its name, on 10 March, coloured and with a picture.
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabEvents);
        f->ClickDay(10, 3);
        QStringList preview;
        WhenModal<EventEditor>([&](EventEditor* d) {
            Check(d, "ChkEV1")->click();
            QTest::keyClicks(Find(d, "TxtEV0"), "Visa");
            QVERIFY(Check(d, "ChkGen")->isChecked());
            QVERIFY(Check(d, "ChkDE1")->isChecked()); // an expense pays the debt down
            Retype(Box(d, "TxtEV1"), "300");
            preview = {Find<QLabel>(d, "LblDE1")->text(), Box(d, "TxtDE1")->text(),
                       Find<QLabel>(d, "LblDE2")->text(), Box(d, "TxtDE2")->text()};
            Check(d, "ChkCol")->click();
            Find<QToolButton>(d, "PicSelCol")->click();
            Check(d, "ChkBck0")->click();
            Find<QPushButton>(d, "CmdBck")->click();
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        QCOMPARE(preview, (QStringList{"Balance pour le 2026-03-09:", "2500",
                                       "Nouvelle balance pour le 2026-03-10:", "2200"}));
        QCOMPARE(f->EventsLines(), QStringList{"(DE) - Visa       300$"});
        QCOMPARE(f->Events()->List()->currentRow(), 0);
        QCOMPARE(BalanceTexts(f->Events()->Balance()), (QStringList{"Balance (2026-03-10):", "2200$"}));
        QVERIFY(f->Events()->Button(u"ShowPic"_qs)->isEnabled());

        // The debts tab follows the selected day.
        main->SetCurrentTab(TabDebts);
        QTest::mouseClick(f->Debts()->List()->viewport(), Qt::LeftButton, {},
                          f->Debts()->List()->visualItemRect(f->Debts()->List()->item(0)).center());
        QCOMPARE(BalanceTexts(f->Debts()->Balance()), (QStringList{"Balance (2026-03-10):", "2200$"}));
        f->ClickDay(9, 3);
        QCOMPARE(BalanceTexts(f->Debts()->Balance()), (QStringList{"Balance (2026-03-09):", "2500$"}));

        // An income typed "Visa" on the 10th ties itself and adds to the debt.
        main->SetCurrentTab(TabEvents);
        f->ClickDay(10, 3);
        WhenModal<EventEditor>([&](EventEditor* d) {
            Check(d, "ChkEV0")->click();
            QTest::keyClicks(Find(d, "TxtEV0"), "Visa");
            QVERIFY(Check(d, "ChkGen")->isChecked());
            QCOMPARE(Find<QComboBox>(d, "CmbDE")->currentText(), u"Visa"_qs);
            QVERIFY(Check(d, "ChkDE0")->isChecked());
            Retype(Box(d, "TxtEV1"), "100");
            preview = {Find<QLabel>(d, "LblDE1")->text(), Box(d, "TxtDE1")->text(),
                       Find<QLabel>(d, "LblDE2")->text(), Box(d, "TxtDE2")->text()};
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        QCOMPARE((QStringList{preview[1], preview[3]}), (QStringList{"2500", "2300"}));
        QCOMPARE(f->EventsLines(), (QStringList{"(DE) - Visa       300$", "(RE) - Visa       100$"}));
        QCOMPARE(BalanceTexts(f->Events()->Balance()), (QStringList{"Balance (2026-03-10):", "2300$"}));

        // Saved, closed and opened again: the colour and the picture are still on the grid.
        const QString path = f->dir.filePath(u"visa.cal"_qs);
        f->Save(path);
        QVERIFY(QFile::remove(picture)); // the file now carries its own copy
        main->close();
        f->program.reset();
        QVERIFY(f->Start(path));
        const CellLine& line = f->Grid(3)->Cell(CellOf(10, 3)).Lines[0];
        QCOMPARE(line.Text, u"Visa       300$"_qs);
        QCOMPARE(line.Colour, 0x008000);
        QVERIFY(line.Picture);
        QCOMPARE(EntriesOn(10, 3)[0].Picture.size(), QSize(32, 24));
        QMenu* menu = f->OpenCellMenu(10, 3, 0); // the line's menu offers its picture
        QVERIFY(f->Main()->ExistingMonthWindow(3)->MenuAction(MenuShowPicture)->isEnabled());
        menu->hide();
    }

    void anIncomeWaitsForItsNameAndReadsBackAfterSaving()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(10, 3);
        QString heldBack;
        WhenModal<EventEditor>([&](EventEditor* d) {
            Check(d, "ChkEV0")->click();
            Retype(Box(d, "TxtEV1"), "10");
            auto* ok = Find<QPushButton>(d, "CmdOk");
            if (!ok->isEnabled()) heldBack = ok->toolTip();
            QTest::keyClick(d, Qt::Key_Return); // writes nothing yet
            QTest::keyClicks(Find(d, "TxtEV0"), "Prime");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        QCOMPARE(heldBack, Str(20003));
        QCOMPARE(f->EventsLines(), QStringList{"(RE) - Prime      10$"});

        // Saved and opened again, the amount still counts.
        const QString path = f->dir.filePath(u"prime.cal"_qs);
        f->Save(path);
        QVERIFY(f->Reopen(path));
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(10, 3);
        QCOMPARE(f->EventsLines(), QStringList{"(RE) - Prime      10$"});
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVInTot")->text(), u"10$"_qs);
    }

    void amountsTypedWithACommaOrAMinusCountAsTyped()
    {
        NewDocumentWithVisa();
        WhenModal<AccountEditor>([](AccountEditor* d) {
            Check(d, "ChkGen1")->click();
            QTest::keyClicks(Find(d, "TxtGen0"), "Vacances");
            Retype(Box(d, "TxtGen1"), "1000");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Debts(), "Add");
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(10, 3);
        const auto add = [&](const char* type, const char* name, const char* amount) {
            QString shown;
            WhenModal<EventEditor>([&](EventEditor* d) {
                Check(d, type)->click();
                QTest::keyClicks(Find(d, "TxtEV0"), name);
                Retype(Box(d, "TxtEV1"), QString::fromUtf8(amount));
                shown = Box(d, "TxtEV1")->text();
                Press(d, "CmdOk");
            });
            ProgramFixture::Click(f->Events(), "Add");
            return shown;
        };
        // Expenses typed with a minus: the savings go down, the debt goes up.
        QCOMPARE(add("ChkEV1", "Vacances", "-40"), u"-40"_qs);
        QCOMPARE(BalanceTexts(f->Events()->Balance()), (QStringList{"Balance (2026-03-10):", "960$"}));
        QCOMPARE(add("ChkEV1", "Visa", "-40"), u"-40"_qs);
        QCOMPARE(BalanceTexts(f->Events()->Balance()), (QStringList{"Balance (2026-03-10):", "2540$"}));
        // A decimal comma: 12.50, counted as 12.5 and rounded to even in the day's total.
        QCOMPARE(add("ChkEV0", "Cadeau", "12,50"), u"12.50"_qs);
        QCOMPARE(f->EventsLines().last(), u"(RE) - Cadeau     12.50$"_qs);
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVInTot")->text(), u"12$"_qs);
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVOutTot")->text(), u"-80$"_qs);
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVTot")->text(), u"92$"_qs);
    }

    void debtsTabCommands()
    {
        NewDocumentWithVisa();
        DebtsTab* tab = f->Debts();
        QListWidget* list = tab->List();
        WhenModal<AccountEditor>([](AccountEditor* d) {
            Check(d, "ChkGen1")->click();
            QTest::keyClicks(Find(d, "TxtGen0"), "Auto");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(tab, "Add");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 1); // the new account
        ProgramFixture::Click(tab, "Sort0");
        QCOMPARE(list->item(0)->text(), u"(épargne) - Auto       0$"_qs);
        ProgramFixture::Click(tab, "Down");
        QCOMPARE(list->item(1)->text(), u"(épargne) - Auto       0$"_qs);
        QCOMPARE(list->currentRow(), 1);

        // Double-click edits; OK without a change writes nothing.
        Session::Get().SetModified(PartAll, false);
        QString title;
        WhenModal<AccountEditor>([&](AccountEditor* d) {
            title = d->windowTitle();
            Press(d, "CmdOk");
        });
        ProgramFixture::DoubleClick(list->viewport(), list->visualItemRect(list->item(1)).center());
        QCOMPARE(title, u"Daybinder - Éditer une Dette/Épargne"_qs);
        QVERIFY(Doc().IsSaved);

        ProgramFixture::Click(tab, "Remove");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentRow(), 0);
        ProgramFixture::Click(tab, "Clear");
        QCOMPARE(list->count(), 0);
        QVERIFY(!Doc().IsSaved);
        QVERIFY(BalanceTexts(tab->Balance()).isEmpty());
    }

private:
    void NewDocumentWithVisa()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        f->Main()->SetCurrentTab(TabDebts);
        WhenModal<AccountEditor>([](AccountEditor* d) {
            QTest::keyClicks(Find(d, "TxtGen0"), "Visa");
            Retype(Box(d, "TxtGen1"), "2500");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Debts(), "Add");
        QCOMPARE(f->Debts()->List()->item(0)->text(), u"(dette) - Visa       2500$"_qs);
    }

    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestAccountRoad)
#include "tst_accountroad.moc"
