#include "document/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString ExecutableFolder()
{
    const QString dir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return AddBackslash(dir);
}

// A folder of the installation, from the program file's folder. The build sets the relative
// paths from the install layout, so a program installed under any prefix finds its files.
QString InstalledFolder(const char* fromProgram)
{
    return AddBackslash(QDir::cleanPath(ExecutableFolder() + QLatin1String(fromProgram)));
}

} // namespace

QString AddBackslash(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

QString ProgramFolder()
{
    const QString installed = InstalledFolder(DAYBINDER_DATA_FROM_PROGRAM);
    return QFileInfo(installed).isDir() ? installed : ExecutableFolder();
}

QString ModuleFolder()
{
    return InstalledFolder(DAYBINDER_MODULES_FROM_PROGRAM);
}

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString FolderOf(const QString& path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}
