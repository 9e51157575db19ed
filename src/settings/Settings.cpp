#include "settings/Settings.h"

#include "document/NumberText.h"
#include "document/Paths.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <limits>

namespace {

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// A folder ends with "/" whatever was stored; a blank value (or a lone "*") is taken as
// missing rather than as the root folder.
QString ReadFolder(const SettingsFile& file, const SettingKey& key)
{
    const QString raw = file.Read(key);
    if (FolderWithoutMark(raw).trimmed().isEmpty()) return AddBackslash(key.Default);
    return AddBackslash(raw);
}

template <typename Int> Int ReadInteger(const SettingsFile& file, const SettingKey& key)
{
    return Int(RoundHalfEven(ReadNumber(file.Read(key)), std::numeric_limits<Int>::min(),
                             std::numeric_limits<Int>::max()));
}

} // namespace

Settings& Settings::Get()
{
    static Settings values = Defaults(ProgramFolder());
    return values;
}

Settings Settings::Defaults(const QString& programFolder)
{
    Settings s;
    s.CalOpen = s.CalSave = s.ImgOpen = s.ImgSave = AddBackslash(programFolder);
    for (int n = 1; n <= 10; ++n) s.Sound(n) = CheckedSoundPath(QString(), n, programFolder);
    return s;
}

QString CheckedSoundPath(const QString& stored, int number, const QString& programFolder)
{
    if (FileExists(stored)) return stored;
    const QString fallback = DefaultSoundPath(number, programFolder);
    return FileExists(fallback) ? fallback : QString();
}

Settings ReadSettings(const QString& programFolder)
{
    const SettingsFile file;
    Settings s;
    s.ShowSplash = ReadInteger<qint32>(file, Keys::ShowSplash());

    s.CalOpen = ReadFolder(file, Keys::CalOpen(programFolder));
    s.CalSave = ReadFolder(file, Keys::CalSave(programFolder));
    s.ImgOpen = ReadFolder(file, Keys::ImgOpen(programFolder));
    s.ImgSave = ReadFolder(file, Keys::ImgSave(programFolder));

    s.BckImg = ReadInteger<qint32>(file, Keys::BckImg());
    s.Copies = ReadInteger<qint16>(file, Keys::Copies());
    for (int m = 1; m <= 12; ++m) s.PrintMonth(m) = ReadInteger<qint32>(file, Keys::PrintMonth(m));
    s.ChosenPrinter.Printer = file.Read(Keys::ChosenPrinter());

    for (int n = 1; n <= 10; ++n) {
        const SettingKey key = Keys::Sound(n, programFolder);
        s.Sound(n) = CheckedSoundPath(file.Read(key), n, programFolder);
    }
    return s;
}

bool WriteSettings(const Settings& s)
{
    SettingsFile file;
    file.Write(Keys::CalOpen(), s.CalOpen);
    file.Write(Keys::CalSave(), s.CalSave);
    file.Write(Keys::ImgOpen(), s.ImgOpen);
    file.Write(Keys::ImgSave(), s.ImgSave);

    file.Write(Keys::BckImg(), QString::number(s.BckImg));
    file.Write(Keys::Copies(), QString::number(s.Copies));
    for (int m = 1; m <= 12; ++m) file.Write(Keys::PrintMonth(m), QString::number(s.PrintMonth(m)));
    file.Write(Keys::ChosenPrinter(), s.ChosenPrinter.Printer);

    for (int n = 1; n <= 10; ++n) file.Write(Keys::Sound(n), s.Sound(n));
    return file.Commit();
}

void LoadSettings()
{
    Settings::Get() = ReadSettings(ProgramFolder());
}

bool SaveSettings()
{
    return WriteSettings(Settings::Get());
}

bool IsFixedFolder(const QString& value)
{
    return value.startsWith(u'*');
}

QString FolderWithoutMark(const QString& value)
{
    return IsFixedFolder(value) ? value.mid(1) : value;
}

void RememberFolder(QString& value, const QString& chosenFile)
{
    if (IsFixedFolder(value)) return;
    const QString folder = FolderOf(chosenFile);
    if (!folder.isEmpty()) value = folder;
}
