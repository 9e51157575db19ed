#include "EntryFixtures.h"
#include "dialogkit/PictureChoice.h"
#include "document/TextInput.h"
#include "entries/AccountEditor.h"
#include "entries/EventEditor.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/Widgets.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

void ClickOk(QWidget* d)
{
    Press(d, "CmdOk");
}

} // namespace

class TestEntryEditors : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument();
        SelectDay(10, 3);
        SetPictureChooser({});
    }

    void addModeShowsTheDefaults()
    {
        EventEditor d(EditorAdd, -1);
        d.show();
        for (const char* name : {"ChkEV2", "ChkDE0", "ChkCol", "ChkBck0", "ChkBck1", "ChkAL"})
            QVERIFY2(Check(&d, name)->isChecked(), name);
        QVERIFY(!Check(&d, "ChkGen")->isChecked());
        for (const char* name : {"TxtEV1", "PicSelCol", "TxtAL", "CmdAL"})
            QVERIFY2(!Find(&d, name)->isEnabled(), name);
        QCOMPARE(Box(&d, "TxtEV1")->text(), u"0"_qs);
        QCOMPARE(Box(&d, "TxtAL")->text(), u"1"_qs);
        auto* sounds = Find<QComboBox>(&d, "CmbAL");
        QCOMPARE(sounds->count(), 11);
        QCOMPARE(sounds->itemText(0), u"Pas de son"_qs);
        QCOMPARE(sounds->itemText(1), u"Son #01"_qs);
        QCOMPARE(sounds->itemText(10), u"Son #10"_qs);

        QTest::keyClicks(Box(&d, "TxtEV0"), "Dentiste");
        ClickOk(&d);
        QCOMPARE(d.Result(), 1);
        QCOMPARE(Descriptions(EntriesOn(10, 3)), QStringList{"Dentiste"});
        QCOMPARE(EntriesOn(10, 3)[0].EntryType, qint32(EntryEvent));
    }

    void typeChoiceIsOneChoiceAndCutsMoneyNames()
    {
        EventEditor d(EditorAdd, -1);
        QLineEdit* text = Box(&d, "TxtEV0");
        QTest::keyClicks(text, "Anniversaire de Paulette");
        QCOMPARE(text->text(), u"Anniversaire de P"_qs); // 17 for an event
        Check(&d, "ChkEV2")->click();
        QVERIFY(Check(&d, "ChkEV2")->isChecked());
        Check(&d, "ChkEV0")->click();
        QVERIFY(Check(&d, "ChkEV0")->isChecked() && !Check(&d, "ChkEV2")->isChecked());
        QCOMPARE(text->text(), u"Anniversai"_qs);
        QVERIFY(Box(&d, "TxtEV1")->isEnabled());
        QTest::keyClicks(text, "xyz");
        QCOMPARE(text->text(), u"Anniversai"_qs);
        Check(&d, "ChkEV1")->click();
        Retype(Box(&d, "TxtEV1"), "80");
        ClickOk(&d);
        QCOMPARE(EntriesOn(10, 3)[0].Description, u"Anniversai 80"_qs);
        QCOMPARE(EntriesOn(10, 3)[0].EntryType, qint32(EntryExpense));
    }

    void moneyWaitsForANameEventsDoNot()
    {
        // A nameless amount would not read back from the file: OK waits, and says why.
        EventEditor d(EditorAdd, -1);
        auto* ok = Find<QPushButton>(&d, "CmdOk");
        QVERIFY(ok->isEnabled()); // an event may be blank
        Check(&d, "ChkEV0")->click();
        Retype(Box(&d, "TxtEV1"), "10");
        QVERIFY(!ok->isEnabled());
        QCOMPARE(ok->toolTip(), Str(20003));
        QTest::keyClicks(Box(&d, "TxtEV0"), "   "); // blanks are no name
        QVERIFY(!ok->isEnabled());
        Retype(Box(&d, "TxtEV0"), "Prime");
        QVERIFY(ok->isEnabled());
        QCOMPARE(ok->toolTip(), QString());
        Box(&d, "TxtEV0")->clear();
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(&d, Qt::Key_Return); // Enter does not write it either
        QCOMPARE(d.Result(), 0);
        QVERIFY(EntriesOn(10, 3).isEmpty());

        // Tied to an account, the entry takes the account's name.
        Doc().DE.DebtsSavings = {Account(false, "Visa", "2500", MakeDate(1, 1, 2004))};
        EventEditor tied(EditorAdd, -1);
        Check(&tied, "ChkEV1")->click();
        QVERIFY(!Find<QPushButton>(&tied, "CmdOk")->isEnabled());
        Check(&tied, "ChkGen")->click();
        QVERIFY(Find<QPushButton>(&tied, "CmdOk")->isEnabled());

        // An occurrence of a nameless definition in an older file keeps its own text.
        EntriesOn(10, 3) = {Money(EntryIncome, "", "10")};
        EntriesOn(10, 3)[0].LinkKey = MakeKey(u"AE", 1);
        EventEditor occurrence(EditorEdit, 0);
        QVERIFY(Find<QPushButton>(&occurrence, "CmdOk")->isEnabled());
    }

    void amountBoxesFollowEachOther()
    {
        Doc().DE.DebtsSavings = {Account(true, "Vacances", "0", MakeDate(1, 1, 2004))};
        EventEditor d(EditorAdd, -1);
        Check(&d, "ChkEV0")->click();
        // The amount keeps its sign; the movement box shows the absolute value.
        Retype(Box(&d, "TxtEV1"), "-40");
        QCOMPARE(Box(&d, "TxtEV1")->text(), u"-40"_qs);
        QCOMPARE(Box(&d, "TxtDE0")->text(), u"40"_qs);
        Check(&d, "ChkGen")->click();
        Retype(Box(&d, "TxtDE0"), "12,5");
        QCOMPARE(Box(&d, "TxtDE0")->text(), u"12.5"_qs);
        QCOMPARE(Box(&d, "TxtEV1")->text(), u"12.5"_qs);
        QCOMPARE(Box(&d, "TxtDE2")->text(), u"12"_qs); // savings, added, rounded to even
    }

    void amountsAreTypedAsAFrenchUserTypesThem()
    {
        EventEditor d(EditorAdd, -1);
        Check(&d, "ChkEV1")->click();
        QTest::keyClicks(Box(&d, "TxtEV0"), "Courses");
        QLineEdit* amount = Box(&d, "TxtEV1");
        Retype(amount, "12,50");
        QCOMPARE(amount->text(), u"12.50"_qs);
        // Typed after the "0" the box starts with: the minus still makes it negative.
        amount->setText(u"0"_qs);
        amount->end(false);
        QTest::keyClicks(amount, "-3,20");
        QCOMPARE(amount->text(), u"-3.20"_qs);
        QCOMPARE(Box(&d, "TxtDE0")->text(), u"3.2"_qs);
        ClickOk(&d);
        QCOMPARE(EntriesOn(10, 3)[0].Description, u"Courses    -3.20"_qs);

        AccountEditor de(EditorAdd, -1);
        QTest::keyClicks(Box(&de, "TxtGen0"), "Auto");
        Retype(Box(&de, "TxtGen1"), "-1 500,75");
        QCOMPARE(Box(&de, "TxtGen1")->text(), u"1500.75"_qs);
        Press(&de, "CmdOk");
        QCOMPARE(Doc().DE.DebtsSavings.last().Description, u"Auto       1500.75"_qs);

        EventEditor alarm(EditorAdd, -1);
        Check(&alarm, "ChkAL")->click();
        Retype(Box(&alarm, "TxtAL"), "2,5");
        QCOMPARE(Box(&alarm, "TxtAL")->text(), u"2.5"_qs);
    }

    void hintShowsWhenNoAccountExists()
    {
        EventEditor d(EditorAdd, -1);
        d.show();
        QLabel* hint = Find<QLabel>(&d, "LblDE");
        QVERIFY(hint->isHidden());
        Check(&d, "ChkGen")->click();
        QVERIFY(!hint->isHidden());
        QCOMPARE(hint->text(), Str(720));
        QVERIFY(Find(&d, "FraDE")->isHidden());
        // With no account to tie to, OK writes the entry as its type boxes say.
        QTest::keyClicks(Box(&d, "TxtEV0"), "Note");
        ClickOk(&d);
        QCOMPARE(EntriesOn(10, 3)[0].EntryType, qint32(EntryEvent));
    }

    void generatedEntryStaysLocked()
    {
        Doc().DE.DebtsSavings = {Account(false, "Loyer", "0", MakeDate(1, 1, 2004))};
        DayEntry occurrence = Money(EntryExpense, "Loyer", "650");
        occurrence.LinkKey = MakeKey(u"AE", 7);
        EntriesOn(10, 3) = {occurrence};
        EventEditor d(EditorEdit, 0);
        d.show();
        QLabel* warning = Find<QLabel>(&d, "LblWarning");
        QVERIFY(!warning->isHidden());
        QCOMPARE(warning->text(), Str(736));
        auto* tabs = Find<QTabWidget>(&d, "TbAddEV");
        tabs->setCurrentIndex(2);
        tabs->setCurrentIndex(0);
        for (const char* name :
             {"ChkEV0", "ChkEV1", "ChkEV2", "TxtEV0", "TxtEV1", "ChkGen", "CmbDE", "TxtDE0"})
            QVERIFY2(!Find(&d, name)->isEnabled(), name);
        QCOMPARE(Box(&d, "TxtEV0")->text(), u"Loyer"_qs);
        QCOMPARE(Box(&d, "TxtEV1")->text(), u"650"_qs);

        Check(&d, "ChkAL")->click();
        ClickOk(&d);
        QCOMPARE(d.Result(), 1);
        const DayEntry& e = EntriesOn(10, 3)[0];
        QVERIFY(e.AlarmOn);
        QCOMPARE(e.LinkKey, occurrence.LinkKey);
        QCOMPARE(e.Description, occurrence.Description);

        DayEntry birthday = Event("AN:Marie");
        birthday.LinkKey = MakeKey(u"BD", 2);
        EntriesOn(10, 3) = {birthday};
        EventEditor b(EditorEdit, 0);
        QCOMPARE(Find<QLabel>(&b, "LblWarning")->text(), Str(737));
    }

    void colourAndPictureComeFromTheirChoosers()
    {
        const QString path = m_dir.filePath("cle.bmp");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(path));
        QStringList asked;
        SetPictureChooser([&](const QString& initial) {
            asked.append(initial);
            return PictureChoice{1, path};
        });
        ScriptedDialogs dialogs;
        dialogs.Colours = {std::optional<qint32>(0x0000FF), std::nullopt};

        EventEditor d(EditorAdd, -1);
        d.show();
        Check(&d, "ChkCol")->click();
        QVERIFY(Find(&d, "PicSelCol")->isEnabled());
        Find<QToolButton>(&d, "PicSelCol")->click();
        QTest::mouseClick(Find(&d, "LblCol"), Qt::LeftButton); // Cancel keeps the colour
        QCOMPARE(dialogs.ColourAsked, (QList<qint32>{0, 0x0000FF}));

        Check(&d, "ChkBck0")->click();
        Find<QPushButton>(&d, "CmdBck")->click();
        QCOMPARE(asked, QStringList{QString()});
        QCOMPARE(Box(&d, "TxtBck")->text(), path);
        QLabel* preview = Find<QLabel>(&d, "ImgBck");
        QVERIFY(!preview->isHidden());
        QVERIFY(!preview->pixmap().isNull());
        Check(&d, "ChkBck1")->click();
        QVERIFY(preview->isHidden());
    }

    void alarmPageEnablesAndPlays()
    {
        RecordingSoundPlayer player;
        Settings::Get().Sound(3) = "/sons/alarm03.wav";
        EventEditor d(EditorAdd, -1);
        Check(&d, "ChkAL")->click();
        QVERIFY(Box(&d, "TxtAL")->isEnabled());
        QVERIFY(!Find(&d, "CmdAL")->isEnabled());
        Find<QComboBox>(&d, "CmbAL")->setCurrentIndex(3);
        QVERIFY(Find(&d, "CmdAL")->isEnabled());
        Find<QPushButton>(&d, "CmdAL")->click();
        QCOMPARE(player.Played, QStringList{"/sons/alarm03.wav"});

        Retype(Box(&d, "TxtAL"), "-5");
        QCOMPARE(Box(&d, "TxtAL")->text(), u"5"_qs);
        Find<QToolButton>(&d, "UDAlUp")->click();
        QCOMPARE(Box(&d, "TxtAL")->text(), u"6"_qs);
        ClickOk(&d);
        const DayEntry& e = EntriesOn(10, 3)[0];
        QVERIFY(e.AlarmOn);
        QCOMPARE(e.AlarmDaysBefore, 6);
        QCOMPARE(e.AlarmSound, qint16(3));
    }

    void editWithoutChangeLeavesTheDocumentSaved()
    {
        Doc().DE.DebtsSavings = {Account(false, "Visa", "2500", MakeDate(1, 1, 2004))};
        DayEntry ticked = Money(EntryExpense, "Visa", "300");
        ticked.Ticked = ticked.AlarmOn = true;
        ticked.AlarmDaysBefore = 3;
        ticked.AlarmSound = 4;
        ticked.TextColour = 0x00FF00;
        EntriesOn(10, 3) = {ticked, Event("Un très long texte d'événement"), Event("Visa")};
        Session::Get().SetModified(PartAll, false);
        for (int i = 0; i < 3; ++i) {
            EventEditor d(EditorEdit, i);
            ClickOk(&d);
            QCOMPARE(d.Result(), 0);
        }
        QVERIFY(Doc().IsSaved);
        QVERIFY(EntriesOn(10, 3)[0].Ticked);
        QCOMPARE(EntriesOn(10, 3)[1].Description, u"Un très long texte d'événement"_qs);
    }

    void cancelAndCloseWriteNothing()
    {
        for (const bool close : {false, true}) {
            EventEditor d(EditorAdd, -1);
            d.show();
            QTest::keyClicks(Box(&d, "TxtEV0"), "Oublie");
            if (close)
                d.close();
            else
                Press(&d, "CmdCancel");
            QCOMPARE(d.Result(), 0);
        }
        QVERIFY(EntriesOn(10, 3).isEmpty());
        QVERIFY(Doc().IsSaved);
    }

    void nothingToEditOrNoDayOpensNoDialog()
    {
        QCOMPARE(RunEventEditor(nullptr, EditorEdit, 0), 0);
        Session::Get().Selected = Selection();
        QCOMPARE(RunEventEditor(nullptr, EditorAdd, -1), 0);
        QCOMPARE(RunDebtEditor(nullptr, EditorEdit, 0), 0);
    }

    void everyTextBoxRefusesWhatAFileCannotHold()
    {
        EventEditor ev(EditorAdd, -1);
        AccountEditor de(EditorAdd, -1);
        for (QDialog* d : {static_cast<QDialog*>(&ev), static_cast<QDialog*>(&de)}) {
            const QList<QLineEdit*> boxes = d->findChildren<QLineEdit*>();
            QVERIFY(boxes.size() >= 2);
            for (QLineEdit* box : boxes) {
                if (qobject_cast<QDateEdit*>(box->parent())) continue; // the date picker's own box
                QVERIFY2(qobject_cast<const CalTextValidator*>(box->validator()),
                         qPrintable(box->objectName()));
            }
        }
        QTest::keyClicks(Box(&ev, "TxtEV0"), "dit \"oui\"");
        QCOMPARE(Box(&ev, "TxtEV0")->text(), u"dit oui"_qs);
    }

    void helpFollowsThePage()
    {
        EventEditor d(EditorAdd, -1);
        auto* tabs = Find<QTabWidget>(&d, "TbAddEV");
        const QStringList pages{"Html\\d_addev_gen.htm", "Html\\d_addev_disp.htm", "Html\\d_addev_al.htm"};
        for (int i = 0; i < 3; ++i) {
            tabs->setCurrentIndex(i);
            QTest::keyClick(&d, Qt::Key_F1);
            QCOMPARE(LastHelpTopic(), pages[i]);
        }
        Find<QToolButton>(&d, "CmdHelp")->click();
        QCOMPARE(LastHelpTopic(), pages[2]);
        AccountEditor de(EditorAdd, -1);
        Find<QToolButton>(&de, "CmdHelp")->click();
        QCOMPARE(LastHelpTopic(), u"Html\\d_de.htm"_qs);
    }

    void accountEditorAddsWithItsDefaultsAndEditsWhatItShows()
    {
        AccountEditor d(EditorAdd, -1);
        QVERIFY(Check(&d, "ChkGen0")->isChecked());
        QCOMPARE(Box(&d, "TxtGen1")->text(), u"0"_qs);
        auto* date = Find<QDateEdit>(&d, "DtGen");
        QCOMPARE(date->date(), QDate(2004, 1, 1));
        QCOMPARE(Find<QLabel>(&d, "LblStart")->text(), u"Balance pour le 2004-01-01:"_qs);
        date->setDate(QDate(2004, 2, 15));
        QCOMPARE(Find<QLabel>(&d, "LblStart")->text(), u"Balance pour le 2004-02-15:"_qs);

        Check(&d, "ChkGen1")->click();
        QVERIFY(!Check(&d, "ChkGen0")->isChecked());
        Check(&d, "ChkGen1")->click();
        QVERIFY(Check(&d, "ChkGen1")->isChecked());
        auto* ok = Find<QPushButton>(&d, "CmdOk");
        QVERIFY(!ok->isEnabled()); // an account needs its name
        QCOMPARE(ok->toolTip(), Str(20004));
        QTest::keyClicks(Box(&d, "TxtGen0"), "Vacances au chalet");
        QVERIFY(ok->isEnabled());
        Retype(Box(&d, "TxtGen1"), "-1250.5");
        QCOMPARE(Box(&d, "TxtGen1")->text(), u"1250.5"_qs);
        ClickOk(&d);
        QCOMPARE(d.Result(), 1);
        QCOMPARE(Doc().DE.DECount(), qint16(1));
        const DebtSavingDef& a = Doc().DE.DebtsSavings[0];
        QVERIFY(a.IsSavings);
        QCOMPARE(a.Description, u"Vacances a 1250.5"_qs);
        QCOMPARE(a.StartDate, MakeDate(15, 2, 2004));
        QVERIFY(Doc().DE.DEModified);

        // Opened again, it shows the account; a changed amount is written.
        AccountEditor edit(EditorEdit, 0);
        QVERIFY(Check(&edit, "ChkGen1")->isChecked());
        QCOMPARE(Box(&edit, "TxtGen0")->text(), u"Vacances a"_qs);
        QCOMPARE(Find<QDateEdit>(&edit, "DtGen")->date(), QDate(2004, 2, 15));
        Retype(Box(&edit, "TxtGen1"), "2600");
        ClickOk(&edit);
        QCOMPARE(edit.Result(), 1);
        QCOMPARE(Doc().DE.DebtsSavings[0].Description, u"Vacances a 2600"_qs);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestEntryEditors)
#include "tst_entryeditors.moc"
