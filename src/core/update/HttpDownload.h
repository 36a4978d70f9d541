#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QTimer;

namespace zirn {

// Downloads the body of one URL asynchronously on the calling thread's event loop and
// reports the result once, with the signal finished(). A body turns the request into a form POST.
// Redirects are followed by the download itself, to http and https addresses only, with a fresh request of
// the same method, headers and body for every target. No credentials are ever sent. One download at a time
// per object.
class HttpDownload : public QObject
{
    Q_OBJECT

public:
    // Bodies larger than this are treated as a failed download.
    static constexpr qint64 kMaxBodySize = 1024 * 1024;
    // Response headers larger than this are treated as a failed download. The HTTP client
    // reports headers only once it has taken them all in, so the time limit below is what
    // bounds the work that a server sending endless headers can cause.
    static constexpr qint64 kMaxHeaderSize = 64 * 1024;
    // A download, redirects included, that has not ended after this long has failed.
    static constexpr int kDefaultTimeLimitMs = 20000;
    // A longer chain of redirects, or one that leaves http and https, is treated as a failed
    // download.
    static constexpr int kMaxRedirects = 20;

    explicit HttpDownload(QObject* parent = nullptr);
    ~HttpDownload() override;

    void start(const QString& url, const std::optional<QString>& userAgent);
    void start(const QString& url, const std::optional<QString>& userAgent,
               const std::optional<QByteArray>& postData);

    // A request for url with the stored User-Agent, and for a stored body the method POST,
    // "Content-Length", "Content-Type: application/x-www-form-urlencoded" and the body.
    QNetworkRequest buildRequest(const QUrl& url) const;

    // The running download, or none.
    QNetworkReply* reply() const { return m_reply; }

    // For downloads started from now on.
    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }

signals:
    // Sent once per download: the whole body of a completed response, whatever its status
    // (an empty body gives empty bytes), or nothing when the download failed (a body that
    // cannot be decompressed included), was refused for its size, or the server asked for
    // credentials.
    void finished(const std::optional<QByteArray>& body);

private:
    void send(const QUrl& url);
    void onResponse(QNetworkReply* reply);
    // Takes what reply has received so far; false when the download has ended.
    bool absorb(QNetworkReply* reply);
    void onFinished(QNetworkReply* reply);
    void finish(const std::optional<QByteArray>& body);
    void dropConnection();

    QNetworkAccessManager* m_manager;
    QByteArray m_data;
    QPointer<QNetworkReply> m_reply;
    std::optional<QString> m_userAgent;
    std::optional<QByteArray> m_postData;
    QNetworkReply* m_responded = nullptr; // the reply whose response emptied the buffer
    int m_redirects = 0;
    QTimer* m_deadline;
    int m_timeLimitMs = kDefaultTimeLimitMs;
};

} // namespace zirn
