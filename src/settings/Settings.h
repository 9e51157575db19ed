#pragma once
// The options the program keeps in memory for the whole run: read from the settings store at
// start-up (LoadSettings), changed by the options dialog and the file commands, written back
// at program end (SaveSettings). Keys read where they are used (alarm interval, chart choices,
// options page, picture chooser) are not held here; see SettingsStore.h.

#include "platform/CommonDialogs.h"

#include <QString>
#include <array>

// The alarm sounds an entry can play, numbered 1..10.
constexpr int kSoundCount = 10;

struct Settings
{
    // "General"
    qint32 ShowSplash = 1;

    // "Paths": each ends with "/"; "*" in front marks a fixed folder (see the helpers below).
    QString CalOpen;
    QString CalSave;
    QString ImgOpen;
    QString ImgSave;

    // "Printer"
    qint32 BckImg = 1;
    qint16 Copies = 1;
    std::array<qint32, 12> PrintMonths{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    qint32& PrintMonth(int month) { return PrintMonths.at(month - 1); } // "Month1".."Month12"
    qint32 PrintMonth(int month) const { return PrintMonths.at(month - 1); }
    // What the options' printer set-up chose; its printer's name is kept from one run to the
    // next ("ChosenPrinter"), the paper, orientation and file for the run.
    PrinterChoice ChosenPrinter;

    // "Alarm": the sound table; an empty path plays nothing.
    std::array<QString, kSoundCount> Sounds;
    QString& Sound(int number) { return Sounds.at(number - 1); } // "Sound1".."Sound10"
    const QString& Sound(int number) const { return Sounds.at(number - 1); }

    // The program-wide values.
    static Settings& Get();

    // The values of a first start: every folder is the program folder, every sound its default
    // file (or none when that file is missing).
    static Settings Defaults(const QString& programFolder);
};

// Reads every in-memory value into Settings::Get() / writes the folders, the print values and
// the ten sound paths from it.
void LoadSettings();
bool SaveSettings(); // false when the file could not be written

// The same on explicit values, for a program folder other than the executable's.
Settings ReadSettings(const QString& programFolder);
bool WriteSettings(const Settings& values);

// A sound path as stored, checked: the stored file when it exists, else the default file of
// that number when it exists, else empty.
QString CheckedSoundPath(const QString& stored, int number, const QString& programFolder);

// Folder values. "*" + folder: the file dialogs always start there and it never changes.
bool IsFixedFolder(const QString& value);
QString FolderWithoutMark(const QString& value); // where a file dialog starts
// After a file was chosen in a dialog: a folder that is not fixed becomes that file's folder.
void RememberFolder(QString& value, const QString& chosenFile);
