// The month windows with real widgets: the days in their cells, the selected day, colours and
// pictures, clicks and the context menu, closing that only hides, and how they are arranged.

#include "ShellFixture.h"
#include "document/ColourValue.h"
#include "document/DateText.h"
#include "platform/Clock.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"
#include "views/MainToolbar.h"
#include "views/Tabs.h"
#include "views/WindowArrangement.h"

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

// A point inside the label and clear of the neighbour that overlaps its edge.
QPoint PointOf(MonthWindow* w, int cell, int line = -1)
{
    const QRect r =
        w->Grid()->ToPixels(line < 0 ? MonthLayout::DayLabel(cell) : MonthLayout::LineLabel(cell, line));
    return QPoint(r.left() + r.width() / 2, line < 0 ? r.bottom() - 3 : r.center().y());
}

} // namespace

class TestMonthWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2022, 1, 15), QTime(9, 0)));
        Clock::Install(clock.get());
        MonthWindow::MenusBlock = false;
        f = std::make_unique<ShellFixture>();
    }

    void cleanup()
    {
        f.reset();
        Clock::Install(nullptr);
    }

    void daysFallInTheirCells()
    {
        f->NewDocument(2022); // January 2022 begins on a Saturday, May 2022 on a Sunday
        const MonthGrid* jan = f->main->MonthWindowFor(1)->Grid();
        QCOMPARE(jan->Cell(13).Day, u"01"_qs);
        QCOMPARE(jan->Cell(43).Day, u"31"_qs);
        QCOMPARE(jan->Cell(12).Day, QString());
        QCOMPARE(jan->Cell(44).Day, QString());
        QCOMPARE(f->main->MonthWindowFor(5)->Grid()->Cell(7).Day, u"01"_qs);
        QCOMPARE(f->main->MonthWindowFor(2)->DayOfCell(ShellFixture::CellOf(28, 2) + 1),
                 0); // no 29th in 2022
        QCOMPARE(f->main->MonthWindowFor(1)->windowTitle(), Str(210) + u" 2022"_qs);
        QCOMPARE(jan->Headings[0], Str(407)); // the week starts on Sunday
        f->NewDocument(2024);
        QCOMPARE(f->main->MonthWindowFor(2)->DayOfCell(ShellFixture::CellOf(29, 2)), 29); // leap year
    }

    void selectingADayMarksItsCellOrClearsTheSelection()
    {
        f->main->show();
        f->NewDocument(2022);
        const ColourSettings colours = DefaultColourTable();
        MonthWindow* jan = f->main->MonthWindowFor(1);
        f->main->SelectDay(1, 20); // 8 January
        const Selection& sel = Session::Get().Selected;
        QCOMPARE(sel.Month, qint16(1));
        QCOMPARE(sel.Cell, qint16(20));
        QCOMPARE(sel.Date, MakeDate(8, 1, 2022));
        QCOMPARE(jan->Grid()->Cell(20).Back, colours.Colour4);
        QVERIFY(f->main->Events()->SelectedDateBox()->text().startsWith(u"08 "_qs));
        QVERIFY(f->main->Events()->SelectedDateBox()->text().endsWith(u" 2022"_qs));

        // Choosing a day of another month gives the first its colour back.
        f->main->SelectDay(3, ShellFixture::CellOf(1, 3));
        QCOMPARE(jan->Grid()->Cell(20).Back, colours.Colour1);
        QCOMPARE(f->main->MonthWindowFor(3)->Grid()->Cell(ShellFixture::CellOf(1, 3)).Back, colours.Colour4);

        // A cell without a day, a month or a cell that does not exist: no day is selected.
        for (const auto& [month, cell] : {std::pair{1, 12}, {13, 20}, {1, 49}}) {
            f->main->SelectDay(1, 20);
            f->main->SelectDay(month, cell);
            QCOMPARE(sel.Month, qint16(0));
            QCOMPARE(sel.Cell, qint16(0));
            QCOMPARE(sel.Date, DateRec());
            QVERIFY(f->main->Events()->SelectedDateBox()->text().isEmpty());
            QCOMPARE(jan->Grid()->Cell(20).Back, colours.Colour1);
        }

        // A click selects a day only while editing, on the day or on one of its lines.
        f->main->ShowMonth(1);
        QVERIFY(QTest::qWaitForWindowExposed(f->main.get()));

        Session::Get().SetMode(MainMode::Load);
        QTest::mouseClick(jan->Grid(), Qt::LeftButton, {}, PointOf(jan, 30));
        QCOMPARE(Session::Get().Selected.Cell, qint16(0));

        Session::Get().SetMode(MainMode::Edit);
        QTest::mouseClick(jan->Grid(), Qt::LeftButton, {}, PointOf(jan, 30));
        QCOMPARE(Session::Get().Selected.Cell, qint16(30));
        QCOMPARE(Session::Get().Selected.Date, MakeDate(18, 1, 2022));
        QTest::mouseClick(jan->Grid(), Qt::LeftButton, {}, PointOf(jan, 30, 3)); // on a line label
        QCOMPARE(Session::Get().Selected.Cell, qint16(30));
        QTest::keyClick(jan->Grid(), Qt::Key_F1);
        QCOMPARE(LastHelpTopic(), u"Html\\d_month.htm"_qs);
    }

    void todayBackgroundAndGridLinesChangeTheCells()
    {
        f->NewDocument(2022); // the clock says 15 January 2022
        const ColourSettings colours = DefaultColourTable();
        MonthWindow* window = f->main->MonthWindowFor(1);
        const MonthGrid* jan = window->Grid();
        const int today = ShellFixture::CellOf(15, 1);
        QCOMPARE(jan->Cell(today).DayColour, colours.Colour3);
        QCOMPARE(jan->Cell(today + 1).DayColour, colours.Colour2);
        QCOMPARE(f->main->MonthWindowFor(2)->Grid()->Cell(ShellFixture::CellOf(15, 2)).DayColour,
                 colours.Colour2);
        for (int cell = kFirstCell; cell <= kLastCell; ++cell) QVERIFY(jan->Cell(cell).Opaque);

        // With a background picture the cells let it through, except the selected one.
        CalendarDocument& doc = Session::Get().CurrentDocument;
        QImage tile(100, 100, QImage::Format_RGB32);
        tile.fill(Qt::red);
        tile.setPixelColor(0, 0, Qt::blue);
        doc.DefaultBackground.PicturePath = u"/pictures/tile.bmp"_qs;
        doc.DefaultBackground.Picture = tile;
        doc.DefaultBackground.Mode = 2; // tiled
        f->main->SelectDay(1, 20);
        window->ApplyMonthColours();
        QVERIFY(!jan->Cell(21).Opaque);
        QVERIFY(jan->Cell(20).Opaque);
        QCOMPARE(jan->Cell(20).Back, colours.Colour4);
        window->DrawMonthBackground();
        QCOMPARE(jan->Picture.size(), QSize(673, 481));
        QCOMPARE(jan->Picture.pixelColor(200, 300),
                 QColor(Qt::blue)); // the corner of the third column, fourth row
        QCOMPARE(jan->Picture.pixelColor(250, 350), QColor(Qt::red));
        doc.DefaultBackground.Mode = 1; // stretched
        window->DrawMonthBackground();
        QCOMPARE(jan->Picture.pixelColor(200, 300), QColor(Qt::red));
        doc.DefaultBackground.Mode = 0; // neither: once, at its natural size, as it prints
        window->DrawMonthBackground();
        QCOMPARE(jan->Picture.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(jan->Picture.pixelColor(99, 99), QColor(Qt::red));
        QCOMPARE(jan->Picture.pixelColor(100, 100).alpha(), 0);
        QCOMPARE(jan->Picture.pixelColor(200, 300).alpha(), 0);

        // Without grid lines the headings drop their borders; the heading colours follow the month.
        doc.Month(1).Colours.UseDefault = false;
        doc.Month(1).Colours.ShowGrids = false;
        doc.Month(1).Colours.Colour6 = 0x00FF00;
        window->ApplyMonthColours();
        QVERIFY(!jan->ShowGrids);
        QCOMPARE(jan->HeadingBack, 0x00FF00);
    }

    void menuItemsFollowTheClickedLine()
    {
        f->NewDocument(2022);
        Session& s = Session::Get();
        DayCell& day = s.CurrentDocument.Month(1).Cell(20);
        day.Entries.append(Event(u"Anniversaire"_qs));
        day.Entries.append(Event(u"Photo"_qs));
        day.Entries[1].PicturePath = u"/pictures/photo.jpg"_qs;
        MonthWindow* jan = f->main->MonthWindowFor(1);
        auto on = [jan](int item) { return jan->MenuAction(item)->isEnabled(); };
        auto open = [jan](int cell, int line) {
            jan->Menu()->hide(); // the last one closes first
            jan->ShowCellMenu(cell, line, QPoint());
        };

        open(20, 0);
        QVERIFY(on(MenuCut) && on(MenuCopy) && on(MenuEdit) && on(MenuDelete) && on(MenuAdd));
        QVERIFY(!on(MenuPaste) && !on(MenuShowPicture));
        QCOMPARE(jan->Grid()->BorderedCell(), 20);
        jan->Menu()->hide();
        QCOMPARE(jan->Grid()->BorderedCell(), 0);
        open(20, 1);
        QVERIFY(on(MenuShowPicture));
        open(20, 4); // below the last entry: as on the day itself
        QCOMPARE(s.CellMenu.Line, qint16(-1));
        QVERIFY(!on(MenuCut) && !on(MenuEdit) && on(MenuAdd));
        s.Clipboard.Mode = 1;
        open(12, -1); // a cell without a day
        QVERIFY(!on(MenuAdd) && !on(MenuPaste));
        open(21, -1);
        QVERIFY(on(MenuPaste));
        jan->Menu()->hide();
    }

    void addFromTheMenuOpensTheEditorOnTheClickedDay()
    {
        f->NewDocument(2022);
        MonthWindow* jan = f->main->MonthWindowFor(1);
        QSignalSpy buttons(f->main->Events(), &ListTab::ButtonClicked);
        jan->ShowCellMenu(27, -1, QPoint());
        jan->MenuAction(MenuAdd)->trigger(); // the events tab's add command, on that day
        QCOMPARE(f->main->CurrentTab(), int(TabEvents));
        QCOMPARE(Session::Get().Selected.Cell, qint16(27));
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0][0].toString(), u"Add"_qs);
        jan->Menu()->hide();
    }
    void closingOnlyHidesAndReleasesTheButton()
    {
        f->main->show();
        f->NewDocument(2022);
        f->main->ShowMonth(4);
        MonthWindow* april = f->main->ExistingMonthWindow(4);
        QAction* button = f->main->Toolbar()->Action(u"m04"_qs);
        QVERIFY(april->isVisible() && button->isChecked());

        QVERIFY(!april->close());
        QVERIFY(!april->isVisible());
        QVERIFY(!button->isChecked());
        QCOMPARE(f->main->ExistingMonthWindow(4), april); // kept, with its content
        QCOMPARE(april->Grid()->Cell(ShellFixture::CellOf(1, 4)).Day, u"01"_qs);

        button->trigger();
        QVERIFY(april->isVisible() && button->isChecked());
        QCOMPARE(f->main->MdiArea()->activeSubWindow(), april);
    }

    void tilesCoverTheAreaWithoutOverlap()
    {
        const QRect area(0, 0, 1000, 700);
        for (int count : {1, 2, 5, 12}) {
            for (bool horizontal : {true, false}) {
                const QList<QRect> rects = TileRects(count, area, horizontal);
                QCOMPARE(rects.size(), count);
                qint64 covered = 0;
                for (int i = 0; i < count; ++i) {
                    QVERIFY(area.contains(rects[i]));
                    covered += qint64(rects[i].width()) * rects[i].height();
                    for (int j = i + 1; j < count; ++j) QVERIFY(!rects[i].intersects(rects[j]));
                }
                QCOMPARE(covered, qint64(area.width()) * area.height());
            }
        }
        // Two windows: horizontal tiling stacks them, vertical tiling sets them side by side.
        QCOMPARE(TileRects(2, area, true)[1].top(), 350);
        QCOMPARE(TileRects(2, area, false)[1].left(), 500);
        QVERIFY(TileRects(0, area, true).isEmpty());
    }

    void iconsLineUpAlongTheBottom()
    {
        const QList<QPoint> places = IconPositions(5, QRect(0, 0, 400, 300), QSize(160, 30));
        QCOMPARE(places[0], QPoint(0, 270));
        QCOMPARE(places[1], QPoint(160, 270));
        QCOMPARE(places[2], QPoint(0, 240)); // the row is full: the next one goes above
    }

    void selectedDateReadsDayMonthYearInFrenchWhateverTheLocale()
    {
        for (const QLocale& locale : {QLocale(QLocale::French, QLocale::France), QLocale::c(),
                                      QLocale(QLocale::English, QLocale::UnitedStates)}) {
            QLocale::setDefault(locale);
            QCOMPARE(ShortDateText(MakeDate(5, 3, 2004)), u"05 mars 2004"_qs);
            QCOMPARE(ShortDateText(MakeDate(31, 12, 2026)), u"31 déc. 2026"_qs);
            QCOMPARE(LongDateText(MakeDate(17, 2, 2026)), u"17 février 2026"_qs);
        }
    }

private:
    std::unique_ptr<ShellFixture> f;
    std::unique_ptr<FixedClock> clock;
};

QTEST_MAIN(TestMonthWindow)
#include "tst_monthwindow.moc"
