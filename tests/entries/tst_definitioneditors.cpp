// The auto-event editor and the birthday editor driven as a user does.

#include "EntryFixtures.h"
#include "entries/AutoEventEditor.h"
#include "entries/BirthdayEditor.h"
#include "help/Help.h"
#include "support/Widgets.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

namespace {

QString Picked(const QWidget* d, const char* picker)
{
    return Find<QDateEdit>(d, QLatin1String(picker))->date().toString(Qt::ISODate);
}

QStringList ComboLines(const QWidget* d, const char* name)
{
    const auto* combo = Find<QComboBox>(d, QLatin1String(name));
    QStringList lines;
    for (int i = 0; i < combo->count(); ++i) lines.append(combo->itemText(i));
    return lines;
}

} // namespace

class TestDefinitionEditors : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2004); }

    void autoEventAddModeShowsItsThreePages()
    {
        AutoEventEditor d(EditorAdd, -1);
        d.show();
        QCOMPARE(d.windowTitle(), u"Daybinder - Ajouter un Auto-Événement"_qs);
        auto* tabs = Find<QTabWidget>(&d, "TbAddAE");
        QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
                 (QStringList{"Général", "Auto-Événement", "Étendue"}));
        for (const char* name : {"ChkEV2", "ChkDE0", "ChkAE0"}) QVERIFY2(Check(&d, name)->isChecked(), name);
        for (const char* name : {"ChkAE1", "ChkAE2", "ChkAE3", "ChkAE4", "ChkGen"})
            QVERIFY2(!Check(&d, name)->isChecked(), name);
        QCOMPARE(Check(&d, "ChkAE3")->text(), u"Chaque &jour"_qs);
        QVERIFY(Find(&d, "CmbAE0")->isEnabled());
        for (const char* name : {"CmbAE1", "CmbAE2", "CmbAE4", "CmbAE5"})
            QVERIFY2(!Find(&d, name)->isEnabled(), name);
        QCOMPARE(ComboLines(&d, "CmbAE0").size(), 31);
        QCOMPARE(ComboLines(&d, "CmbAE1"),
                 (QStringList{"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"}));
        QCOMPARE(ComboLines(&d, "CmbAE5").first(), u"Janvier"_qs);
        QCOMPARE(ComboLines(&d, "CmbAE5").last(), u"Décembre"_qs);
        QCOMPARE(Picked(&d, "DtRG0"), u"2004-01-01"_qs);
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-12-31"_qs);
        QCOMPARE(Box(&d, "TxtEV1")->text(), u"0"_qs);
        // The event page without the balance preview: no display or alarm page either.
        QVERIFY(!d.findChild<QLineEdit*>(u"TxtDE1"_qs) && !d.findChild<QLineEdit*>(u"TxtAL"_qs));

        QTest::keyClicks(Box(&d, "TxtEV0"), "Vitamines");
        Check(&d, "ChkAE3")->click();
        for (const char* name : {"CmbAE0", "CmbAE1", "CmbAE2", "CmbAE4", "CmbAE5"})
            QVERIFY2(!Find(&d, name)->isEnabled(), name);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 1);
        const AutoEventDef& a = Doc().AE.AutoEvents.at(0);
        QCOMPARE(a.Kind, qint32(KindDaily));
        QCOMPARE(a.Description, u"Vitamines"_qs);
        QCOMPARE(a.EntryType, qint32(EntryEvent));
        QCOMPARE(a.Key, MakeKey(u"AE", 1));
    }

    void theEventPageTiesADefinitionToAnAccount()
    {
        // Without an account, the tie shows the hint.
        {
            AutoEventEditor d(EditorAdd, -1);
            d.show();
            Check(&d, "ChkGen")->click();
            QVERIFY(Find<QLabel>(&d, "LblDE")->isVisible());
            QVERIFY(!Find(&d, "FraDE")->isVisible());
        }
        Doc().DE.DebtsSavings = {Account(true, "Vacances", "500", MakeDate(1, 1, 2004))};
        AutoEventDef yearly;
        QString amount;
        {
            AutoEventEditor d(EditorAdd, -1);
            d.show();
            Check(&d, "ChkEV1")->click();
            QTest::keyClicks(Box(&d, "TxtEV0"), "Vacances");
            QVERIFY(Check(&d, "ChkGen")->isChecked()); // typing the account's name ties it
            QVERIFY(Check(&d, "ChkDE0")->isChecked()); // an expense puts money aside
            Retype(Box(&d, "TxtEV1"), "-75");
            QCOMPARE(Box(&d, "TxtDE0")->text(), u"75"_qs);
            Check(&d, "ChkAE4")->click();
            Find<QComboBox>(&d, "CmbAE4")->setCurrentIndex(28); // the 29th...
            Find<QComboBox>(&d, "CmbAE5")->setCurrentIndex(1);  // ...of February
            QCOMPARE(Picked(&d, "DtRG0"), u"2004-02-29"_qs);
            QCOMPARE(Picked(&d, "DtRG1"), u"2004-02-29"_qs);
            amount = Box(&d, "TxtEV1")->text();
            Press(&d, "CmdOk");
            QCOMPARE(d.Result(), 1);
            yearly = Doc().AE.AutoEvents.at(0);
        }
        QCOMPARE(yearly.Kind, qint32(KindYearly));
        QCOMPARE(yearly.Day, qint16(29));
        QCOMPARE(yearly.Month, qint16(2));
        QCOMPARE(yearly.EntryType, qint32(EntryExpense));
        QCOMPARE(yearly.Description, MoneyDescription(u"Vacances", amount));

        // Opened again it shows what it holds; OK without a change writes nothing.
        Doc().AE.AEModified = false;
        AutoEventEditor d(EditorEdit, 0);
        d.show();
        QCOMPARE(d.windowTitle(), u"Daybinder - Éditer un Auto-Événement"_qs);
        QVERIFY(Check(&d, "ChkAE4")->isChecked() && Check(&d, "ChkGen")->isChecked());
        QCOMPARE(Find<QComboBox>(&d, "CmbAE4")->currentIndex(), 28);
        QCOMPARE(Picked(&d, "DtRG0"), u"2004-02-29"_qs);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 0);
        QVERIFY(!Doc().AE.AEModified);
        QCOMPARE(Doc().AE.AutoEvents[0].Key, yearly.Key);
    }

    void rangeDatesSnapWhenChosen()
    {
        AutoEventEditor d(EditorAdd, -1);
        d.show();
        Check(&d, "ChkAE1")->click();
        Find<QComboBox>(&d, "CmbAE1")->setCurrentIndex(1); // Mondays
        QCOMPARE(Picked(&d, "DtRG0"), u"2004-01-05"_qs);   // on from Thursday 1 January
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-12-20"_qs);   // back to Sunday 26, then Monday 20
        auto* end = Find<QDateEdit>(&d, "DtRG1");
        end->setDate(QDate(2004, 6, 10)); // a Thursday: back to Monday
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-06-07"_qs);

        // Moving about the open calendar does not snap; the date chosen there does.
        QTest::mouseClick(end, Qt::LeftButton, {}, QPoint(end->width() - 6, end->height() / 2)); // its arrow
        QCalendarWidget* calendar = end->calendarWidget();
        QTRY_VERIFY(calendar->isVisible());
        QWidget* days = calendar->focusProxy() ? calendar->focusProxy() : calendar;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) QTest::keyClick(days, key);
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-06-08"_qs); // a Tuesday, for now
        QTest::keyClick(days, Qt::Key_Return);
        QTRY_COMPARE(Picked(&d, "DtRG1"), u"2004-06-07"_qs);
    }

    void aDefinitionAFileHoldsOutsideTheCombosOpensOnTheirFirstLines()
    {
        AutoEventDef odd;
        odd.Kind = KindWeekly;
        odd.Day = 0;
        odd.StartDate = MakeDate(1, 1, 2004);
        odd.EndDate = MakeDate(0, 0, 0); // no date at all
        odd.Description = "Bizarre";
        odd.EntryType = EntryEvent;
        odd.Key = MakeKey(u"AE", 1);
        Doc().AE.AutoEvents = {odd};
        AutoEventEditor d(EditorEdit, 0);
        d.show();
        QVERIFY(Check(&d, "ChkAE1")->isChecked());
        QCOMPARE(Find<QComboBox>(&d, "CmbAE1")->currentIndex(), 0);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 1); // it now holds what the editor shows
        QCOMPARE(Doc().AE.AutoEvents[0].Day, qint16(1));
    }

    void birthdayEditorAddsAndKeepsAnUnchangedOne()
    {
        {
            BirthdayEditor d(EditorAdd, -1);
            d.show();
            QCOMPARE(d.windowTitle(), u"Daybinder - Ajouter un Anniversaire"_qs);
            QCOMPARE(Picked(&d, "DtGen"), u"1970-01-01"_qs);
            Box(&d, "TxtGen")->insert(u" Zoé "_qs); // typed with its accent
            Find<QDateEdit>(&d, "DtGen")->setDate(QDate(2000, 2, 29));
            Press(&d, "CmdOk");
            QCOMPARE(d.Result(), 1);
        }
        QCOMPARE(Doc().BD.Birthdays.at(0).Name, u"Zoé"_qs);
        QCOMPARE(Doc().BD.Birthdays.at(0).Key, MakeKey(u"BD", 1));
        QVERIFY(Doc().BD.BDModified);
        Doc().BD.BDModified = false;
        BirthdayEditor d(EditorEdit, 0);
        d.show();
        QCOMPARE(d.windowTitle(), u"Daybinder - Éditer un Anniversaire"_qs);
        QCOMPARE(Box(&d, "TxtGen")->text(), u"Zoé"_qs);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 0);
        QVERIFY(!Doc().BD.BDModified);
        QCOMPARE(Doc().BD.BDNextId, 1);
    }

    void helpKeyOpensThePageOfEachPage()
    {
        AutoEventEditor d(EditorAdd, -1);
        d.show();
        auto* tabs = Find<QTabWidget>(&d, "TbAddAE");
        const QString pages[] = {"Html\\d_addae_gen.htm", "Html\\d_addae_ae.htm", "Html\\d_addae_rg.htm"};
        for (int i = 0; i < 3; ++i) {
            tabs->setCurrentIndex(i);
            QTest::keyClick(&d, Qt::Key_F1);
            QCOMPARE(LastHelpTopic(), pages[i]);
        }
        BirthdayEditor b(EditorAdd, -1);
        b.show();
        QTest::keyClick(&b, Qt::Key_F1);
        QCOMPARE(LastHelpTopic(), u"Html\\d_bd.htm"_qs);
    }
};

QTEST_MAIN(TestDefinitionEditors)
#include "tst_definitioneditors.moc"
