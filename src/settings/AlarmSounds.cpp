#include "settings/AlarmSounds.h"

#include "platform/Sound.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

QStringList SoundLines()
{
    QStringList lines{Str(734)};
    for (int n = 1; n <= kSoundCount; ++n)
        lines.append(Str(735) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    return lines;
}

bool TestSound(int line)
{
    if (line < 1 || line > kSoundCount) return false;
    return !PlaySoundFile(Settings::Get().Sound(line));
}
