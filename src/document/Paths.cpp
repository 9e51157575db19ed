#include "document/Paths.h"

#include <QCoreApplication>
#include <QDir>

QString AddBackslash(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

QString ProgramFolder()
{
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return AddBackslash(dir);
}

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString FolderOf(const QString& path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}
