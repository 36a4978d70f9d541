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

// Whether a Create saves the field in the store (the fields the window edits), and for how long.
// A field that is not saved is still read from the store when the file does not name it.
enum class Saved {
    No,
    Yes,
    // Saved, but the saved value is reset to 0 for good when the next load finds
    // RememberEncryptionSettings off (loaded before it, so the row comes after it). Integer
    // fields only.
    UnlessRemembered,
    // Saved, but the saved text stands in for a missing one (none from the document, no key in
    // the file) only where the window shows it before the Create: with AutoStart nobody would
    // see another document's title go into this one. "{save}" still asks for it. Text fields.
    UnlessUnseen,
};

// One key of both the settings file and the store. Integer fields keep the value they hold
// when nothing gives one.
struct SettingKey
{
    std::variant<QString Settings::*, qint64 Settings::*> field;
    QLatin1String key;
    Saved saved;
    TextDefault textDefault = TextDefault::Empty;
};

// Every key, in the order of loading: the text fields, then the integers.
const SettingKey kKeys[] = {
    {&Settings::Title, QLatin1String("Title"), Saved::UnlessUnseen},
    {&Settings::Subject, QLatin1String("Subject"), Saved::UnlessUnseen},
    {&Settings::Keywords, QLatin1String("Keywords"), Saved::UnlessUnseen},
    {&Settings::Author, QLatin1String("Author"), Saved::Yes, TextDefault::LoginName},
    {&Settings::PasswordUser, QLatin1String("UserPassword"), Saved::Yes},
    {&Settings::PasswordOwner, QLatin1String("MasterPassword"), Saved::Yes},
    {&Settings::OutputPath, QLatin1String("Path"), Saved::Yes, TextDefault::OutputFolder},
    {&Settings::OutputFileName, QLatin1String("File"), Saved::No},
    {&Settings::PostAction, QLatin1String("PostAction"), Saved::Yes, TextDefault::OpenFile},
    {&Settings::AutoStart, QLatin1String("AutoStart"), Saved::No},
    {&Settings::Overwrite, QLatin1String("Overwrite"), Saved::No},
    {&Settings::SelectedTab, QLatin1String("SelectedTab"), Saved::Yes},
    {&Settings::RememberEncryptionSettings, QLatin1String("RememberEncryptionSettings"), Saved::No},
    {&Settings::UseEncryption, QLatin1String("UseEncryption"), Saved::UnlessRemembered},
    {&Settings::AllowCopyPaste, QLatin1String("AllowCopyPaste"), Saved::Yes},
    {&Settings::AllowPrint, QLatin1String("AllowPrint"), Saved::Yes},
    {&Settings::Silent, QLatin1String("Silent"), Saved::No},
    {&Settings::UserAccessPermissions, QLatin1String("UserAccessPermissions"), Saved::No},
    {&Settings::EncryptionKeyLength, QLatin1String("EncryptionKeyLength"), Saved::No},
    {&Settings::AutoUpdate, QLatin1String("AutoUpdate"), Saved::Yes},
    {&Settings::CombineDocuments, QLatin1String("CombineDocuments"), Saved::Yes},
};

} // namespace

SettingsLoader::SettingsLoader(DefaultsStore& store, BuiltInDefaults builtInDefaults)
    : m_store(store), m_builtInDefaults(std::move(builtInDefaults))
{}

SettingsLoader::SettingsLoader(DefaultsStore& store)
    : SettingsLoader(store, BuiltInDefaults{Paths::loginName(), Paths::defaultOutputFolder()})
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
                                     const QString& defaultValue, bool savedStandsIn) const
{
    const auto it = values.constFind(key);
    if (it != values.constEnd()) {
        if (*it != kSave) {
            field = *it;
            return;
        }
    } else if (!field.isEmpty()) {
        return;
    } else if (!savedStandsIn) {
        field = defaultValue;
        return;
    }
    if (const auto saved = m_store.stringValue(key))
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
    const QVariant saved = m_store.value(key);
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
            return m_builtInDefaults.loginName;
        case TextDefault::OutputFolder:
            return m_builtInDefaults.outputFolder;
        case TextDefault::OpenFile:
            return QString(kPostActionOpenFile);
        case TextDefault::Empty:
            break;
        }
        return QString();
    };
    // AutoStart as loaded below: whether anybody sees the window before the Create.
    qint64 autoStart = s.AutoStart;
    loadIntegerSetting(autoStart, QStringLiteral("AutoStart"), values);
    for (const SettingKey& entry : kKeys) {
        const QString key = entry.key;
        if (const auto* text = std::get_if<QString Settings::*>(&entry.field)) {
            loadTextSetting(s.**text, key, values, textDefault(entry.textDefault),
                            entry.saved != Saved::UnlessUnseen || autoStart == 0);
            continue;
        }
        if (entry.saved == Saved::UnlessRemembered && s.RememberEncryptionSettings == 0)
            m_store.setInteger(key, 0);
        loadIntegerSetting(s.*std::get<qint64 Settings::*>(entry.field), key, values);
    }
    s.OutputPath = Paths::expandTilde(s.OutputPath);
}

SettingsLoader::LaunchChoices SettingsLoader::launchChoices(const QString& iniPath) const
{
    const IniSection values = Ini::readFile(iniPath).value(QStringLiteral("Values"));
    LaunchChoices choices;
    loadIntegerSetting(choices.AutoStart, QStringLiteral("AutoStart"), values);
    loadIntegerSetting(choices.CombineDocuments, QStringLiteral("CombineDocuments"), values);
    return choices;
}

void SettingsLoader::saveSettings(const Settings& s)
{
    const DefaultsStore::Batch batch(m_store);
    for (const SettingKey& entry : kKeys) {
        if (entry.saved == Saved::No)
            continue;
        if (const auto* text = std::get_if<QString Settings::*>(&entry.field))
            m_store.setValue(entry.key, s.**text);
        else
            m_store.setInteger(entry.key, s.*std::get<qint64 Settings::*>(entry.field));
    }
}

} // namespace zirn
