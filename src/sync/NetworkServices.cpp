// The network's services where they are linked in (tests, daybinder-cli). The program loads
// the same classes from its network module instead.

#include "interchange/NetworkDownload.h"
#include "sync/NetworkCalDavClient.h"

std::unique_ptr<CalDavClient> MakeCalDavClient(const QUrl& collection, const QString& user,
                                               const QString& password)
{
    return std::make_unique<NetworkCalDavClient>(collection, user, password);
}

std::unique_ptr<CalendarDownload> MakeCalendarDownload()
{
    return std::make_unique<NetworkCalendarDownload>();
}
