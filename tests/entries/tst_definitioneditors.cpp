// The auto-event editor and the birthday editor driven as a user does.

#include "EntryFixtures.h"
#include "entries/AutoEventEditor.h"
#include "entries/BirthdayEditor.h"
#include "resources/Strings.h"
#include "support/Widgets.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>

namespace {

QString Picked(const QWidget* d, const char* picker)
{
    return Find<QDateEdit>(d, QLatin1String(picker))->date().toString(Qt::ISODate);
}

} // namespace

class TestDefinitionEditors : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2004); }

    void autoEventIsAddedWithOneRecurrenceChosen()
    {
        AutoEventEditor d(EditorAdd, -1);
        d.show();
        // A new definition covers the document's whole year.
        QCOMPARE(Picked(&d, "DtRG0") + u' ' + Picked(&d, "DtRG1"), u"2004-01-01 2004-12-31"_qs);
        QTest::keyClicks(Box(&d, "TxtEV0"), "Vitamines");
        // The five boxes are one choice: each click leaves one checked and only its combos on.
        for (const char* chosen : {"ChkAE1", "ChkAE4", "ChkAE3"}) {
            Check(&d, chosen)->click();
            for (const char* box : {"ChkAE0", "ChkAE1", "ChkAE2", "ChkAE3", "ChkAE4"})
                QCOMPARE(Check(&d, box)->isChecked(), qstrcmp(box, chosen) == 0);
        }
        QVERIFY(!Find(&d, "CmbAE0")->isEnabled() && !Find(&d, "CmbAE5")->isEnabled());
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 1);
        const AutoEventDef& a = Doc().AE.AutoEvents.at(0);
        QCOMPARE(a.Kind, qint32(KindDaily));
        QCOMPARE(a.Description, u"Vitamines"_qs);
        QCOMPARE(a.Key, MakeKey(u"AE", 1));
    }

    void aMoneyDefinitionWaitsForAName()
    {
        AutoEventEditor d(EditorAdd, -1);
        auto* ok = Find<QPushButton>(&d, "CmdOk");
        QVERIFY(ok->isEnabled());
        Check(&d, "ChkEV1")->click();
        Retype(Box(&d, "TxtEV1"), "650");
        QVERIFY(!ok->isEnabled());
        QCOMPARE(ok->toolTip(), Str(20003));
        QTest::keyClicks(Box(&d, "TxtEV0"), "Loyer");
        QVERIFY(ok->isEnabled());
        Press(&d, "CmdOk");
        QCOMPARE(Doc().AE.AutoEvents.at(0).Description, u"Loyer      650"_qs);
    }

    void yearlyExpenseTiedToAnAccountOpensAgainUnchanged()
    {
        Doc().DE.DebtsSavings = {Account(true, "Vacances", "500", MakeDate(1, 1, 2004))};
        {
            AutoEventEditor d(EditorAdd, -1);
            d.show();
            Check(&d, "ChkEV1")->click();
            QTest::keyClicks(Box(&d, "TxtEV0"), "Vacances");
            QVERIFY(Check(&d, "ChkGen")->isChecked()); // typing the account's name ties it
            Retype(Box(&d, "TxtEV1"), "75");
            Check(&d, "ChkAE4")->click();
            Find<QComboBox>(&d, "CmbAE4")->setCurrentIndex(28); // the 29th...
            Find<QComboBox>(&d, "CmbAE5")->setCurrentIndex(1);  // ...of February
            QCOMPARE(Picked(&d, "DtRG0"), u"2004-02-29"_qs);
            QCOMPARE(Picked(&d, "DtRG1"), u"2004-02-29"_qs);
            Press(&d, "CmdOk");
            QCOMPARE(d.Result(), 1);
        }
        const AutoEventDef yearly = Doc().AE.AutoEvents.at(0);
        QVERIFY(yearly.Kind == KindYearly && yearly.Day == 29 && yearly.Month == 2);
        QCOMPARE(yearly.EntryType, qint32(EntryExpense));

        // Opened again it shows what it holds; OK without a change writes nothing.
        Doc().AE.AEModified = false;
        AutoEventEditor d(EditorEdit, 0);
        d.show();
        QVERIFY(Check(&d, "ChkAE4")->isChecked() && Check(&d, "ChkGen")->isChecked());
        QCOMPARE(Find<QComboBox>(&d, "CmbAE4")->currentIndex(), 28);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 0);
        QVERIFY(!Doc().AE.AEModified);
        QCOMPARE(Doc().AE.AutoEvents[0].Key, yearly.Key);
    }

    void rangeEndSnapsOnlyOnceChosenInTheCalendar()
    {
        AutoEventEditor d(EditorAdd, -1);
        d.show();
        Check(&d, "ChkAE1")->click();
        Find<QComboBox>(&d, "CmbAE1")->setCurrentIndex(1); // Mondays
        auto* end = Find<QDateEdit>(&d, "DtRG1");
        end->setFocus();
        end->setDate(QDate(2004, 6, 10)); // a Thursday: back to Monday once chosen
        QTest::keyClick(end, Qt::Key_Return);
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-06-07"_qs);

        QTest::mouseClick(end, Qt::LeftButton, {}, QPoint(end->width() - 6, end->height() / 2)); // its arrow
        QCalendarWidget* calendar = end->calendarWidget();
        QTRY_VERIFY(calendar->isVisible());
        QWidget* days = calendar->focusProxy() ? calendar->focusProxy() : calendar;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) QTest::keyClick(days, key);
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-06-08"_qs); // a Tuesday, for now
        QTest::keyClick(days, Qt::Key_Return);
        QTRY_COMPARE(Picked(&d, "DtRG1"), u"2004-06-07"_qs);
    }

    void rangeSnapsFromTheDatesTheUserChose()
    {
        AutoEventEditor d(EditorAdd, -1);
        d.show();
        // Weekly on Sundays, then Saturdays, then Mondays: each time from 1 January and
        // 31 December (a Thursday and a Friday), never from the previous snap.
        Check(&d, "ChkAE1")->click();
        QCOMPARE(Picked(&d, "DtRG0") + u' ' + Picked(&d, "DtRG1"), u"2004-01-04 2004-12-26"_qs);
        auto* weekday = Find<QComboBox>(&d, "CmbAE1");
        weekday->setCurrentIndex(6);
        QCOMPARE(Picked(&d, "DtRG0") + u' ' + Picked(&d, "DtRG1"), u"2004-01-03 2004-12-25"_qs);
        weekday->setCurrentIndex(1);
        QCOMPARE(Picked(&d, "DtRG0") + u' ' + Picked(&d, "DtRG1"), u"2004-01-05 2004-12-27"_qs);

        // A typed day snaps once typed: "31" is the 31st, not the 3rd, and Enter moves it back to
        // Monday; leaving the box without a change chooses nothing new.
        auto* end = Find<QDateEdit>(&d, "DtRG1");
        end->setFocus();
        end->setSelectedSection(QDateTimeEdit::MonthSection);
        QTest::keyClicks(end, "10");
        end->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(end, "31");
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-10-31"_qs);
        QTest::keyClick(end, Qt::Key_Return);
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-10-25"_qs);
        Find(&d, "DtRG0")->setFocus();
        weekday->setCurrentIndex(0);
        QCOMPARE(Picked(&d, "DtRG1"), u"2004-10-31"_qs);
    }

    void aDamagedDefinitionOpensOnTheFirstLines()
    {
        AutoEventDef odd;
        odd.Kind = KindWeekly;
        odd.Day = 0; // no weekday
        odd.StartDate = MakeDate(1, 1, 2004);
        odd.EndDate = MakeDate(0, 0, 0); // no date at all
        odd.Description = "Bizarre";
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

    void birthdayIsAddedAndAnUnchangedOneKept()
    {
        {
            BirthdayEditor d(EditorAdd, -1);
            d.show();
            Box(&d, "TxtGen")->insert(u" Zoé "_qs);
            Find<QDateEdit>(&d, "DtGen")->setDate(QDate(2000, 2, 29));
            Press(&d, "CmdOk");
            QCOMPARE(d.Result(), 1);
        }
        const BirthdayDef& added = Doc().BD.Birthdays.at(0);
        QCOMPARE(added.Name, u"Zoé"_qs);
        QCOMPARE(DateToText(added.BirthDate), u"2000-02-29"_qs);
        QCOMPARE(added.Key, MakeKey(u"BD", 1));
        Doc().BD.BDModified = false;
        BirthdayEditor d(EditorEdit, 0);
        d.show();
        QCOMPARE(Box(&d, "TxtGen")->text(), u"Zoé"_qs);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 0);
        QVERIFY(!Doc().BD.BDModified);
        QCOMPARE(Doc().BD.BDNextId, 1);
    }
};

QTEST_MAIN(TestDefinitionEditors)
#include "tst_definitioneditors.moc"
