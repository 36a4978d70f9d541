#include "platform/DefaultsStore.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <limits>

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

} // namespace

DefaultsStore::DefaultsStore(QString filePath) : m_filePath(std::move(filePath))
{
    reload();
}

QString DefaultsStore::defaultLocation()
{
    return Paths::configFolder() + QStringLiteral("/defaults.json");
}

void DefaultsStore::reload()
{
    m_values.clear();
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const Json doc = Json::parse(bytes.begin(), bytes.end(), nullptr, /*allow_exceptions=*/false);
    if (!doc.is_object())
        return;
    m_values = fromJson(doc).toMap();
}

std::optional<QString> DefaultsStore::stringForKey(const QString& key) const
{
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

QVariant DefaultsStore::objectForKey(const QString& key) const
{
    return m_values.value(key);
}

void DefaultsStore::setObject(const QVariant& value, const QString& key)
{
    if (value.isValid())
        m_values.insert(key, value);
    else
        m_values.remove(key);
    if (m_batchDepth > 0)
        m_pending = true;
    else
        synchronize();
}

DefaultsStore::Batch::~Batch()
{
    if (--m_store.m_batchDepth == 0 && m_store.m_pending)
        m_store.synchronize();
}

void DefaultsStore::setInteger(qint64 value, const QString& key)
{
    setObject(QVariant::fromValue(value), key);
}

bool DefaultsStore::synchronize()
{
    m_pending = false;
    const std::string text = toJson(m_values).dump(4, ' ', false, Json::error_handler_t::replace) + '\n';

    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    m_lastWriteOk = file.open(QIODevice::WriteOnly) &&
                    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                    file.write(text.data(), static_cast<qint64>(text.size())) >= 0 && file.commit();
    return m_lastWriteOk;
}

} // namespace zirn
