// The main dialogs with the keyboard alone: each opened by a key, filled by typing, accelerators
// and Tab, accepted by Enter, and left by Escape without a trace.

#include "ProgramFixture.h"
#include "entries/AccountEditor.h"
#include "entries/AutoEventEditor.h"
#include "entries/AutoEvents.h"
#include "entries/EventEditor.h"
#include "options/OptionsDialog.h"

#include <QCheckBox>
#include <QTabWidget>

namespace {

// Keys to whatever has the focus, as the keyboard sends them.
void Type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void Key(int key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// A dialog just opened takes the keys (the offscreen platform activates it when asked).
void Ready(QWidget* dialog)
{
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTRY_VERIFY(dialog->isAncestorOf(QApplication::focusWidget()));
}

// A button of the main window reached by the keyboard and pressed with the space bar.
void PressByKey(QWidget* button)
{
    QVERIFY2(button->focusPolicy() & Qt::TabFocus, qPrintable(button->objectName()));
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
}

} // namespace

class TestKeyboardRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = std::make_unique<ProgramFixture>();
        QVERIFY(f->StartOnExample());
        QVERIFY(QTest::qWaitForWindowActive(f->Main()));
    }
    void cleanup() { f.reset(); }

    void eventEditorFromTheGrid()
    {
        f->Main()->ShowMonth(3);
        f->Grid(3)->setFocus();
        Key(Qt::Key_Home);
        Key(Qt::Key_Down); // 8 March
        const int before = int(EntriesOn(8, 3).size());

        WhenModal<EventEditor>([](EventEditor* d) {
            Ready(d);
            QCOMPARE(QApplication::focusWidget(), Find(d, "TxtEV0")); // typing goes to the description
            Type(u"Dentiste"_qs);
            Key(Qt::Key_Return);
        });
        Key(Qt::Key_Return);
        QCOMPARE(EntriesOn(8, 3).size(), before + 1);
        QCOMPARE(EntriesOn(8, 3).last().Description, u"Dentiste"_qs);

        // An income by its accelerator, its amount one Tab further.
        BackToGrid(3);
        WhenModal<EventEditor>([](EventEditor* d) {
            Ready(d);
            Key(Qt::Key_R, Qt::AltModifier);              // "&Revenu"
            QTRY_VERIFY(Check(d, "ChkEV0")->isChecked()); // an accelerator clicks after a moment
            Find(d, "TxtEV0")->setFocus();
            Type(u"Prime"_qs);
            Key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Find(d, "TxtEV1"));
            Type(u"200"_qs);
            Key(Qt::Key_Enter);
        });
        Key(Qt::Key_Return);
        QCOMPARE(EntriesOn(8, 3).size(), before + 2);
        QCOMPARE(EntriesOn(8, 3).last().EntryType, EntryIncome);
        QCOMPARE(EntriesOn(8, 3).last().Description.simplified(), u"Prime 200"_qs);

        // Escape leaves nothing behind.
        BackToGrid(3);
        WhenModal<EventEditor>([](EventEditor* d) {
            Ready(d);
            Type(u"Oubli"_qs);
            Key(Qt::Key_Escape);
        });
        Key(Qt::Key_Return);
        QCOMPARE(EntriesOn(8, 3).size(), before + 2);
        BackToGrid(3);
    }

    void autoEventEditorFromItsTab()
    {
        f->Main()->SetCurrentTab(TabAutoEvents);
        QList<AutoEventDef>& defs = Doc().AE.AutoEvents;
        const int before = int(defs.size());
        QPushButton* add = f->Main()->findChild<QPushButton*>(u"CmdAEAdd"_qs);
        WhenModal<AutoEventEditor>([](AutoEventEditor* d) {
            Ready(d);
            Type(u"Yoga"_qs);
            Key(Qt::Key_Tab, Qt::ControlModifier); // the recurrence page
            QCOMPARE(Find<QTabWidget>(d, u"TbAddAE"_qs)->currentIndex(), 1);
            Key(Qt::Key_S, Qt::AltModifier); // "Chaque &semaine le:"
            QTRY_VERIFY(Check(d, "ChkAE1")->isChecked());
            Key(Qt::Key_Return);
        });
        PressByKey(add);
        QCOMPARE(defs.size(), before + 1);
        QCOMPARE(defs.last().Description, u"Yoga"_qs);
        QCOMPARE(RecurrenceOfKind(defs.last().Kind), int(RecurWeekly));

        WhenModal<AutoEventEditor>([](AutoEventEditor* d) {
            Ready(d);
            Type(u"Oubli"_qs);
            Key(Qt::Key_Escape);
        });
        PressByKey(add);
        QCOMPARE(defs.size(), before + 1);
    }

    void accountEditorFromItsTab()
    {
        f->Main()->SetCurrentTab(TabDebts);
        const QList<DebtSavingDef>& accounts = Doc().DE.DebtsSavings;
        const int before = int(accounts.size());
        QPushButton* add = f->Main()->findChild<QPushButton*>(u"CmdDEAdd"_qs);
        WhenModal<AccountEditor>([](AccountEditor* d) {
            Ready(d);
            Key(Qt::Key_Eacute, Qt::AltModifier); // "&Épargne": the É key of a French keyboard
            QTRY_VERIFY(Check(d, "ChkGen1")->isChecked());
            Find(d, "TxtGen0")->setFocus();
            Type(u"Vacances"_qs);
            Key(Qt::Key_Tab);
            Type(u"1200"_qs);
            Key(Qt::Key_Return);
        });
        PressByKey(add);
        QCOMPARE(accounts.size(), before + 1);
        QVERIFY(accounts.last().IsSavings);
        QCOMPARE(accounts.last().Description.simplified(), u"Vacances 1200"_qs);

        WhenModal<AccountEditor>([](AccountEditor* d) {
            Ready(d);
            Key(Qt::Key_Escape);
        });
        PressByKey(add);
        QCOMPARE(accounts.size(), before + 1);
    }

    void optionsAndPropertiesFromTheirButtons()
    {
        f->Main()->SetCurrentTab(TabCommands);
        QPushButton* options = f->Main()->findChild<QPushButton*>(u"CmdCOOptions"_qs);
        bool splash = false;
        WhenModal<OptionsDialog>([&](OptionsDialog* d) {
            Ready(d);
            QCheckBox* box = Check(d, "ChkGen1");
            splash = box->isChecked();
            box->setFocus(Qt::TabFocusReason);
            Key(Qt::Key_Space);
            Key(Qt::Key_Return);
        });
        PressByKey(options);
        WhenModal<OptionsDialog>([&](OptionsDialog* d) {
            Ready(d);
            QCOMPARE(Check(d, "ChkGen1")->isChecked(), !splash); // kept by Enter
            Check(d, "ChkGen1")->setFocus(Qt::TabFocusReason);
            Key(Qt::Key_Space);
            Key(Qt::Key_Escape);
        });
        PressByKey(options);
        WhenModal<OptionsDialog>([&](OptionsDialog* d) {
            Ready(d);
            QCOMPARE(Check(d, "ChkGen1")->isChecked(), !splash); // not by Escape
            Key(Qt::Key_Escape);
        });
        PressByKey(options);

        // The toolbar is in the keyboard's reach too.
        QWidget* properties = f->Main()->Toolbar()->widgetForAction(f->Main()->Toolbar()->Action(u"Prop"_qs));
        const QString author = Doc().Author;
        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            Ready(d);
            Type(u"X"_qs); // into whatever box has the focus; Escape drops it
            Key(Qt::Key_Escape);
        });
        PressByKey(properties);
        QCOMPARE(Doc().Author, author);
    }

private:
    // The offscreen platform gives the main window its activation back only when asked.
    void BackToGrid(int month)
    {
        f->Main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->Main()));
        QCOMPARE(QApplication::focusWidget(), f->Grid(month)); // the keys go on where they were
    }

    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestKeyboardRoad)
#include "tst_keyboardroad.moc"
