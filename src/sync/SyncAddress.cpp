#include "sync/SyncAddress.h"

#include "interchange/InterchangeFiles.h"
#include "resources/Strings.h"

#include <arpa/inet.h>

bool IsLocalHost(const QString& host)
{
    if (host.compare(u"localhost", Qt::CaseInsensitive) == 0) return true;
    // An address as the URL gives it: IPv6 without its brackets.
    const QByteArray text = host.toLatin1();
    in_addr v4{};
    if (inet_pton(AF_INET, text.constData(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (inet_pton(AF_INET6, text.constData(), &v6) != 1) return false;
    if (IN6_IS_ADDR_LOOPBACK(&v6)) return true;
    // ::ffff:127.x.x.x is IPv4's loopback written in IPv6
    return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
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
