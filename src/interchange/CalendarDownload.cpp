#include "interchange/CalendarDownload.h"

#include "interchange/InterchangeFiles.h"
#include "resources/Strings.h"

#include <QEventLoop>

namespace {

const QStringList kSchemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("webcal"),
                              QStringLiteral("webcals")};

} // namespace

int CalendarDownload::TimeoutSeconds = 30;

bool IsCalendarAddress(const QString& text)
{
    const QString t = text.trimmed();
    for (const QString& scheme : kSchemes)
        if (t.startsWith(scheme + QStringLiteral("://"), Qt::CaseInsensitive)) return true;
    return false;
}

std::optional<QUrl> CalendarUrl(const QString& text, QString* error)
{
    const QString typed = text.trimmed();
    QUrl url(typed);
    if (!IsCalendarAddress(typed) || !url.isValid() || url.host().isEmpty()) {
        if (error) *error = Str(27014).arg(Quoted(typed));
        return std::nullopt;
    }
    const QString scheme = url.scheme().toLower();
    url.setScheme(scheme.startsWith(u"webcal") ? QStringLiteral("https") : scheme);
    return url;
}

CalendarDownload::CalendarDownload(QObject* parent) : QObject(parent) {}

std::optional<QByteArray> DownloadCalendar(const QUrl& url, QString* error)
{
    const std::unique_ptr<CalendarDownload> download = MakeCalendarDownload();
    QEventLoop loop;
    std::optional<QByteArray> result;
    QObject::connect(download.get(), &CalendarDownload::Finished, &loop,
                     [&](bool ok, const QByteArray& bytes, const QString& message) {
                         if (ok)
                             result = bytes;
                         else if (error)
                             *error = message;
                         loop.quit();
                     });
    download->Start(url);
    if (download->Running()) loop.exec();
    return result;
}
