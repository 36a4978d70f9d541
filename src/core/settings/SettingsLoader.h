#pragma once

#include "core/settings/Ini.h"
#include "core/settings/Settings.h"

#include <QString>

#include <optional>

namespace zirn {

class DefaultsStore;

// The launch-time load and the Create-time save of the settings record.
//
// A field takes its value from, in this order: the settings file's section "Values"; the
// value saved in the defaults store at the last Create (asked for explicitly by "{save}",
// or used when the file does not name the key); a built-in default. A text field that
// already holds text from the input document keeps it when the file does not name its key.
// With AutoStart a title, subject or keywords that neither the document nor the file gives
// stays empty (unless the file says "{save}"): nobody reviews it before the Create.
class SettingsLoader
{
public:
    // The built-in defaults that depend on the user. Filled from Paths by default; tests
    // set their own.
    struct BuiltInDefaults
    {
        QString loginName;
        QString outputFolder; // the desktop folder, or the home folder where there is none
    };

    SettingsLoader(DefaultsStore& store, BuiltInDefaults builtInDefaults);
    explicit SettingsLoader(DefaultsStore& store);

    // Fills settings from the file at iniPath (missing or unreadable: as if it had no
    // section "Values"), the store and the defaults, as the table of keys in
    // SettingsLoader.cpp says. InputFile is never touched. When RememberEncryptionSettings ends
    // up 0, the saved values that last only while remembered are reset to 0 first.
    void loadSettings(Settings& settings, const QString& iniPath);
    void loadSettings(Settings& settings, const IniSections& ini);

    // The two choices that decide, before the window is made, whether a launch on a document
    // joins a window that is open (see ApplicationLoop::handOver), each by the precedence above,
    // read without touching the store.
    struct LaunchChoices
    {
        qint64 AutoStart = 0;
        qint64 CombineDocuments = 0;
        bool operator==(const LaunchChoices&) const = default;
    };
    LaunchChoices launchChoices(const QString& iniPath) const;

    // Stores the fields that the table of keys marks as saved: those the window edits.
    void saveSettings(const Settings& settings);

    // "+7" and "007" are 7; no blanks, no fraction, no prefix, and it must fit 64 bits.
    static std::optional<qint64> parseDecimalInteger(const QString& text);

private:
    void loadTextSetting(QString& field, const QString& key, const IniSection& values,
                         const QString& defaultValue, bool savedStandsIn) const;
    void loadIntegerSetting(qint64& field, const QString& key, const IniSection& values) const;

    DefaultsStore& m_store;
    BuiltInDefaults m_builtInDefaults;
};

} // namespace zirn
