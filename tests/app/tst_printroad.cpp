// Printing through the real program: the toolbar's Preview shows the example year's chosen months
// and prints them from there; the commands tab's Print writes them into a PDF file beside the
// document, which stays as it was.

#include "ProgramFixture.h"
#include "options/OptionsDialog.h"
#include "printing/PdfText.h"
#include "printing/PrintPreview.h"
#include "settings/Settings.h"

class TestPrintRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void previewThenPrintTheSelectedMonths()
    {
        QVERIFY(f->StartOnExample());
        Settings& settings = Settings::Get();
        settings.PrintMonths.fill(0);
        settings.PrintMonth(6) = settings.PrintMonth(7) = 1;
        MainWindow* main = f->Main();

        // The preview opens on June and prints June and July.
        const QString fromPreview = f->dir.filePath(u"été.pdf"_qs);
        f->dialogs->Files = {fromPreview};
        int month = 0;
        WhenModal<PrintPreview>([&](PrintPreview* w) {
            QTRY_VERIFY(!w->PageImage().isNull());
            month = w->PageMonth();
            QTest::mouseClick(w->Button(PreviewPrint), Qt::LeftButton);
            QTest::mouseClick(w->Button(PreviewClose), Qt::LeftButton);
        });
        f->ToolbarClick("Preview");
        QCOMPARE(month, 6);
        const QList<PdfPage> summer = PdfWords(fromPreview);
        QCOMPARE(summer.size(), 2);
        QVERIFY(PageText(summer[0]).startsWith(u"Juin 2026"));
        QVERIFY(PageText(summer[1]).contains(u"Barbecue voisins"));

        // Print from the commands tab: the file dialog proposes a PDF beside the document.
        main->SetCurrentTab(TabCommands);
        const QString direct = f->dir.filePath(u"juin-juillet.pdf"_qs);
        f->dialogs->Files = {direct};
        QTest::mouseClick(main->Commands()->Button(u"CmdCOPrint"_qs), Qt::LeftButton);
        QCOMPARE(f->dialogs->Saved.last().FileName, u"exemple.pdf"_qs);
        QCOMPARE(PdfWords(direct).size(), 2);
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QVERIFY(!main->windowTitle().endsWith(u'*')); // printing changes nothing
    }

    void thePrinterSetUpChoosesPaperOrientationAndFile()
    {
        QVERIFY(f->StartOnExample());
        Settings::Get().PrintMonths.fill(0);
        Settings::Get().PrintMonth(3) = 1;
        // "Configurer l'Imprimante..." in the options: A4 in landscape, into a file.
        const QString chosen = f->dir.filePath(u"paysage.pdf"_qs);
        const QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                                    QPageLayout::Millimeter);
        f->dialogs->Printers = {PrinterChoice{{}, landscape, chosen}};
        WhenModal<OptionsDialog>([](OptionsDialog* d) {
            Press(d, "CmdPrint2");
            Press(d, "CmdOk");
        });
        f->ToolbarClick("Options");

        // The preview shows the page in landscape, and so does the print, into the chosen file
        // without asking for one.
        QSize page;
        WhenModal<PrintPreview>([&](PrintPreview* w) {
            QTRY_VERIFY(!w->PageImage().isNull());
            page = w->PageImage().size();
            QTest::mouseClick(w->Button(PreviewClose), Qt::LeftButton);
        });
        f->ToolbarClick("Preview");
        QVERIFY2(page.width() > page.height(),
                 qPrintable(u"%1 x %2"_qs.arg(page.width()).arg(page.height())));
        f->ToolbarClick("Print");
        QVERIFY(f->dialogs->Saved.isEmpty());
        const QList<QSizeF> printed = PdfPageSizes(chosen);
        QCOMPARE(printed.size(), 1);
        QVERIFY(qAbs(printed[0].width() - 29.7) < 0.1 && qAbs(printed[0].height() - 21.0) < 0.1);
        QVERIFY(PageText(PdfWords(chosen).value(0)).startsWith(u"Mars 2026"));
        // The next set-up starts from that choice.
        WhenModal<OptionsDialog>([](OptionsDialog* d) {
            Press(d, "CmdPrint2");
            Press(d, "CmdCancel");
        });
        f->ToolbarClick("Options");
        QCOMPARE(f->dialogs->PrinterAsked.last().OutputFile, chosen);
        QCOMPARE(f->dialogs->PrinterAsked.last().Layout.orientation(), QPageLayout::Landscape);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestPrintRoad)
#include "tst_printroad.moc"
