#include "dialogkit/PictureChoice.h"
#include "pictures/PictureEditor.h"
#include "pictures/PictureView.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "support/Widgets.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

QImage Picture(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

void Click(QWidget* editor, const char* name)
{
    auto* button = Find<QPushButton>(editor, QLatin1String(name));
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The size boxes, as "width x height".
QString SizeBoxes(QWidget* editor)
{
    return Box(editor, u"TxtWidth"_qs)->text() + u" x "_qs + Box(editor, u"TxtHeight"_qs)->text();
}

// The slider moved as with the keyboard, then its "Appliquer".
void Brighten(QWidget* editor, int amount)
{
    auto* slider = Find<QSlider>(editor, u"SldBright"_qs);
    slider->setFocus();
    for (int i = 0; i < std::abs(amount); ++i)
        QTest::keyClick(slider, amount > 0 ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(slider->value(), amount);
    Click(editor, "CmdBrightApply");
}

} // namespace

// The picture editor as a user works in it: sizes, brightness, reset, open, save, print, and
// what OK and Cancel hand back.
class TestPictureEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("DAYBINDER_CONFIG_HOME", m_dir.filePath(u"config"_qs).toUtf8());
    }

    void cleanup()
    {
        SetPictureChooser({});
        PictureEditor::PrinterInstalled = nullptr;
        PictureEditor::PrintPicture = nullptr;
    }

    void sizeBoxesHoldTheirRangeAndOnlyApplyAPictureThatCanBeMade()
    {
        ScriptedPrompter prompter;
        const QImage original = Picture(64, 48, qRgb(10, 200, 30));
        PictureEditor editor(original, {});
        editor.show();
        QLineEdit* height = Box(&editor, u"TxtHeight"_qs);
        Retype(height, u"40000"_qs);
        QCOMPARE(height->text(), u"32767"_qs);
        QGuiApplication::clipboard()->setText(u"-5"_qs);
        height->selectAll();
        QTest::keySequence(height, QKeySequence::Paste);
        QCOMPARE(height->text(), u"0"_qs);
        QCOMPARE(height->cursorPosition(), 1); // typing goes on after it
        QLineEdit* width = Box(&editor, u"TxtWidth"_qs);
        Retype(width, u"0"_qs);
        Find<QToolButton>(&editor, u"UDWidthDown"_qs)->click();
        QCOMPARE(width->text(), u"0"_qs);

        // No pixels, or too many: told, and the picture stays.
        Click(&editor, "CmdSizeApply");
        Retype(width, u"32767"_qs);
        Retype(height, u"32767"_qs);
        Click(&editor, "CmdSizeApply");
        QCOMPARE(prompter.Asked.size(), 2);
        QVERIFY(prompter.Asked[1].Text.contains(u"32767 x 32767"_qs));
        QCOMPARE(editor.Current().size(), QSize(64, 48));

        Brighten(&editor, 10);
        Click(&editor, "CmdSizeFit");
        QCOMPARE(SizeBoxes(&editor), u"673 x 481"_qs);
        QCOMPARE(editor.Current().size(), QSize(64, 48)); // proposed, not yet applied
        Click(&editor, "CmdSizeApply");
        QCOMPARE(editor.Current().size(), QSize(673, 481));
        QCOMPARE(editor.Current().pixel(672, 0), qRgb(20, 210, 40));

        Click(&editor, "CmdReset"); // back to the picture it was opened with
        QCOMPARE(editor.Current(), original);
        QCOMPARE(SizeBoxes(&editor), u"64 x 48"_qs);
    }

    void aLargePictureScrollsAndShowsItsProgressWhileWorkedOn()
    {
        PictureEditor editor(Picture(2000, 1500, qRgb(100, 100, 100)), {});
        editor.resize(800, 600);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        PictureView* view = editor.View();
        QScrollBar* v = Find<QScrollBar>(&editor, u"VScroll1"_qs);
        QScrollBar* h = Find<QScrollBar>(&editor, u"HScroll1"_qs);
        QCOMPARE(view->Surface()->pos(), QPoint(0, 0));
        v->setValue(v->maximum());
        h->setValue(h->maximum());
        // The bottom-right corner is in view, with the margin below it.
        QCOMPARE(view->Surface()->y() + 1500, view->Zone()->height() - 6);
        QCOMPARE(view->Surface()->x() + 2000, view->Zone()->width() - 6);

        auto* progress = editor.findChild<QWidget*>(u"PrgWork"_qs);
        QPushButton* ok = Find<QPushButton>(&editor, u"CmdOk"_qs);
        bool shown = false, okDisabled = false;
        QTimer watch; // looks at the window between the steps of the work
        connect(&watch, &QTimer::timeout, &editor, [&] {
            shown |= progress->isVisible();
            okDisabled |= !ok->isEnabled();
        });
        watch.start(0);
        Brighten(&editor, 20);
        watch.stop();
        QVERIFY(shown && okDisabled);
        QVERIFY(!progress->isVisible() && ok->isEnabled());
        QCOMPARE(editor.Current().pixel(1999, 1499), qRgb(120, 120, 120));

        Retype(Box(&editor, u"TxtWidth"_qs), u"100"_qs);
        Retype(Box(&editor, u"TxtHeight"_qs), u"100"_qs);
        Click(&editor, "CmdSizeApply");
        QVERIFY(!v->isEnabled() && !h->isEnabled());
        QCOMPARE(view->Surface()->pos(), QPoint(0, 0));
    }

    void okHandsBackTheEditedPictureCancelTheOriginal()
    {
        const QImage original = Picture(64, 48, qRgb(250, 10, 0));
        // Cancel, and the close box that is a Cancel, after edits.
        for (bool closeBox : {false, true}) {
            WhenModal<PictureEditor>([closeBox](PictureEditor* editor) {
                Brighten(editor, 25);
                Click(editor, "CmdSizeFit");
                Click(editor, "CmdSizeApply");
                closeBox ? void(editor->close()) : Click(editor, "CmdCancel");
            });
            const EditedPicture cancelled = EditPicture(original, u"a.bmp"_qs);
            QCOMPARE(cancelled.Result, 0);
            QCOMPARE(cancelled.Picture, original);
            QCOMPARE(cancelled.Path, u"a.bmp"_qs);
        }

        WhenModal<PictureEditor>([](PictureEditor* editor) {
            Brighten(editor, 30);
            QCOMPARE(editor->Current().pixel(63, 47), qRgb(255, 40, 30));
            Brighten(editor, -60); // from the brightened picture, the slider back at 0
            Click(editor, "CmdOk");
        });
        const EditedPicture confirmed = EditPicture(original, u"a.bmp"_qs);
        QCOMPARE(confirmed.Result, 1);
        QCOMPARE(confirmed.Picture.pixel(0, 0), qRgb(195, 0, 0));
    }

    void openingAnotherFileReplacesThePictureAndItsPath()
    {
        ScriptedPrompter prompter;
        const QString text = m_dir.filePath(u"notes.bmp"_qs);
        QVERIFY(SaveBytes(text, "pas une image"));
        const QString photo = m_dir.filePath(u"forêt.jpg"_qs);
        QVERIFY(Picture(90, 70, qRgb(0, 120, 0)).save(photo, "JPEG"));
        QStringList answers{text, photo};
        SetPictureChooser([&](const QString&) { return PictureChoice{1, answers.takeFirst()}; });

        WhenModal<PictureEditor>([&](PictureEditor* editor) {
            Click(editor, "CmdOpen");
            QCOMPARE(prompter.Asked.size(), 1);
            QCOMPARE(prompter.Asked[0].Text, Str(10049));      // not a picture
            QCOMPARE(editor->Current().size(), QSize(20, 10)); // the current picture stays
            Click(editor, "CmdOpen");
            QCOMPARE(editor->Current().size(), QSize(90, 70));
            QCOMPARE(SizeBoxes(editor), u"90 x 70"_qs);
            Brighten(editor, 5);
            Click(editor, "CmdReset"); // back to the file just opened
            QCOMPARE(qGreen(editor->Current().pixel(45, 35)), qGreen(QImage(photo).pixel(45, 35)));
            Click(editor, "CmdOk");
        });
        const EditedPicture edited = EditPicture(Picture(20, 10, 0), u"ancienne.bmp"_qs);
        QCOMPARE(edited.Result, 1);
        QCOMPARE(edited.Path, photo);
        QCOMPARE(edited.Picture.size(), QSize(90, 70));
    }

    void saveAsWritesABitmapAndRemembersItsFolder()
    {
        ScriptedDialogs dialogs;
        const QString folder = m_dir.filePath(u"enregistrées"_qs);
        QVERIFY(QDir().mkpath(folder));
        Settings::Get().ImgSave = m_dir.path() + u'/';
        PictureEditor editor(Picture(100, 60, qRgb(1, 2, 3)), {});
        editor.show();
        Click(&editor, "CmdSizeFit");
        Click(&editor, "CmdSizeApply");
        dialogs.Files = {folder + u"/calendrier.bmp"_qs, std::nullopt};
        Click(&editor, "CmdSaveAs");
        const FileDialogRequest& asked = dialogs.Saved.first();
        QCOMPARE(asked.DefaultExtension, u"bmp"_qs);
        QCOMPARE(asked.InitialFolder, m_dir.path() + u'/');
        QVERIFY(asked.OverwritePrompt);
        QCOMPARE(QImage(folder + u"/calendrier.bmp"_qs).size(), QSize(673, 481));
        QVERIFY(QDir::cleanPath(Settings::Get().ImgSave) == QDir::cleanPath(folder));

        Click(&editor, "CmdSaveAs"); // cancelled: nothing more
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);

        // A folder marked "*" is fixed: it stays whatever folder the picture goes to.
        Settings::Get().ImgSave = u'*' + m_dir.path() + u'/';
        dialogs.Files = {m_dir.filePath(u"ailleurs.bmp"_qs)};
        Click(&editor, "CmdSaveAs");
        QCOMPARE(dialogs.Saved.last().InitialFolder, m_dir.path() + u'/');
        QCOMPARE(Settings::Get().ImgSave, u'*' + m_dir.path() + u'/');
        QVERIFY(QFile::exists(m_dir.filePath(u"ailleurs.bmp"_qs)));
    }

    void printHandsThePictureToThePreview()
    {
        QList<BackgroundSettings> requests;
        bool printer = false;
        PictureEditor::PrinterInstalled = [&] { return printer; };
        PictureEditor::PrintPicture = [&](const BackgroundSettings& r) { requests.append(r); };
        {
            PictureEditor editor(Picture(10, 10, 0), u"x.bmp"_qs);
            QVERIFY(!Find<QPushButton>(&editor, u"CmdPrint"_qs)->isEnabled()); // no printer
        }
        printer = true;
        PictureEditor editor(Picture(40, 30, 0), u"/images/mer.bmp"_qs);
        editor.show();
        Brighten(&editor, 30);
        Click(&editor, "CmdPrint"); // enabled again after the work
        QCOMPARE(requests[0].PicturePath, u"/images/mer.bmp"_qs);

        PictureEditor unnamed(Picture(4, 4, 0), {});
        Click(&unnamed, "CmdPrint");
        QVERIFY(!requests[1].PicturePath.isEmpty()); // still a picture, never the calendar
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPictureEditor)
#include "tst_pictureeditor.moc"
