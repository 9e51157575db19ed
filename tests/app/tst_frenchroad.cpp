// The program speaks French whatever the system's language: started by a user whose locale is
// C (as LANG=C gives), it shows French dates in its windows and in the date pop-ups, and Qt's
// own dialogs and buttons in French.

#include "ProgramFixture.h"
#include "entries/AutoEventEditor.h"
#include "help/AboutBox.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QToolButton>

class TestFrenchRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        f = std::make_unique<ProgramFixture>();
    }
    void cleanup() { f.reset(); }

    void datesAndQtsOwnTextsAreFrench()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabEvents);
        f->ClickDay(8, 3);
        QCOMPARE(f->Events()->SelectedDateBox()->text(), u"08 mars 2026"_qs);

        // A date pop-up names its month and days in French.
        QString month, monday;
        WhenModal<AutoEventEditor>([&](AutoEventEditor* d) {
            QCalendarWidget* calendar = Find<QDateEdit>(d, "DtRG0")->calendarWidget();
            month = Find<QToolButton>(calendar, "qt_calendar_monthbutton")->text();
            monday = calendar->locale().dayName(1);
            Press(d, "CmdCancel");
        });
        main->SetCurrentTab(TabAutoEvents);
        ProgramFixture::Click(main->ListPage(TabAutoEvents), "Add");
        QCOMPARE(month, u"janvier"_qs);
        QCOMPARE(monday, u"lundi"_qs);

        // The about box's date, and Qt's own buttons.
        AboutBox about(main, QCoreApplication::applicationFilePath());
        const QString date = Find<QLabel>(&about, "LblInfo1")->text();
        QStringList frenchMonths;
        for (int m = 1; m <= 12; ++m)
            frenchMonths.append(QLocale(QLocale::French).monthName(m, QLocale::ShortFormat));
        QVERIFY2(frenchMonths.contains(date.section(u' ', -2, -2)), qPrintable(date));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), u"Annuler"_qs);
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove(u'&'), u"Oui"_qs);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestFrenchRoad)
#include "tst_frenchroad.moc"
