#include "sync/SyncAddress.h"

#include "interchange/InterchangeFiles.h"
#include "resources/Strings.h"

#include <QHostAddress>

bool IsLocalHost(const QString& host)
{
    if (host.compare(u"localhost", Qt::CaseInsensitive) == 0) return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool NeedsClearTextConsent(const QUrl& url)
{
    return url.scheme().compare(u"http", Qt::CaseInsensitive) == 0 && !IsLocalHost(url.host());
}

std::optional<QUrl> CollectionUrl(const QString& text, bool clearTextAccepted, QString* error)
{
    const QString typed = text.trimmed();
    QUrl url(typed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"https" && scheme != u"http")) {
        if (error) *error = Str(28017).arg(Quoted(typed));
        return std::nullopt;
    }
    if (NeedsClearTextConsent(url) && !clearTextAccepted) {
        if (error) *error = Str(28006).arg(Quoted(url.toDisplayString()));
        return std::nullopt;
    }
    url.setScheme(scheme);
    if (!url.path().endsWith(u'/')) url.setPath(url.path() + u'/');
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}
