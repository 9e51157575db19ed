#include "platform/FileAssociation.h"

#include "document/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QByteArray kDefaultGroup = "[Default Applications]";

QString XdgFolder(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return AddBackslash(value.isEmpty() ? QDir::homePath() + fallback : value);
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(FolderOf(path));
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

QByteArray Resource(const QString& name)
{
    return ReadAll(QStringLiteral(":/association/") + name);
}

// A desktop entry value is unescaped once as a string, then once more as a command line.
QString EscapedForDesktopEntry(const QString& command)
{
    QString out = command;
    out.replace(u'\\', QStringLiteral("\\\\"));
    return out;
}

QByteArray LineStarting(const QByteArray& text, const QByteArray& start)
{
    for (const QByteArray& line : text.split('\n'))
        if (line.trimmed().startsWith(start)) return line.trimmed();
    return {};
}

// Runs a cache tool of the desktop when it is installed; without one the files still serve the
// programs that read them directly.
void RunIfInstalled(const QString& tool, const QString& folder)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) return;
    QProcess process;
    process.start(path, {folder});
    if (!process.waitForFinished(20000)) process.kill();
}

FileAssociation* g_current = nullptr;

} // namespace

AssociationPlaces AssociationPlaces::FromEnvironment()
{
    AssociationPlaces p;
    p.DataHome = XdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
    p.ConfigHome = XdgFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    p.Program = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                             : ProgramFolder() + QStringLiteral("daybinder");
    const QString icon = ProgramFolder() + QStringLiteral("daybinder.png");
    p.Icon = QFileInfo::exists(icon) ? icon : QStringLiteral("daybinder");
    return p;
}

QString OpenCommand(const QString& program)
{
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    return u'"' + quoted + QStringLiteral("\" %f");
}

QByteArray MimePackage()
{
    return Resource(QStringLiteral("daybinder.xml"));
}

QByteArray DesktopEntry(const AssociationPlaces& places)
{
    QByteArrayList lines = Resource(kDesktopEntryName).split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith("Exec="))
            line = "Exec=" + EscapedForDesktopEntry(OpenCommand(places.Program)).toUtf8();
        else if (line.startsWith("Icon="))
            line = "Icon=" + EscapedForDesktopEntry(places.Icon).toUtf8();
    }
    return lines.join('\n');
}

QString DefaultHandlerIn(const QByteArray& mimeapps, const QString& mimeType)
{
    const QByteArray key = mimeType.toUtf8() + '=';
    bool inDefaults = false;
    for (const QByteArray& raw : mimeapps.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inDefaults = line == kDefaultGroup;
        else if (inDefaults && line.startsWith(key))
            return QString::fromUtf8(line.mid(key.size()).split(';').first().trimmed());
    }
    return {};
}

QByteArray WithDefaultHandler(const QByteArray& mimeapps, const QString& mimeType, const QString& handler)
{
    const QByteArray key = mimeType.toUtf8() + '=';
    QByteArrayList lines = mimeapps.isEmpty() ? QByteArrayList() : mimeapps.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    qsizetype group = -1;
    qsizetype found = -1;
    bool inDefaults = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inDefaults = line == kDefaultGroup;
            if (inDefaults && group < 0) group = i;
        } else if (inDefaults && found < 0 && line.startsWith(key)) {
            found = i;
        }
    }
    if (!handler.isEmpty()) {
        const QByteArray entry = key + handler.toUtf8() + ';';
        if (found >= 0) {
            lines[found] = entry;
        } else if (group >= 0) {
            lines.insert(group + 1, entry);
        } else {
            if (!lines.isEmpty()) lines << QByteArray();
            lines << kDefaultGroup << entry;
        }
    } else if (found >= 0) {
        // Our entry leaves the list; another program's entries stay where they were.
        QByteArrayList apps = lines[found].trimmed().mid(key.size()).split(';');
        apps.removeIf([](const QByteArray& app) {
            return app.trimmed().isEmpty() || app.trimmed() == kDesktopEntryName.toUtf8();
        });
        if (apps.isEmpty())
            lines.removeAt(found);
        else
            lines[found] = key + apps.join(';') + ';';
    }
    return lines.join('\n') + '\n';
}

FileAssociation& FileAssociation::Current()
{
    static FileAssociation user(AssociationPlaces::FromEnvironment());
    return g_current ? *g_current : user;
}

void FileAssociation::Install(FileAssociation* association)
{
    g_current = association;
}

QString FileAssociation::MimePackagePath() const
{
    return m_places.DataHome + QStringLiteral("mime/packages/daybinder.xml");
}

QString FileAssociation::DesktopEntryPath() const
{
    return m_places.DataHome + QStringLiteral("applications/") + kDesktopEntryName;
}

QString FileAssociation::MimeappsPath() const
{
    return m_places.ConfigHome + QStringLiteral("mimeapps.list");
}

bool FileAssociation::IsDefault() const
{
    if (DefaultHandlerIn(ReadAll(MimeappsPath()), kDaybinderMimeType) != kDesktopEntryName) return false;
    const QByteArray exec = LineStarting(DesktopEntry(m_places), "Exec=");
    return !exec.isEmpty() && LineStarting(ReadAll(DesktopEntryPath()), "Exec=") == exec;
}

bool FileAssociation::Register()
{
    // Files already as wanted are left alone, and the caches are refreshed only after a change:
    // refreshing them runs other programs.
    bool changed = false;
    const auto update = [&](const QString& path, const QByteArray& bytes) {
        if (QFileInfo::exists(path) && ReadAll(path) == bytes) return true;
        changed = true;
        return WriteAll(path, bytes);
    };
    const bool written =
        update(MimePackagePath(), MimePackage()) && update(DesktopEntryPath(), DesktopEntry(m_places)) &&
        update(MimeappsPath(),
               WithDefaultHandler(ReadAll(MimeappsPath()), kDaybinderMimeType, kDesktopEntryName));
    if (changed) RefreshCaches();
    return written;
}

bool FileAssociation::Unregister()
{
    bool done = true;
    bool changed = false;
    const auto remove = [&](const QString& path) {
        if (!QFileInfo::exists(path)) return;
        changed = true;
        done = QFile::remove(path) && done;
    };
    remove(DesktopEntryPath());
    const QByteArray mimeapps = ReadAll(MimeappsPath());
    if (mimeapps.contains(kDesktopEntryName.toUtf8())) {
        const QByteArray without = WithDefaultHandler(mimeapps, kDaybinderMimeType, {});
        if (without != mimeapps) done = WriteAll(MimeappsPath(), without) && done;
    }
    // The type stays known while another program opens it.
    if (DefaultHandlerIn(ReadAll(MimeappsPath()), kDaybinderMimeType).isEmpty()) remove(MimePackagePath());
    if (changed) RefreshCaches();
    return done;
}

void FileAssociation::RefreshCaches() const
{
    if (QFileInfo(m_places.DataHome + QStringLiteral("mime/packages")).isDir())
        RunIfInstalled(QStringLiteral("update-mime-database"), m_places.DataHome + QStringLiteral("mime"));
    if (QFileInfo(m_places.DataHome + QStringLiteral("applications")).isDir())
        RunIfInstalled(QStringLiteral("update-desktop-database"),
                       m_places.DataHome + QStringLiteral("applications"));
}
