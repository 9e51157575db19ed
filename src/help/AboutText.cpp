#include "help/AboutText.h"

#include "document/DateText.h"
#include "resources/Strings.h"

#include <QDateTime>
#include <QFileInfo>

QString AboutVersionLine(int major, int minor, int revision)
{
    return Str(603) + u' ' + QString::number(major) + u'.' +
           QStringLiteral("%1").arg(minor, 2, 10, QLatin1Char('0')) + u'.' +
           QStringLiteral("%1").arg(revision, 4, 10, QLatin1Char('0'));
}

QString ProgramVersionLine()
{
    return AboutVersionLine(DAYBINDER_VERSION_MAJOR, DAYBINDER_VERSION_MINOR, DAYBINDER_VERSION_PATCH);
}

QString AboutDateLine(const QString& programFile)
{
    const QFileInfo info(programFile);
    const QDateTime stamp = info.isFile() ? info.lastModified() : QDateTime();
    if (!stamp.isValid()) return Str(604) + u' ' + Str(541);
    const QDate day = stamp.date();
    return Str(604) + u' ' + ShortDateText(FromQDate(day));
}
