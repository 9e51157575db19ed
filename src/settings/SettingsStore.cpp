#include "settings/SettingsStore.h"

#include "document/NumberText.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <limits>

namespace {

const QString kGeneral = QStringLiteral("General");

// QSettings keeps its own "General" group for keys outside any group and would write ours as
// "[%General]"; keys of that section therefore live at the top level, which the file shows as
// "[General]".
QString FullKey(const QString& section, const QString& key)
{
    return section.compare(kGeneral, Qt::CaseInsensitive) == 0 ? key : section + u'/' + key;
}

// Values are text. A hand-edited value with a comma comes back as a list and one in Qt's own
// "@..." notation as another type; both are read back as the text they stand for.
QString AsText(const QVariant& v)
{
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    if (v.typeId() == QMetaType::QByteArray) return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

SettingKey Make(const QString& section, const QString& key, const QString& def)
{
    return SettingKey{section, key, def};
}

QString NumberedKey(const char* stem, int n)
{
    return QLatin1String(stem) + QString::number(n);
}

} // namespace

QString SettingsFolder()
{
    const QString env = qEnvironmentVariable("DAYBINDER_CONFIG_HOME");
    if (!env.isEmpty()) return AddBackslash(env);
    return AddBackslash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           QStringLiteral("Daybinder/");
}

QString SettingsFilePath()
{
    return SettingsFolder() + QStringLiteral("Daybinder.ini");
}

SettingsFile::SettingsFile() : m_store(SettingsFilePath(), QSettings::IniFormat) {}

QString SettingsFile::Read(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QVariant v = m_store.value(FullKey(section, key));
    return v.isValid() ? AsText(v) : defaultValue;
}

QString SettingsFile::Read(const SettingKey& key) const
{
    return Read(key.Section, key.Key, key.Default);
}

void SettingsFile::Write(const QString& section, const QString& key, const QString& value)
{
    m_store.setValue(FullKey(section, key), value);
}

void SettingsFile::Write(const SettingKey& key, const QString& value)
{
    Write(key.Section, key.Key, value);
}

bool SettingsFile::Commit()
{
    QDir().mkpath(SettingsFolder());
    m_store.sync();
    // A format error only means the old file had damaged lines; they are dropped, the rest kept.
    return m_store.status() != QSettings::AccessError;
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    return SettingsFile().Read(section, key, defaultValue);
}

bool SaveSetting(const QString& section, const QString& key, const QString& value)
{
    SettingsFile file;
    file.Write(section, key, value);
    return file.Commit();
}

double SettingKey::ReadNumber() const
{
    return ::ReadNumber(Read());
}

qint32 SettingKey::ReadInt() const
{
    return qint32(
        RoundHalfEven(ReadNumber(), std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

QString SoundFolder(const QString& programFolder)
{
    return AddBackslash(programFolder) + QStringLiteral("Wav/");
}

QString DefaultSoundPath(int number, const QString& programFolder)
{
    return SoundFolder(programFolder) + QStringLiteral("alarm%1.wav").arg(number, 2, 10, QChar(u'0'));
}

qint16 AlarmInterval()
{
    return qint16(RoundHalfEven(Keys::IntervalChk().ReadNumber(), std::numeric_limits<qint16>::min(),
                                std::numeric_limits<qint16>::max()));
}

namespace Keys {

SettingKey ShowSplash()
{
    return Make(kGeneral, QStringLiteral("ShowSplash"), QStringLiteral("1"));
}
SettingKey SyncAuto()
{
    return Make(kGeneral, QStringLiteral("SyncAuto"), QStringLiteral("0"));
}

SettingKey ShowSel()
{
    return Make(QStringLiteral("Summary"), QStringLiteral("ShowSel"), QStringLiteral("1"));
}
SettingKey SummarySeries(int series)
{
    return Make(QStringLiteral("Summary"), NumberedKey("Series", series), QStringLiteral("1"));
}
SettingKey SummaryMonth(int month)
{
    return Make(QStringLiteral("Summary"), NumberedKey("Month", month), QStringLiteral("1"));
}

SettingKey CalOpen(const QString& programFolder)
{
    return Make(QStringLiteral("Paths"), QStringLiteral("CalOpen"), programFolder);
}
SettingKey CalSave(const QString& programFolder)
{
    return Make(QStringLiteral("Paths"), QStringLiteral("CalSave"), programFolder);
}
SettingKey ImgOpen(const QString& programFolder)
{
    return Make(QStringLiteral("Paths"), QStringLiteral("ImgOpen"), programFolder);
}
SettingKey ImgSave(const QString& programFolder)
{
    return Make(QStringLiteral("Paths"), QStringLiteral("ImgSave"), programFolder);
}

SettingKey BckImg()
{
    return Make(QStringLiteral("Printer"), QStringLiteral("BckImg"), QStringLiteral("1"));
}
SettingKey Copies()
{
    return Make(QStringLiteral("Printer"), QStringLiteral("Copies"), QStringLiteral("1"));
}
SettingKey PrintMonth(int month)
{
    return Make(QStringLiteral("Printer"), NumberedKey("Month", month), QStringLiteral("1"));
}

SettingKey ChosenPrinter()
{
    return Make(QStringLiteral("Printer"), QStringLiteral("ChosenPrinter"), QString());
}

SettingKey IntervalChk()
{
    return Make(QStringLiteral("Alarm"), QStringLiteral("IntervalChk"), QStringLiteral("15"));
}
SettingKey OffDefault()
{
    return Make(QStringLiteral("Alarm"), QStringLiteral("OffDefault"), QStringLiteral("1"));
}
SettingKey Sound(int number, const QString& programFolder)
{
    return Make(QStringLiteral("Alarm"), NumberedKey("Sound", number),
                DefaultSoundPath(number, programFolder));
}

SettingKey TbOpt()
{
    return Make(QStringLiteral("Tabs"), QStringLiteral("TbOpt"), QStringLiteral("0"));
}

SettingKey PictureChooser(const QString& key)
{
    return Make(QStringLiteral("CmOpPic"), key, QStringLiteral("1"));
}

} // namespace Keys
