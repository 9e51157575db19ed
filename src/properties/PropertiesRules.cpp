#include "properties/PropertiesRules.h"

#include "document/NumberText.h"
#include "resources/Strings.h"

#include <QFileInfo>
#include <cmath>

namespace {

constexpr int kFirstYear = 2002;

template <typename Settings> MonthsOnDefaults OnDefaults(const std::array<Settings, kDisplayNodes>& nodes)
{
    int count = 0;
    for (int m = 1; m <= 12; ++m) count += nodes[size_t(m)].UseDefault ? 1 : 0;
    return count == 0 ? MonthsOnDefaults::None : count == 12 ? MonthsOnDefaults::All : MonthsOnDefaults::Some;
}

template <typename Settings>
void SetOnDefaults(std::array<Settings, kDisplayNodes>& nodes, int node, bool set)
{
    if (node < kDefaultsNode || node >= kDisplayNodes) return;
    nodes[size_t(node)].UseDefault = set;
    if (node != kDefaultsNode) return;
    for (int m = 1; m <= 12; ++m) nodes[size_t(m)].UseDefault = set;
}

template <typename Settings>
const Settings& Preview(const std::array<Settings, kDisplayNodes>& nodes, int node)
{
    const Settings& own = nodes[size_t(qBound(0, node, kDisplayNodes - 1))];
    return node != kDefaultsNode && own.UseDefault ? nodes[kDefaultsNode] : own;
}

// Digits in groups of three, separated by blanks.
QString GroupedDigits(qint64 value)
{
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u' ');
    return digits;
}

} // namespace

QStringList YearChoices(int currentYear)
{
    QStringList years;
    for (int y = kFirstYear; y <= currentYear + 10; ++y) years.append(QString::number(y));
    return years;
}

int MonthToOpenIndex(const QString& monthToOpen)
{
    const qint64 m = RoundHalfEven(ReadNumber(monthToOpen), 0, 13);
    return ValidMonth(int(m)) ? int(m) : 0;
}

PropertiesWork PropertiesOf(const CalendarDocument& doc, const QStringList& years)
{
    PropertiesWork w;
    w.Year = years.contains(doc.Year) ? doc.Year : QString();
    w.Author = doc.Author.trimmed();
    w.MonthToOpen = MonthToOpenIndex(doc.MonthToOpen);
    w.Backgrounds[kDefaultsNode] = doc.DefaultBackground;
    w.Colours[kDefaultsNode] = doc.DefaultColours;
    for (int m = 1; m <= 12; ++m) {
        w.Backgrounds[size_t(m)] = doc.Month(m).Background;
        w.Colours[size_t(m)] = doc.Month(m).Colours;
    }
    w.EmbedPictures = doc.EmbedPictures;
    w.Protected = !doc.Password.isEmpty();
    w.Password = doc.Password;
    w.PasswordConfirmed = w.Protected;
    return w;
}

MonthsOnDefaults BackgroundsOnDefaults(const PropertiesWork& work)
{
    return OnDefaults(work.Backgrounds);
}

MonthsOnDefaults ColoursOnDefaults(const PropertiesWork& work)
{
    return OnDefaults(work.Colours);
}

void SetBackgroundOnDefaults(PropertiesWork& work, int node, bool set)
{
    SetOnDefaults(work.Backgrounds, node, set);
}

void SetColoursOnDefaults(PropertiesWork& work, int node, bool set)
{
    SetOnDefaults(work.Colours, node, set);
}

const BackgroundSettings& PreviewBackground(const PropertiesWork& work, int node)
{
    return Preview(work.Backgrounds, node);
}

const ColourSettings& PreviewColours(const PropertiesWork& work, int node)
{
    return Preview(work.Colours, node);
}

void SetNoPicture(BackgroundSettings& background, bool checked, const QString& nameBox)
{
    if (nameBox.isEmpty()) return;
    background.PicturePath = checked ? QString() : nameBox;
}

qint32 PictureMode(bool stretch, bool tile)
{
    if (stretch && !tile) return 1;
    if (tile && !stretch) return 2;
    return 0;
}

BackgroundPanelStates BackgroundPanel(int node, bool onDefaults, bool noPicture, bool hasPicture,
                                      bool editorAvailable)
{
    BackgroundPanelStates s;
    if (node != kDefaultsNode && onDefaults) return {false, false, false, false, false};
    s.ModeBoxes = s.NameBox = s.Choose = !noPicture;
    s.Adjust = !noPicture && hasPicture && editorAvailable;
    return s;
}

const std::array<ColourRow, kColourRows>& ColourRows()
{
    static const std::array<ColourRow, kColourRows> rows{{
        {530, 5},
        {531, 8},
        {532, 9},
        {533, 0},
        {534, 2},
        {535, 3},
        {536, 1},
        {537, 4},
        {538, 7},
        {539, 6},
    }};
    return rows;
}

bool ColourRowEnabled(int row, int node, bool onDefaults)
{
    if (row < 0 || row >= kColourRows || ColourRows()[size_t(row)].Colour == 0) return false;
    return GridsBoxEnabled(node, onDefaults);
}

bool GridsBoxEnabled(int node, bool onDefaults)
{
    return node == kDefaultsNode || !onDefaults;
}

int OnDefaultsCaption(int node)
{
    return node == kDefaultsNode ? 542 : 522;
}

QString FileSizeText(qint64 bytes)
{
    const double kilobytes = double(bytes) / 1000.0;
    if (bytes < 1000) {
        // " 0.##": at most two decimals, none written when they are zeros.
        QString text = QString::number(kilobytes, 'f', 2);
        while (text.endsWith(u'0') && text.contains(u'.')) text.chop(1);
        if (text.endsWith(u'.')) text.chop(1);
        return u' ' + text + QStringLiteral(" KB");
    }
    return GroupedDigits(std::llround(kilobytes)) + QStringLiteral(" KB");
}

FileBoxes FileBoxesOf(const CalendarDocument& doc, MainMode mode)
{
    if (mode != MainMode::Edit || doc.FilePath.isEmpty()) return {Str(540), Str(541)};
    const QFileInfo file(doc.FilePath);
    return {doc.FilePath, file.isFile() && file.isReadable() ? FileSizeText(file.size()) : Str(541)};
}
