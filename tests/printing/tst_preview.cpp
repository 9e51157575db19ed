#include "PdfText.h"
#include "entries/EntryFixtures.h"
#include "options/OptionsDialog.h"
#include "printing/PrintJob.h"
#include "printing/PrintPreview.h"
#include "settings/Settings.h"
#include "support/ScriptedDialogs.h"
#include "support/WhenModal.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void PrintMonths(std::initializer_list<int> months)
{
    Settings& s = Settings::Get();
    s.PrintMonths.fill(0);
    for (int m : months) s.PrintMonth(m) = 1;
}

QString Status(const PrintPreview& w, int panel)
{
    return Find<QLabel>(&w, u"SBPrintPanel%1"_qs.arg(panel))->text();
}

int PageWidthAt(float zoom)
{
    return qRound(21 * 567 / 15.0 * zoom); // A4 at 37.8 pixels a centimetre
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qputenv("DAYBINDER_CONFIG_HOME", m_dir.filePath(u"config"_qs).toUtf8());
        OpenTestDocument(2026);
        EntriesOn(14, 3).append(Event(u"Dentiste"_qs));
        Settings::Get() = Settings();
        ResetPrintRequest();
        PrintPreview::ShowOptions = &ShowOptionsDialog;
    }

    void pagesAndZoomFollowTheButtons()
    {
        PrintMonths({3, 5});
        PrintPreview w;
        w.show();
        QTRY_VERIFY(!w.PageImage().isNull());
        QVERIFY(!Find(&w, u"ChkMenu"_qs)->isVisible()); // only for a picture
        QCOMPARE(w.PageCount(), 2);
        QCOMPARE(w.PageMonth(), 3);
        QVERIFY(!w.Button(PreviewPrevious)->isEnabled() && w.Button(PreviewNext)->isEnabled());
        QCOMPARE(Status(w, 1), u"Page # 1"_qs);
        QCOMPARE(Status(w, 2), u"50%"_qs);
        QCOMPARE(w.PageFrame()->width(), PageWidthAt(0.5f));

        QTest::mouseClick(w.Button(PreviewNext), Qt::LeftButton);
        QCOMPARE(w.PageMonth(), 5);
        QVERIFY(w.Button(PreviewPrevious)->isEnabled() && !w.Button(PreviewNext)->isEnabled());
        QCOMPARE(Status(w, 1), u"Page # 2"_qs);

        for (const char* zoom : {"75%", "100%", "125%", "150%", "175%", "200%"}) {
            QVERIFY(w.Button(PreviewZoomIn)->isEnabled());
            QTest::mouseClick(w.Button(PreviewZoomIn), Qt::LeftButton);
            QCOMPARE(Status(w, 2), QString::fromLatin1(zoom));
        }
        QVERIFY(!w.Button(PreviewZoomIn)->isEnabled());
        QCOMPARE(w.PageFrame()->width(), PageWidthAt(2));
        while (w.Button(PreviewZoomOut)->isEnabled())
            QTest::mouseClick(w.Button(PreviewZoomOut), Qt::LeftButton);
        QCOMPARE(Status(w, 2), u"25%"_qs);
        QCOMPARE(w.PageFrame()->width(), PageWidthAt(0.25f));
        QCOMPARE(w.PageMonth(), 5);
    }

    void aSmallPageIsCentredALargeOneStartsAtItsCorner()
    {
        PrintPreview w;
        w.resize(800, 600);
        w.show();
        QTRY_VERIFY(!w.PageImage().isNull());
        QTest::mouseClick(w.Button(PreviewZoomOut), Qt::LeftButton); // 25 %: the page fits
        QWidget* view = w.ViewZone();
        QVERIFY(!Find(&w, u"PicVS"_qs)->isVisible());
        const QPoint offset = w.PageFrame()->geometry().center() - view->rect().center();
        QVERIFY(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1);

        for (int i = 0; i < 7; ++i) QTest::mouseClick(w.Button(PreviewZoomIn), Qt::LeftButton); // 200 %
        QVERIFY(Find(&w, u"PicVS"_qs)->isVisible() && Find(&w, u"PicHS"_qs)->isVisible());
        QCOMPARE(w.PageFrame()->pos(), QPoint(8, 8)); // 120 twips inside the view
        auto* bar = Find<QScrollBar>(&w, u"VSPage"_qs);
        bar->setValue(bar->maximum()); // the bottom of the page, 120 twips above the bar
        QCOMPARE(w.PageFrame()->geometry().bottom() + 1, view->height() - 16 - 8);
    }

    void confirmedOptionsStartAgainFromTheNewMonths()
    {
        PrintMonths({1, 2, 3});
        PrintPreview w;
        w.show();
        QTRY_VERIFY(!w.PageImage().isNull());
        QTest::mouseClick(w.Button(PreviewNext), Qt::LeftButton);
        QTest::mouseClick(w.Button(PreviewZoomIn), Qt::LeftButton);

        int shown = -1;
        WhenModal<OptionsDialog>([&](OptionsDialog* d) {
            shown = d->Pages()->currentIndex();
            Check(d, u"ChkMonth6"_qs)->click();
            Press(d, u"CmdCancel"_qs);
        });
        QTest::mouseClick(w.Button(PreviewOptions), Qt::LeftButton); // cancelled: nothing moves
        QCOMPARE(shown, 3); // the options open on their printing page
        QCOMPARE(w.PageCount(), 3);
        QCOMPARE(w.PageMonth(), 2);
        QCOMPARE(w.Zoom(), 0.75f);

        WhenModal<OptionsDialog>([](OptionsDialog* d) {
            Press(d, u"CmdPrint1"_qs); // no month, then July alone
            Check(d, u"ChkMonth6"_qs)->click();
            Press(d, u"CmdOk"_qs);
        });
        QTest::mouseClick(w.Button(PreviewOptions), Qt::LeftButton);
        QCOMPARE(w.PageCount(), 1);
        QCOMPARE(w.PageMonth(), 7);
        QCOMPARE(w.Zoom(), 0.5f);
        QCOMPARE(Status(w, 1), u"Page # 1"_qs);
        QTRY_COMPARE(w.PageFrame()->width(), PageWidthAt(0.5f));
    }

    void printingFromThePreviewPrintsEveryCopy()
    {
        PrintMonths({3, 5});
        Settings::Get().Copies = 2;
        ScriptedDialogs dialogs;
        const QString pdf = m_dir.filePath(u"copies.pdf"_qs);
        dialogs.Files = {pdf};
        PrintPreview w;
        w.show();
        QTRY_VERIFY(!w.PageImage().isNull());
        QTest::mouseClick(w.Button(PreviewPrint), Qt::LeftButton);
        QVERIFY(dialogs.Saved[0].OverwritePrompt);
        QCOMPARE(PdfWords(pdf).size(), 4);
        QVERIFY(w.PageFrame()->isVisible());
        QVERIFY(!Find(&w, u"PicPrinting"_qs)->isVisible());
    }

    void aPictureIsPreviewedOnceOrStretchedAndTheRequestEmptiedAfterwards()
    {
        QStringList calls;
        PrintPreview::BeforeOpening = [&] { calls.append(u"before"_qs); };
        PrintPreview::AfterClosing = [&] { calls.append(u"after"_qs); };
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(QColor(0, 150, 0));
        QColor once, stretched;
        WhenModal<PrintPreview>([&](PrintPreview* w) {
            QTRY_VERIFY(!w->PageImage().isNull());
            QCOMPARE(w->PageCount(), 1);
            const QPoint farCorner(w->PageImage().width() - 20, w->PageImage().height() - 20);
            once = w->PageImage().pixelColor(farCorner);
            QTest::mouseClick(Check(w, u"ChkMenu"_qs), Qt::LeftButton);
            stretched = w->PageImage().pixelColor(farCorner);
            QTest::mouseClick(w->Button(PreviewClose), Qt::LeftButton);
        });
        OpenPreview({0, u"photo.bmp"_qs, picture});
        QCOMPARE(once, QColor(Qt::white)); // 1.06 cm in: past the picture
        QCOMPARE(stretched, QColor(0, 150, 0));
        QCOMPARE(calls, QStringList({u"before"_qs, u"after"_qs}));
        // Emptied: the next preview is the calendar's.
        QVERIFY(PrintRequest().Picture.isNull() && PrintRequest().Mode == 0);
        PrintPreview::BeforeOpening = nullptr;
        PrintPreview::AfterClosing = nullptr;
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
