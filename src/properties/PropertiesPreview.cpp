#include "properties/PropertiesPreview.h"

#include "dialogkit/MonthGrid.h"
#include "document/MonthCaptions.h"
#include "resources/Strings.h"

using namespace MonthLayout;

namespace {

// Two rows of four cells, under their headings, in twips.
constexpr int kColumns = 4;
constexpr int kRows = 2;
constexpr int kSampleWidth = kColumnStep * kColumns + 15;
constexpr int kSampleHeight = kCalendarTop + kRowStep * kRows + 15;

// Sample lines by cell: 516 an event (Colour5), 517 an income (Colour8), 518 an expense (Colour9).
struct SampleLine
{
    int Cell;
    int Text;
    int Colour;
};
constexpr SampleLine kLines[] = {
    {7, 516, 5}, {7, 517, 8}, {7, 518, 9}, {9, 516, 5}, {14, 517, 8}, {14, 518, 9}, {17, 516, 5},
};

bool InSample(int cell)
{
    return (cell - kFirstCell) % 7 < kColumns && (cell - kFirstCell) / 7 < kRows;
}

} // namespace

PropertiesPreview::PropertiesPreview(QWidget* parent) : QWidget(parent), m_grid(new MonthGrid(this))
{
    setObjectName(QStringLiteral("PicCalPrev"));
    m_grid->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_grid->setFocusPolicy(Qt::NoFocus); // a sample: nothing to choose
    m_grid->setGeometry(QRect(QPoint(0, 0), m_grid->sizeHint()));
    for (int k = 0; k < 7; ++k) m_grid->Headings[size_t(k)] = Str(WeekdayHeadingText(k));
    setFixedSize(sizeHint());
}

QSize PropertiesPreview::sizeHint() const
{
    return QSize(TwipsToPixels(kSampleWidth, logicalDpiX()), TwipsToPixels(kSampleHeight, logicalDpiY()));
}

void PropertiesPreview::ShowSample(const BackgroundSettings& background, const ColourSettings& colours)
{
    const bool picture = !background.PicturePath.isEmpty() && !background.Picture.isNull();
    m_grid->HeadingBack = colours.Colour6;
    m_grid->HeadingText = colours.Colour7;
    m_grid->ShowGrids = colours.ShowGrids;
    int day = 0;
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
        GridCell& c = m_grid->Cell(cell);
        c = GridCell();
        if (!InSample(cell)) continue;
        c.Day = QStringLiteral("%1").arg(++day, 2, 10, QLatin1Char('0'));
        c.Opaque = cell == kChosenCell || !picture;
        c.Back = cell == kChosenCell ? colours.Colour4 : colours.Colour1;
        c.DayColour = cell == kTodayCell ? colours.Colour3 : colours.Colour2;
    }
    for (const SampleLine& l : kLines) {
        for (CellLine& line : m_grid->Cell(l.Cell).Lines) {
            if (!line.Text.isEmpty()) continue;
            line = {Str(l.Text), colours.Colour(l.Colour)};
            break;
        }
    }
    // The marks go on the last line, in the colour of the day's number.
    m_grid->Cell(kChosenCell).Lines.back() = {Str(519), colours.Colour2};
    m_grid->Cell(kTodayCell).Lines.back() = {Str(520), colours.Colour3};

    // The picture covers the sample as it would the calendar area.
    m_grid->Picture = QImage();
    if (picture)
        m_grid->Picture = CalendarAreaPicture(
            background.Picture, background.Mode,
            QRect(0, 0, kSampleWidth / kTwipsPerPixel, (kSampleHeight - kCalendarTop) / kTwipsPerPixel),
            devicePixelRatioF());
    m_grid->update();
}
