#include "options/OptionsForm.h"

#include "document/NumberText.h"
#include "document/Paths.h"
#include "platform/FileAssociation.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <limits>

namespace {

QString& StoredFolder(Settings& s, int box)
{
    switch (box) {
    case FolderCalOpen:
        return s.CalOpen;
    case FolderImgOpen:
        return s.ImgOpen;
    case FolderCalSave:
        return s.CalSave;
    default:
        return s.ImgSave;
    }
}

qint16 WholeNumber(const QString& typed, qint64 minimum)
{
    return qint16(RoundHalfEven(ReadNumber(typed), minimum, std::numeric_limits<qint16>::max()));
}

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

FolderChoice FolderShown(const QString& stored)
{
    return {!IsFixedFolder(stored), FolderWithoutMark(stored)};
}

QString FolderToStore(const FolderChoice& shown, const QString& stored)
{
    if (shown.UseLast) return FolderWithoutMark(stored);
    const QString typed = shown.Folder.trimmed();
    return u'*' + (typed.isEmpty() ? FolderWithoutMark(stored) : AddBackslash(typed));
}

qint16 MinutesToStore(const QString& typed)
{
    return WholeNumber(typed, 0);
}

qint16 CopiesToStore(const QString& typed)
{
    return WholeNumber(typed, 1);
}

OptionsValues LoadOptions(bool associated)
{
    Settings& s = Settings::Get();
    OptionsValues v;
    v.Associate = associated;
    v.ShowSplash = Keys::ShowSplash().ReadNumber() == 1;
    v.ShowSel = Keys::ShowSel().ReadNumber() == 1;
    v.SyncAuto = Keys::SyncAuto().ReadNumber() == 1;

    v.OffDefault = Keys::OffDefault().ReadNumber() == 1;
    const qint16 interval = AlarmInterval();
    v.CheckAlarms = interval != -1;
    if (v.CheckAlarms) v.Minutes = QString::number(interval);
    v.Sounds = s.Sounds;

    for (int box = 0; box < kFolderBoxes; ++box) v.Folders[size_t(box)] = FolderShown(StoredFolder(s, box));

    v.PrintBackground = s.BckImg == 1;
    v.Copies = QString::number(s.Copies);
    for (int m = 1; m <= 12; ++m) v.PrintMonths[size_t(m - 1)] = s.PrintMonth(m) == 1;

    v.Page = std::clamp(Keys::TbOpt().ReadInt(), 0, kOptionsPages - 1);
    return v;
}

bool SaveOptions(const OptionsValues& v)
{
    Settings& s = Settings::Get();
    SettingsFile file;

    if (v.Associate)
        FileAssociation::Current().Register();
    else
        FileAssociation::Current().Unregister();
    file.Write(Keys::ShowSplash(), Flag(v.ShowSplash));
    file.Write(Keys::ShowSel(), Flag(v.ShowSel));
    file.Write(Keys::SyncAuto(), Flag(v.SyncAuto));

    file.Write(Keys::OffDefault(), Flag(v.OffDefault));
    file.Write(Keys::IntervalChk(), QString::number(v.CheckAlarms ? MinutesToStore(v.Minutes) : -1));
    s.Sounds = v.Sounds;

    for (int box = 0; box < kFolderBoxes; ++box) {
        QString& stored = StoredFolder(s, box);
        stored = FolderToStore(v.Folders[size_t(box)], stored);
    }

    s.BckImg = v.PrintBackground ? 1 : 0;
    s.Copies = CopiesToStore(v.Copies);
    for (int m = 1; m <= 12; ++m) s.PrintMonth(m) = v.PrintMonths[size_t(m - 1)] ? 1 : 0;

    file.Write(Keys::TbOpt(), QString::number(std::clamp(v.Page, 0, kOptionsPages - 1)));
    return file.Commit();
}
