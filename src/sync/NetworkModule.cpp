// The network module the program loads at the first download or exchange: the classes that
// speak HTTP, and the Qt Network library they need, stay out of every start.

#include "interchange/NetworkDownload.h"
#include "sync/NetworkCalDavClient.h"

extern "C" Q_DECL_EXPORT CalDavClient* daybinder_caldav_client(const QUrl& collection, const QString& user,
                                                               const QString& password)
{
    return new NetworkCalDavClient(collection, user, password);
}

extern "C" Q_DECL_EXPORT CalendarDownload* daybinder_calendar_download()
{
    return new NetworkCalendarDownload;
}
