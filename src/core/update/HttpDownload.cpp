#include "core/update/HttpDownload.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>

namespace zirn {

namespace {

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// What Qt's HTTP client reports as the reply's error for a complete answer with this status.
// That report is the answer itself, not a failure: statuses are no concern of the download.
// Every other error is one, whatever the status: a broken connection, a body that cannot be
// decompressed, one that Qt's guard against decompression bombs stopped.
QNetworkReply::NetworkError errorForStatus(int status)
{
    switch (status) {
    case 400:
    case 418:
        return QNetworkReply::ProtocolInvalidOperationError;
    case 401:
        return QNetworkReply::AuthenticationRequiredError;
    case 403:
        return QNetworkReply::ContentAccessDenied;
    case 404:
        return QNetworkReply::ContentNotFoundError;
    case 405:
        return QNetworkReply::ContentOperationNotPermittedError;
    case 407:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    case 409:
        return QNetworkReply::ContentConflictError;
    case 410:
        return QNetworkReply::ContentGoneError;
    case 500:
        return QNetworkReply::InternalServerError;
    case 501:
        return QNetworkReply::OperationNotImplementedError;
    case 503:
        return QNetworkReply::ServiceUnavailableError;
    default:
        if (status > 500)
            return QNetworkReply::UnknownServerError;
        if (status >= 400)
            return QNetworkReply::UnknownContentError;
        return QNetworkReply::NoError;
    }
}

} // namespace

HttpDownload::HttpDownload(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)), m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            finish(std::nullopt);
    });
    // A server that asks for credentials gets none, and the download fails.
    connect(m_manager, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator*) {
                if (reply == m_reply)
                    finish(std::nullopt);
            });
    connect(m_manager, &QNetworkAccessManager::proxyAuthenticationRequired, this,
            [this](const QNetworkProxy&, QAuthenticator*) {
                if (m_reply)
                    finish(std::nullopt);
            });
}

HttpDownload::~HttpDownload()
{
    dropConnection();
}

void HttpDownload::start(const QString& url, const std::optional<QString>& userAgent)
{
    start(url, userAgent, std::nullopt);
}

void HttpDownload::start(const QString& url, const std::optional<QString>& userAgent,
                         const std::optional<QByteArray>& postData)
{
    dropConnection();
    if (userAgent)
        m_userAgent = userAgent;
    m_postData = postData;
    m_redirects = 0;
    m_deadline->start(m_timeLimitMs);
    send(QUrl(url));
}

QNetworkRequest HttpDownload::buildRequest(const QUrl& url) const
{
    QNetworkRequest request(url);
    // Redirects are followed here, so that every target gets the same method and body.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (m_userAgent)
        request.setRawHeader("User-Agent", m_userAgent->toUtf8());
    if (m_postData) {
        request.setRawHeader("Content-Length",
                             QByteArray::number(static_cast<qulonglong>(m_postData->size())));
        request.setRawHeader("Content-Type", "application/x-www-form-urlencoded");
    }
    return request;
}

void HttpDownload::send(const QUrl& url)
{
    const QNetworkRequest request = buildRequest(url);
    QNetworkReply* reply = m_postData ? m_manager->post(request, *m_postData) : m_manager->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] { onResponse(reply); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { absorb(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onFinished(reply); });
}

void HttpDownload::onResponse(QNetworkReply* reply)
{
    if (reply != m_reply || m_responded == reply)
        return;
    // A new response: whatever an earlier one delivered is dropped.
    m_responded = reply;
    m_data = QByteArray();
    qint64 headerSize = 0;
    for (const auto& [name, value] : reply->rawHeaderPairs())
        headerSize += name.size() + value.size() + 4; // ": " and CRLF
    if (headerSize > kMaxHeaderSize) {
        finish(std::nullopt);
        return;
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kMaxBodySize)
        finish(std::nullopt);
}

bool HttpDownload::absorb(QNetworkReply* reply)
{
    if (reply != m_reply)
        return false;
    onResponse(reply);
    // The response may have ended the download already, by the size it announced.
    if (reply != m_reply)
        return false;
    m_data += reply->readAll();
    if (m_data.size() > kMaxBodySize) {
        finish(std::nullopt);
        return false;
    }
    return true;
}

void HttpDownload::onFinished(QNetworkReply* reply)
{
    if (!absorb(reply))
        return;
    const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int status = statusAttribute.toInt();
    // A server that asks for credentials has ended the download already; a 401 without a
    // challenge is an answer like any other.
    if (!statusAttribute.isValid() || reply->error() != errorForStatus(status)) {
        finish(std::nullopt);
        return;
    }
    const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (isRedirect(status) && location.isValid()) {
        const QUrl target = reply->url().resolved(location);
        // Only to the web: a local file or resource must not pass for the server's answer, and
        // opening a named pipe would block the window for good.
        const QString scheme = target.scheme();
        const bool web = scheme.compare(u"http", Qt::CaseInsensitive) == 0 ||
                         scheme.compare(u"https", Qt::CaseInsensitive) == 0;
        if (++m_redirects > kMaxRedirects || !web) {
            finish(std::nullopt);
            return;
        }
        dropConnection();
        send(target);
        return;
    }
    finish(m_data);
}

void HttpDownload::finish(const std::optional<QByteArray>& body)
{
    m_deadline->stop();
    dropConnection();
    if (!body)
        m_data = QByteArray();
    emit finished(body);
}

void HttpDownload::dropConnection()
{
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_responded = nullptr;
}

} // namespace zirn
