#pragma once

#include "core/update/HttpDownload.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace zirn {

class DefaultsStore;
class DesktopServices;
class UpdateDocument;

// Finds out, at most once a week, whether a newer release exists and offers to open its
// page. The request carries the running version and the machine identifier; the answer is
// an XML update document. The time of the last completed download is kept under
// "LastAutoUpdateCheck" in the store. Every failure is silent.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kWeekSeconds = 604800;
    // The notice shows at most this much of the server's title and text; longer ones are
    // cut and end in an ellipsis.
    static constexpr qsizetype kMaxNoticeTitle = 200;
    static constexpr qsizetype kMaxNoticeMessage = 4000;

    using Clock = std::function<QDateTime()>;
    using IdentifierSource = std::function<QString()>;

    // init: the update URL; the version is the build's version text.
    UpdateCheck(const QString& url, DefaultsStore& store, DesktopServices& desktop,
                QObject* parent = nullptr);

    // Starts a check unless force is off and the last completed check is less than a week
    // old (or lies in the future). Returns once the request is on its way.
    void checkForUpdate(bool force);

    // The download's result: the body of a completed response, or nothing on failure.
    void handleResult(const std::optional<QByteArray>& body);

    // A Create lets the event loop run while it writes; nothing of the check may run inside
    // it. While held, a response that arrives counts as a check at once (its time is stored)
    // and is kept: releaseResult offers its update then, and dropResult forgets it (the
    // program ends without a notice).
    void holdResult() { m_held = true; }
    void releaseResult();
    void dropResult();

    // The string value of pattern with "%1" replaced by language, else by "en"; empty when
    // neither matches.
    static QString localizedString(const UpdateDocument& document, const QString& pattern,
                                   const QString& language);

    // When the last check completed, in the user's locale (medium date with words such as
    // "Today", short time); nothing when no check completed yet.
    std::optional<QString> lastCheckText() const;

    HttpDownload* download() const { return m_download; }
    void setCurrentVersion(const QString& version) { m_currentVersion = version; }

    // Test seams: the clock, the identifier, the locale used for display.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setIdentifierSource(IdentifierSource source) { m_identifier = std::move(source); }
    void setDisplayLocale(const QString& icuLocale) { m_displayLocale = icuLocale; }

    // The request URL for the current fields and identifier.
    QString requestUrl() const;

    // The two-letter language code of the user's first preferred language: the store's
    // "AppleLanguages" when present, else the system's UI languages. Anything that is not
    // two ASCII letters gives "en".
    QString languageCode() const;

    // Numeric comparison: runs of digits by value, other characters by code. <0, 0, >0.
    static int compareVersions(const QString& a, const QString& b);

    // "2026-12-05 06:52:58 +0000" for the moment, in UTC.
    static QString formatTimestamp(const QDateTime& moment);
    // Parses with the pattern "yyyy-MM-dd HH:mm:ss ZZZ"; nothing when it does not match.
    static std::optional<QDateTime> parseTimestamp(const QString& text);
    // Formats with ICU in the given locale: medium relative date, short time.
    static QString formatForDisplay(const QDateTime& moment, const QString& icuLocale);

private:
    QDateTime now() const { return m_clock ? m_clock() : QDateTime::currentDateTimeUtc(); }
    // Reads the update document and shows the notice when it names a newer version.
    void offerUpdate(const QByteArray& body);

    HttpDownload* m_download;
    QString m_url;
    QString m_currentVersion;

    DefaultsStore& m_store;
    DesktopServices& m_desktop;
    Clock m_clock;
    IdentifierSource m_identifier;
    QString m_displayLocale;
    bool m_held = false;
    std::optional<QByteArray> m_kept; // a response that arrived while held
};

} // namespace zirn
