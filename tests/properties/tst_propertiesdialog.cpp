// The properties dialog driven as a user does: its pages filled from the document, the display
// page's panels and preview, the colour and picture choices, and the password confirmation. The
// road test carries OK through to the month windows and Cancel on New.

#include "dialogkit/MonthGrid.h"
#include "dialogkit/PictureChoice.h"
#include "platform/Clock.h"
#include "properties/ApplyProperties.h"
#include "properties/PropertiesDialog.h"
#include "properties/PropertiesPreview.h"
#include "resources/Strings.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPrompter.h"
#include "support/Widgets.h"
#include "views/ShellFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QCheckBox* Bck(const QObject* d, int i)
{
    return Check(d, QStringLiteral("ChkBck%1").arg(i));
}

QCheckBox* Col(const QObject* d, int i)
{
    return Check(d, QStringLiteral("ChkCol%1").arg(i));
}

void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write");
    file.write(bytes);
    return file.fileName();
}

} // namespace

class TestPropertiesDialog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = std::make_unique<ShellFixture>();
        f->NewDocument(2004);
        PropertiesHooks::Get() = PropertiesHooks();
    }
    void cleanup()
    {
        SetPictureChooser({});
        f.reset();
    }

    void pagesOpenOnTheDocument()
    {
        QTemporaryDir dir;
        const QString folder =
            dir.filePath(u"Documents/Calendriers de la famille/Année deux mille quatre"_qs);
        QVERIFY(QDir().mkpath(folder));
        Doc().FilePath =
            WriteFile(dir, folder.mid(dir.path().size() + 1) + u"/agenda.cal"_qs, QByteArray(512, 'x'));
        Doc().Author = u"  Élise  "_qs;
        Doc().MonthToOpen = u"05"_qs;
        PropertiesDialog d;
        QCOMPARE(Find<QListWidget>(&d, "LstYear")->currentItem()->text(), u"2004"_qs);
        QCOMPARE(Box(&d, "TxtAuthor")->text(), u"Élise"_qs);
        QCOMPARE(Find<QComboBox>(&d, "CmbMonth")->currentText(), u"Mai"_qs);
        QLineEdit* name = Box(&d, "TxtFileName");
        QCOMPARE(name->toolTip(), Doc().FilePath); // too long: shortened, the whole path as tooltip
        QVERIFY(name->text().size() < 55 && name->text().endsWith(u"/agenda.cal"_qs));
        QVERIFY(name->text().contains(u"/.../"_qs));
        QCOMPARE(Box(&d, "TxtFileSize")->text(), u" 0.51 KB"_qs);
        QCOMPARE(d.Tree()->currentItem(), d.NodeItem(kDefaultsNode)); // the display page on "Défaut"
    }

    void theYearsRunFrom2002ToTenYearsFromNow()
    {
        FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
        Clock::Install(&clock);
        PropertiesDialog d;
        Clock::Install(nullptr);
        auto* years = Find<QListWidget>(&d, "LstYear");
        QCOMPARE(years->count(), 35);
        QCOMPARE(years->item(0)->text(), u"2002"_qs);
        QCOMPARE(years->item(34)->text(), u"2036"_qs);
    }

    void greyedForAllMonthsBoxSetsEveryMonth()
    {
        for (int m = 1; m <= 6; ++m) Doc().Month(m).Colours.UseDefault = false;
        PropertiesDialog d;
        ClickItem(d.Tree(), d.ColoursItem(kDefaultsNode));
        QCOMPARE(Col(&d, 0)->checkState(), Qt::PartiallyChecked);
        Col(&d, 0)->click();
        QCOMPARE(Col(&d, 0)->checkState(), Qt::Checked);
        Press(&d, "CmdOk");
        QCOMPARE(d.Result(), 1);
        for (int m = 1; m <= 12; ++m) QVERIFY(Doc().Month(m).Colours.UseDefault);
        QVERIFY(Doc().Month(3).Colours.Modified && !Doc().Month(9).Colours.Modified);
    }

    void backgroundPanelBoxesAndPicture()
    {
        QTemporaryDir dir;
        QImage tile(16, 16, QImage::Format_RGB32);
        tile.fill(Qt::darkBlue);
        const QString good = dir.filePath(u"motif été.bmp"_qs);
        QVERIFY(tile.save(good));
        const QString bad = WriteFile(dir, u"notes.bmp"_qs, "pas une image");
        QStringList chosen = {bad, good};
        SetPictureChooser([&](const QString&) { return PictureChoice{1, chosen.takeFirst()}; });
        ScriptedPrompter prompter;

        PropertiesDialog d;
        ClickItem(d.Tree(), d.PictureItem(3));
        QVERIFY(Bck(&d, 0)->isChecked()); // on the defaults: all else disabled
        QVERIFY(!Bck(&d, 1)->isEnabled() && !Find<QPushButton>(&d, "CmdBck")->isEnabled());
        Bck(&d, 0)->click();
        QVERIFY(Bck(&d, 1)->isChecked() && !Bck(&d, 2)->isEnabled()); // "Pas d'image"
        Bck(&d, 1)->click();
        QVERIFY(Bck(&d, 2)->isEnabled() && Find<QPushButton>(&d, "CmdBck")->isEnabled());

        Press(&d, "CmdBck"); // not a picture
        QCOMPARE(prompter.Asked.value(0).Text, Str(10049));
        QVERIFY(Box(&d, "TxtBck")->text().isEmpty() && d.Work().Backgrounds[3].PicturePath.isEmpty());
        Press(&d, "CmdBck");
        QCOMPARE(Box(&d, "TxtBck")->text(), good);

        // Stretch then tile: only the last one clicked stays.
        Bck(&d, 2)->click();
        Bck(&d, 3)->click();
        QVERIFY(!Bck(&d, 2)->isChecked() && Bck(&d, 3)->isChecked());
        QCOMPARE(d.Work().Backgrounds[3].Mode, 2);
    }

    void colourRowsAndTheColourDialog()
    {
        ScriptedDialogs dialogs;
        PropertiesDialog d;
        d.Tree()->setCurrentItem(d.ColoursItem(3));
        QVERIFY(!Col(&d, 1)->isEnabled() && !Find<QToolButton>(&d, "PicSelCol0")->isEnabled());
        Col(&d, 0)->click();
        for (int row = 0; row < kColourRows; ++row) // "Texte Totaux" has no colour of its own
            QCOMPARE(Find<QLabel>(&d, QStringLiteral("LblCol%1").arg(row))->isEnabled(), row != 3);

        // The label opens the dialog on the row's colour; Cancel there changes nothing.
        QTest::mouseClick(Find<QLabel>(&d, "LblCol0"), Qt::LeftButton);
        QCOMPARE(dialogs.ColourAsked, QList<qint32>{DefaultColourTable().Colour5});
        QCOMPARE(d.Work().Colours[3].Colour5, DefaultColourTable().Colour5);
        dialogs.Colours = {0x0000FF};
        Find<QToolButton>(&d, "PicSelCol6")->click(); // "Fond des cellules"
        QCOMPARE(d.Work().Colours[3].Colour1, 0x0000FF);
        d.Tree()->setCurrentItem(d.NodeItem(3));
        QCOMPARE(d.Preview()->Grid()->Cell(8).Back, 0x0000FF);

        Press(&d, "CmdCancel"); // nothing applied
        QCOMPARE(d.Result(), 0);
        QVERIFY(Doc().Month(3).Colours.UseDefault && Doc().IsSaved);
    }

    void passwordConfirmationAndTheConfirmedMark()
    {
        ScriptedPrompter prompter;
        {
            PropertiesDialog d;
            QVERIFY(!Box(&d, "TxtSave")->isEnabled());
            Check(&d, "ChkSave1")->click();
            QTest::keyClicks(Box(&d, "TxtSave"), "Cl");
            QTest::sendKeyEvent(QTest::Click, Box(&d, "TxtSave"), Qt::Key_Eacute, u"é"_qs, Qt::NoModifier);
            prompter.Passwords = {u"Cle"_qs};
            d.show();
            Press(&d, "CmdOk");
            QVERIFY(d.isVisible() && Doc().Password.isEmpty()); // mistyped: open with the edits
            QCOMPARE(Box(&d, "TxtSave")->text(), u"Clé"_qs);
            prompter.Passwords = {u"Clé"_qs};
            Press(&d, "CmdOk");
            QVERIFY(!d.isVisible());
        }
        QCOMPARE(Doc().Password, u"Clé"_qs);

        PropertiesDialog d;
        QVERIFY(Check(&d, "ChkSave1")->isChecked());
        Press(&d, "CmdOk");
        QCOMPARE(prompter.PasswordExpected.size(), 2); // not asked again
        // Edited, the password is asked again.
        PropertiesDialog edited;
        QTest::keyClick(Box(&edited, "TxtSave"), Qt::Key_Backspace);
        prompter.Passwords = {u"Cl"_qs};
        Press(&edited, "CmdOk");
        QCOMPARE(prompter.PasswordExpected.size(), 3);
        QCOMPARE(Doc().Password, u"Cl"_qs);
    }

private:
    std::unique_ptr<ShellFixture> f;
};

QTEST_MAIN(TestPropertiesDialog)
#include "tst_propertiesdialog.moc"
