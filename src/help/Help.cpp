#include "help/Help.h"

#include "document/Paths.h"
#include "help/HelpViewer.h"

#include <QFileInfo>

QString HelpPageFile(const QString& page)
{
    QString relative = page;
    relative.replace(u'\\', u'/');
    if (relative.contains(QStringLiteral(".."))) return {};
    const QString file = ProgramFolder() + QStringLiteral("help/") + relative;
    return QFileInfo(file).isFile() ? file : QString();
}

void ShowHelpPage(const QString& page)
{
    const QString file = HelpPageFile(page);
    if (file.isEmpty()) return;
    HelpViewer::Instance().ShowPage(file);
}
