#include "core/settings/SettingsLoader.h"

#include "core/DefaultsStore.h"
#include "core/Names.h"
#include "core/Paths.h"

#include <limits>
#include <variant>

namespace zirn {

namespace {

const QString kSave = QStringLiteral("{save}");

// The built-in default of a text field when neither the file nor the store gives one.
enum class TextDefault { Empty, LoginName, OutputFolder, OpenFile };

// One key of both the settings file and the store. Integer fields keep the value they hold
// when nothing gives one.
struct SettingKey
{
    std::variant<QString Settings::*, qint64 Settings::*> field;
    QLatin1String key;
    bool saved;
    TextDefault textDefault = TextDefault::Empty;
};

// In the order of loading: the text fields, then the integers. "UseEncryption" comes after
// "RememberEncryptionSettings", which decides whether its saved value is reset first.
const SettingKey kKeys[] = {
    {&Settings::Title, QLatin1String("Title"), true},
    {&Settings::Subject, QLatin1String("Subject"), true},
    {&Settings::Keywords, QLatin1String("Keywords"), true},
    {&Settings::Author, QLatin1String("Author"), true, TextDefault::LoginName},
    {&Settings::PasswordUser, QLatin1String("UserPassword"), true},
    {&Settings::PasswordOwner, QLatin1String("MasterPassword"), true},
    {&Settings::OutputPath, QLatin1String("Path"), true, TextDefault::OutputFolder},
    {&Settings::OutputFileName, QLatin1String("File"), false},
    {&Settings::PostAction, QLatin1String("PostAction"), true, TextDefault::OpenFile},
    {&Settings::AutoStart, QLatin1String("AutoStart"), false},
    {&Settings::Overwrite, QLatin1String("Overwrite"), false},
    {&Settings::SelectedTab, QLatin1String("SelectedTab"), true},
    {&Settings::RememberEncryptionSettings, QLatin1String("RememberEncryptionSettings"), false},
    {&Settings::UseEncryption, QLatin1String("UseEncryption"), true},
    {&Settings::AllowCopyPaste, QLatin1String("AllowCopyPaste"), true},
    {&Settings::AllowPrint, QLatin1String("AllowPrint"), true},
    {&Settings::Silent, QLatin1String("Silent"), false},
    {&Settings::UserAccessPermissions, QLatin1String("UserAccessPermissions"), false},
    {&Settings::EncryptionKeyLength, QLatin1String("EncryptionKeyLength"), false},
    {&Settings::AutoUpdate, QLatin1String("AutoUpdate"), true},
};

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
    const auto textDefault = [this](TextDefault which) {
        switch (which) {
        case TextDefault::LoginName:
            return m_userDefaults.loginName;
        case TextDefault::OutputFolder:
            return m_userDefaults.outputFolder;
        case TextDefault::OpenFile:
            return QString(kPostActionOpenFile);
        case TextDefault::Empty:
            break;
        }
        return QString();
    };
    for (const SettingKey& entry : kKeys) {
        const QString key = entry.key;
        if (const auto* text = std::get_if<QString Settings::*>(&entry.field)) {
            loadTextSetting(s.**text, key, values, textDefault(entry.textDefault));
            continue;
        }
        // The saved encryption switch is cleared for good before it is read, unless the
        // user asked to remember it.
        if (key == QLatin1String("UseEncryption") && s.RememberEncryptionSettings == 0)
            m_store.setInteger(0, key);
        loadIntegerSetting(s.*std::get<qint64 Settings::*>(entry.field), key, values);
    }
    s.OutputPath = Paths::expandTilde(s.OutputPath);
}

void SettingsLoader::saveSettings(const Settings& s)
{
    const DefaultsStore::Batch batch(m_store);
    for (const SettingKey& entry : kKeys) {
        if (!entry.saved)
            continue;
        if (const auto* text = std::get_if<QString Settings::*>(&entry.field))
            m_store.setObject(s.**text, entry.key);
        else
            m_store.setInteger(s.*std::get<qint64 Settings::*>(entry.field), entry.key);
    }
}

} // namespace zirn
