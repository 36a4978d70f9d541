#include "core/settings/SettingsLoader.h"

#include "core/DefaultsStore.h"
#include "core/Paths.h"

#include <limits>

namespace zirn {

namespace {

const QString kSave = QStringLiteral("{save}");

} // namespace

SettingsLoader::SettingsLoader(DefaultsStore& store, UserDefaults userDefaults)
    : m_store(store), m_userDefaults(std::move(userDefaults))
{}

SettingsLoader::SettingsLoader(DefaultsStore& store)
    : SettingsLoader(store, UserDefaults{Paths::loginName(), Paths::defaultOutputFolder()})
{}

std::optional<qint64> SettingsLoader::parseDecimalInteger(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate towards the negative side, which holds one more value than the positive.
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (value < (min + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    if (value == min)
        return std::nullopt;
    return -value;
}

void SettingsLoader::loadTextSetting(QString& field, const QString& key, const IniSection& values,
                                     const QString& defaultValue) const
{
    const auto it = values.constFind(key);
    if (it != values.constEnd()) {
        if (*it != kSave) {
            field = *it;
            return;
        }
    } else if (!field.isEmpty()) {
        return;
    }
    if (const auto saved = m_store.stringForKey(key))
        field = *saved;
    else
        field = defaultValue;
}

void SettingsLoader::loadIntegerSetting(qint64& field, const QString& key, const IniSection& values) const
{
    if (const auto value = parseDecimalInteger(values.value(key))) {
        field = *value;
        return;
    }
    const QVariant saved = m_store.objectForKey(key);
    if (!saved.isValid())
        return;
    field = saved.typeId() == QMetaType::LongLong ? saved.toLongLong() : 0;
}

void SettingsLoader::loadSettings(Settings& settings, const QString& iniPath)
{
    loadSettings(settings, Ini::readFile(iniPath));
}

void SettingsLoader::loadSettings(Settings& s, const IniSections& ini)
{
    const IniSection values = ini.value(QStringLiteral("Values"));

    loadTextSetting(s.Title, QStringLiteral("Title"), values, {});
    loadTextSetting(s.Subject, QStringLiteral("Subject"), values, {});
    loadTextSetting(s.Keywords, QStringLiteral("Keywords"), values, {});
    loadTextSetting(s.Author, QStringLiteral("Author"), values, m_userDefaults.loginName);
    loadTextSetting(s.PasswordUser, QStringLiteral("UserPassword"), values, {});
    loadTextSetting(s.PasswordOwner, QStringLiteral("MasterPassword"), values, {});
    loadTextSetting(s.OutputPath, QStringLiteral("Path"), values, m_userDefaults.outputFolder);
    loadTextSetting(s.OutputFileName, QStringLiteral("File"), values, {});
    loadTextSetting(s.PostAction, QStringLiteral("PostAction"), values, QStringLiteral("openFile"));

    loadIntegerSetting(s.AutoStart, QStringLiteral("AutoStart"), values);
    loadIntegerSetting(s.Overwrite, QStringLiteral("Overwrite"), values);
    loadIntegerSetting(s.SelectedTab, QStringLiteral("SelectedTab"), values);
    loadIntegerSetting(s.RememberEncryptionSettings, QStringLiteral("RememberEncryptionSettings"), values);

    if (s.RememberEncryptionSettings == 0)
        m_store.setInteger(0, QStringLiteral("UseEncryption"));

    loadIntegerSetting(s.UseEncryption, QStringLiteral("UseEncryption"), values);
    loadIntegerSetting(s.AllowCopyPaste, QStringLiteral("AllowCopyPaste"), values);
    loadIntegerSetting(s.AllowPrint, QStringLiteral("AllowPrint"), values);
    loadIntegerSetting(s.Silent, QStringLiteral("Silent"), values);
    loadIntegerSetting(s.UserAccessPermissions, QStringLiteral("UserAccessPermissions"), values);
    loadIntegerSetting(s.AutoUpdate, QStringLiteral("AutoUpdate"), values);

    s.OutputPath = Paths::expandTilde(s.OutputPath);
}

void SettingsLoader::saveSettings(const Settings& s)
{
    const DefaultsStore::Batch batch(m_store);
    m_store.setObject(s.Title, QStringLiteral("Title"));
    m_store.setObject(s.Subject, QStringLiteral("Subject"));
    m_store.setObject(s.Keywords, QStringLiteral("Keywords"));
    m_store.setObject(s.Author, QStringLiteral("Author"));
    m_store.setInteger(s.SelectedTab, QStringLiteral("SelectedTab"));
    m_store.setInteger(s.UseEncryption, QStringLiteral("UseEncryption"));
    m_store.setInteger(s.AllowCopyPaste, QStringLiteral("AllowCopyPaste"));
    m_store.setInteger(s.AllowPrint, QStringLiteral("AllowPrint"));
    m_store.setInteger(s.AutoUpdate, QStringLiteral("AutoUpdate"));
    m_store.setObject(s.PostAction, QStringLiteral("PostAction"));
    m_store.setObject(s.OutputPath, QStringLiteral("Path"));
    m_store.setObject(s.PasswordUser, QStringLiteral("UserPassword"));
    m_store.setObject(s.PasswordOwner, QStringLiteral("MasterPassword"));
}

} // namespace zirn
