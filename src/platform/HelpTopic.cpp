#include "platform/HelpTopic.h"

namespace {
QString g_lastTopic;
std::function<void(const QString&)> g_handler;
} // namespace

void ShowHelpTopic(const QString& page)
{
    g_lastTopic = page;
    if (g_handler) g_handler(page);
}

QString LastHelpTopic()
{
    return g_lastTopic;
}

void SetHelpTopicHandler(std::function<void(const QString& page)> handler)
{
    g_handler = std::move(handler);
}
