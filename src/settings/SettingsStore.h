#pragma once
// The per-user settings store: text values addressed by (section, key), kept in one INI file.
// Every key of the program is named once below, with its section and its default, so readers
// and writers never disagree on a spelling or a default.

#include "document/Paths.h"

#include <QSettings>
#include <QString>

// The INI file: "Daybinder.ini" in $DAYBINDER_CONFIG_HOME when set, else in ~/.config/Daybinder/.
QString SettingsFolder();
QString SettingsFilePath();

// The stored text, or defaultValue when the key is missing. Never fails: a damaged or
// unreadable file reads as missing keys.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);

// Writes one value at once; false when the file could not be written.
bool SaveSetting(const QString& section, const QString& key, const QString& value);

struct SettingKey;

// One open view of the file, for reading or writing many values in one go.
class SettingsFile
{
public:
    SettingsFile();
    QString Read(const QString& section, const QString& key, const QString& defaultValue) const;
    QString Read(const SettingKey& key) const;
    void Write(const QString& section, const QString& key, const QString& value);
    void Write(const SettingKey& key, const QString& value);
    // Writes pending values to disk; false when the file could not be written.
    bool Commit();

private:
    QSettings m_store;
};

struct SettingKey
{
    QString Section;
    QString Key;
    QString Default;

    QString Read() const { return GetSetting(Section, Key, Default); }
    // The value read as a number: text that is not a number reads as 0.
    double ReadNumber() const;
    // The number rounded into a 32-bit integer (out-of-range values are clamped).
    qint32 ReadInt() const;
    bool Write(const QString& value) const { return SaveSetting(Section, Key, value); }
    bool Write(qint64 value) const { return Write(QString::number(value)); }
};

namespace Keys {
// "General"
SettingKey ShowSplash();
// Synchronise the document with its calendar after each open and each save: "1" or "0".
SettingKey SyncAuto();
// "Summary": the chart window's choices; series 0 incomes, 1 expenses, 2 grand total.
SettingKey ShowSel();
SettingKey SummarySeries(int series);
SettingKey SummaryMonth(int month);
// "Paths": folders, "*" in front for a fixed folder; the default is the program folder.
SettingKey CalOpen(const QString& programFolder = ProgramFolder());
SettingKey CalSave(const QString& programFolder = ProgramFolder());
SettingKey ImgOpen(const QString& programFolder = ProgramFolder());
SettingKey ImgSave(const QString& programFolder = ProgramFolder());
// "Printer"
SettingKey BckImg();
SettingKey Copies();
SettingKey PrintMonth(int month);
// The printer chosen in the options by name ("ChosenPrinter"); empty for the default printer.
SettingKey ChosenPrinter();
// "Alarm": minutes between checks (-1 = off), the alert window's default, the sound files.
SettingKey IntervalChk();
SettingKey OffDefault();
SettingKey Sound(int number, const QString& programFolder = ProgramFolder());
// "Tabs": the options dialog's page to open.
SettingKey TbOpt();
// "CmOpPic": the picture chooser's file-type filters and preview ("ShowBMP", "ShowJPG",
// "ShowGIF", "ShowPrev").
SettingKey PictureChooser(const QString& key);
} // namespace Keys

// "Wav/" in the program folder, and the default file of sound 1 to 10 there: "alarm01.wav"...
QString SoundFolder(const QString& programFolder = ProgramFolder());
QString DefaultSoundPath(int number, const QString& programFolder = ProgramFolder());

// The alarm check interval in minutes as the 16-bit value the alarm timer uses; -1 = alarms off.
qint16 AlarmInterval();
