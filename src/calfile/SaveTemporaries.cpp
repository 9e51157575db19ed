#include "calfile/SaveTemporaries.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kPrefix = QStringLiteral(".daybinder-save.");

// Ours to remove: a regular file (never what a link points to) of the current user.
bool OwnRegularFile(const QByteArray& path)
{
    struct stat st = {};
    return ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

} // namespace

QString ThisHostName()
{
    static const QString host = [] {
        QString h = QSysInfo::machineHostName().left(64);
        for (QChar& c : h)
            if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'-' && c != u'_' && c != u'.')
                c = u'_';
        return h.isEmpty() ? QStringLiteral("_") : h;
    }();
    return host;
}

bool ProcessMayBeRunning(qint64 processId)
{
    if (processId <= 0 || processId > 0x7fffffff) return true;
    if (::kill(pid_t(processId), 0) == 0) return true;
    return errno != ESRCH; // EPERM: alive, another user's
}

QString SaveTemporaryTemplate(const QString& folder)
{
    return folder + kPrefix + QString::number(::getpid()) + u'.' + ThisHostName() + QStringLiteral(".XXXXXX");
}

bool ParseSaveTemporary(const QString& name, qint64* processId, QString* host)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.daybinder-save\\.([0-9]{1,10})\\.(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch()) return false;
    *processId = m.captured(1).toLongLong();
    *host = m.captured(2);
    return true;
}

int RemoveAbandonedSaveTemporaries(const QString& folder)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({kPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    int removed = 0;
    for (const QString& name : names) {
        qint64 pid = 0;
        QString host;
        if (!ParseSaveTemporary(name, &pid, &host) || host != ThisHostName() || ProcessMayBeRunning(pid))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (OwnRegularFile(path) && ::unlink(path.constData()) == 0) ++removed;
    }
    return removed;
}
