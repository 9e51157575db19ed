// Printing through the real program: the toolbar's Preview shows the example year's months and
// prints them from there; the commands tab's Print writes the selected months into a PDF file
// while the main window shows its progress, and the document stays as it was.

#include "ProgramFixture.h"
#include "printing/PdfText.h"
#include "printing/PrintPreview.h"
#include "settings/Settings.h"
#include "support/Widgets.h"

#include <QLabel>

class TestPrintRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void previewThenPrintTheSelectedMonths()
    {
        QVERIFY(f->Start(f->Example()));
        Settings& settings = Settings::Get();
        settings.PrintMonths.fill(0);
        settings.PrintMonth(6) = settings.PrintMonth(7) = 1;
        MainWindow* main = f->Main();

        // The preview pages through June and July at 50 %, and prints both.
        const QString fromPreview = f->dir.filePath(u"été.pdf"_qs);
        f->dialogs->Files = {fromPreview};
        QStringList months;
        WhenModal<PrintPreview>([&](PrintPreview* w) {
            QTRY_VERIFY(!w->PageImage().isNull());
            months.append(QString::number(w->PageMonth()));
            QTest::mouseClick(w->Button(PreviewNext), Qt::LeftButton);
            months.append(QString::number(w->PageMonth()));
            QTest::mouseClick(w->Button(PreviewPrint), Qt::LeftButton);
            QTest::mouseClick(w->Button(PreviewClose), Qt::LeftButton);
        });
        f->ToolbarClick("Preview");
        QCOMPARE(months, QStringList({u"6"_qs, u"7"_qs}));
        const QList<PdfPage> summer = PdfWords(fromPreview);
        QCOMPARE(summer.size(), 2);
        QVERIFY(PageText(summer[0]).startsWith(u"Juin 2026"));
        QVERIFY(PageText(summer[1]).contains(u"Barbecue voisins"));
        QVERIFY(main->Toolbar()->widgetForAction(main->Toolbar()->Action(u"Preview"_qs))->isEnabled());

        // Print from the commands tab: the file dialog proposes a PDF beside the document.
        main->SetCurrentTab(TabCommands);
        QPushButton* print = main->Commands()->Button(u"CmdCOPrint"_qs);
        QVERIFY(print->isEnabled() && main->Commands()->Button(u"CmdCOPreview"_qs)->isEnabled());
        const QString direct = f->dir.filePath(u"juin-juillet.pdf"_qs);
        f->dialogs->Files = {direct};
        QStringList progress;
        const QMetaObject::Connection watch =
            connect(&Session::Get(), &Session::ProgressLineChanged, this, [&](int line, const QString& text) {
                if (!text.isEmpty()) progress.append(u"%1:%2"_qs.arg(line).arg(text));
            });
        QTest::mouseClick(print, Qt::LeftButton);
        disconnect(watch);
        QCOMPARE(f->dialogs->Saved.last().FileName, u"exemple.pdf"_qs);
        QCOMPARE(progress, QStringList({u"0:Impression du calendrier, veuillez patienter..."_qs,
                                        u"1:Page 01 de 02 ..."_qs, u"1:Page 02 de 02 ..."_qs}));
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(PdfWords(direct).size(), 2);
        QVERIFY(!main->windowTitle().endsWith(u'*')); // printing changes nothing
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestPrintRoad)
#include "tst_printroad.moc"
