#include "core/update/UpdateCheck.h"

#include "BuildConfig.h"
#include "core/DefaultsStore.h"
#include "core/DesktopServices.h"
#include "core/update/MachineId.h"
#include "core/update/UpdateDocument.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>
#include <QUrl>

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <memory>
#include <utility>

namespace zirn {

namespace {

const QString kLastCheckKey = QStringLiteral("LastAutoUpdateCheck");

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

bool isTwoAsciiLetters(const QString& code)
{
    if (code.size() != 2)
        return false;
    for (const QChar c : code)
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

// The first maximum characters of text, the last of them an ellipsis when text is longer. A
// surrogate pair is never split.
QString elided(const QString& text, qsizetype maximum)
{
    if (text.size() <= maximum)
        return text;
    qsizetype cut = maximum - 1;
    if (cut > 0 && text[cut - 1].isHighSurrogate())
        --cut;
    return text.first(cut) + QChar(0x2026);
}

} // namespace

UpdateCheck::UpdateCheck(const QString& url, DefaultsStore& store, DesktopServices& desktop, QObject* parent)
    : QObject(parent), m_download(new HttpDownload(this)), m_url(url),
      m_currentVersion(QStringLiteral(ZIRN_VERSION)), m_store(store), m_desktop(desktop)
{
    connect(m_download, &HttpDownload::finished, this, &UpdateCheck::handleResult);
}

QString UpdateCheck::formatTimestamp(const QDateTime& moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" +0000");
}

std::optional<QDateTime> UpdateCheck::parseTimestamp(const QString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString(u"yyyy-MM-dd HH:mm:ss ZZZ"), icu::Locale("en_US_POSIX"),
                                 status);
    if (U_FAILURE(status))
        return std::nullopt;
    format.setLenient(false);
    const icu::UnicodeString input = toIcu(text);
    icu::ParsePosition position(0);
    const UDate date = format.parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(date), QTimeZone::utc());
}

QString UpdateCheck::formatForDisplay(const QDateTime& moment, const QString& icuLocale)
{
    const icu::Locale locale(icuLocale.toUtf8().constData());
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(
        static_cast<icu::DateFormat::EStyle>(icu::DateFormat::kMedium | icu::DateFormat::kRelative),
        icu::DateFormat::kShort, locale));
    if (!format)
        return QLocale(icuLocale).toString(moment.toLocalTime(), QLocale::ShortFormat);
    icu::UnicodeString text;
    format->format(static_cast<UDate>(moment.toMSecsSinceEpoch()), text);
    return fromIcu(text);
}

std::optional<QString> UpdateCheck::lastCheckText() const
{
    const auto stored = m_store.stringValue(kLastCheckKey);
    if (!stored)
        return std::nullopt;
    const auto moment = parseTimestamp(*stored);
    if (!moment)
        return std::nullopt;
    const QString locale = m_displayLocale.isEmpty() ? QLocale().name() : m_displayLocale;
    return formatForDisplay(*moment, locale);
}

QString UpdateCheck::languageCode() const
{
    QString first;
    // Deliberately this key, which nothing on Linux writes: a user can still set it in the store.
    const QVariant preferred = m_store.value(QStringLiteral("AppleLanguages"));
    if (preferred.isValid()) {
        const QVariantList list = preferred.toList();
        if (!list.isEmpty())
            first = list.first().toString();
    } else {
        const QStringList languages = QLocale::system().uiLanguages();
        if (!languages.isEmpty())
            first = languages.first();
    }
    // The code goes into an XPath expression: only two ASCII letters may ever get there.
    const QString code = first.left(2);
    return isTwoAsciiLetters(code) ? code : QStringLiteral("en");
}

QString UpdateCheck::requestUrl() const
{
    const QString separator = m_url.contains(u'?') ? QStringLiteral("&") : QStringLiteral("?");
    const QString identifier = m_identifier ? m_identifier() : MachineId::text(4);
    // Inserted as they are, without percent-encoding.
    return QStringLiteral("%1%2v=%3&id=%4").arg(m_url, separator, m_currentVersion, identifier);
}

void UpdateCheck::checkForUpdate(bool force)
{
    if (!force) {
        if (const auto stored = m_store.stringValue(kLastCheckKey)) {
            if (const auto last = parseTimestamp(*stored)) {
                const qint64 difference = now().toMSecsSinceEpoch() - last->toMSecsSinceEpoch();
                // Less than a week ago, or in the future.
                if (difference < kWeekSeconds * 1000)
                    return;
            }
        }
    }
    m_download->start(requestUrl(), std::nullopt);
}

QString UpdateCheck::localizedString(const UpdateDocument& document, const QString& pattern,
                                     const QString& language)
{
    if (auto value = document.firstString(QString(pattern).replace(QStringLiteral("%1"), language)))
        return *value;
    if (auto value =
            document.firstString(QString(pattern).replace(QStringLiteral("%1"), QStringLiteral("en"))))
        return *value;
    return QString();
}

int UpdateCheck::compareVersions(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit() && a[i].unicode() < 128 && b[j].unicode() < 128) {
            // Compare the two digit runs by value: skip leading zeros, then longer is larger,
            // then digit by digit.
            while (i < a.size() && a[i] == u'0')
                ++i;
            while (j < b.size() && b[j] == u'0')
                ++j;
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA] >= u'0' && a[endA] <= u'9')
                ++endA;
            while (endB < b.size() && b[endB] >= u'0' && b[endB] <= u'9')
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            for (; i < endA; ++i, ++j)
                if (a[i] != b[j])
                    return a[i] < b[j] ? -1 : 1;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

void UpdateCheck::releaseResult()
{
    m_held = false;
    if (auto kept = std::exchange(m_kept, std::nullopt))
        offerUpdate(*kept);
}

void UpdateCheck::dropResult()
{
    m_held = false;
    m_kept.reset();
}

void UpdateCheck::handleResult(const std::optional<QByteArray>& body)
{
    if (!body)
        return;
    // Any completed response counts as a check, also an error page or an empty body, and also
    // one whose notice waits for the end of a Create or is never shown.
    m_store.setValue(kLastCheckKey, formatTimestamp(now()));
    if (m_held)
        m_kept = *body;
    else
        offerUpdate(*body);
}

void UpdateCheck::offerUpdate(const QByteArray& body)
{
    const QString language = languageCode();
    const std::unique_ptr<UpdateDocument> document = UpdateDocument::parse(body);
    if (!document)
        return;
    const auto version = document->firstString(QStringLiteral("//update/version"));
    if (!version)
        return;
    const auto title = document->firstString(QStringLiteral("//update/application"));
    if (!title)
        return;
    const QString message = localizedString(*document, QStringLiteral("//update/info/%1"), language);
    const auto page = document->firstString(QStringLiteral("//update/help"));
    if (!page)
        return;
    if (compareVersions(*version, m_currentVersion) <= 0)
        return;

    // A server's text of any length must neither keep the window busy nor push the notice's
    // buttons off the screen.
    const bool yes = m_desktop.runNotice(elided(*title, kMaxNoticeTitle), elided(message, kMaxNoticeMessage),
                                         QCoreApplication::translate("Zirn", "Yes"),
                                         QCoreApplication::translate("Zirn", "No"));
    if (!yes)
        return;
    // Only web pages: a file, script or custom-handler address from the server opens nothing.
    const QUrl url(page->trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && !url.host().isEmpty() && (scheme == u"http" || scheme == u"https"))
        m_desktop.openUrl(url);
}

} // namespace zirn
