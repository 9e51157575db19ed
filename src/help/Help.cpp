#include "help/Help.h"

#include "document/Paths.h"
#include "help/HelpViewer.h"

#include <QFileInfo>

namespace {
QString g_lastTopic;
}

QString HelpPageFile(const QString& page)
{
    QString relative = page;
    relative.replace(u'\\', u'/');
    if (relative.contains(QStringLiteral(".."))) return {};
    const QString file = ProgramFolder() + QStringLiteral("help/") + relative;
    return QFileInfo(file).isFile() ? file : QString();
}

void ShowHelpTopic(const QString& page)
{
    g_lastTopic = page;
    const QString file = HelpPageFile(page);
    if (file.isEmpty()) return;
    HelpViewer::Instance().ShowPage(file);
}

QString LastHelpTopic()
{
    return g_lastTopic;
}
