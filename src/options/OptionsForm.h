#pragma once
// The options dialog's values apart from its widgets: what its four pages show on opening and
// what OK writes back, page by page (general, alarms, folders, printing), then the page to open
// next time. Cancel writes nothing, so nothing here runs for it.

#include <QString>
#include <array>

// The folders page's boxes: 0 CAL open, 1 picture open, 2 CAL save, 3 picture save.
enum FolderBox : int
{
    FolderCalOpen = 0,
    FolderImgOpen = 1,
    FolderCalSave = 2,
    FolderImgSave = 3
};
constexpr int kFolderBoxes = 4;
constexpr int kOptionsPages = 4; // general, alarms, folders, printing

// One folder as the page shows it: "use the folder of the last file" checked, and the folder.
struct FolderChoice
{
    bool UseLast = true;
    QString Folder;
    friend bool operator==(const FolderChoice&, const FolderChoice&) = default;
};

// A stored folder with "*" in front is fixed: the box unchecked and the folder without the "*".
FolderChoice FolderShown(const QString& stored);
// What OK stores: unchecked, "*" + the folder typed (the shown one when the box was emptied);
// checked, the stored folder without its "*", which the next open or save replaces.
QString FolderToStore(const FolderChoice& shown, const QString& stored);

struct OptionsValues
{
    // General
    bool Associate = false;
    bool ShowSplash = true;
    bool ShowSel = true;
    bool SyncAuto = false;
    // Alarms
    bool OffDefault = true;
    bool CheckAlarms = true;
    QString Minutes = QStringLiteral("15");
    std::array<QString, 10> Sounds; // the working copy of the sound table
    // Folders
    std::array<FolderChoice, kFolderBoxes> Folders;
    // Printing
    bool PrintBackground = true;
    QString Copies = QStringLiteral("1");
    std::array<bool, 12> PrintMonths{};

    int Page = 0; // the page shown
};

// The values on opening: the settings in memory and in the store, and whether we open ".cal"
// files (associated).
OptionsValues LoadOptions(bool associated);

// OK. The association is changed through the installed FileAssociation. False when the settings
// file could not be written.
bool SaveOptions(const OptionsValues& values);

// The minutes and copies as OK stores them: whole numbers, at least 0 minutes and 1 copy.
qint16 MinutesToStore(const QString& typed);
qint16 CopiesToStore(const QString& typed);
