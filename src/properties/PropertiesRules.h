#pragma once
// The document properties as the properties dialog edits them: working copies of the header, of
// the display settings of the defaults and of each month, and of the save options, with the
// rules of the dialog's boxes and the texts of its general page. Nothing here touches the
// document; ApplyProperties.h writes the copies back.

#include "document/CalendarDocument.h"
#include "document/Session.h"

#include <QStringList>
#include <array>

// The display nodes: 0 the document defaults ("Défaut"), 1 to 12 the months.
constexpr int kDefaultsNode = 0;
constexpr int kDisplayNodes = 13;

struct PropertiesWork
{
    QString Year; // the selected year; empty when the document's year is not in the list
    QString Author;
    int MonthToOpen = 0; // 0 none, 1..12
    std::array<BackgroundSettings, kDisplayNodes> Backgrounds;
    std::array<ColourSettings, kDisplayNodes> Colours;
    bool EmbedPictures = false;
    bool Protected = false;
    QString Password;               // the password box as typed
    bool PasswordConfirmed = false; // the box still shows the stored password
};

// The years the calendar may take: 2002 to ten years after the current one.
QStringList YearChoices(int currentYear);

// The working copies of a document, with the year selected when it is one of the choices.
PropertiesWork PropertiesOf(const CalendarDocument& doc, const QStringList& years);

// "Mois à ouvrir": the numeric value of the stored text, 0 unless it is a month.
int MonthToOpenIndex(const QString& monthToOpen);

// How many months use the defaults, for the "for all months" box of "Défaut": checked, greyed
// or unchecked.
enum class MonthsOnDefaults
{
    None,
    Some,
    All
};
MonthsOnDefaults BackgroundsOnDefaults(const PropertiesWork& work);
MonthsOnDefaults ColoursOnDefaults(const PropertiesWork& work);

// Box 0 clicked (checked or greyed counts as set). On "Défaut" the choice goes to every month.
void SetBackgroundOnDefaults(PropertiesWork& work, int node, bool set);
void SetColoursOnDefaults(PropertiesWork& work, int node, bool set);

// The settings a node's preview shows: a month on the defaults shows those of "Défaut".
const BackgroundSettings& PreviewBackground(const PropertiesWork& work, int node);
const ColourSettings& PreviewColours(const PropertiesWork& work, int node);

// "&Pas d'image de fond" clicked: unchecked, the picture comes back from the name box; checked,
// the path goes (the box keeps the name). An empty name box changes nothing.
void SetNoPicture(BackgroundSettings& background, bool checked, const QString& nameBox);

// The mode of the stretch and tile boxes once they are exclusive: 1 stretch, 2 tile, 0 neither.
qint32 PictureMode(bool stretch, bool tile);

// Which controls of the background panel are enabled.
struct BackgroundPanelStates
{
    bool PictureBoxes = true; // "Pas d'image" and the name label
    bool ModeBoxes = true;    // stretch and tile
    bool NameBox = true;
    bool Choose = true;
    bool Adjust = true;
};
BackgroundPanelStates BackgroundPanel(int node, bool onDefaults, bool noPicture, bool hasPicture,
                                      bool editorAvailable);

// The ten rows of the colour panel: their label and the colour they edit (0: "Texte Totaux",
// which edits nothing and is never enabled).
struct ColourRow
{
    int Text;
    int Colour;
};
constexpr int kColourRows = 10;
const std::array<ColourRow, kColourRows>& ColourRows();

// The grids box and the rows are disabled while a month uses the default colours.
bool ColourRowEnabled(int row, int node, bool onDefaults);
bool GridsBoxEnabled(int node, bool onDefaults);

// The caption of the "for all months" or "use the defaults" box of a node.
int OnDefaultsCaption(int node);

// A file size in kilobytes of 1000 bytes: " 0.51 KB" below 1000 bytes, "12 346 KB" from there.
QString FileSizeText(qint64 bytes);

// The name and size boxes of the general page: the file's path and size while a named
// document is edited, "[Sans nom]" and "[Non disponible]" otherwise.
struct FileBoxes
{
    QString Name;
    QString Size;
};
FileBoxes FileBoxesOf(const CalendarDocument& doc, MainMode mode);
