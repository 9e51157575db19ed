#include "interchange/NetworkDownload.h"

#include "interchange/InterchangeFiles.h"
#include "resources/Strings.h"

#include <QNetworkRequest>

QString NetworkFailureReason(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return Str(27016);
    case QNetworkReply::ConnectionRefusedError:
        return Str(27017);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout, since the user did not cancel
        return Str(27018);
    case QNetworkReply::RemoteHostClosedError:
        return Str(27019);
    case QNetworkReply::SslHandshakeFailedError:
        return Str(27020);
    case QNetworkReply::TooManyRedirectsError:
        return Str(27021);
    case QNetworkReply::InsecureRedirectError:
        return Str(27022);
    default:
        return Str(27023);
    }
}

QString HttpFailureMessage(const QNetworkReply* reply, const QString& host)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300) {
        const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return Str(27024).arg(host, (QString::number(status) + u' ' + phrase).trimmed());
    }
    return Str(27015).arg(host, NetworkFailureReason(reply->error()));
}

NetworkCalendarDownload::NetworkCalendarDownload(QObject* parent) : CalendarDownload(parent) {}

NetworkCalendarDownload::~NetworkCalendarDownload()
{
    if (!m_reply) return;
    m_reply->disconnect(this);
    m_reply->abort();
}

void NetworkCalendarDownload::Start(const QUrl& url)
{
    if (m_reply) return;
    m_url = url;
    m_bytes.clear();
    m_cancelled = m_tooLarge = false;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(TimeoutSeconds * 1000);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Daybinder"));
    request.setRawHeader("Accept", "text/calendar, */*;q=0.5");
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &NetworkCalendarDownload::Received);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (total > kMaxDownloadSize && m_reply) {
            m_tooLarge = true; // announced too large: not a byte more
            m_reply->abort();
            return;
        }
        emit Progress(received, total);
    });
    connect(m_reply, &QNetworkReply::finished, this, &NetworkCalendarDownload::Done);
}

void NetworkCalendarDownload::Cancel()
{
    if (!m_reply) return;
    m_cancelled = true;
    m_reply->abort();
}

bool NetworkCalendarDownload::Take()
{
    m_bytes += m_reply->read(kMaxDownloadSize + 1 - m_bytes.size());
    m_tooLarge = m_tooLarge || m_bytes.size() > kMaxDownloadSize;
    return !m_tooLarge;
}

void NetworkCalendarDownload::Received()
{
    if (m_reply && !Take()) m_reply->abort();
}

QString NetworkCalendarDownload::ErrorMessage() const
{
    const QString host = Quoted(m_url.host());
    if (m_tooLarge) return Str(27025).arg(Quoted(m_url.toDisplayString()));
    return HttpFailureMessage(m_reply, host);
}

void NetworkCalendarDownload::Done()
{
    if (!m_reply) return;
    const bool complete = !m_cancelled && !m_tooLarge && m_reply->error() == QNetworkReply::NoError && Take();
    const QString error = complete || m_cancelled ? QString() : ErrorMessage();
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
    const QByteArray bytes = complete ? std::exchange(m_bytes, {}) : QByteArray();
    m_bytes.clear();
    emit Finished(complete, bytes, error);
}
