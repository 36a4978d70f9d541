#include "core/DefaultsStore.h"

#include "core/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zirn {

namespace {

using Json = nlohmann::json;

// nlohmann::json keeps the kind of every number as written: 3 is an integer, 3.0 a
// fraction. Qt's own JSON classes fold 3.0 into 3, which would change the kind of a value.
QVariant fromJson(const Json& value)
{
    switch (value.type()) {
    case Json::value_t::string:
        return QString::fromStdString(value.get<std::string>());
    case Json::value_t::number_integer:
        return QVariant::fromValue(value.get<qint64>());
    case Json::value_t::number_unsigned: {
        const auto number = value.get<std::uint64_t>();
        if (number <= static_cast<std::uint64_t>(std::numeric_limits<qint64>::max()))
            return QVariant::fromValue(static_cast<qint64>(number));
        return QVariant::fromValue(static_cast<double>(number)); // beyond 64-bit: not a usable whole number
    }
    case Json::value_t::number_float:
        return value.get<double>();
    case Json::value_t::boolean:
        return value.get<bool>();
    case Json::value_t::array: {
        QVariantList list;
        for (const Json& item : value)
            list.append(fromJson(item));
        return list;
    }
    case Json::value_t::object: {
        QVariantMap map;
        for (auto it = value.begin(); it != value.end(); ++it)
            map.insert(QString::fromStdString(it.key()), fromJson(it.value()));
        return map;
    }
    case Json::value_t::null:
        return QVariant::fromValue(nullptr);
    case Json::value_t::binary:
    case Json::value_t::discarded:
        break;
    }
    return {};
}

Json toJson(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().toStdString();
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        return std::isfinite(d) ? Json(d) : Json(nullptr);
    }
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        Json list = Json::array();
        for (const QVariant& item : value.toList())
            list.push_back(toJson(item));
        return list;
    }
    case QMetaType::QVariantMap: {
        Json object = Json::object();
        const QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            object[it.key().toStdString()] = toJson(it.value());
        return object;
    }
    default:
        return nullptr;
    }
}

// The program nests lists at most one level deep. A deeper document is no store of ours, and
// the conversion above recurses once per level.
constexpr int kMaxDepth = 64;

// The store in the file at path; an empty one when there is no file or nothing but blanks in
// it. Nothing when something is there that cannot be read as a store: corrupt, too deeply
// nested, no JSON object, or not readable at all.
std::optional<QVariantMap> readStore(const QString& path)
{
    struct stat info
    {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QVariantMap();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (bytes.trimmed().isEmpty())
        return QVariantMap();
    bool tooDeep = false;
    const Json::parser_callback_t limitDepth = [&tooDeep](int depth, Json::parse_event_t event, Json&) {
        if ((event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start) &&
            depth >= kMaxDepth)
            tooDeep = true;
        return !tooDeep;
    };
    const Json doc = Json::parse(bytes.begin(), bytes.end(), limitDepth, /*allow_exceptions=*/false);
    if (tooDeep || !doc.is_object())
        return std::nullopt;
    return fromJson(doc).toMap();
}

// Moves the unreadable store at path aside, to "<name>.damaged" or, when that is taken,
// "<name>.damaged-2" and on, readable by its owner only: it may hold passwords. True when
// path is free afterwards.
bool keepDamagedStore(const QString& path)
{
    for (int n = 1; n <= 1000; ++n) {
        QString aside = path + QStringLiteral(".damaged");
        if (n > 1)
            aside += QStringLiteral("-%1").arg(n);
        const QByteArray target = QFile::encodeName(aside);
        // Writers hold the lock, so the name cannot be taken between the test and the move.
        struct stat info
        {};
        if (::lstat(target.constData(), &info) == 0)
            continue;
        if (::rename(QFile::encodeName(path).constData(), target.constData()) != 0)
            return false;
        const int fd = ::open(target.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
                ::fchmod(fd, 0600);
            ::close(fd);
        }
        return true;
    }
    return false;
}

// An advisory lock on a file beside the store, held while the object lives. Every window of
// the program is a process of its own, and each takes this lock around its read-modify-write.
class StoreLock
{
public:
    explicit StoreLock(const QString& storePath)
        : m_fd(::open(QFile::encodeName(storePath + QStringLiteral(".lock")).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd < 0)
            return;
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
        }
    }
    ~StoreLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

} // namespace

DefaultsStore::DefaultsStore(QString filePath)
    : m_filePath(std::move(filePath)), m_values(readStore(m_filePath).value_or(QVariantMap()))
{}

QString DefaultsStore::defaultLocation()
{
    return Paths::configFolder() + QStringLiteral("/defaults.json");
}

std::optional<QString> DefaultsStore::stringValue(const QString& key) const
{
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

QVariant DefaultsStore::value(const QString& key) const
{
    return m_values.value(key);
}

void DefaultsStore::setValue(const QString& key, const QVariant& value)
{
    if (value.isValid())
        m_values.insert(key, value);
    else
        m_values.remove(key);
    m_changed.insert(key);
    if (m_batchDepth == 0)
        sync();
}

DefaultsStore::Batch::~Batch()
{
    if (--m_store.m_batchDepth == 0 && !m_store.m_changed.isEmpty())
        m_store.sync();
}

void DefaultsStore::setInteger(const QString& key, qint64 value)
{
    setValue(key, QVariant::fromValue(value));
}

bool DefaultsStore::sync()
{
    if (!Paths::makePrivateFolder(QFileInfo(m_filePath).absolutePath()))
        return false;
    const StoreLock lock(m_filePath);
    if (!lock.held())
        return false;
    // What another window saved meanwhile stays; only the keys set here are changed. A store
    // that cannot be read is never written over: it is kept aside and a new one begins.
    std::optional<QVariantMap> current = readStore(m_filePath);
    if (!current && !keepDamagedStore(m_filePath))
        return false;
    QVariantMap merged = std::move(current).value_or(QVariantMap());
    for (const QString& key : std::as_const(m_changed)) {
        if (const auto it = m_values.constFind(key); it != m_values.constEnd())
            merged.insert(key, *it);
        else
            merged.remove(key);
    }
    const std::string text = toJson(merged).dump(4, ' ', false, Json::error_handler_t::replace) + '\n';
    QSaveFile file(m_filePath);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) >= 0 && file.commit();
    if (written) {
        m_values = std::move(merged);
        m_changed.clear();
    }
    return written;
}

} // namespace zirn
